#include "WarisSteps.h"
#include "waris/forms/CountForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::test;
using enum zw::waris::HeirKind;

namespace {

const RecordedMessage IncompleteCount{u"Belum Lengkap ..."_s,
                                      u"Anda Belum Lengkap Mengisikan Data ...!"_s};
const RecordedMessage WrongCount{u"ERROR ..."_s, u"Anda Salah Mengisikan Data ...!"_s};

using Kinds = QList<waris::HeirKind>;
using Answers = QList<CountAnswer>;
using Rows = QList<QStringList>;

DeceasedEntry deceased(bool male, const QString& estate) {
    DeceasedEntry entry;
    entry.male = male;
    entry.estate = estate;
    return entry;
}

} // namespace

class WarisScreensTest : public WarisTest {
    Q_OBJECT

private Q_SLOTS:
    void countDialogChecksTheCountAndStartsEmptyAgain_data();
    void countDialogChecksTheCountAndStartsEmptyAgain();
    void nothingTickedShowsOnlyTheMessage();
    void cancellingACountGivesBackTheSelectionAsItWas_data();
    void cancellingACountGivesBackTheSelectionAsItWas();
    void wholeRunsFromTheMainMenu_data();
    void wholeRunsFromTheMainMenu();
    void rowsBeyondASmallerCalculationKeepTheirContents();
    void startingOverLeavesACleanEntry();
    void zakatEmptiesThePayerFormAndKeepsTheSelection();
    void everyWayOutLeadsWhereItShould_data();
    void everyWayOutLeadsWhereItShould();
};

void WarisScreensTest::countDialogChecksTheCountAndStartsEmptyAgain_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<RecordedMessage>>("messages");
    QTest::addColumn<QString>("count"); // null: refused, then cancelled

    QTest::newRow("nothing typed")
        << QString() << QList<RecordedMessage>{IncompleteCount} << QString();
    QTest::newRow("minus one") << u"-1"_s << QList<RecordedMessage>{WrongCount} << QString();
    QTest::newRow("three digits typed, the first two kept")
        << u"023"_s << QList<RecordedMessage>{} << u"02"_s;
}

void WarisScreensTest::countDialogChecksTheCountAndStartsEmptyAgain() {
    QFETCH(QString, typed);
    QFETCH(QList<RecordedMessage>, messages);
    QFETCH(QString, count);

    start();
    auto& dialog = m_app->registry.get<waris::CountForm>(FormName(u"Berapa"_s));
    auto* field = &m_app->child<QLineEdit>(u"Berapa"_s, u"Text1"_s);
    QWidget* focusAfterMessage = nullptr;
    whenModalOpens([&](QWidget* modal) {
        QTest::keyClicks(field, typed);
        TestApp::findOrFail<QPushButton>(*modal, u"Command2"_s)->click();
        focusAfterMessage = modal->focusWidget();
        if (modal->isVisible())
            QTest::keyClick(modal, Qt::Key_Escape);
    });
    QCOMPARE(dialog.ask(u"Anak Pria ?"_s).value_or(QString()), count);
    QCOMPARE(m_app->dialogs.messages, messages);
    if (!messages.isEmpty())
        QCOMPARE(focusAfterMessage, field);

    m_app->child<QPushButton>(u"Berapa"_s, u"Command2"_s).setFocus();
    QString textAtShowing = u"unread"_s;
    QWidget* focusAtShowing = nullptr;
    whenModalOpens([&](QWidget* modal) {
        textAtShowing = field->text();
        focusAtShowing = modal->focusWidget();
        modal->close();
    });
    QVERIFY(!dialog.ask(u"Saudara Wanita Sekandung?"_s));
    QCOMPARE(textAtShowing, QString());
    QCOMPARE(focusAtShowing, field);
    QCOMPARE(caption(u"Berapa"_s, u"Label4"_s), u"Saudara Wanita Sekandung?"_s);
}

void WarisScreensTest::nothingTickedShowsOnlyTheMessage() {
    start();
    enterDeceased(DeceasedEntry());
    calculate({});
    QCOMPARE(m_app->dialogs.messages, QList<RecordedMessage>{IncompleteCount});
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Ahli_Waris"_s});
    QCOMPARE(enabledBoxes(), range(1, 21));
    QCOMPARE(presetsEnabled(), QList<bool>({true, true, true}));
}

void WarisScreensTest::cancellingACountGivesBackTheSelectionAsItWas_data() {
    QTest::addColumn<Cancel>("cancel");

    QTest::newRow("Escape at the second question") << Cancel::Escape;
    QTest::newRow("window closed at the second question") << Cancel::CloseWindow;
}

void WarisScreensTest::cancellingACountGivesBackTheSelectionAsItWas() {
    QFETCH(Cancel, cancel);

    start();
    enterDeceased(DeceasedEntry());
    click(u"Ahli_Waris"_s, u"Command1"_s);
    tick({AnakWanita});
    const Boxes enabled = enabledBoxes();
    calculate({u"2"_s, cancel});

    QCOMPARE(m_questions, QStringList({u"Anak Pria ?"_s, u"Anak Wanita ?"_s}));
    QVERIFY(m_app->dialogs.messages.isEmpty());
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Ahli_Waris"_s});
    QCOMPARE(caption(u"Hasil"_s, u"Label17"_s), QString());
    QCOMPARE(detailRow(1), QStringList(4));
    QCOMPARE(tickedBoxes(), Boxes({1, 3, 16}));
    QCOMPARE(enabledBoxes(), enabled);
    QCOMPARE(presetsEnabled(), QList<bool>({false, true, true}));
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

    const QString husband = u"S u a m i       "_s;
    const QString half = u"1 / 2 (Setengah) Bagian"_s;
    const QString twoThirds = u"2 / 3 (Duapertiga) Bagian"_s;
    QTest::newRow("husband alone on one million")
        << UnitedStates << deceased(false, u"1000000"_s) << Kinds{Suami} << Answers{}
        << QStringList{} << Rows{{husband, u"1"_s, u"500,000.00"_s, half}} << u"Rp 500,000.00"_s
        << u"Rp 500,000.00"_s;
    QTest::newRow("husband alone on one million, Indonesian marks")
        << Indonesia << deceased(false, u"1000000"_s) << Kinds{Suami} << Answers{} << QStringList{}
        << Rows{{husband, u"1"_s, u"500.000,00"_s, half}} << u"Rp 500.000,00"_s
        << u"Rp 500.000,00"_s;
    QTest::newRow("husband and two full sisters overrun six hundred thousand")
        << UnitedStates << deceased(false, u"600000"_s) << Kinds{Suami, SaudaraWanitaSekandung}
        << Answers{u"2"_s} << QStringList{u"Saudara Wanita Sekandung?"_s}
        << Rows{{husband, u"1"_s, u"300,000.00"_s, half},
                {u"Saudara Wanita Sekandung"_s, u"2"_s, u"400,000.00"_s, twoThirds}}
        << u"Rp 700,000.00"_s << u"-Rp 100,000.00"_s;
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
    run(entry, kinds, answers);

    QVERIFY(m_app->dialogs.messages.isEmpty());
    QCOMPARE(m_questions, questions);
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Hasil"_s});
    QCOMPARE(caption(u"Hasil"_s, u"Label17"_s), divided);
    QCOMPARE(caption(u"Hasil"_s, u"Label15"_s), remainder);
    for (int r = 0; r < rows.size(); ++r)
        QCOMPARE(detailRow(r + 1), rows[r]);
    QCOMPARE(detailRow(static_cast<int>(rows.size()) + 1), QStringList(4));
    QCOMPARE(enabledBoxes(), Boxes{});
    QCOMPARE(presetsEnabled(), QList<bool>({false, false, false}));
}

void WarisScreensTest::rowsBeyondASmallerCalculationKeepTheirContents() {
    start();
    run(deceased(true, u"1200000"_s), {Bapak, AnakPria, Istri, Ibu, AnakWanita},
        {u"1"_s, u"1"_s, u"1"_s});
    const QStringList fourth = detailRow(4);
    const QStringList fifth = detailRow(5);
    QCOMPARE(fifth.first(), u"Anak Wanita           "_s);

    // Back to the main menu through the zakat road, and a second calculation with fewer heirs.
    click(u"Hasil"_s, u"Command6"_s);
    click(u"Form2"_s, u"Command2"_s);
    enterDeceased(deceased(true, u"1200000"_s));
    click(u"Ahli_Waris"_s, u"Command5"_s);
    tick({Bapak, AnakPria, Ibu});
    calculate({u"1"_s});

    QVERIFY(m_app->form(u"Hasil"_s).isVisible());
    QCOMPARE(detailRow(3).first(), u"I b u                "_s);
    QCOMPARE(detailRow(4), fourth);
    QCOMPARE(detailRow(5), fifth);
}

void WarisScreensTest::startingOverLeavesACleanEntry() {
    start();
    run(deceased(true, u"1000000"_s), {Bapak, Istri}, {u"1"_s});
    click(u"Hasil"_s, u"Command5"_s);

    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Data"_s});
    for (int r = 1; r <= 21; ++r)
        QCOMPARE(detailRow(r), QStringList(4));
    QCOMPARE(tickedBoxes(), Boxes{});
    QCOMPARE(enabledBoxes(), range(0, 21));
    QCOMPARE(presetsEnabled(), QList<bool>({true, true, true}));
    for (int i = 1; i <= 5; ++i)
        QVERIFY(fieldText(u"Data"_s, u"Text%1"_s.arg(i)).isEmpty());
    for (const QString& option : {u"Option1"_s, u"Option2"_s})
        QVERIFY(!m_app->child<QAbstractButton>(u"Data"_s, option).isChecked());
}

void WarisScreensTest::zakatEmptiesThePayerFormAndKeepsTheSelection() {
    start();
    m_app->child<QLineEdit>(u"Form2"_s, u"Text1"_s).setText(u"Budi"_s);
    m_app->child<QCheckBox>(u"Form2"_s, u"Check3"_s).setChecked(true);
    run(deceased(false, u"1000000"_s), {Suami});
    click(u"Hasil"_s, u"Command7"_s);
    QCOMPARE(TestApp::visibleWindows(), QStringList({u"Bantuan"_s, u"Hasil"_s}));
    click(u"Hasil"_s, u"Command6"_s);

    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Form2"_s});
    QVERIFY(fieldText(u"Form2"_s, u"Text1"_s).isEmpty());
    QVERIFY(!m_app->child<QCheckBox>(u"Form2"_s, u"Check3"_s).isChecked());
    QCOMPARE(tickedBoxes(), Boxes{0});
    QCOMPARE(detailRow(1).first(), u"S u a m i       "_s);
}

// Closing Detail acts as its OK; every other way out leads through the closing window.
void WarisScreensTest::everyWayOutLeadsWhereItShould_data() {
    QTest::addColumn<QString>("formName");
    QTest::addColumn<QString>("way"); // a button, "close" (the window system) or "Escape"
    QTest::addColumn<QString>("next");

    QTest::newRow("Data, exit button") << u"Data"_s << u"Command3"_s << u"Akhir"_s;
    QTest::newRow("Data, window closed") << u"Data"_s << u"close"_s << u"Akhir"_s;
    QTest::newRow("Ahli_Waris, window closed") << u"Ahli_Waris"_s << u"close"_s << u"Akhir"_s;
    QTest::newRow("Hasil, finish button") << u"Hasil"_s << u"Command3"_s << u"Akhir"_s;
    QTest::newRow("Hasil, window closed") << u"Hasil"_s << u"close"_s << u"Akhir"_s;
    QTest::newRow("Detail, O K button") << u"Detail"_s << u"Command1"_s << u"Hasil"_s;
    QTest::newRow("Detail, window closed") << u"Detail"_s << u"close"_s << u"Hasil"_s;
    QTest::newRow("Detail, Escape") << u"Detail"_s << u"Escape"_s << u"Hasil"_s;
}

void WarisScreensTest::everyWayOutLeadsWhereItShould() {
    QFETCH(QString, formName);
    QFETCH(QString, way);
    QFETCH(QString, next);

    start();
    if (formName == u"Data"_s)
        openEntry();
    else if (formName == u"Ahli_Waris"_s)
        enterDeceased(DeceasedEntry());
    else
        run(deceased(false, u"1000000"_s), {Suami});
    if (formName == u"Detail"_s)
        click(u"Hasil"_s, u"Command2"_s);
    QCOMPARE(TestApp::visibleWindows(), QStringList{formName});
    Form& form = m_app->form(formName);
    if (way == u"close"_s)
        form.close();
    else if (way == u"Escape"_s)
        QTest::keyClick(&form, Qt::Key_Escape);
    else
        click(formName, way);

    QCOMPARE(TestApp::visibleWindows(), QStringList{next});
    if (next == u"Akhir"_s)
        QTRY_VERIFY(m_app->ended);
}

QTEST_MAIN(WarisScreensTest)
#include "WarisScreensTest.moc"
