#include "LocaleText.h"
#include "ModalGuard.h"
#include "TestApp.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace zw::test;

namespace {

// The kind forms in the order a run asks them.
const QStringList AskingOrder{u"Form4"_s, u"Form5"_s, u"Form7"_s, u"Form6"_s};

// A valid entry for one kind form, the row label it writes and the sentence it gives.
struct KindSample {
    QString formName;
    QString rowText;
    QString text1;
    QString text2;
    QString optionName;
    QString sentence;
};

KindSample kindSample(const QString& formName, const QLocale& locale) {
    static const KindSample samples[] = {
        {u"Form4"_s, u"H a r t a"_s, u"100,000,000"_s, u"100,000"_s, QString(),
         u"Zakat Anda Sebesar  Rp. 2,500,000.00"_s},
        {u"Form5"_s, u"Pertanian"_s, u"12,345"_s, QString(), u"Option1"_s,
         u"Zakat Anda Sebanyak  1,234  Kilogram"_s},
        {u"Form6"_s, u"T e r n a k"_s, u"75"_s, QString(), u"Option2"_s,
         u"Zakat Anda 2 (Dua) Ekor Sapi, Terdiri Dari 1 (Satu) Ekor Berumur Satu tahun Lebih dan "
         u"1 (Satu) Ekor Berumur Dua Tahun Lebih"_s},
        {u"Form7"_s, u"F i t r a h"_s, u"4"_s, u"2,500"_s, QString(),
         u"Zakat Anda Jika Dalam Beras Adalah   14.00   Liter Beras Atau Uang Rp.  35,000.00"_s},
    };
    for (KindSample sample : samples) {
        if (sample.formName == formName) {
            sample.text1 = inLocale(sample.text1, locale);
            sample.text2 = inLocale(sample.text2, locale);
            sample.sentence = inLocale(sample.sentence, locale);
            return sample;
        }
    }
    qFatal("no sample for %s", qPrintable(formName));
}

// The sample in a row of the sheet: the last kind asked takes row 1; rows beyond stay empty.
KindSample sampleInRow(const QStringList& asked, int row, const QLocale& locale) {
    const qsizetype index = asked.size() - row;
    return index >= 0 ? kindSample(asked[index], locale) : KindSample();
}

// Typed, not set: a locked field would refuse the keys.
void enterSample(QWidget& kindForm, const KindSample& sample) {
    QTest::keyClicks(TestApp::findOrFail<QLineEdit>(kindForm, u"Text1"_s), sample.text1);
    if (!sample.text2.isEmpty())
        QTest::keyClicks(TestApp::findOrFail<QLineEdit>(kindForm, u"Text2"_s), sample.text2);
    if (!sample.optionName.isEmpty())
        TestApp::findOrFail<QRadioButton>(kindForm, sample.optionName)->setChecked(true);
}

enum class CancelBy { None, Escape, WindowClose };

// Answers the next `count` kind forms as they open: each is recorded in `asked`, computes its
// sample with Enter ("&Hasilnya..." is the default button) and goes on with "&O  K  >>", except
// the one at `cancelAt`, which cancels the run.
void answerKindForms(TestApp& app, QStringList& asked, int count, int cancelAt = -1,
                     CancelBy cancelBy = CancelBy::None) {
    whenModalOpens([&app, &asked, count, cancelAt, cancelBy](QWidget* modal) {
        asked.append(modal->objectName());
        const int position = int(asked.size()) - 1;
        if (position == cancelAt) {
            if (cancelBy == CancelBy::Escape)
                QTest::keyClick(modal, Qt::Key_Escape);
            else
                modal->close();
            return;
        }
        // The next form opens inside the click below, so its answer is armed first.
        if (position + 1 < count)
            answerKindForms(app, asked, count, cancelAt, cancelBy);
        enterSample(*modal, kindSample(modal->objectName(), app.context.locale));
        QTest::keyClick(TestApp::findOrFail<QLineEdit>(*modal, u"Text1"_s), Qt::Key_Return);
        TestApp::findOrFail<QPushButton>(*modal, u"Command1"_s)->click();
    });
}

// Fills in the payer (missing particulars empty), ticks the kinds in the order of the check
// boxes, not of asking, and presses "&O  K ".
void startRun(TestApp& app, const QStringList& particulars, const QStringList& kindForms) {
    for (int i = 0; i < 5; ++i)
        app.child<QLineEdit>(u"Form2"_s, u"Text%1"_s.arg(i + 1)).setText(particulars.value(i));
    const QStringList checkOrder{u"Form4"_s, u"Form5"_s, u"Form6"_s, u"Form7"_s};
    for (int i = 0; i < checkOrder.size(); ++i) {
        app.child<QCheckBox>(u"Form2"_s, u"Check%1"_s.arg(i + 1))
            .setChecked(kindForms.contains(checkOrder[i]));
    }
    app.child<QPushButton>(u"Form2"_s, u"Command1"_s).click();
}

} // namespace

class ZakatFormsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void everyChoiceOfKindsIsAskedInOrderAndFillsTheRowsAfresh_data();
    void everyChoiceOfKindsIsAskedInOrderAndFillsTheRowsAfresh();
    void payerFormRefusesToStartWithoutNameOrKind_data();
    void payerFormRefusesToStartWithoutNameOrKind();
    void cancellingAKindFormEndsTheRunWithoutARow_data();
    void cancellingAKindFormEndsTheRunWithoutARow();
    void kindFormRefusesMissingOrWrongEntriesAndKeepsThem_data();
    void kindFormRefusesMissingOrWrongEntriesAndKeepsThem();
    void resultLocksTheFormUntilItIsShownAgain_data();
    void resultLocksTheFormUntilItIsShownAgain();
    void savedFileHoldsTheSixteenLinesOfTheSheet_data();
    void savedFileHoldsTheSixteenLinesOfTheSheet();
    void printedPageCarriesTheSheet();
    void buttonsAndClosingLeadToTheirWindows_data();
    void buttonsAndClosingLeadToTheirWindows();

private:
    void openApp(const QLocale& locale) {
        app = std::make_unique<TestApp>(locale);
        app->form(u"Form2"_s).show();
    }
    void run(const QStringList& kinds, const QStringList& payer) {
        QStringList asked;
        answerKindForms(*app, asked, int(kinds.size()));
        startRun(*app, payer, kinds);
        QCOMPARE(asked, kinds);
    }
    QString sheetLabel(const QString& name) { return app->child<QLabel>(u"Form8"_s, name).text(); }

    std::unique_ptr<TestApp> app;
    std::unique_ptr<ModalWatchdog> watchdog;
    const QStringList particulars{u"Ahmad Fauzi"_s, u"Jl. Merdeka 17, Bandung"_s, u"022-123456"_s,
                                  u"Bandung, 1 Januari 1970"_s, u"Guru"_s};
};

void ZakatFormsTest::init() {
    watchdog = std::make_unique<ModalWatchdog>();
    openApp(QLocale(QLocale::English, QLocale::UnitedStates));
}

void ZakatFormsTest::cleanup() {
    QVERIFY2(!watchdog->fired(), "a modal window stayed open");
    QCOMPARE(app->dialogs.unexpected, 0);
    app.reset();
    watchdog.reset();
}

void ZakatFormsTest::everyChoiceOfKindsIsAskedInOrderAndFillsTheRowsAfresh_data() {
    QTest::addColumn<QStringList>("asked");
    const QStringList kindNames{u"harta"_s, u"tani"_s, u"fitrah"_s, u"ternak"_s};
    for (int mask = 1; mask < 16; ++mask) {
        QStringList forms;
        QStringList names;
        for (int i = 0; i < 4; ++i) {
            if (mask & (1 << i)) {
                forms.append(AskingOrder[i]);
                names.append(kindNames[i]);
            }
        }
        QTest::addRow("%s", qPrintable(names.join(u" + "_s))) << forms;
    }
}

void ZakatFormsTest::everyChoiceOfKindsIsAskedInOrderAndFillsTheRowsAfresh() {
    QFETCH(QStringList, asked);

    // A first run fills every row and leaves every kind form locked; the second one starts
    // without "&U la n g i".
    run(AskingOrder, particulars);
    const QStringList payer{u"Siti"_s, u"Jl. Asia Afrika"_s};
    run(asked, payer);

    QCOMPARE(app->zakat.sheet.filledRows, asked.size());
    QCOMPARE(TestApp::visibleWindows(), (QStringList{u"Form2"_s, u"Form8"_s}));
    for (int row = 1; row <= 4; ++row) {
        const KindSample sample = sampleInRow(asked, row, app->context.locale);
        QCOMPARE(sheetLabel(u"Label14(%1)"_s.arg(row)), sample.rowText);
        QCOMPARE(sheetLabel(u"Label19(%1)"_s.arg(row)), sample.sentence);
    }
    for (int i = 0; i < 5; ++i)
        QCOMPARE(sheetLabel(u"Label%1"_s.arg(6 + i)), payer.value(i));
}

void ZakatFormsTest::payerFormRefusesToStartWithoutNameOrKind_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("kinds");
    QTest::newRow("empty name with every kind ticked") << QString() << AskingOrder;
    QTest::newRow("name without any kind ticked") << u"Ahmad"_s << QStringList();
}

void ZakatFormsTest::payerFormRefusesToStartWithoutNameOrKind() {
    QFETCH(QString, name);
    QFETCH(QStringList, kinds);

    app->child<QLineEdit>(u"Form2"_s, u"Text3"_s).setFocus();
    startRun(*app, {name, u"Jl. Merdeka"_s}, kinds);

    const QList<RecordedMessage> expected{
        {u"Belum Lengkap ..."_s, u"Anda Belum Lengkap Mengisikan Data...!"_s}};
    QCOMPARE(app->dialogs.messages, expected);
    QCOMPARE(app->form(u"Form2"_s).focusWidget(), &app->child<QLineEdit>(u"Form2"_s, u"Text1"_s));
    QCOMPARE(app->child<QLineEdit>(u"Form2"_s, u"Text2"_s).text(), u"Jl. Merdeka"_s);
    QCOMPARE(app->child<QCheckBox>(u"Form2"_s, u"Check1"_s).isChecked(), !kinds.isEmpty());
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Form2"_s});
}

void ZakatFormsTest::cancellingAKindFormEndsTheRunWithoutARow_data() {
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<CancelBy>("cancelBy");
    QTest::newRow("escape on the second of three kind forms")
        << QStringList{u"Form4"_s, u"Form7"_s, u"Form6"_s} << 1 << CancelBy::Escape;
    QTest::newRow("closing the last of all four kind forms")
        << AskingOrder << 3 << CancelBy::WindowClose;
}

void ZakatFormsTest::cancellingAKindFormEndsTheRunWithoutARow() {
    QFETCH(QStringList, kinds);
    QFETCH(int, cancelAt);
    QFETCH(CancelBy, cancelBy);

    QStringList asked;
    answerKindForms(*app, asked, cancelAt + 1, cancelAt, cancelBy);
    startRun(*app, particulars, kinds);

    QCOMPARE(asked, kinds.mid(0, cancelAt + 1));
    QCOMPARE(app->zakat.sheet.filledRows, 0);
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Form2"_s});
    QCOMPARE(sheetLabel(u"Label14(1)"_s), QString());

    // The payer's entries are kept, so the same run can simply be started again.
    QStringList askedAgain;
    answerKindForms(*app, askedAgain, int(kinds.size()));
    app->child<QPushButton>(u"Form2"_s, u"Command1"_s).click();
    QCOMPARE(askedAgain, kinds);
}

void ZakatFormsTest::kindFormRefusesMissingOrWrongEntriesAndKeepsThem_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("focus"); // empty: it stays on "&Hasilnya..."

    const auto row = [](const char* name, const QString& form, const QString& text1,
                        const QString& text2, const QString& option, const QString& title,
                        const QString& focus) {
        QTest::newRow(name) << form << text1 << text2 << option << title << focus;
    };
    const QString missing = u"Belum Lengkap ..."_s;
    const QString wrong = u"ERROR ..."_s;
    const QString none;
    row("wealth without a gold price", u"Form4"_s, u"1000"_s, none, none, missing, u"Text1"_s);
    row("a negative gold price", u"Form4"_s, u"100,000"_s, u"-5"_s, none, wrong, u"Text2"_s);
    row("irrigation without a harvest", u"Form5"_s, none, none, u"Option1"_s, missing, u"Text1"_s);
    row("a harvest without irrigation", u"Form5"_s, u"650"_s, none, none, missing, none);
    row("a negative harvest", u"Form5"_s, u"-650"_s, none, u"Option1"_s, wrong, u"Text1"_s);
    row("no herd and no kind of animal", u"Form6"_s, none, none, none, missing, u"Text1"_s);
    row("a kind of animal without a herd", u"Form6"_s, none, none, u"Option2"_s, missing, none);
    row("a herd in letters", u"Form6"_s, u"empat puluh"_s, none, u"Option1"_s, wrong, u"Text1"_s);
    row("persons without a rice price", u"Form7"_s, u"4"_s, none, none, missing, u"Text1"_s);
    row("a rice price in letters", u"Form7"_s, u"4"_s, u"2.500,-"_s, none, wrong, u"Text2"_s);
}

void ZakatFormsTest::kindFormRefusesMissingOrWrongEntriesAndKeepsThem() {
    QFETCH(QString, form);
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(QString, option);
    QFETCH(QString, title);
    QFETCH(QString, focus);

    app->zakat.fitrahText = u"earlier sentence"_s;
    QWidget& kindForm = app->form(form);
    kindForm.show();
    enterSample(kindForm, {form, QString(), text1, text2, option, QString()});
    auto& compute = app->child<QPushButton>(form, u"Command2"_s);
    compute.setFocus();
    compute.click();

    const QString text = title == u"ERROR ..."_s ? u"Anda Salah Mengisikan Data ...!"_s
                                                 : u"Anda Belum Lengkap Mengisikan Data...!"_s;
    QCOMPARE(app->dialogs.messages, (QList<RecordedMessage>{{title, text}}));
    QCOMPARE(kindForm.focusWidget(),
             focus.isEmpty() ? &compute : kindForm.findChild<QWidget*>(focus));
    QCOMPARE(app->child<QLineEdit>(form, u"Text1"_s).text(), text1);
    if (!text2.isEmpty())
        QCOMPARE(app->child<QLineEdit>(form, u"Text2"_s).text(), text2);
    if (!option.isEmpty())
        QVERIFY(app->child<QRadioButton>(form, option).isChecked());
    QVERIFY(compute.isEnabled());
    QVERIFY(!app->child<QPushButton>(form, u"Command1"_s).isEnabled());
    QCOMPARE(app->zakat.fitrahText, u"earlier sentence"_s);
}

void ZakatFormsTest::resultLocksTheFormUntilItIsShownAgain_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("resultLabel");
    QTest::addColumn<QString>("emptyResult");
    QTest::newRow("wealth") << u"Form4"_s << u"Label3"_s << QString();
    QTest::newRow("harvest") << u"Form5"_s << u"Label5"_s << u" "_s;
    QTest::newRow("livestock") << u"Form6"_s << u"Label4"_s << u" "_s;
    QTest::newRow("fitrah") << u"Form7"_s << u"Label5"_s << u" "_s;
}

void ZakatFormsTest::resultLocksTheFormUntilItIsShownAgain() {
    QFETCH(QString, form);
    QFETCH(QString, resultLabel);
    QFETCH(QString, emptyResult);

    QWidget& kindForm = app->form(form);
    const QList<QRadioButton*> options = kindForm.findChildren<QRadioButton*>();
    auto& compute = app->child<QPushButton>(form, u"Command2"_s);
    auto& next = app->child<QPushButton>(form, u"Command1"_s);
    auto& result = app->child<QLabel>(form, resultLabel);
    const KindSample sample = kindSample(form, app->context.locale);

    kindForm.show();
    enterSample(kindForm, sample);
    compute.click();

    QCOMPARE(result.text(), sample.sentence);
    for (const QLineEdit* input : kindForm.findChildren<QLineEdit*>())
        QVERIFY(input->isReadOnly());
    for (const QRadioButton* choice : options)
        QCOMPARE(choice->isEnabled(), form != u"Form6");
    QVERIFY(!compute.isEnabled());
    QVERIFY(next.isEnabled() && next.isDefault());
    QCOMPARE(app->zakat.fitrahText, form == u"Form7" ? sample.sentence : QString());

    kindForm.hide();
    kindForm.show();
    QCOMPARE(result.text(), emptyResult);
    for (const QRadioButton* choice : options)
        QVERIFY(choice->isEnabled() && !choice->isChecked());
}

void ZakatFormsTest::savedFileHoldsTheSixteenLinesOfTheSheet_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("kinds");
    QTest::newRow("all four kinds in English-US")
        << QLocale(QLocale::English, QLocale::UnitedStates) << AskingOrder;
    QTest::newRow("all four kinds in Indonesian")
        << QLocale(QLocale::Indonesian, QLocale::Indonesia) << AskingOrder;
    QTest::newRow("wealth alone leaves three rows of blanks")
        << QLocale(QLocale::English, QLocale::UnitedStates) << QStringList{u"Form4"_s};
}

void ZakatFormsTest::savedFileHoldsTheSixteenLinesOfTheSheet() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, kinds);

    openApp(locale);
    run(kinds, particulars);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"zakat.txt"_s);
    app->dialogs.answerSave(path);
    app->child<QPushButton>(u"Form8"_s, u"Command4"_s).click();

    QVERIFY(app->dialogs.messages.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(file.readAll());
    QVERIFY(content.endsWith(u"\r\n"));
    QStringList expected{
        u"08:05:09  03-07-2026"_s,
        QString(25, u' ') + u" HASIL  PERHITUNGAN ZAKAT "_s,
        QString(),
        u"N a m a           :  Ahmad Fauzi"_s,
        u"A l a m a t       :  Jl. Merdeka 17, Bandung"_s,
        u"T e l e p o n     :  022-123456"_s,
        u"Tempat/Tgl. Lahir :  Bandung, 1 Januari 1970"_s,
        u"P e k e r j a a n :  Guru"_s,
        QString(),
        QString(),
        u"Jenis Zakat   Keterangan"_s,
        QString(),
    };
    // A long sentence stays on its line.
    for (int row = 1; row <= 4; ++row) {
        const KindSample sample = sampleInRow(kinds, row, locale);
        expected.append(sample.rowText.leftJustified(14) + sample.sentence);
    }
    QCOMPARE(content.chopped(2).split(u"\r\n"_s), expected);
}

void ZakatFormsTest::printedPageCarriesTheSheet() {
    run({u"Form4"_s, u"Form6"_s}, particulars);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(u"sheet.pdf"_s);
    app->dialogs.answerPrint(pdf);
    app->child<QPushButton>(u"Form8"_s, u"Command5"_s).click();

    QVERIFY(app->dialogs.messages.isEmpty());
    QVERIFY(QFileInfo(pdf).size() > 0);
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed; only the PDF file was checked");
    QProcess process;
    process.start(pdftotext, {pdf, u"-"_s});
    QVERIFY(process.waitForFinished(10000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& expected :
         {u"08:05:09"_s, u"03-07-2026"_s, u"Ahmad Fauzi"_s, u"T e r n a k"_s, u"2,500,000.00"_s})
        QVERIFY2(text.contains(expected), qPrintable(expected + u" missing in:\n"_s + text));
}

void ZakatFormsTest::buttonsAndClosingLeadToTheirWindows_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("action"); // a button, "close" (the window system's) or "Escape"
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QString>("payerName");

    const auto row = [](const char* name, const QString& form, const QString& action,
                        const QString& shown, const QStringList& hidden, const QString& payer) {
        QTest::newRow(name) << form << action << shown << hidden << payer;
    };
    const QString ahmad = u"Ahmad Fauzi"_s;
    const QStringList sheet{u"Form8"_s};
    const QStringList payerAndSheet{u"Form2"_s, u"Form8"_s};
    const QStringList closing{u"Akhir"_s};
    row("finishing on the sheet", u"Form8"_s, u"Command2"_s, u"Akhir"_s, sheet, ahmad);
    row("closing the sheet", u"Form8"_s, u"close"_s, u"Akhir"_s, sheet, ahmad);
    row("exit on the payer form", u"Form2"_s, u"Command3"_s, u"Akhir"_s, payerAndSheet, ahmad);
    row("closing the payer form", u"Form2"_s, u"close"_s, u"Akhir"_s, payerAndSheet, ahmad);
    row("escape on the sheet does nothing", u"Form8"_s, u"Escape"_s, u"Form8"_s, closing, ahmad);
    row("escape on the payer form does nothing", u"Form2"_s, u"Escape"_s, u"Form2"_s, closing,
        ahmad);
    row("starting again empties the payer form", u"Form8"_s, u"Command1"_s, u"Form2"_s, sheet,
        QString());
    row("back empties the payer form for the main menu", u"Form2"_s, u"Command2"_s, u"Awal"_s,
        {u"Form2"_s}, QString());
    row("waris leaves for an emptied inheritance entry, the help closed", u"Form8"_s, u"Command3"_s,
        u"Data"_s, {u"Form8"_s, u"Form1"_s}, ahmad);
}

void ZakatFormsTest::buttonsAndClosingLeadToTheirWindows() {
    QFETCH(QString, form);
    QFETCH(QString, action);
    QFETCH(QString, shown);
    QFETCH(QStringList, hidden);
    QFETCH(QString, payerName);

    run({u"Form4"_s}, particulars);
    app->child<QPushButton>(u"Form8"_s, u"Command6"_s).click(); // the help window
    app->child<QLineEdit>(u"Data"_s, u"Text1"_s).setText(u"earlier deceased"_s);
    if (action == u"close")
        app->form(form).close();
    else if (action == u"Escape")
        QTest::keyClick(&app->form(form), Qt::Key_Escape);
    else
        app->child<QPushButton>(form, action).click();

    const QStringList visible = TestApp::visibleWindows();
    QVERIFY(visible.contains(shown));
    for (const QString& window : hidden)
        QVERIFY2(!visible.contains(window), qPrintable(window));
    QCOMPARE(app->child<QLineEdit>(u"Form2"_s, u"Text1"_s).text(), payerName);
    if (shown == u"Data")
        QCOMPARE(app->child<QLineEdit>(u"Data"_s, u"Text1"_s).text(), QString());
    if (shown == u"Akhir")
        QTRY_VERIFY_WITH_TIMEOUT(app->ended, 4000);
}

QTEST_MAIN(ZakatFormsTest)
#include "ZakatFormsTest.moc"
