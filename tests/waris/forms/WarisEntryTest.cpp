#include "WarisSteps.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw::test;

namespace {

const RecordedMessage Incomplete{u"Belum Lengkap ..."_s,
                                 u"Anda Belum Lengkap Mengisikan Data...!"_s};
const RecordedMessage Wrong{u"ERROR ..."_s, u"Anda Salah Mengisikan Data ...!"_s};
const RecordedMessage PresetsClash{u"ERROR"_s,
                                   u"Anda Lebih Baik Meng-Klik Tombol 'Seluruhnya Lengkap' !"_s};

DeceasedEntry entryOf(const QString& name, const QString& estate, std::optional<bool> male) {
    DeceasedEntry entry;
    entry.name = name;
    entry.estate = estate;
    entry.male = male;
    return entry;
}

QString focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

} // namespace

class WarisEntryTest : public WarisTest {
    Q_OBJECT

private Q_SLOTS:
    void enterRefusesAnIncompleteOrUnusableEntry_data();
    void enterRefusesAnIncompleteOrUnusableEntry();
    void okCopiesTheParticularsIntoTheResultHeader_data();
    void okCopiesTheParticularsIntoTheResultHeader();
    void escapeEmptiesTheEntryAndEveryShowingFocusesTheName();
    void excludedSpouseStaysOutThroughReset_data();
    void excludedSpouseStaysOutThroughReset();
    void presetsTickAndLockOnlyTheirGroup_data();
    void presetsTickAndLockOnlyTheirGroup();
    void maleAndFemalePresetsExcludeEachOther_data();
    void maleAndFemalePresetsExcludeEachOther();
};

void WarisEntryTest::enterRefusesAnIncompleteOrUnusableEntry_data() {
    QTest::addColumn<DeceasedEntry>("entry");
    QTest::addColumn<RecordedMessage>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("empty name") << entryOf(QString(), u"1000"_s, true) << Incomplete << u"Text1"_s;
    QTest::newRow("empty estate") << entryOf(u"Ahmad"_s, QString(), true) << Incomplete
                                  << u"Text1"_s;
    QTest::newRow("no sex chosen")
        << entryOf(u"Ahmad"_s, u"1000"_s, std::nullopt) << Incomplete << u"Text1"_s;
    QTest::newRow("estate in words")
        << entryOf(u"Ahmad"_s, u"satu juta"_s, true) << Wrong << u"Text5"_s;
    QTest::newRow("negative estate")
        << entryOf(u"Ahmad"_s, u"-5000"_s, false) << Wrong << u"Text5"_s;
    QTest::newRow("estate of blanks") << entryOf(u"Ahmad"_s, u"   "_s, true) << Wrong << u"Text5"_s;
}

// Enter in the name field stands for OK.
void WarisEntryTest::enterRefusesAnIncompleteOrUnusableEntry() {
    QFETCH(DeceasedEntry, entry);
    QFETCH(RecordedMessage, message);
    QFETCH(QString, focus);

    start();
    openEntry();
    fill(entry);
    QTest::keyClick(&m_app->child<QLineEdit>(u"Data"_s, u"Text1"_s), Qt::Key_Return);

    QCOMPARE(m_app->dialogs.messages, QList<RecordedMessage>{message});
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Data"_s});
    QCOMPARE(fieldText(u"Data"_s, u"Text1"_s), entry.name);
    QCOMPARE(fieldText(u"Data"_s, u"Text2"_s), entry.address);
    QCOMPARE(fieldText(u"Data"_s, u"Text5"_s), entry.estate);
    QCOMPARE(m_app->child<QRadioButton>(u"Data"_s, u"Option1"_s).isChecked(), entry.male == true);
    QTRY_COMPARE(focusName(), focus);
}

void WarisEntryTest::okCopiesTheParticularsIntoTheResultHeader_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<DeceasedEntry>("entry");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("estateCaption");

    const DeceasedEntry usual = entryOf(u"Ahmad"_s, u"1500000"_s, true);
    DeceasedEntry sparse = entryOf(u"   "_s, u"0"_s, false);
    sparse.address.clear();
    sparse.birth.clear();
    sparse.death.clear();
    QTest::newRow("one and a half million, US marks")
        << UnitedStates << usual << u"Laki - Laki"_s << u"Rp 1,500,000.00"_s;
    QTest::newRow("one and a half million, Indonesian marks")
        << Indonesia << usual << u"Laki - Laki"_s << u"Rp 1.500.000,00"_s;
    QTest::newRow("name of blanks, no address or dates, estate of zero")
        << UnitedStates << sparse << u"Perempuan"_s << u"Rp .00"_s;
    QTest::newRow("estate typed with Indonesian marks")
        << Indonesia << entryOf(u"Ahmad"_s, u"1.234.567,5"_s, true) << u"Laki - Laki"_s
        << u"Rp 1.234.567,50"_s;
}

void WarisEntryTest::okCopiesTheParticularsIntoTheResultHeader() {
    QFETCH(QLocale, locale);
    QFETCH(DeceasedEntry, entry);
    QFETCH(QString, sex);
    QFETCH(QString, estateCaption);

    start(locale);
    enterDeceased(entry);

    QVERIFY(m_app->dialogs.messages.isEmpty());
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Ahli_Waris"_s});
    const QStringList expected{entry.name,  entry.address, entry.birth,
                               entry.death, sex,           estateCaption};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(caption(u"Hasil"_s, u"Label%1"_s.arg(8 + i)), expected[i]);
}

void WarisEntryTest::escapeEmptiesTheEntryAndEveryShowingFocusesTheName() {
    start();
    openEntry();
    QTRY_COMPARE(focusName(), u"Text1"_s);
    fill(DeceasedEntry());
    auto& death = m_app->child<QLineEdit>(u"Data"_s, u"Text4"_s);
    death.setFocus();
    QTest::keyClick(&death, Qt::Key_Escape);
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Awal"_s});
    for (int i = 1; i <= 5; ++i)
        QVERIFY(fieldText(u"Data"_s, u"Text%1"_s.arg(i)).isEmpty());
    QVERIFY(!m_app->child<QRadioButton>(u"Data"_s, u"Option1"_s).isChecked());

    // The main menu empties the texts too, but keeps the sex.
    click(u"Awal"_s, u"Command4"_s);
    QTRY_COMPARE(focusName(), u"Text1"_s);
    fill(entryOf(u"Ahmad"_s, u"1000"_s, false));
    m_app->form(u"Data"_s).hide();
    openEntry();
    QVERIFY(fieldText(u"Data"_s, u"Text1"_s).isEmpty());
    QVERIFY(fieldText(u"Data"_s, u"Text5"_s).isEmpty());
    QVERIFY(m_app->child<QRadioButton>(u"Data"_s, u"Option2"_s).isChecked());
}

void WarisEntryTest::excludedSpouseStaysOutThroughReset_data() {
    QTest::addColumn<bool>("male");
    QTest::addColumn<int>("excluded");
    QTest::addColumn<int>("kept");

    QTest::newRow("male deceased cannot leave a husband") << true << 0 << 14;
    QTest::newRow("female deceased cannot leave a wife") << false << 14 << 0;
}

void WarisEntryTest::excludedSpouseStaysOutThroughReset() {
    QFETCH(bool, male);
    QFETCH(int, excluded);
    QFETCH(int, kept);

    start();
    for (const int box : {excluded, kept})
        m_app->child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(box)).setChecked(true);
    enterDeceased(entryOf(u"Ahmad"_s, u"1000"_s, male));
    QCOMPARE(tickedBoxes(), Boxes{kept});
    Boxes allButTheSpouse = range(0, 21);
    allButTheSpouse.removeOne(excluded);
    QCOMPARE(enabledBoxes(), allButTheSpouse);

    click(u"Ahli_Waris"_s, u"Command3"_s);
    click(u"Ahli_Waris"_s, u"Command5"_s);
    QCOMPARE(tickedBoxes(), Boxes{});
    QCOMPARE(enabledBoxes(), allButTheSpouse);
    QCOMPARE(presetsEnabled(), QList<bool>({true, true, true}));
}

void WarisEntryTest::presetsTickAndLockOnlyTheirGroup_data() {
    QTest::addColumn<bool>("male");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<Boxes>("ticked");
    QTest::addColumn<Boxes>("enabled");
    QTest::addColumn<QList<bool>>("presets");

    // Boxes 2, 4, 13, 17, 18 and 21 are ticked by hand before the preset.
    QTest::newRow("male preset for a male deceased: father and son")
        << true << u"Command1"_s << Boxes{1, 3, 17, 18, 21} << range(14, 21)
        << QList<bool>{false, true, true};
    QTest::newRow("male preset for a female deceased: husband, father and son")
        << false << u"Command1"_s << Boxes{0, 1, 3, 17, 18, 21} << range(15, 21)
        << QList<bool>{false, true, true};
    QTest::newRow("female preset for a male deceased: wife, mother, daughter, full sister")
        << true << u"Command2"_s << Boxes{2, 4, 13, 14, 15, 16, 19} << range(1, 13)
        << QList<bool>{true, false, true};
    QTest::newRow("female preset for a female deceased: mother, daughter, full sister")
        << false << u"Command2"_s << Boxes{2, 4, 13, 15, 16, 19} << range(0, 13)
        << QList<bool>{true, false, true};
    QTest::newRow("both-sexes preset for a male deceased: wife and the core family")
        << true << u"Command3"_s << Boxes{1, 3, 14, 15, 16} << Boxes{}
        << QList<bool>{false, false, false};
    QTest::newRow("both-sexes preset for a female deceased: husband and the core family")
        << false << u"Command3"_s << Boxes{0, 1, 3, 15, 16} << Boxes{}
        << QList<bool>{false, false, false};
}

void WarisEntryTest::presetsTickAndLockOnlyTheirGroup() {
    QFETCH(bool, male);
    QFETCH(QString, preset);
    QFETCH(Boxes, ticked);
    QFETCH(Boxes, enabled);
    QFETCH(QList<bool>, presets);

    start();
    for (const int box : {2, 4, 13, 17, 18, 21})
        m_app->child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(box)).setChecked(true);
    enterDeceased(entryOf(u"Ahmad"_s, u"1000"_s, male));
    click(u"Ahli_Waris"_s, preset);

    QCOMPARE(tickedBoxes(), ticked);
    QCOMPARE(enabledBoxes(), enabled);
    QCOMPARE(presetsEnabled(), presets);
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

    start();
    enterDeceased(DeceasedEntry());
    click(u"Ahli_Waris"_s, first);
    const Boxes ticked = tickedBoxes();
    const Boxes enabled = enabledBoxes();
    const QList<bool> presets = presetsEnabled();
    click(u"Ahli_Waris"_s, second);
    QCOMPARE(m_app->dialogs.messages, QList<RecordedMessage>{PresetsClash});
    QCOMPARE(tickedBoxes(), ticked);
    QCOMPARE(enabledBoxes(), enabled);
    QCOMPARE(presetsEnabled(), presets);

    click(u"Ahli_Waris"_s, u"Command3"_s);
    QCOMPARE(tickedBoxes(), Boxes({1, 3, 14, 15, 16}));
}

QTEST_MAIN(WarisEntryTest)
#include "WarisEntryTest.moc"
