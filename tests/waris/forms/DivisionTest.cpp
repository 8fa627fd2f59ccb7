#include "ModalGuard.h"
#include "TestApp.h"
#include "waris/engine/HeirKind.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::test;
using enum zw::waris::HeirKind;

namespace {

const QString Division = u"Pembagian"_s;

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(u"pdftotext"_s), {u"-layout"_s, path, u"-"_s});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The words of a page's text; the preview's paper may break lines and pages elsewhere and so
// number its pages differently.
QStringList words(const QString& text) {
    static const QRegularExpression blanks(u"\\s+"_s);
    static const QRegularExpression pageNumber(u"^\\d+$"_s);
    QStringList all = text.split(blanks, Qt::SkipEmptyParts);
    all.removeIf([](const QString& word) { return pageNumber.match(word).hasMatch(); });
    return all;
}

} // namespace

class DivisionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void followsHasilThroughOptionsAndDeductions();
    void savedReportMatchesTheGoldenFile();
    void pdfAndPreviewShowTheSameWholeReport();
    void refusals_data();
    void refusals();

private:
    // A woman leaving her husband, her mother, three daughters and a son's son on 1,000,000,
    // with 10,000 funeral costs and a bequest above a third: 'aul, a sen split among the
    // daughters, a kind the rule table blocks, a bequest cut.
    void openExample();
    void type(const QString& field, const QString& text);
    QString cell(int row, int column);
    int rowCount();

    void start() {
        m_app = std::make_unique<TestApp>(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    // From the main menu through Data and Ahli_Waris to Hasil, answering the count questions.
    void run(bool male, const QList<waris::HeirKind>& kinds, const QStringList& counts = {});
    void answerCounts(QStringList counts);
    void click(const QString& formName, const QString& buttonName) {
        m_app->child<QPushButton>(formName, buttonName).click();
    }

    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<ModalWatchdog> m_watchdog;
    std::unique_ptr<QTemporaryDir> m_folder;
};

void DivisionTest::run(bool male, const QList<waris::HeirKind>& kinds, const QStringList& counts) {
    m_app->form(u"Awal"_s).show();
    click(u"Awal"_s, u"Command4"_s);
    const QStringList texts{u"Ahmad"_s, u"Jl. Mawar 5"_s, u"Bandung, 1-2-1940"_s,
                            u"Jakarta, 3-4-2020"_s, u"1000000"_s};
    for (int i = 0; i < texts.size(); ++i)
        m_app->child<QLineEdit>(u"Data"_s, u"Text%1"_s.arg(i + 1)).setText(texts[i]);
    m_app->child<QRadioButton>(u"Data"_s, male ? u"Option1"_s : u"Option2"_s).setChecked(true);
    click(u"Data"_s, u"Command1"_s);
    for (const waris::HeirKind kind : kinds)
        m_app->child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(index(kind))).setChecked(true);
    answerCounts(counts);
    click(u"Ahli_Waris"_s, u"Command4"_s);
}

void DivisionTest::answerCounts(QStringList counts) {
    if (counts.isEmpty())
        return;
    whenModalOpens([this, counts](QWidget* modal) mutable {
        const QString count = counts.takeFirst();
        answerCounts(counts);
        TestApp::findOrFail<QLineEdit>(*modal, u"Text1"_s)->setText(count);
        TestApp::findOrFail<QPushButton>(*modal, u"Command2"_s)->click();
    });
}

void DivisionTest::cleanup() {
    QVERIFY(!m_watchdog->fired());
    if (m_app)
        QCOMPARE(m_app->dialogs.unexpected, 0);
    m_app.reset();
    m_watchdog.reset();
}

void DivisionTest::init() {
    m_watchdog = std::make_unique<ModalWatchdog>();
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void DivisionTest::openExample() {
    start();
    // Questions in kind order: the son's son, then the daughters.
    run(false, {Suami, Ibu, AnakWanita, CucuPria}, {u"1"_s, u"3"_s});
    click(u"Hasil"_s, u"Command8"_s);
    type(u"Biaya"_s, u"10,000"_s);
    type(u"Wasiat"_s, u"400,000"_s);
}

void DivisionTest::type(const QString& field, const QString& text) {
    // At once, as pasted: typing would divide at every character.
    auto& edit = m_app->child<QLineEdit>(Division, field);
    edit.setText(text);
    QTest::keyClick(&edit, Qt::Key_Return);
}

QString DivisionTest::cell(int row, int column) {
    const QTableWidgetItem* item =
        m_app->child<QTableWidget>(Division, u"Tabel"_s).item(row, column);
    return item ? item->text() : QString();
}

int DivisionTest::rowCount() {
    return m_app->child<QTableWidget>(Division, u"Tabel"_s).rowCount();
}

void DivisionTest::followsHasilThroughOptionsAndDeductions() {
    start();
    // Questions in kind order: the full brothers, then the wife.
    run(true, {Kakek, SaudaraPriaSekandung, Istri}, {u"2"_s, u"1"_s});
    click(u"Hasil"_s, u"Command8"_s);
    QVERIFY(m_app->form(Division).isVisible());
    QVERIFY(m_app->form(u"Hasil"_s).isVisible());

    // Only the grandfather's option can change this case.
    const QStringList options{u"Kakek"_s, u"Musytarakah"_s, u"Nenek"_s, u"SisaPasangan"_s};
    QList<bool> enabled;
    for (const QString& option : options)
        enabled.append(m_app->child<QComboBox>(Division, option).isEnabled());
    QCOMPARE(enabled, (QList<bool>{true, false, false, false}));

    QCOMPARE(rowCount(), 4);
    QCOMPARE(cell(0, 0), u"Kakek"_s);
    QCOMPARE(cell(3, 0), u"Jumlah"_s);
    QCOMPARE(cell(3, 5), u"1,000,000.00"_s);
    QCOMPARE(cell(1, 2), u"Ashabah bersama Kakek"_s);

    m_app->child<QComboBox>(Division, u"Kakek"_s).setCurrentIndex(1);
    QCOMPARE(cell(1, 2), u"Terhalang oleh Kakek"_s);
    QCOMPARE(cell(0, 3), u"3/4"_s);

    type(u"Utang"_s, u"200,000"_s);
    QCOMPARE(cell(3, 5), u"800,000.00"_s);
    QCOMPARE(cell(0, 5), u"600,000.00"_s);
    QCOMPARE(m_app->child<QLabel>(Division, u"HartaBersih"_s).text(), u"Rp 800,000.00"_s);
    QVERIFY(!m_app->child<QPlainTextEdit>(Division, u"Langkah"_s).toPlainText().isEmpty());

    // A new calculation starts over on the entry form, which closes the window; opened again it
    // shows the new heirs with the deductions and options of the entry before gone.
    click(u"Hasil"_s, u"Command5"_s);
    QVERIFY(!m_app->form(Division).isVisible());
    run(true, {Bapak, Ibu});
    click(u"Hasil"_s, u"Command8"_s);
    QCOMPARE(rowCount(), 3);
    QCOMPARE(cell(1, 0), u"Ibu"_s);
    QCOMPARE(cell(2, 5), u"1,000,000.00"_s);
    QCOMPARE(m_app->child<QComboBox>(Division, u"Kakek"_s).currentIndex(), 0);

    QTest::keyClick(&m_app->form(Division), Qt::Key_Escape);
    QVERIFY(!m_app->form(Division).isVisible());
    QVERIFY(m_app->form(u"Hasil"_s).isVisible());

    click(u"Hasil"_s, u"Command8"_s);
    click(u"Hasil"_s, u"Command6"_s);
    QVERIFY(!m_app->form(Division).isVisible());
    QVERIFY(m_app->dialogs.messages.isEmpty());
}

void DivisionTest::savedReportMatchesTheGoldenFile() {
    openExample();
    const QString path = m_folder->filePath(u"PEMBAGIAN.TXT"_s);
    m_app->dialogs.answerSave(path);
    click(Division, u"Simpan"_s);

    QVERIFY(m_app->dialogs.messages.isEmpty());
    const QByteArray golden = readAll(QStringLiteral(ZW_TEST_DATA "/division-report.txt"));
    QVERIFY(!golden.isEmpty());
    QCOMPARE(readAll(path), golden);
}

void DivisionTest::pdfAndPreviewShowTheSameWholeReport() {
    openExample();
    const QString pdf = m_folder->filePath(u"pembagian.pdf"_s);
    const QString preview = m_folder->filePath(u"pratinjau.pdf"_s);
    m_app->dialogs.answerSave(pdf);
    click(Division, u"Pdf"_s);
    m_app->dialogs.answerPreview(preview);
    click(Division, u"Pratinjau"_s);

    QVERIFY(m_app->dialogs.messages.isEmpty());
    QVERIFY(readAll(pdf).trimmed().endsWith("%%EOF"));
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("pdftotext is not installed; the text of the pages is not checked");
    const QString text = pdfText(pdf);
    for (const QString& expected :
         {u"PEMBAGIAN LENGKAP HARTA WARIS"_s, u"Anak Wanita"_s, u"Per Orang (Rp)"_s,
          u"Seratus lima puluh dua ribu"_s, u"Di tabel terhalang"_s, u"Langkah Perhitungan"_s})
        QVERIFY2(text.contains(expected), qPrintable(expected + u"\n"_s + text));
    QCOMPARE(words(pdfText(preview)), words(text));
}

void DivisionTest::refusals_data() {
    QTest::addColumn<QString>("field"); // a deduction typed, or the button pressed
    QTest::addColumn<QString>("entry"); // what is typed, or the file chosen
    QTest::addColumn<QString>("message");

    QTest::newRow("letters as debts")
        << u"Utang"_s << u"dua juta"_s << u"Anda Salah Mengisikan Data ...!"_s;
    QTest::newRow("negative funeral costs")
        << u"Biaya"_s << u"-5"_s << u"Anda Salah Mengisikan Data ...!"_s;
    QTest::newRow("debts above the estate")
        << u"Utang"_s << u"2,000,000"_s << u"Anda Salah Mengisikan Data ...!"_s;
    QTest::newRow("report saved as a folder")
        << u"Simpan"_s << u"folder"_s << u"tidak dapat dibuat"_s;
    QTest::newRow("pdf saved as a folder") << u"Pdf"_s << u"folder"_s << u"tidak dapat dibuat"_s;
    QTest::newRow("pdf on a full disk") << u"Pdf"_s << u"penuh.pdf"_s << u"gagal disimpan"_s;
}

void DivisionTest::refusals() {
    QFETCH(QString, field);
    QFETCH(QString, entry);
    QFETCH(QString, message);

    openExample();
    const QString total = cell(rowCount() - 1, 5);
    if (field == u"Simpan" || field == u"Pdf") {
        const QString path = m_folder->filePath(entry);
        if (entry == u"folder")
            QVERIFY(QDir().mkpath(path));
        m_app->dialogs.answerSave(path);
        // A file size limit makes the writes fail part-way, as a full disk would.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = saved;
        tight.rlim_cur = 1024;
        if (entry == u"penuh.pdf")
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        click(Division, field);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!QFileInfo(path).isFile());
    } else {
        type(field, entry);
        // Leaving the field again without a change asks no second time.
        QTest::keyClick(&m_app->child<QLineEdit>(Division, field), Qt::Key_Return);
        QVERIFY(!m_app->child<QLabel>(Division, u"Masalah"_s).text().isEmpty());
    }

    QCOMPARE(m_app->dialogs.messages.size(), 1);
    QVERIFY2(m_app->dialogs.messages.constFirst().text.contains(message),
             qPrintable(m_app->dialogs.messages.constFirst().text));
    QCOMPARE(cell(rowCount() - 1, 5), total);
    QVERIFY(m_app->form(Division).isVisible());
}

QTEST_MAIN(DivisionTest)
#include "DivisionTest.moc"
