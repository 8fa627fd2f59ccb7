#include "ModalGuard.h"
#include "TestApp.h"
#include "WarisSteps.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::test;

namespace {

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);
const QLocale Indonesia(QLocale::Indonesian, QLocale::Indonesia);

const RecordedMessage Incomplete{u"Belum Lengkap ..."_s,
                                 u"Anda Belum Lengkap Mengisikan Data...!"_s};
const RecordedMessage Wrong{u"ERROR ..."_s, u"Anda Salah Mengisikan Data ...!"_s};
const RecordedMessage PresetsClash{u"ERROR"_s,
                                   u"Anda Lebih Baik Meng-Klik Tombol 'Seluruhnya Lengkap' !"_s};

using Boxes = QList<int>;

Boxes range(int first, int last) {
    Boxes boxes;
    for (int box = first; box <= last; ++box)
        boxes.append(box);
    return boxes;
}

QString focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

} // namespace

Q_DECLARE_METATYPE(zw::test::RecordedMessage)
Q_DECLARE_METATYPE(zw::test::DeceasedEntry)

class WarisEntryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void okRefusesAnIncompleteOrUnusableEntry_data();
    void okRefusesAnIncompleteOrUnusableEntry();
    void okCopiesTheParticularsIntoTheResultHeader_data();
    void okCopiesTheParticularsIntoTheResultHeader();
    void okExcludesTheSpouseThatTheSexRulesOut_data();
    void okExcludesTheSpouseThatTheSexRulesOut();
    void backEmptiesEverythingButTheMainMenuKeepsTheSex();
    void enterConfirmsAndEscapeGoesBack();
    void nameHasTheFocusOnEveryShowing();

    void presetsTickAndLockTheirGroups_data();
    void presetsTickAndLockTheirGroups();
    void maleAndFemalePresetsExcludeEachOther_data();
    void maleAndFemalePresetsExcludeEachOther();
    void resetFreesEveryBoxButTheExcludedSpouse_data();
    void resetFreesEveryBoxButTheExcludedSpouse();
    void handTickedBoxesSurviveTheOtherGroupsPreset_data();
    void handTickedBoxesSurviveTheOtherGroupsPreset();

private:
    void startEntry(const QLocale& locale = UnitedStates);
    void fill(const DeceasedEntry& entry, std::optional<bool> male);
    QList<bool> tickStates();

    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<WarisSteps> m_steps;
    std::unique_ptr<ModalWatchdog> m_watchdog;
};

void WarisEntryTest::init() {
    m_watchdog = std::make_unique<ModalWatchdog>();
}

void WarisEntryTest::cleanup() {
    QVERIFY(!m_watchdog->fired());
    m_steps.reset();
    m_app.reset();
    m_watchdog.reset();
}

void WarisEntryTest::startEntry(const QLocale& locale) {
    m_app = std::make_unique<TestApp>(locale);
    m_steps = std::make_unique<WarisSteps>(*m_app);
    m_app->form(u"Awal"_s).show();
    m_steps->click(u"Awal"_s, u"Command4"_s);
    QVERIFY(m_app->form(u"Data"_s).isVisible());
}

void WarisEntryTest::fill(const DeceasedEntry& entry, std::optional<bool> male) {
    const QStringList texts{entry.name, entry.address, entry.birth, entry.death, entry.estate};
    for (int i = 0; i < texts.size(); ++i)
        m_app->child<QLineEdit>(u"Data"_s, u"Text"_s + QString::number(i + 1)).setText(texts[i]);
    if (male)
        m_app->child<QRadioButton>(u"Data"_s, *male ? u"Option1"_s : u"Option2"_s).setChecked(true);
}

QList<bool> WarisEntryTest::tickStates() {
    QList<bool> states;
    for (int box = 0; box < 22; ++box)
        states << m_steps->ticked(box) << m_steps->enabled(box);
    return states;
}

void WarisEntryTest::okRefusesAnIncompleteOrUnusableEntry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("estate");
    QTest::addColumn<bool>("sexChosen");
    QTest::addColumn<RecordedMessage>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("empty name") << QString() << u"1000"_s << true << Incomplete << u"Text1"_s;
    QTest::newRow("empty estate") << u"Ahmad"_s << QString() << true << Incomplete << u"Text1"_s;
    QTest::newRow("no sex chosen") << u"Ahmad"_s << u"1000"_s << false << Incomplete << u"Text1"_s;
    QTest::newRow("estate in words") << u"Ahmad"_s << u"satu juta"_s << true << Wrong << u"Text5"_s;
    QTest::newRow("negative estate") << u"Ahmad"_s << u"-5000"_s << true << Wrong << u"Text5"_s;
    QTest::newRow("estate of blanks") << u"Ahmad"_s << u"   "_s << true << Wrong << u"Text5"_s;
}

void WarisEntryTest::okRefusesAnIncompleteOrUnusableEntry() {
    QFETCH(QString, name);
    QFETCH(QString, estate);
    QFETCH(bool, sexChosen);
    QFETCH(RecordedMessage, message);
    QFETCH(QString, focus);

    startEntry();
    DeceasedEntry entry;
    entry.name = name;
    entry.estate = estate;
    fill(entry, sexChosen ? std::optional<bool>(true) : std::nullopt);
    m_app->child<QLineEdit>(u"Data"_s, u"Text1"_s).setFocus();
    m_steps->click(u"Data"_s, u"Command1"_s);

    QCOMPARE(m_app->dialogs.messages, QList<RecordedMessage>{message});
    QVERIFY(m_app->form(u"Data"_s).isVisible());
    QVERIFY(!m_app->registry.exists(u"Ahli_Waris"_s) || !m_app->form(u"Ahli_Waris"_s).isVisible());
    QCOMPARE(m_app->child<QLineEdit>(u"Data"_s, u"Text1"_s).text(), name);
    QCOMPARE(m_app->child<QLineEdit>(u"Data"_s, u"Text2"_s).text(), entry.address);
    QCOMPARE(m_app->child<QLineEdit>(u"Data"_s, u"Text5"_s).text(), estate);
    QCOMPARE(m_app->child<QRadioButton>(u"Data"_s, u"Option1"_s).isChecked(), sexChosen);
    QTRY_COMPARE(focusName(), focus);
}

void WarisEntryTest::okCopiesTheParticularsIntoTheResultHeader_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<DeceasedEntry>("entry");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("estateCaption");

    DeceasedEntry usual;
    usual.estate = u"1500000"_s;
    QTest::newRow("one and a half million, US marks")
        << UnitedStates << usual << u"Laki - Laki"_s << u"Rp 1,500,000.00"_s;
    QTest::newRow("one and a half million, Indonesian marks")
        << Indonesia << usual << u"Laki - Laki"_s << u"Rp 1.500.000,00"_s;

    DeceasedEntry sparse;
    sparse.name = u"   "_s;
    sparse.address.clear();
    sparse.birth.clear();
    sparse.death.clear();
    sparse.male = false;
    sparse.estate = u"0"_s;
    QTest::newRow("name of blanks, no address or dates, estate of zero")
        << UnitedStates << sparse << u"Perempuan"_s << u"Rp .00"_s;
    QTest::newRow("estate of zero, Indonesian marks")
        << Indonesia << sparse << u"Perempuan"_s << u"Rp ,00"_s;

    DeceasedEntry typedWithMarks = usual;
    typedWithMarks.estate = u"1.234.567,5"_s;
    QTest::newRow("estate typed with Indonesian marks")
        << Indonesia << typedWithMarks << u"Laki - Laki"_s << u"Rp 1.234.567,50"_s;
}

void WarisEntryTest::okCopiesTheParticularsIntoTheResultHeader() {
    QFETCH(QLocale, locale);
    QFETCH(DeceasedEntry, entry);
    QFETCH(QString, sex);
    QFETCH(QString, estateCaption);

    startEntry(locale);
    fill(entry, entry.male);
    m_steps->click(u"Data"_s, u"Command1"_s);

    QVERIFY(m_app->dialogs.messages.isEmpty());
    QVERIFY(!m_app->form(u"Data"_s).isVisible());
    QVERIFY(m_app->form(u"Ahli_Waris"_s).isVisible());
    const QStringList expected{entry.name,  entry.address, entry.birth,
                               entry.death, sex,           estateCaption};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(m_steps->caption(u"Hasil"_s, u"Label"_s + QString::number(8 + i)), expected[i]);
    QVERIFY(!m_app->form(u"Hasil"_s).isVisible());
}

void WarisEntryTest::okExcludesTheSpouseThatTheSexRulesOut_data() {
    QTest::addColumn<bool>("male");
    QTest::addColumn<int>("excluded");
    QTest::addColumn<int>("kept");

    QTest::newRow("male deceased cannot leave a husband") << true << 0 << 14;
    QTest::newRow("female deceased cannot leave a wife") << false << 14 << 0;
}

void WarisEntryTest::okExcludesTheSpouseThatTheSexRulesOut() {
    QFETCH(bool, male);
    QFETCH(int, excluded);
    QFETCH(int, kept);

    startEntry();
    for (int box : {excluded, kept})
        m_app->child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(box)).setChecked(true);
    fill(DeceasedEntry(), male);
    m_steps->click(u"Data"_s, u"Command1"_s);

    QVERIFY(!m_steps->ticked(excluded));
    QVERIFY(!m_steps->enabled(excluded));
    QVERIFY(m_steps->ticked(kept));
    QVERIFY(m_steps->enabled(kept));
}

void WarisEntryTest::backEmptiesEverythingButTheMainMenuKeepsTheSex() {
    startEntry();
    fill(DeceasedEntry(), true);
    m_steps->click(u"Data"_s, u"Command2"_s);
    QVERIFY(!m_app->form(u"Data"_s).isVisible());
    QVERIFY(m_app->form(u"Awal"_s).isVisible());
    for (int i = 1; i <= 5; ++i)
        QVERIFY(
            m_app->child<QLineEdit>(u"Data"_s, u"Text"_s + QString::number(i)).text().isEmpty());
    QVERIFY(!m_app->child<QRadioButton>(u"Data"_s, u"Option1"_s).isChecked());
    QVERIFY(!m_app->child<QRadioButton>(u"Data"_s, u"Option2"_s).isChecked());

    m_steps->click(u"Awal"_s, u"Command4"_s);
    fill(DeceasedEntry(), false);
    m_app->form(u"Data"_s).hide();
    m_app->form(u"Awal"_s).show();
    m_steps->click(u"Awal"_s, u"Command4"_s);
    QVERIFY(m_app->child<QLineEdit>(u"Data"_s, u"Text1"_s).text().isEmpty());
    QVERIFY(m_app->child<QLineEdit>(u"Data"_s, u"Text5"_s).text().isEmpty());
    QVERIFY(m_app->child<QRadioButton>(u"Data"_s, u"Option2"_s).isChecked());
}

void WarisEntryTest::enterConfirmsAndEscapeGoesBack() {
    startEntry();
    auto& name = m_app->child<QLineEdit>(u"Data"_s, u"Text1"_s);
    QTest::keyClick(&name, Qt::Key_Return);
    QCOMPARE(m_app->dialogs.messages, QList<RecordedMessage>{Incomplete});
    QTest::keyClick(&name, Qt::Key_Escape);
    QVERIFY(!m_app->form(u"Data"_s).isVisible());
    QVERIFY(m_app->form(u"Awal"_s).isVisible());
}

void WarisEntryTest::nameHasTheFocusOnEveryShowing() {
    startEntry();
    QWidget* name = &m_app->child<QLineEdit>(u"Data"_s, u"Text1"_s);
    QTRY_COMPARE(QApplication::focusWidget(), name);
    m_app->child<QLineEdit>(u"Data"_s, u"Text4"_s).setFocus();
    QTRY_VERIFY(QApplication::focusWidget() != name);
    m_steps->click(u"Data"_s, u"Command2"_s);
    m_steps->click(u"Awal"_s, u"Command4"_s);
    QTRY_COMPARE(QApplication::focusWidget(), name);
}

void WarisEntryTest::presetsTickAndLockTheirGroups_data() {
    QTest::addColumn<bool>("male");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<Boxes>("ticked");
    QTest::addColumn<Boxes>("locked");
    QTest::addColumn<QStringList>("disabledPresets");

    const Boxes maleGroup = range(0, 13);
    const Boxes femaleGroup = range(14, 21);
    const Boxes everything = range(0, 21);
    const QStringList all{u"Command1"_s, u"Command2"_s, u"Command3"_s};
    QTest::newRow("male preset for a male deceased: father and son")
        << true << u"Command1"_s << Boxes{1, 3} << maleGroup << QStringList{u"Command1"_s};
    QTest::newRow("male preset for a female deceased: husband, father and son")
        << false << u"Command1"_s << Boxes{0, 1, 3} << maleGroup << QStringList{u"Command1"_s};
    QTest::newRow("female preset for a male deceased: wife, mother, daughter, full sister")
        << true << u"Command2"_s << Boxes{14, 15, 16, 19} << femaleGroup
        << QStringList{u"Command2"_s};
    QTest::newRow("female preset for a female deceased: mother, daughter, full sister")
        << false << u"Command2"_s << Boxes{15, 16, 19} << femaleGroup << QStringList{u"Command2"_s};
    QTest::newRow("both-sexes preset for a male deceased: wife and the core family")
        << true << u"Command3"_s << Boxes{1, 3, 14, 15, 16} << everything << all;
    QTest::newRow("both-sexes preset for a female deceased: husband and the core family")
        << false << u"Command3"_s << Boxes{0, 1, 3, 15, 16} << everything << all;
}

void WarisEntryTest::presetsTickAndLockTheirGroups() {
    QFETCH(bool, male);
    QFETCH(QString, preset);
    QFETCH(Boxes, ticked);
    QFETCH(Boxes, locked);
    QFETCH(QStringList, disabledPresets);

    startEntry();
    // Boxes that the preset must untick.
    for (int box : {2, 4, 13, 17, 18, 21})
        m_app->child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(box)).setChecked(true);
    fill(DeceasedEntry(), male);
    m_steps->click(u"Data"_s, u"Command1"_s);
    const int excluded = male ? 0 : 14;
    const bool lockedGroupHasFemale = locked.contains(21);
    const bool lockedGroupHasMale = locked.contains(0);
    m_steps->click(u"Ahli_Waris"_s, preset);

    for (int box = 0; box < 22; ++box) {
        const bool inLockedGroup = locked.contains(box);
        if (inLockedGroup)
            QVERIFY2(m_steps->ticked(box) == ticked.contains(box),
                     qPrintable(QString::number(box)));
        QCOMPARE(m_steps->enabled(box), !inLockedGroup && box != excluded);
    }
    if (!lockedGroupHasFemale)
        QVERIFY(m_steps->ticked(17) && m_steps->ticked(18) && m_steps->ticked(21));
    if (!lockedGroupHasMale)
        QVERIFY(m_steps->ticked(2) && m_steps->ticked(4) && m_steps->ticked(13));
    for (const QString& button : {u"Command1"_s, u"Command2"_s, u"Command3"_s}) {
        QCOMPARE(m_app->child<QPushButton>(u"Ahli_Waris"_s, button).isEnabled(),
                 !disabledPresets.contains(button));
    }
    QVERIFY(m_app->dialogs.messages.isEmpty());
}

void WarisEntryTest::maleAndFemalePresetsExcludeEachOther_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("female preset after the male preset") << u"Command1"_s << u"Command2"_s;
    QTest::newRow("male preset after the female preset") << u"Command2"_s << u"Command1"_s;
}

void WarisEntryTest::maleAndFemalePresetsExcludeEachOther() {
    QFETCH(QString, first);
    QFETCH(QString, second);

    startEntry();
    fill(DeceasedEntry(), true);
    m_steps->click(u"Data"_s, u"Command1"_s);
    m_steps->click(u"Ahli_Waris"_s, first);
    const QList<bool> before = tickStates();
    m_steps->click(u"Ahli_Waris"_s, second);
    QCOMPARE(m_app->dialogs.messages, QList<RecordedMessage>{PresetsClash});
    QCOMPARE(tickStates(), before);
    QVERIFY(m_app->child<QPushButton>(u"Ahli_Waris"_s, second).isEnabled());

    m_steps->click(u"Ahli_Waris"_s, u"Command3"_s);
    for (int box = 0; box < 22; ++box)
        QCOMPARE(m_steps->ticked(box), Boxes({1, 3, 14, 15, 16}).contains(box));
    for (const QString& button : {u"Command1"_s, u"Command2"_s, u"Command3"_s})
        QVERIFY(!m_app->child<QPushButton>(u"Ahli_Waris"_s, button).isEnabled());
}

void WarisEntryTest::resetFreesEveryBoxButTheExcludedSpouse_data() {
    QTest::addColumn<bool>("male");
    QTest::addColumn<int>("excluded");

    QTest::newRow("male deceased keeps the husband box greyed") << true << 0;
    QTest::newRow("female deceased keeps the wife box greyed") << false << 14;
}

void WarisEntryTest::resetFreesEveryBoxButTheExcludedSpouse() {
    QFETCH(bool, male);
    QFETCH(int, excluded);

    startEntry();
    fill(DeceasedEntry(), male);
    m_steps->click(u"Data"_s, u"Command1"_s);
    m_steps->click(u"Ahli_Waris"_s, u"Command3"_s);
    m_steps->click(u"Ahli_Waris"_s, u"Command5"_s);

    for (int box = 0; box < 22; ++box) {
        QVERIFY(!m_steps->ticked(box));
        QCOMPARE(m_steps->enabled(box), box != excluded);
    }
    for (const QString& button : {u"Command1"_s, u"Command2"_s, u"Command3"_s})
        QVERIFY(m_app->child<QPushButton>(u"Ahli_Waris"_s, button).isEnabled());
}

void WarisEntryTest::handTickedBoxesSurviveTheOtherGroupsPreset_data() {
    QTest::addColumn<Boxes>("byHand");
    QTest::addColumn<QString>("preset");

    QTest::newRow("female boxes survive the male preset") << Boxes{17, 18, 21} << u"Command1"_s;
    QTest::newRow("male boxes survive the female preset") << Boxes{2, 5, 12} << u"Command2"_s;
}

void WarisEntryTest::handTickedBoxesSurviveTheOtherGroupsPreset() {
    QFETCH(Boxes, byHand);
    QFETCH(QString, preset);

    startEntry();
    fill(DeceasedEntry(), false);
    m_steps->click(u"Data"_s, u"Command1"_s);
    for (int box : byHand)
        m_app->child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(box)).setChecked(true);
    m_steps->click(u"Ahli_Waris"_s, preset);
    for (int box : byHand) {
        QVERIFY(m_steps->ticked(box));
        QVERIFY(m_steps->enabled(box));
    }
}

QTEST_MAIN(WarisEntryTest)
#include "WarisEntryTest.moc"
