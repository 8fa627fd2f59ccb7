#include "Golden.h"
#include "LocaleText.h"
#include "ModalGuard.h"
#include "TestApp.h"

#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw::test;

namespace {

// The kind forms in the order a run asks them; they are ticked in the order of the check boxes.
const QStringList AskingOrder{u"Form4"_s, u"Form5"_s, u"Form7"_s, u"Form6"_s};
const QStringList CheckOrder{u"Form4"_s, u"Form5"_s, u"Form6"_s, u"Form7"_s};

// A valid entry of a kind form (two fields or a field and an option), its row and sentence.
struct Sample {
    QString rowText;
    QString text1;
    QString second;
    QString sentence;
};

Sample sampleOf(const QString& form, const QLocale& locale) {
    static const QHash<QString, Sample> samples{
        {u"Form4"_s,
         {u"H a r t a"_s, u"100,000,000"_s, u"100,000"_s,
          u"Zakat Anda Sebesar  Rp. 2,500,000.00"_s}},
        {u"Form5"_s,
         {u"Pertanian"_s, u"12,345"_s, u"Option1"_s, u"Zakat Anda Sebanyak  1,234  Kilogram"_s}},
        {u"Form6"_s,
         {u"T e r n a k"_s, u"75"_s, u"Option2"_s,
          u"Zakat Anda 2 (Dua) Ekor Sapi, Terdiri Dari 1 (Satu) Ekor Berumur Satu "
          u"tahun Lebih dan 1 (Satu) Ekor Berumur Dua Tahun Lebih"_s}},
        {u"Form7"_s,
         {u"F i t r a h"_s, u"4"_s, u"2,500"_s,
          u"Zakat Anda Jika Dalam Beras Adalah   14.00   Liter Beras Atau Uang Rp.  "
          u"35,000.00"_s}}};
    Sample sample = samples.value(form);
    for (QString* text : {&sample.text1, &sample.second, &sample.sentence})
        *text = inLocale(*text, locale);
    return sample;
}

// Typed, not set: a field still locked from an earlier run would refuse the keys.
void enter(QWidget& form, const QString& text1, const QString& second) {
    QTest::keyClicks(form.findChild<QLineEdit*>(u"Text1"_s), text1);
    if (second.startsWith(u"Option"))
        form.findChild<QRadioButton*>(second)->setChecked(true);
    else if (!second.isEmpty())
        QTest::keyClicks(form.findChild<QLineEdit*>(u"Text2"_s), second);
}

// Answers the kind forms as they open, recording them in `asked`: each computes its sample
// with Enter ("&Hasilnya..." is the default button) and goes on, but the one at `cancelAt` is
// left with Escape or, when `close`, by the window system.
void answerKindForms(TestApp& app, QStringList& asked, qsizetype count, int cancelAt, bool close) {
    whenModalOpens([&app, &asked, count, cancelAt, close](QWidget* modal) {
        asked.append(modal->objectName());
        if (asked.size() - 1 == cancelAt) {
            if (close)
                modal->close();
            else
                QTest::keyClick(modal, Qt::Key_Escape);
            return;
        }
        // The next form opens inside the click below, so its answer is armed first.
        if (asked.size() < count)
            answerKindForms(app, asked, count, cancelAt, close);
        const Sample sample = sampleOf(modal->objectName(), app.context.locale);
        enter(*modal, sample.text1, sample.second);
        QTest::keyClick(modal->findChild<QLineEdit*>(u"Text1"_s), Qt::Key_Return);
        modal->findChild<QPushButton*>(u"Command1"_s)->click();
    });
}

} // namespace

class ZakatFormsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_watchdog = std::make_unique<ModalWatchdog>(); }
    void cleanup();
    void everyChoiceOfKindsIsAskedInOrderAndFillsTheRowsAfresh_data();
    void everyChoiceOfKindsIsAskedInOrderAndFillsTheRowsAfresh();
    void incompleteRunAsksForTheNameAgain_data();
    void incompleteRunAsksForTheNameAgain();
    void cancelledRunLeavesNoRow_data();
    void cancelledRunLeavesNoRow();
    void kindFormRefusesMissingOrWrongEntries_data();
    void kindFormRefusesMissingOrWrongEntries();
    void savedSheetMatchesItsGoldenFile_data();
    void savedSheetMatchesItsGoldenFile();

private:
    // Fills in the payer and presses "&O  K "; the kind forms asked are returned.
    QStringList run(const QStringList& kinds, const QString& name, int cancelAt = -1,
                    bool close = false);
    QString sheet(const QString& label) { return m_app->child<QLabel>(u"Form8"_s, label).text(); }

    std::unique_ptr<TestApp> m_app = std::make_unique<TestApp>();
    std::unique_ptr<ModalWatchdog> m_watchdog;
};

void ZakatFormsTest::cleanup() {
    QVERIFY(!m_watchdog->fired());
    QCOMPARE(m_app->dialogs.unexpected, 0);
    m_app = std::make_unique<TestApp>();
}

QStringList ZakatFormsTest::run(const QStringList& kinds, const QString& name, int cancelAt,
                                bool close) {
    m_app->form(u"Form2"_s).show();
    const QStringList payer{name, u"Jl. Merdeka 17, Bandung"_s, u"022-123456"_s,
                            u"Bandung, 1 Januari 1970"_s, u"Guru"_s};
    for (int i = 0; i < 5; ++i)
        m_app->child<QLineEdit>(u"Form2"_s, u"Text%1"_s.arg(i + 1)).setText(payer[i]);
    for (int i = 0; i < 4; ++i)
        m_app->child<QCheckBox>(u"Form2"_s, u"Check%1"_s.arg(i + 1))
            .setChecked(kinds.contains(CheckOrder[i]));
    QStringList asked;
    if (!name.isEmpty() && !kinds.isEmpty())
        answerKindForms(*m_app, asked, kinds.size(), cancelAt, close);
    m_app->child<QPushButton>(u"Form2"_s, u"Command1"_s).click();
    return asked;
}

void ZakatFormsTest::everyChoiceOfKindsIsAskedInOrderAndFillsTheRowsAfresh_data() {
    QTest::addColumn<QStringList>("asked");
    for (int mask = 1; mask < 16; ++mask) {
        QStringList forms;
        for (int i = 0; i < 4; ++i) {
            if (mask & (1 << i))
                forms.append(AskingOrder[i]);
        }
        QTest::addRow("%s", qPrintable(forms.join(u" + "_s))) << forms;
    }
}

// After a first run that fills every row, the last kind asked lands in row 1 and rows beyond
// the run stay empty.
void ZakatFormsTest::everyChoiceOfKindsIsAskedInOrderAndFillsTheRowsAfresh() {
    QFETCH(QStringList, asked);
    QCOMPARE(run(AskingOrder, u"Ahmad"_s), AskingOrder);
    QCOMPARE(run(asked, u"Siti"_s), asked);

    QCOMPARE(TestApp::visibleWindows(), (QStringList{u"Form2"_s, u"Form8"_s}));
    QCOMPARE(sheet(u"Label6"_s), u"Siti"_s);
    for (int row = 1; row <= 4; ++row) {
        const qsizetype index = asked.size() - row;
        const Sample sample = index >= 0 ? sampleOf(asked[index], m_app->context.locale) : Sample();
        QCOMPARE(sheet(u"Label14(%1)"_s.arg(row)), sample.rowText);
        QCOMPARE(sheet(u"Label19(%1)"_s.arg(row)), sample.sentence);
    }
}

void ZakatFormsTest::incompleteRunAsksForTheNameAgain_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("kinds");

    QTest::newRow("empty name, every kind ticked") << QString() << AskingOrder;
    QTest::newRow("a name, no kind ticked") << u"Ahmad"_s << QStringList();
}

// The payer's entries stay, so that the same run can simply be started again.
void ZakatFormsTest::incompleteRunAsksForTheNameAgain() {
    QFETCH(QString, name);
    QFETCH(QStringList, kinds);

    QCOMPARE(run(kinds, name), QStringList());
    const RecordedMessage incomplete{u"Belum Lengkap ..."_s,
                                     u"Anda Belum Lengkap Mengisikan Data...!"_s};
    QCOMPARE(m_app->dialogs.messages, QList<RecordedMessage>{incomplete});
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Form2"_s});
    QCOMPARE(sheet(u"Label14(1)"_s), QString());
    QCOMPARE(m_app->child<QLineEdit>(u"Form2"_s, u"Text2"_s).text(), u"Jl. Merdeka 17, Bandung"_s);
    QCOMPARE(m_app->form(u"Form2"_s).focusWidget(), &m_app->child<QWidget>(u"Form2"_s, u"Text1"_s));
}

void ZakatFormsTest::cancelledRunLeavesNoRow_data() {
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<bool>("close");
    QTest::addColumn<QStringList>("asked");

    const QStringList three{u"Form4"_s, u"Form7"_s, u"Form6"_s};
    QTest::newRow("Escape on the second of three") << three << 1 << false << three.mid(0, 2);
    QTest::newRow("closing the last of four") << AskingOrder << 3 << true << AskingOrder;
}

// As above, the payer's entries stay.
void ZakatFormsTest::cancelledRunLeavesNoRow() {
    QFETCH(QStringList, kinds);
    QFETCH(int, cancelAt);
    QFETCH(bool, close);
    QFETCH(QStringList, asked);

    QCOMPARE(run(kinds, u"Ahmad"_s, cancelAt, close), asked);
    QVERIFY(m_app->dialogs.messages.isEmpty());
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Form2"_s});
    QCOMPARE(sheet(u"Label14(1)"_s), QString());
    QCOMPARE(m_app->child<QLineEdit>(u"Form2"_s, u"Text2"_s).text(), u"Jl. Merdeka 17, Bandung"_s);
}

void ZakatFormsTest::kindFormRefusesMissingOrWrongEntries_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("title");

    const QString missing = u"Belum Lengkap ..."_s;
    const QString wrong = u"ERROR ..."_s;
    QTest::newRow("wealth without a gold price") << u"Form4"_s << u"1000"_s << QString() << missing;
    QTest::newRow("a negative gold price") << u"Form4"_s << u"100"_s << u"-5"_s << wrong;
    QTest::newRow("a harvest without irrigation") << u"Form5"_s << u"650"_s << QString() << missing;
    QTest::newRow("an animal without a herd") << u"Form6"_s << QString() << u"Option2"_s << missing;
    QTest::newRow("a rice price in letters") << u"Form7"_s << u"4"_s << u"2.500,-"_s << wrong;
}

// The entries stay for correcting; the form cannot go on without a result.
void ZakatFormsTest::kindFormRefusesMissingOrWrongEntries() {
    QFETCH(QString, form);
    QFETCH(QString, text1);
    QFETCH(QString, second);
    QFETCH(QString, title);

    QWidget& kindForm = m_app->form(form);
    kindForm.show();
    enter(kindForm, text1, second);
    m_app->child<QPushButton>(form, u"Command2"_s).click();
    QCOMPARE(m_app->dialogs.messages.size(), 1);
    QCOMPARE(m_app->dialogs.messages.constFirst().title, title);
    QCOMPARE(m_app->child<QLineEdit>(form, u"Text1"_s).text(), text1);
    QVERIFY(!m_app->child<QPushButton>(form, u"Command1"_s).isEnabled());
}

void ZakatFormsTest::savedSheetMatchesItsGoldenFile_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<QString>("golden");

    const QLocale unitedStates(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("all four kinds, US marks")
        << unitedStates << AskingOrder << u"zakat-saved-us.txt"_s;
    QTest::newRow("all four kinds, Indonesian marks")
        << QLocale(QLocale::Indonesian, QLocale::Indonesia) << AskingOrder
        << u"zakat-saved-id.txt"_s;
    QTest::newRow("wealth alone leaves three rows of blanks")
        << unitedStates << QStringList{u"Form4"_s} << u"zakat-saved-wealth-only.txt"_s;
}

void ZakatFormsTest::savedSheetMatchesItsGoldenFile() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, kinds);
    QFETCH(QString, golden);

    m_app = std::make_unique<TestApp>(locale);
    QCOMPARE(run(kinds, u"Ahmad Fauzi"_s), kinds);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"zakat.txt"_s);
    m_app->dialogs.answerSave(path);
    m_app->child<QPushButton>(u"Form8"_s, u"Command4"_s).click();

    QVERIFY(m_app->dialogs.messages.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString difference = goldenDifference(file.readAll(), golden);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QTEST_MAIN(ZakatFormsTest)
#include "ZakatFormsTest.moc"
