#include "zakat/forms/CompleteZakatForm.h"

#include "Golden.h"
#include "ModalGuard.h"
#include "TestApp.h"
#include "ui/ChoiceBox.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw::test;

namespace {

const QLocale Indonesian(QLocale::Indonesian, QLocale::Indonesia);
const QLocale English(QLocale::English, QLocale::UnitedStates);

// Every typed money, weight and count field of the window.
const QStringList TypedFields{
    u"HargaEmas"_s,   u"HargaPerak"_s,    u"Penghasilan"_s,   u"PenghasilanLain"_s,
    u"Pengurangan"_s, u"Tunai"_s,         u"SuratBerharga"_s, u"Piutang"_s,
    u"Utang"_s,       u"EmasGram"_s,      u"Karat"_s,         u"PerakGram"_s,
    u"AsetDagang"_s,  u"PiutangDagang"_s, u"UtangDagang"_s,   u"PanenKg"_s,
    u"HargaGabah"_s,  u"Unta"_s,          u"Sapi"_s,          u"Kambing"_s,
    u"Rikaz"_s,       u"Tambang"_s,       u"FitrahOrang"_s,   u"FitrahNilai"_s};

const QStringList OutputButtons{u"Simpan"_s, u"Cetak"_s, u"Pratinjau"_s, u"Pdf"_s};

void type(QWidget& window, const QString& field, const QString& text) {
    auto* edit = TestApp::findOrFail<QLineEdit>(window, field);
    edit->clear();
    QTest::keyClicks(edit, text);
}

QString labelText(QWidget& window, const QString& name) {
    return TestApp::findOrFail<QLabel>(window, name)->text();
}

} // namespace

class CompleteZakatFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_watchdog = std::make_unique<ModalWatchdog>(); }
    void cleanup() { QVERIFY(!m_watchdog->fired()); }
    void fromThePayerFormToASavedReport();
    void aWrongEntryIsRefusedOnceAndHidesTheResult_data();
    void aWrongEntryIsRefusedOnceAndHidesTheResult();
    void noResultIsShownOrSavedWhileAFieldIsRefused_data();
    void noResultIsShownOrSavedWhileAFieldIsRefused();

private:
    std::unique_ptr<ModalWatchdog> m_watchdog;
};

void CompleteZakatFormTest::fromThePayerFormToASavedReport() {
    TestApp app(Indonesian);
    QWidget& payer = app.form(u"Form2"_s);
    payer.show();
    type(payer, u"Text1"_s, u"Siti Aminah"_s);
    app.child<QPushButton>(u"Form2"_s, u"Command4"_s).click();

    QWidget& window = app.form(u"ZakatLengkap"_s);
    QVERIFY(window.isVisible() && !window.isModal() && payer.isVisible());
    QCOMPARE(window.windowTitle(), u"ZAKAT LENGKAP"_s);
    QCOMPARE(labelText(window, u"Nama"_s), u"Siti Aminah"_s);
    const QList<std::pair<QString, QString>> entries{
        {u"HargaEmas"_s, u"1.500.000"_s}, {u"Penghasilan"_s, u"12.500.000"_s},
        {u"Tunai"_s, u"95.000.000"_s},    {u"Utang"_s, u"5.000.000"_s},
        {u"EmasGram"_s, u"120"_s},        {u"Karat"_s, u"22"_s},
        {u"PanenKg"_s, u"2.400,5"_s},     {u"Unta"_s, u"130"_s},
        {u"FitrahOrang"_s, u"5"_s}};
    for (const auto& [field, text] : entries)
        type(window, field, text);
    zw::setChoiceValue(&app.child<QComboBox>(u"ZakatLengkap"_s, u"FitrahBentuk"_s),
                       zw::zakat::complete::FitrahForm::RiceLitre);
    type(window, u"FitrahNilai"_s, u"14.000"_s);
    QCOMPARE(labelText(window, u"LabelFitrahNilai"_s), u"Harga beras/liter (Rp)"_s);

    // 312.500 income + 4.125.000 gold (110 g pure) + 245.000 rice; harvest and camels in kind.
    QCOMPARE(labelText(window, u"TotalZakat"_s),
             u"Jumlah zakat: Rp 4.682.500,00 (empat juta enam ratus delapan puluh dua ribu lima "
             u"ratus rupiah)"_s);
    const auto& summary = app.child<QTableWidget>(u"ZakatLengkap"_s, u"Ringkasan"_s);
    QCOMPARE(summary.rowCount(), 7);
    QCOMPARE(summary.item(3, 7)->text(), u"240,05 kg"_s);

    QTemporaryDir folder;
    const QString text = folder.filePath(u"zakat.txt"_s);
    const QString pdf = folder.filePath(u"zakat.pdf"_s);
    app.dialogs.answerSave(text);
    app.child<QPushButton>(u"ZakatLengkap"_s, u"Simpan"_s).click();
    app.dialogs.answerSave(pdf);
    app.child<QPushButton>(u"ZakatLengkap"_s, u"Pdf"_s).click();
    QVERIFY(app.dialogs.messages.isEmpty());
    QFile saved(text);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString difference = goldenDifference(saved.readAll(), u"zakat-complete-saved.txt"_s);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QFile paged(pdf);
    QVERIFY(paged.open(QIODevice::ReadOnly) && paged.read(5) == "%PDF-");

    app.child<QPushButton>(u"ZakatLengkap"_s, u"Tutup"_s).click();
    QVERIFY(!window.isVisible());
}

void CompleteZakatFormTest::aWrongEntryIsRefusedOnceAndHidesTheResult_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("an amount in another number format")
        << u"Penghasilan"_s << u"12,500,000"_s << u"Penghasilan bukan angka yang sah: 12,500,000"_s;
    QTest::newRow("a negative amount")
        << u"Tunai"_s << u"-5"_s << u"Uang tunai dan tabungan tidak boleh negatif: -5"_s;
    QTest::newRow("a carat above 24")
        << u"Karat"_s << u"30"_s << u"Karat emas harus antara 1 dan 24."_s;
    QTest::newRow("part of a goat")
        << u"Kambing"_s << u"40,5"_s << u"Jumlah kambing/domba harus bilangan bulat: 40,5"_s;
}

void CompleteZakatFormTest::aWrongEntryIsRefusedOnceAndHidesTheResult() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, problem);
    TestApp app(Indonesian);
    QWidget& window = app.form(u"ZakatLengkap"_s);
    window.show();
    type(window, u"Rikaz"_s, u"1.000.000"_s);
    type(window, u"EmasGram"_s, u"10"_s);
    const QString total = labelText(window, u"TotalZakat"_s);
    QVERIFY(total.startsWith(u"Jumlah zakat: Rp 200.000,00"_s));

    type(window, field, text);
    QCOMPARE(labelText(window, u"Masalah"_s), problem);
    QVERIFY(labelText(window, u"TotalZakat"_s).isEmpty());
    auto* edit = TestApp::findOrFail<QLineEdit>(window, field);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Return); // the same wrong text is not asked about again
    const RecordedMessage wrong{u"ERROR ..."_s, u"Anda Salah Mengisikan Data ...!"_s};
    QCOMPARE(app.dialogs.messages, QList<RecordedMessage>{wrong});

    edit->clear();
    QVERIFY(!TestApp::findOrFail<QLabel>(window, u"Masalah"_s)->isVisibleTo(&window));
    QCOMPARE(labelText(window, u"TotalZakat"_s), total);
}

void CompleteZakatFormTest::noResultIsShownOrSavedWhileAFieldIsRefused_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal"); // how the refusal line ends
    const struct {
        const char* kind;
        QString text;
        QString refusal;
    } wrongs[] = {
        {"not a number", u"abc"_s, u"bukan angka yang sah: abc"_s},
        {"negative", u"-5"_s, u"tidak boleh negatif: -5"_s},
        {"too large", u"1000000000000000000000"_s, u"terlalu besar: 1000000000000000000000"_s},
        // Typed key by key, "95.00" reads as ninety-five on its way to the refusal.
        {"thousands marks of another locale", u"95.000.000"_s,
         u"bukan angka yang sah: 95.000.000"_s},
    };
    for (const QString& field : TypedFields) {
        for (const auto& wrong : wrongs) {
            QTest::addRow("%s %s", qPrintable(field), wrong.kind)
                << field << wrong.text << wrong.refusal;
        }
    }
}

void CompleteZakatFormTest::noResultIsShownOrSavedWhileAFieldIsRefused() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    TestApp app(English);
    auto& window = dynamic_cast<zw::zakat::CompleteZakatForm&>(app.form(u"ZakatLengkap"_s));
    window.show();
    auto& summary = app.child<QTableWidget>(u"ZakatLengkap"_s, u"Ringkasan"_s);
    const auto outputEnabled = [&app](bool enabled) {
        for (const QString& button : OutputButtons) {
            if (app.child<QPushButton>(u"ZakatLengkap"_s, button).isEnabled() != enabled)
                return false;
        }
        return true;
    };
    type(window, u"Rikaz"_s, u"1,000,000"_s);

    type(window, field, text);
    QVERIFY2(labelText(window, u"Masalah"_s).endsWith(refusal),
             qPrintable(labelText(window, u"Masalah"_s)));
    QCOMPARE(summary.rowCount(), 0);
    QVERIFY(labelText(window, u"TotalZakat"_s).isEmpty());
    QVERIFY(!window.report());
    QVERIFY(outputEnabled(false));

    type(window, field, u"12"_s);
    QVERIFY(labelText(window, u"Masalah"_s).isEmpty());
    QVERIFY(summary.rowCount() > 0);
    QVERIFY(labelText(window, u"TotalZakat"_s).startsWith(u"Jumlah zakat: Rp "_s));
    QVERIFY(window.report());
    QVERIFY(outputEnabled(true));
}

QTEST_MAIN(CompleteZakatFormTest)
#include "CompleteZakatFormTest.moc"
