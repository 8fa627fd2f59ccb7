#include "../engine/kasus/KasusCases.h"
#include "ModalGuard.h"
#include "TestApp.h"
#include "cli/FaraidCommand.h"
#include "waris/engine/kasus/KasusFile.h"
#include "waris/engine/render/DivisionJson.h"
#include "waris/forms/CaseFiles.h"
#include "waris/forms/DivisionForm.h"
#include "waris/forms/PersonsModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace zw::test;
using zw::UnsavedAnswer;

namespace {

const QString Division = u"Pembagian"_s;

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Pembagian as the window of a case file: from the main menu, saved, reopened, and never closed
// over changes the user did not choose to lose.
class CaseWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void caseSavedAndReopenedIsTheSame();
    void unsavedChangesAreAskedAbout_data();
    void unsavedChangesAreAskedAbout();
    void refusedFileLeavesTheCaseUntouched_data();
    void refusedFileLeavesTheCaseUntouched();
    void programStartedWithACaseFile_data();
    void programStartedWithACaseFile();
    void caseFileWindowAndCommandAgree_data();
    void caseFileWindowAndCommandAgree();

private:
    zw::waris::DivisionForm& form() {
        return static_cast<zw::waris::DivisionForm&>(m_app->form(Division));
    }
    void click(const QString& formName, const QString& button) {
        m_app->child<QAbstractButton>(formName, button).click();
    }
    void type(const QString& field, const QString& text) {
        auto& edit = m_app->child<QLineEdit>(Division, field);
        edit.setText(text);
        QTest::keyClick(&edit, Qt::Key_Return);
    }
    // A widow and two sons of Ahmad, with one debt, from the main menu.
    void enterCase();
    zw::waris::Kasus shownCase() { return std::get<zw::waris::Kasus>(form().kasus()); }

    QTemporaryDir m_folder;
    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<ModalWatchdog> m_watchdog;
};

void CaseWindowTest::init() {
    m_app = std::make_unique<TestApp>();
    m_watchdog = std::make_unique<ModalWatchdog>();
}

void CaseWindowTest::cleanup() {
    QVERIFY(!m_watchdog->fired());
    QCOMPARE(m_app->dialogs.unexpected, 0);
    m_app.reset();
}

void CaseWindowTest::enterCase() {
    m_app->form(u"Awal"_s).show();
    click(u"Awal"_s, u"KasusBaru"_s);
    QVERIFY(form().isVisible());
    QVERIFY(!m_app->form(u"Awal"_s).isVisible());
    type(u"NamaPewaris"_s, u"Ahmad bin Abdullah"_s);
    type(u"HartaWaris"_s, u"1,200,000"_s);
    type(u"TambahCepat"_s, u"Istri, AnakPria=2"_s);
    type(u"Utang"_s, u"200,000"_s);
    QCOMPARE(m_app->child<QLabel>(Division, u"Masalah"_s).text(), QString());
    QVERIFY(form().isWindowModified());
}

// Saved, changed, thrown away and opened again: the case as it was saved, and saving it again
// writes the same bytes.
void CaseWindowTest::caseSavedAndReopenedIsTheSame() {
    enterCase();
    const zw::waris::Kasus typed = shownCase();
    const QString path = m_folder.filePath(u"ahmad.waris"_s);
    m_app->dialogs.answerSave(path);
    // Ctrl+S, as in every program.
    QApplication::setActiveWindow(&form());
    QTest::keyClick(&form(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!form().isWindowModified());
    QVERIFY(form().windowTitle().contains(u"ahmad.waris"_s));
    QCOMPARE(zw::waris::CaseFiles::recentFiles().value(0), path);

    type(u"Utang"_s, u"300,000"_s);
    QVERIFY(form().isWindowModified());
    m_app->dialogs.answerUnsaved(UnsavedAnswer::Discard);
    click(Division, u"KasusBaru"_s);
    QCOMPARE(shownCase().persons.size(), 0U);

    m_app->dialogs.answerOpen(path);
    click(Division, u"BukaKasus"_s);
    QCOMPARE(shownCase(), typed);
    QVERIFY(!form().isWindowModified());
    const QString again = m_folder.filePath(u"lagi.waris"_s);
    m_app->dialogs.answerSave(again);
    click(Division, u"SimpanKasusSebagai"_s);
    QCOMPARE(contents(again), contents(path));
    QCOMPARE(m_app->dialogs.unsavedQuestions.size(), 1);
    QVERIFY(m_app->dialogs.messages.isEmpty());
}

void CaseWindowTest::unsavedChangesAreAskedAbout_data() {
    QTest::addColumn<UnsavedAnswer>("answer");
    QTest::addColumn<bool>("windowStays");
    QTest::addColumn<bool>("saved");

    QTest::newRow("saved") << UnsavedAnswer::Save << false << true;
    QTest::newRow("not saved") << UnsavedAnswer::Discard << false << false;
    QTest::newRow("cancelled") << UnsavedAnswer::Cancel << true << false;
}

// Quitting over a changed case asks; closing the window only hides it with the case in it.
void CaseWindowTest::unsavedChangesAreAskedAbout() {
    QFETCH(UnsavedAnswer, answer);
    QFETCH(bool, windowStays);
    QFETCH(bool, saved);

    enterCase();
    const zw::waris::Kasus typed = shownCase();
    click(Division, u"Tutup"_s);
    QVERIFY(!form().isVisible());
    QVERIFY(m_app->dialogs.unsavedQuestions.isEmpty());
    QCOMPARE(shownCase(), typed);

    const QString path = m_folder.filePath(u"ditanya.waris"_s);
    QFile::remove(path);
    m_app->dialogs.answerUnsaved(answer);
    if (answer == UnsavedAnswer::Save)
        m_app->dialogs.answerSave(path);
    m_app->context.navigation.toClosing();
    QCOMPARE(m_app->form(u"Akhir"_s).isVisible(), !windowStays);
    QCOMPARE(form().isVisible(), windowStays);
    QCOMPARE(QFile::exists(path), saved);
    QCOMPARE(m_app->dialogs.unsavedQuestions.size(), 1);
}

void CaseWindowTest::refusedFileLeavesTheCaseUntouched_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty") << QByteArray() << u"Berkas kasus"_s;
    QTest::newRow("not JSON") << QByteArray("\x00\x01\x02PK", 6) << u"Berkas kasus"_s;
    QTest::newRow("cut off") << QByteArray(R"({"format":"zakat-waris-kasus","version":1,"pers)")
                             << u"Berkas kasus"_s;
}

void CaseWindowTest::refusedFileLeavesTheCaseUntouched() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    enterCase();
    const zw::waris::Kasus typed = shownCase();
    const QString title = form().windowTitle();
    const QString path = m_folder.filePath(u"rusak.waris"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    m_app->dialogs.answerUnsaved(UnsavedAnswer::Discard);
    m_app->dialogs.answerOpen(path);
    click(Division, u"BukaKasus"_s);
    QCOMPARE(m_app->dialogs.messages.size(), 1);
    const QString told = m_app->dialogs.messages.constFirst().text;
    QVERIFY2(told.contains(message) && !told.contains(u'\n'), qPrintable(told));
    QCOMPARE(shownCase(), typed);
    QCOMPARE(form().windowTitle(), title);
    QCOMPARE(contents(path), bytes);
}

void CaseWindowTest::programStartedWithACaseFile_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("opened");
    QTest::newRow("a case") << zw::waris::kasusJson(zw::waris::test::kasusCases().front().kasus)
                            << true;
    QTest::newRow("a damaged file") << QByteArray("{\"format\": 7}") << false;
}

// zakat-waris FILE.waris: past the password the case's window in place of the main menu; a
// refused file leaves the main menu with its line.
void CaseWindowTest::programStartedWithACaseFile() {
    QFETCH(QByteArray, file);
    QFETCH(bool, opened);

    const QString path = m_folder.filePath(u"mulai.waris"_s);
    QFile written(path);
    QVERIFY(written.open(QIODevice::WriteOnly) && written.write(file) == file.size());
    written.close();
    m_app->form(u"Awal"_s).show();
    m_app->wiring.openCaseFile(path);
    QCOMPARE(form().isVisible(), opened);
    QCOMPARE(m_app->form(u"Awal"_s).isVisible(), !opened);
    QCOMPARE(m_app->dialogs.messages.size(), opened ? 0 : 1);
    if (opened)
        QCOMPARE(shownCase(), zw::waris::test::kasusCases().front().kasus);
}

void CaseWindowTest::caseFileWindowAndCommandAgree_data() {
    QTest::addColumn<QByteArray>("file");
    for (const zw::waris::test::KasusCase& kase : zw::waris::test::kasusCases())
        QTest::newRow(kase.name) << zw::waris::kasusJson(kase.kasus);
    QFile whole(QFINDTESTDATA("../../data/kasus/lengkap.waris"));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QTest::newRow("every field of a case") << whole.readAll();
}

// A case file opened in the window and saved again is the same file, and the window divides it
// as the command does (or both refuse it in the same words).
void CaseWindowTest::caseFileWindowAndCommandAgree() {
    QFETCH(QByteArray, file);

    const QString path = m_folder.filePath(u"asal.waris"_s);
    QFile original(path);
    QVERIFY(original.open(QIODevice::WriteOnly) && original.write(file) == file.size());
    original.close();
    QVERIFY(m_app->context.navigation.openCase(path));
    const QString again = m_folder.filePath(u"lagi.waris"_s);
    m_app->dialogs.answerSave(again);
    click(Division, u"SimpanKasusSebagai"_s);
    QCOMPARE(contents(again), file);

    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int exitCode = zw::runFaraidCommand(
        {u"zakat-waris"_s, u"faraid"_s, u"--format"_s, u"json"_s, u"--case"_s, path}, outStream,
        errStream);
    if (!form().divided()) {
        QCOMPARE(exitCode, 2);
        QCOMPARE(err.trimmed(),
                 u"zakat-waris faraid: "_s + m_app->child<QLabel>(Division, u"Masalah"_s).text());
        return;
    }
    QCOMPARE(exitCode, 0);
    QCOMPARE(
        QJsonDocument::fromJson(out.toUtf8()).toJson(QJsonDocument::Compact),
        QJsonDocument(zw::waris::divisionJson(*form().divided())).toJson(QJsonDocument::Compact));
    QVERIFY(m_app->dialogs.messages.isEmpty());
}

QTEST_MAIN(CaseWindowTest)
#include "CaseWindowTest.moc"
