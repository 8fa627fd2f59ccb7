#include "ModalGuard.h"
#include "TestApp.h"
#include "WarisSteps.h"
#include "waris/CountForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::test;
using zw::waris::HeirKind;

namespace {

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);
const QLocale Indonesia(QLocale::Indonesian, QLocale::Indonesia);

const RecordedMessage IncompleteCount{u"Belum Lengkap ..."_s,
                                      u"Anda Belum Lengkap Mengisikan Data ...!"_s};
const RecordedMessage WrongCount{u"ERROR ..."_s, u"Anda Salah Mengisikan Data ...!"_s};

using Kinds = QList<HeirKind>;
using Answers = QList<CountAnswer>;
using Rows = QList<QStringList>;

DeceasedEntry deceased(bool male, const QString& estate) {
    DeceasedEntry entry;
    entry.male = male;
    entry.estate = estate;
    return entry;
}

} // namespace

Q_DECLARE_METATYPE(zw::test::RecordedMessage)
Q_DECLARE_METATYPE(zw::test::DeceasedEntry)

class WarisScreensTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void countDialogRefusesUnusableCounts_data();
    void countDialogRefusesUnusableCounts();
    void countDialogTakesTwoCharactersAndIsEmptiedOnEveryShowing();

    void nothingTickedShowsOnlyTheMessage();
    void cancellingACountGivesBackTheSelectionAsItWas_data();
    void cancellingACountGivesBackTheSelectionAsItWas();
    void wholeRunsFromTheMainMenu_data();
    void wholeRunsFromTheMainMenu();
    void countsAreShownAsTyped();
    void rowsBeyondASmallerCalculationKeepTheirContents();

    void detailAndBackKeepTheResult_data();
    void detailAndBackKeepTheResult();
    void startingOverLeavesACleanEntry();
    void zakatEmptiesThePayerFormAndKeepsTheSelection();
    void helpStandsBesideTheResult();
    void everyExitLeadsThroughTheClosingWindow_data();
    void everyExitLeadsThroughTheClosingWindow();

private:
    void start(const QLocale& locale = UnitedStates);

    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<WarisSteps> m_steps;
    std::unique_ptr<ModalWatchdog> m_watchdog;
};

void WarisScreensTest::init() {
    m_watchdog = std::make_unique<ModalWatchdog>();
}

void WarisScreensTest::cleanup() {
    QVERIFY(!m_watchdog->fired());
    m_steps.reset();
    m_app.reset();
    m_watchdog.reset();
}

void WarisScreensTest::start(const QLocale& locale) {
    m_app = std::make_unique<TestApp>(locale);
    m_steps = std::make_unique<WarisSteps>(*m_app);
}

void WarisScreensTest::countDialogRefusesUnusableCounts_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<RecordedMessage>>("messages");

    const QList<RecordedMessage> accepted;
    const QList<RecordedMessage> incomplete{IncompleteCount};
    const QList<RecordedMessage> wrong{WrongCount};
    QTest::newRow("nothing typed") << UnitedStates << QString() << incomplete;
    QTest::newRow("zero") << UnitedStates << u"0"_s << wrong;
    QTest::newRow("double zero") << UnitedStates << u"00"_s << wrong;
    QTest::newRow("minus zero") << UnitedStates << u"-0"_s << wrong;
    QTest::newRow("minus one") << UnitedStates << u"-1"_s << wrong;
    QTest::newRow("a letter") << UnitedStates << u"x"_s << wrong;
    QTest::newRow("a blank") << UnitedStates << u" "_s << wrong;
    QTest::newRow("fraction with a point") << UnitedStates << u".5"_s << wrong;
    QTest::newRow("fraction with a comma, Indonesian") << Indonesia << u"1,5"_s << wrong;
    QTest::newRow("one") << UnitedStates << u"1"_s << accepted;
    QTest::newRow("leading zero") << UnitedStates << u"02"_s << accepted;
    QTest::newRow("ninety-nine") << Indonesia << u"99"_s << accepted;
}

void WarisScreensTest::countDialogRefusesUnusableCounts() {
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(QList<RecordedMessage>, messages);

    start(locale);
    auto& dialog = m_app->registry.get<waris::CountForm>(u"Berapa"_s);
    bool stayedOpen = false;
    QWidget* focusAfterMessage = nullptr;
    whenModalOpens([&](QWidget* modal) {
        TestApp::findOrFail<QLineEdit>(*modal, u"Text1"_s)->setText(typed);
        auto* ok = TestApp::findOrFail<QPushButton>(*modal, u"Command2"_s);
        ok->setFocus();
        ok->click();
        stayedOpen = modal->isVisible();
        focusAfterMessage = modal->focusWidget();
        if (stayedOpen)
            QTest::keyClick(modal, Qt::Key_Escape);
    });
    const std::optional<QString> count = dialog.ask(u"Anak Pria ?"_s);

    QCOMPARE(m_app->dialogs.messages, messages);
    QCOMPARE(stayedOpen, !messages.isEmpty());
    if (messages.isEmpty()) {
        QCOMPARE(count.value_or(u"<cancelled>"_s), typed);
        QCOMPARE(dialog.enteredCount(), typed);
    } else {
        QVERIFY(!count);
        QCOMPARE(focusAfterMessage, &m_app->child<QLineEdit>(u"Berapa"_s, u"Text1"_s));
    }
}

void WarisScreensTest::countDialogTakesTwoCharactersAndIsEmptiedOnEveryShowing() {
    start();
    auto& dialog = m_app->registry.get<waris::CountForm>(u"Berapa"_s);
    whenModalOpens([](QWidget* modal) {
        auto* count = TestApp::findOrFail<QLineEdit>(*modal, u"Text1"_s);
        QTest::keyClicks(count, u"123"_s);
        TestApp::findOrFail<QPushButton>(*modal, u"Command2"_s)->click();
    });
    QCOMPARE(dialog.ask(u"Anak Pria ?"_s).value_or(u"<cancelled>"_s), u"12"_s);

    m_app->child<QPushButton>(u"Berapa"_s, u"Command2"_s).setFocus();
    QString textAtShowing = u"unread"_s;
    QString question;
    QWidget* focusAtShowing = nullptr;
    whenModalOpens([&](QWidget* modal) {
        textAtShowing = TestApp::findOrFail<QLineEdit>(*modal, u"Text1"_s)->text();
        question = TestApp::findOrFail<QLabel>(*modal, u"Label4"_s)->text();
        focusAtShowing = modal->focusWidget();
        modal->close();
    });
    QVERIFY(!dialog.ask(u"Saudara Wanita Sekandung?"_s));
    QCOMPARE(textAtShowing, QString());
    QCOMPARE(question, u"Saudara Wanita Sekandung?"_s);
    QCOMPARE(focusAtShowing, &m_app->child<QLineEdit>(u"Berapa"_s, u"Text1"_s));
}

void WarisScreensTest::nothingTickedShowsOnlyTheMessage() {
    start();
    m_steps->enterDeceased(DeceasedEntry());
    m_steps->calculate({});
    QCOMPARE(m_app->dialogs.messages, QList<RecordedMessage>{IncompleteCount});
    QVERIFY(m_app->form(u"Ahli_Waris"_s).isVisible());
    QVERIFY(!m_app->form(u"Hasil"_s).isVisible());
    for (int box = 1; box < 22; ++box)
        QVERIFY(m_steps->enabled(box));
    QVERIFY(m_app->child<QPushButton>(u"Ahli_Waris"_s, u"Command1"_s).isEnabled());
}

void WarisScreensTest::cancellingACountGivesBackTheSelectionAsItWas_data() {
    QTest::addColumn<bool>("byWindowClose");

    QTest::newRow("Escape at the second question") << false;
    QTest::newRow("window closed at the second question") << true;
}

void WarisScreensTest::cancellingACountGivesBackTheSelectionAsItWas() {
    QFETCH(bool, byWindowClose);

    start();
    m_steps->enterDeceased(DeceasedEntry());
    m_steps->click(u"Ahli_Waris"_s, u"Command1"_s);
    m_steps->tick({HeirKind::AnakWanita});
    QList<bool> before;
    for (int box = 0; box < 22; ++box)
        before << m_steps->ticked(box) << m_steps->enabled(box);

    int asked = 0;
    const std::function<void(QWidget*)> answer = [&](QWidget* modal) {
        ++asked;
        if (asked == 1) {
            whenModalOpens(answer);
            TestApp::findOrFail<QLineEdit>(*modal, u"Text1"_s)->setText(u"2"_s);
            TestApp::findOrFail<QPushButton>(*modal, u"Command2"_s)->click();
        } else if (byWindowClose) {
            modal->close();
        } else {
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    };
    whenModalOpens(answer);
    m_steps->click(u"Ahli_Waris"_s, u"Command4"_s);

    QCOMPARE(asked, 2);
    QVERIFY(m_app->dialogs.messages.isEmpty());
    QVERIFY(m_app->form(u"Ahli_Waris"_s).isVisible());
    QVERIFY(!m_app->form(u"Hasil"_s).isVisible());
    QCOMPARE(m_steps->caption(u"Hasil"_s, u"Label17"_s), QString());
    QCOMPARE(m_steps->detailRow(1), QStringList(4));
    QList<bool> after;
    for (int box = 0; box < 22; ++box)
        after << m_steps->ticked(box) << m_steps->enabled(box);
    QCOMPARE(after, before);
    QVERIFY(!m_app->child<QPushButton>(u"Ahli_Waris"_s, u"Command1"_s).isEnabled());
    QVERIFY(m_app->child<QPushButton>(u"Ahli_Waris"_s, u"Command2"_s).isEnabled());
    QVERIFY(m_app->child<QPushButton>(u"Ahli_Waris"_s, u"Command3"_s).isEnabled());
}

void WarisScreensTest::wholeRunsFromTheMainMenu_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<DeceasedEntry>("entry");
    QTest::addColumn<Kinds>("kinds");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("divided");
    QTest::addColumn<QString>("remainder");

    QTest::newRow("husband alone on one million")
        << UnitedStates << deceased(false, u"1000000"_s) << Kinds{HeirKind::Suami} << Answers{}
        << QStringList{}
        << Rows{{u"S u a m i       "_s, u"1"_s, u"500,000.00"_s, u"1 / 2 (Setengah) Bagian"_s}}
        << u"Rp 500,000.00"_s << u"Rp 500,000.00"_s;
    QTest::newRow("husband alone on one million, Indonesian marks")
        << Indonesia << deceased(false, u"1000000"_s) << Kinds{HeirKind::Suami} << Answers{}
        << QStringList{}
        << Rows{{u"S u a m i       "_s, u"1"_s, u"500.000,00"_s, u"1 / 2 (Setengah) Bagian"_s}}
        << u"Rp 500.000,00"_s << u"Rp 500.000,00"_s;
    QTest::newRow("husband and two full sisters overrun six hundred thousand")
        << UnitedStates << deceased(false, u"600000"_s)
        << Kinds{HeirKind::Suami, HeirKind::SaudaraWanitaSekandung} << Answers{u"2"_s}
        << QStringList{u"Saudara Wanita Sekandung?"_s}
        << Rows{{u"S u a m i       "_s, u"1"_s, u"300,000.00"_s, u"1 / 2 (Setengah) Bagian"_s},
                {u"Saudara Wanita Sekandung"_s, u"2"_s, u"400,000.00"_s,
                 u"2 / 3 (Duapertiga) Bagian"_s}}
        << u"Rp 700,000.00"_s << u"-Rp 100,000.00"_s;
    QTest::newRow("a son alone leaves the whole estate as remainder")
        << UnitedStates << deceased(true, u"1000000"_s) << Kinds{HeirKind::AnakPria}
        << Answers{u"3"_s} << QStringList{u"Anak Pria ?"_s}
        << Rows{{u"Anak Pria          "_s, u"3"_s, u"0.00"_s, u"-> Ashabah"_s}} << u"Rp 0.00"_s
        << u"Rp 1,000,000.00"_s;
}

void WarisScreensTest::wholeRunsFromTheMainMenu() {
    QFETCH(QLocale, locale);
    QFETCH(DeceasedEntry, entry);
    QFETCH(Kinds, kinds);
    QFETCH(Answers, answers);
    QFETCH(QStringList, questions);
    QFETCH(Rows, rows);
    QFETCH(QString, divided);
    QFETCH(QString, remainder);

    start(locale);
    m_steps->run(entry, kinds, answers);

    QVERIFY(m_app->dialogs.messages.isEmpty());
    QCOMPARE(m_steps->questions, questions);
    QVERIFY(m_app->form(u"Hasil"_s).isVisible());
    QVERIFY(!m_app->form(u"Ahli_Waris"_s).isVisible());
    QCOMPARE(m_steps->caption(u"Hasil"_s, u"Label17"_s), divided);
    QCOMPARE(m_steps->caption(u"Hasil"_s, u"Label15"_s), remainder);
    for (int r = 0; r < rows.size(); ++r)
        QCOMPARE(m_steps->detailRow(r + 1), rows[r]);
    QCOMPARE(m_steps->detailRow(static_cast<int>(rows.size()) + 1), QStringList(4));
    for (int box = 0; box < 22; ++box)
        QVERIFY(!m_steps->enabled(box));
    for (const QString& preset : {u"Command1"_s, u"Command2"_s, u"Command3"_s})
        QVERIFY(!m_app->child<QPushButton>(u"Ahli_Waris"_s, preset).isEnabled());
}

void WarisScreensTest::countsAreShownAsTyped() {
    start();
    m_steps->run(deceased(true, u"900000"_s),
                 {HeirKind::Bapak, HeirKind::AnakWanita, HeirKind::CucuWanita}, {u"02"_s, u"02"_s});
    QCOMPARE(m_steps->questions, QStringList({u"Anak Wanita ?"_s, u"Cucu Wanita ?"_s}));
    QCOMPARE(m_steps->detailRow(1).mid(0, 2), QStringList({u"B a p a k       "_s, u"1"_s}));
    QCOMPARE(m_steps->detailRow(2).mid(0, 2), QStringList({u"Anak Wanita           "_s, u"02"_s}));
    QCOMPARE(m_steps->detailRow(3).mid(0, 2),
             QStringList({u"Cucu Wanita dari Anak Pria"_s, u"2"_s}));
}

void WarisScreensTest::rowsBeyondASmallerCalculationKeepTheirContents() {
    start();
    m_steps->run(
        deceased(true, u"1200000"_s),
        {HeirKind::Bapak, HeirKind::AnakPria, HeirKind::Istri, HeirKind::Ibu, HeirKind::AnakWanita},
        {u"1"_s, u"1"_s, u"1"_s});
    const QStringList fourth = m_steps->detailRow(4);
    const QStringList fifth = m_steps->detailRow(5);
    QCOMPARE(fifth.first(), u"Anak Wanita           "_s);

    // Back to the main menu through the zakat road, and a second calculation with fewer heirs.
    m_steps->click(u"Hasil"_s, u"Command6"_s);
    m_steps->click(u"Form2"_s, u"Command2"_s);
    m_steps->enterDeceased(deceased(true, u"1200000"_s));
    m_steps->click(u"Ahli_Waris"_s, u"Command5"_s);
    m_steps->tick({HeirKind::Bapak, HeirKind::AnakPria, HeirKind::Ibu});
    m_steps->calculate({u"1"_s});

    QVERIFY(m_app->form(u"Hasil"_s).isVisible());
    QCOMPARE(m_steps->detailRow(3).first(), u"I b u                "_s);
    QCOMPARE(m_steps->detailRow(4), fourth);
    QCOMPARE(m_steps->detailRow(5), fifth);
}

void WarisScreensTest::detailAndBackKeepTheResult_data() {
    QTest::addColumn<int>("way");

    QTest::newRow("O K button") << 0;
    QTest::newRow("window closed") << 1;
    QTest::newRow("Escape") << 2;
}

void WarisScreensTest::detailAndBackKeepTheResult() {
    QFETCH(int, way);

    start();
    m_steps->run(deceased(false, u"1000000"_s), {HeirKind::Suami});
    m_steps->click(u"Hasil"_s, u"Command2"_s);
    QVERIFY(m_app->form(u"Detail"_s).isVisible());
    QVERIFY(!m_app->form(u"Hasil"_s).isVisible());

    Form& detail = m_app->form(u"Detail"_s);
    if (way == 0)
        m_steps->click(u"Detail"_s, u"Command1"_s);
    else if (way == 1)
        detail.close();
    else
        QTest::keyClick(&detail, Qt::Key_Escape);

    QVERIFY(!detail.isVisible());
    QVERIFY(m_app->form(u"Hasil"_s).isVisible());
    QCOMPARE(m_steps->caption(u"Hasil"_s, u"Label17"_s), u"Rp 500,000.00"_s);
    QCOMPARE(m_steps->detailRow(1).first(), u"S u a m i       "_s);
}

void WarisScreensTest::startingOverLeavesACleanEntry() {
    start();
    m_steps->run(deceased(true, u"1000000"_s), {HeirKind::Bapak, HeirKind::Istri}, {u"1"_s});
    m_app->state.zakatRowCount = 3;
    m_steps->click(u"Hasil"_s, u"Command5"_s);

    QVERIFY(!m_app->form(u"Hasil"_s).isVisible());
    QVERIFY(m_app->form(u"Data"_s).isVisible());
    QCOMPARE(m_app->state.zakatRowCount, 0);
    for (int r = 1; r <= 21; ++r)
        QCOMPARE(m_steps->detailRow(r), QStringList(4));
    for (int box = 0; box < 22; ++box) {
        QVERIFY(!m_steps->ticked(box));
        QVERIFY(m_steps->enabled(box));
    }
    for (const QString& preset : {u"Command1"_s, u"Command2"_s, u"Command3"_s})
        QVERIFY(m_app->child<QPushButton>(u"Ahli_Waris"_s, preset).isEnabled());
    for (int i = 1; i <= 5; ++i)
        QVERIFY(
            m_app->child<QLineEdit>(u"Data"_s, u"Text"_s + QString::number(i)).text().isEmpty());
    for (const QString& option : {u"Option1"_s, u"Option2"_s})
        QVERIFY(!m_app->child<QAbstractButton>(u"Data"_s, option).isChecked());
}

void WarisScreensTest::zakatEmptiesThePayerFormAndKeepsTheSelection() {
    start();
    m_app->child<QLineEdit>(u"Form2"_s, u"Text1"_s).setText(u"Budi"_s);
    m_app->child<QCheckBox>(u"Form2"_s, u"Check3"_s).setChecked(true);
    m_steps->run(deceased(false, u"1000000"_s), {HeirKind::Suami});
    m_steps->click(u"Hasil"_s, u"Command7"_s);
    QVERIFY(m_app->form(u"Bantuan"_s).isVisible());
    m_app->state.zakatRowCount = 2;
    m_steps->click(u"Hasil"_s, u"Command6"_s);

    QVERIFY(!m_app->form(u"Bantuan"_s).isVisible());
    QVERIFY(!m_app->form(u"Hasil"_s).isVisible());
    QVERIFY(m_app->form(u"Form2"_s).isVisible());
    QCOMPARE(m_app->state.zakatRowCount, 0);
    QVERIFY(m_app->child<QLineEdit>(u"Form2"_s, u"Text1"_s).text().isEmpty());
    QVERIFY(!m_app->child<QCheckBox>(u"Form2"_s, u"Check3"_s).isChecked());
    QVERIFY(m_steps->ticked(0));
    QVERIFY(!m_steps->enabled(0));
    QCOMPARE(m_steps->detailRow(1).first(), u"S u a m i       "_s);
}

void WarisScreensTest::helpStandsBesideTheResult() {
    start();
    m_steps->run(deceased(false, u"1000000"_s), {HeirKind::Suami});
    m_steps->click(u"Hasil"_s, u"Command7"_s);
    QVERIFY(m_app->form(u"Bantuan"_s).isVisible());
    QVERIFY(m_app->form(u"Hasil"_s).isVisible());
}

void WarisScreensTest::everyExitLeadsThroughTheClosingWindow_data() {
    QTest::addColumn<QString>("formName");
    QTest::addColumn<QString>("button");

    QTest::newRow("Data, exit button") << u"Data"_s << u"Command3"_s;
    QTest::newRow("Data, window closed") << u"Data"_s << QString();
    QTest::newRow("Ahli_Waris, window closed") << u"Ahli_Waris"_s << QString();
    QTest::newRow("Hasil, finish button") << u"Hasil"_s << u"Command3"_s;
    QTest::newRow("Hasil, window closed") << u"Hasil"_s << QString();
}

void WarisScreensTest::everyExitLeadsThroughTheClosingWindow() {
    QFETCH(QString, formName);
    QFETCH(QString, button);

    start();
    if (formName == u"Data"_s) {
        m_app->form(u"Awal"_s).show();
        m_steps->click(u"Awal"_s, u"Command4"_s);
    } else if (formName == u"Ahli_Waris"_s) {
        m_steps->enterDeceased(DeceasedEntry());
    } else {
        m_steps->run(deceased(false, u"1000000"_s), {HeirKind::Suami});
    }
    Form& form = m_app->form(formName);
    QVERIFY(form.isVisible());
    if (button.isEmpty())
        form.close();
    else
        m_steps->click(formName, button);

    QVERIFY(!form.isVisible());
    QVERIFY(m_app->form(u"Akhir"_s).isVisible());
    QTRY_VERIFY(m_app->ended);
}

QTEST_MAIN(WarisScreensTest)
#include "WarisScreensTest.moc"
