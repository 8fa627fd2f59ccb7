#include "ModalGuard.h"
#include "TestApp.h"
#include "ZakatRun.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;
using zw::test::TestApp;

class ZakatSheetTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void savedFileHoldsTheSixteenLinesOfTheSheet_data();
    void savedFileHoldsTheSixteenLinesOfTheSheet();
    void cancelledSaveWritesNothing();
    void failedSaveIsReportedAndKeepsTheOldFile();
    void printedPageCarriesTheSheet();
    void startingAgainEmptiesTheSheetAndThePayerForm();
    void warisLeavesForTheInheritanceRoadWithTheHelpClosed();
    void everyWayOutLeadsThroughTheClosingWindow_data();
    void everyWayOutLeadsThroughTheClosingWindow();
    void escapeLeavesNeitherThePayerFormNorTheSheet();
    void backReturnsToTheMainMenuWithAnEmptyPayerForm();

private:
    void openApp(const QLocale& locale);
    void runKinds(const QStringList& kinds);
    QPushButton& sheetButton(const QString& name) {
        return app->child<QPushButton>(u"Form8"_s, name);
    }

    std::unique_ptr<TestApp> app;
    std::unique_ptr<zw::test::ModalWatchdog> watchdog;
    std::unique_ptr<QTemporaryDir> folder;
    const QStringList particulars{u"Ahmad Fauzi"_s, u"Jl. Merdeka 17, Bandung"_s, u"022-123456"_s,
                                  u"Bandung, 1 Januari 1970"_s, u"Guru"_s};
};

void ZakatSheetTest::init() {
    watchdog = std::make_unique<zw::test::ModalWatchdog>();
    folder = std::make_unique<QTemporaryDir>();
    openApp(QLocale(QLocale::English, QLocale::UnitedStates));
}

void ZakatSheetTest::cleanup() {
    QVERIFY2(!watchdog->fired(), "a modal window stayed open");
    QCOMPARE(app->dialogs.unexpected, 0);
    app.reset();
    watchdog.reset();
}

void ZakatSheetTest::openApp(const QLocale& locale) {
    app.reset();
    app = std::make_unique<TestApp>(locale);
    app->form(u"Form2"_s).show();
}

void ZakatSheetTest::runKinds(const QStringList& kinds) {
    QStringList asked;
    zw::test::answerKindForms(*app, asked, int(kinds.size()));
    zw::test::startRun(*app, particulars, kinds);
    QCOMPARE(asked, kinds);
}

void ZakatSheetTest::savedFileHoldsTheSixteenLinesOfTheSheet_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("kinds");
    QTest::newRow("all four kinds in English-US")
        << QLocale(QLocale::English, QLocale::UnitedStates) << zw::test::askingOrder;
    QTest::newRow("all four kinds in Indonesian")
        << QLocale(QLocale::Indonesian, QLocale::Indonesia) << zw::test::askingOrder;
    QTest::newRow("wealth alone leaves three rows of blanks")
        << QLocale(QLocale::English, QLocale::UnitedStates) << QStringList{u"Form4"_s};
}

void ZakatSheetTest::savedFileHoldsTheSixteenLinesOfTheSheet() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, kinds);

    openApp(locale);
    runKinds(kinds);
    const QString path = folder->filePath(u"zakat.txt"_s);
    app->dialogs.answerSave(path);
    sheetButton(u"Command4"_s).click();

    QVERIFY(app->dialogs.messages.isEmpty());
    QCOMPARE(app->dialogs.saveRequests.size(), 1);
    QCOMPARE(app->dialogs.saveRequests[0].title, u"SIMPAN FILE"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(file.readAll());
    QVERIFY(content.endsWith(u"\r\n"));
    const QStringList lines = content.chopped(2).split(u"\r\n"_s);

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
    // The last kind asked takes the first row; a long sentence stays on its line.
    for (int row = 0; row < 4; ++row) {
        const qsizetype index = kinds.size() - 1 - row;
        const QString form = index >= 0 ? kinds[index] : QString();
        expected.append(form.isEmpty() ? QString(14, u' ')
                                       : zw::test::kindRowText(form).leftJustified(14) +
                                             zw::test::kindSample(form, locale).sentence);
    }
    QCOMPARE(lines.size(), 16);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(lines[i], expected[i]);

    QCOMPARE(app->state.zakatRowCount, kinds.size());
    QVERIFY(app->form(u"Form8"_s).isVisible());
}

void ZakatSheetTest::cancelledSaveWritesNothing() {
    runKinds({u"Form7"_s});
    app->dialogs.answerSave(std::nullopt);
    sheetButton(u"Command4"_s).click();

    QCOMPARE(app->dialogs.saveRequests.size(), 1);
    QVERIFY(app->dialogs.messages.isEmpty());
    QVERIFY(QDir(folder->path()).isEmpty());
}

void ZakatSheetTest::failedSaveIsReportedAndKeepsTheOldFile() {
#ifdef Q_OS_UNIX
    runKinds(zw::test::askingOrder);
    const QString path = folder->filePath(u"old.txt"_s);
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier sheet\r\n");
    }
    app->dialogs.answerSave(path);

    // A file size limit makes the write fail part-way, as a full disk would.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    sheetButton(u"Command4"_s).click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(app->dialogs.messages.size(), 1);
    QCOMPARE(app->dialogs.messages[0].title, u"ERROR"_s);
    QVERIFY2(app->dialogs.messages[0].text.contains(QDir::toNativeSeparators(path)),
             qPrintable(app->dialogs.messages[0].text));
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("earlier sheet\r\n"));
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{u"old.txt"_s});
#else
    QSKIP("needs a file size limit");
#endif
}

void ZakatSheetTest::printedPageCarriesTheSheet() {
    runKinds({u"Form4"_s, u"Form6"_s});
    const QString pdf = folder->filePath(u"sheet.pdf"_s);
    app->dialogs.answerPrint(pdf);
    sheetButton(u"Command5"_s).click();

    QVERIFY(app->dialogs.messages.isEmpty());
    QCOMPARE(app->dialogs.printRequests, 1);
    QVERIFY(QFileInfo(pdf).size() > 0);
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed; only the PDF file was checked");
    QProcess process;
    process.start(pdftotext, {pdf, u"-"_s});
    QVERIFY(process.waitForFinished(10000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& expected :
         {u"08:05:09"_s, u"03-07-2026"_s, u"PERHITUNGAN ZAKAT"_s, u"Ahmad Fauzi"_s,
          u"Jl. Merdeka 17, Bandung"_s, u"Jenis Zakat"_s, u"T e r n a k"_s, u"H a r t a"_s,
          u"2,500,000.00"_s, u"Ekor Sapi, Terdiri Dari"_s})
        QVERIFY2(text.contains(expected), qPrintable(expected + u" missing in:\n"_s + text));
}

void ZakatSheetTest::startingAgainEmptiesTheSheetAndThePayerForm() {
    runKinds(zw::test::askingOrder);
    sheetButton(u"Command1"_s).click();

    QVERIFY(!app->form(u"Form8"_s).isVisible());
    QWidget& payer = app->form(u"Form2"_s);
    QVERIFY(payer.isVisible());
    QCOMPARE(payer.focusWidget(), &app->child<QLineEdit>(u"Form2"_s, u"Text1"_s));
    for (const QLineEdit* field : payer.findChildren<QLineEdit*>())
        QVERIFY(field->text().isEmpty());
    for (const QCheckBox* kind : payer.findChildren<QCheckBox*>())
        QVERIFY(!kind->isChecked());
    for (const QLabel* label : app->form(u"Form8"_s).findChildren<QLabel*>()) {
        const QString name = label->objectName();
        if (name.startsWith(u"Label14(") || name.startsWith(u"Label19(") ||
            QStringList{u"Label6"_s, u"Label7"_s, u"Label8"_s, u"Label9"_s, u"Label10"_s}.contains(
                name))
            QVERIFY2(label->text().isEmpty(), qPrintable(name));
    }
    QCOMPARE(app->state.zakatRowCount, 0);
    for (const QString& kindForm : zw::test::askingOrder) {
        for (const QLineEdit* input : app->form(kindForm).findChildren<QLineEdit*>())
            QVERIFY(!input->isReadOnly());
    }

    runKinds({u"Form5"_s});
    QCOMPARE(app->child<QLabel>(u"Form8"_s, u"Label14(1)"_s).text(), u"Pertanian"_s);
    QCOMPARE(app->state.zakatRowCount, 1);
}

void ZakatSheetTest::warisLeavesForTheInheritanceRoadWithTheHelpClosed() {
    runKinds({u"Form4"_s});
    sheetButton(u"Command6"_s).click();
    QVERIFY(app->form(u"Form1"_s).isVisible());
    QVERIFY(app->form(u"Form8"_s).isVisible());
    app->child<QLineEdit>(u"Data"_s, u"Text1"_s).setText(u"earlier deceased"_s);

    sheetButton(u"Command3"_s).click();

    QVERIFY(!app->form(u"Form1"_s).isVisible());
    QVERIFY(!app->form(u"Form8"_s).isVisible());
    QVERIFY(app->form(u"Data"_s).isVisible());
    QVERIFY(app->child<QLineEdit>(u"Data"_s, u"Text1"_s).text().isEmpty());
    QCOMPARE(app->state.zakatRowCount, 0);
}

void ZakatSheetTest::everyWayOutLeadsThroughTheClosingWindow_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("button"); // empty: the window system's close
    QTest::newRow("sheet's finish button") << u"Form8"_s << u"Command2"_s;
    QTest::newRow("closing the sheet's window") << u"Form8"_s << QString();
    QTest::newRow("payer form's exit button") << u"Form2"_s << u"Command3"_s;
    QTest::newRow("closing the payer form's window") << u"Form2"_s << QString();
}

void ZakatSheetTest::everyWayOutLeadsThroughTheClosingWindow() {
    QFETCH(QString, form);
    QFETCH(QString, button);

    runKinds({u"Form4"_s});
    if (button.isEmpty())
        app->form(form).close();
    else
        app->child<QPushButton>(form, button).click();

    QVERIFY(app->form(u"Akhir"_s).isVisible());
    QVERIFY(!app->form(u"Form8"_s).isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(app->ended, 4000);
}

void ZakatSheetTest::escapeLeavesNeitherThePayerFormNorTheSheet() {
    runKinds({u"Form4"_s});
    QTest::keyClick(&app->form(u"Form8"_s), Qt::Key_Escape);
    QTest::keyClick(&app->form(u"Form2"_s), Qt::Key_Escape);

    QVERIFY(app->form(u"Form8"_s).isVisible());
    QVERIFY(app->form(u"Form2"_s).isVisible());
    QVERIFY(!app->registry.exists(u"Akhir"_s) || !app->form(u"Akhir"_s).isVisible());
}

void ZakatSheetTest::backReturnsToTheMainMenuWithAnEmptyPayerForm() {
    app->child<QLineEdit>(u"Form2"_s, u"Text1"_s).setText(u"Ahmad"_s);
    app->child<QCheckBox>(u"Form2"_s, u"Check2"_s).setChecked(true);
    app->child<QPushButton>(u"Form2"_s, u"Command2"_s).click();

    QVERIFY(!app->form(u"Form2"_s).isVisible());
    QVERIFY(app->form(u"Awal"_s).isVisible());
    QVERIFY(app->child<QLineEdit>(u"Form2"_s, u"Text1"_s).text().isEmpty());
    QVERIFY(!app->child<QCheckBox>(u"Form2"_s, u"Check2"_s).isChecked());
}

QTEST_MAIN(ZakatSheetTest)
#include "ZakatSheetTest.moc"
