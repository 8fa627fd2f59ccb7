#include "waris/engine/designed/InheritanceEngine.h"

#include <QLocale>
#include <QMap>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::waris;

namespace {

const QLocale EnglishUs(QLocale::English, QLocale::UnitedStates);

using enum HeirKind;
using Kinds = QList<HeirKind>;
// Typed counts; every kind asked that is not listed answers "1", a null text cancels.
using Counts = QMap<HeirKind, QString>;

CalculationOutcome run(CalculationState& state, const Kinds& kinds, const QString& estate,
                       const Counts& counts, Kinds* asked = nullptr) {
    HeirSelection selection;
    for (const HeirKind kind : kinds)
        selection.setTicked(kind, true);
    return calculate(state, selection, estate, EnglishUs, [&](HeirKind kind) {
        if (asked)
            asked->append(kind);
        const QString typed = counts.value(kind, u"1"_s);
        return typed.isNull() ? std::nullopt : std::optional(typed);
    });
}

} // namespace

// The shares themselves are swept in ShareRulesTest, the whole sheet in WarisFormsTest.
class InheritanceEngineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void asksTheCountsOfTheSeveralPersonKindsInKindOrder();
    void refusesUnusableInput_data();
    void refusesUnusableInput();
    void keepsCountsAndNotesOnlyFromCompletedCalculations();
};

// Counts are shown as typed, but the son's daughters' as the number they were read as.
void InheritanceEngineTest::asksTheCountsOfTheSeveralPersonKindsInKindOrder() {
    Kinds everyone;
    Kinds several;
    for (int k = 0; k < HeirKindCount; ++k) {
        everyone.append(heirKind(k));
        if (!Kinds{Suami, Bapak, Kakek, Ibu, Nenek}.contains(heirKind(k)))
            several.append(heirKind(k));
    }
    CalculationState state;
    Kinds asked;
    const auto outcome =
        run(state, everyone, u"1000"_s, {{AnakWanita, u"02"_s}, {CucuWanita, u"02"_s}}, &asked);
    QCOMPARE(asked, several);
    const auto& rows = std::get<CalculationResult>(outcome).rows;
    QCOMPARE(rows.size(), HeirKindCount);
    QCOMPARE(rows[index(AnakWanita)].count, u"02"_s);
    QCOMPARE(rows[index(CucuWanita)].count, u"2"_s);
}

void InheritanceEngineTest::refusesUnusableInput_data() {
    QTest::addColumn<Kinds>("kinds");
    QTest::addColumn<QString>("estate");
    QTest::addColumn<QString>("count");
    QTest::addColumn<CalculationError>("error");

    const Kinds daughter{AnakWanita};
    using enum CalculationError;
    QTest::newRow("nothing ticked") << Kinds{} << u"1000"_s << u"1"_s << NothingTicked;
    QTest::newRow("estate with letters") << daughter << u"12a"_s << u"1"_s << EstateNotANumber;
    QTest::newRow("negative estate") << daughter << u"-1"_s << u"1"_s << NegativeEstate;
    QTest::newRow("count 0") << daughter << u"1000"_s << u"0"_s << BadCount;
    QTest::newRow("count 100, one past the largest")
        << daughter << u"1000"_s << u"100"_s << BadCount;
    QTest::newRow("count -1") << daughter << u"1000"_s << u"-1"_s << BadCount;
    QTest::newRow("question cancelled") << daughter << u"1000"_s << QString() << Cancelled;
    QTest::newRow("son's daughters' amount beyond the money range")
        << Kinds{CucuWanita} << u"2000000000000000"_s << u"1"_s << OutOfRange;
    QTest::newRow("remainder beyond the money range")
        << Kinds{Suami} << u"2000000000000000"_s << u"1"_s << OutOfRange;
}

void InheritanceEngineTest::refusesUnusableInput() {
    QFETCH(Kinds, kinds);
    QFETCH(QString, estate);
    QFETCH(QString, count);
    QFETCH(CalculationError, error);

    CalculationState state;
    const auto outcome = run(state, kinds, estate, {{AnakWanita, count}, {CucuWanita, count}});
    QVERIFY(std::holds_alternative<CalculationError>(outcome));
    QCOMPARE(std::get<CalculationError>(outcome), error);
}

void InheritanceEngineTest::keepsCountsAndNotesOnlyFromCompletedCalculations() {
    CalculationState state;
    run(state, {AnakPria, SaudaraPriaSekandung}, u"1000"_s, {{SaudaraPriaSekandung, u"3"_s}});
    const auto cancelled = run(state, {SaudaraPriaSekandung, AnakWanita}, u"500"_s,
                               {{SaudaraPriaSekandung, u"5"_s}, {AnakWanita, QString()}});
    QCOMPARE(std::get<CalculationError>(cancelled), CalculationError::Cancelled);
    run(state, {SaudaraWanitaSekandung}, u"900"_s, {});

    QCOMPARE(state.countText(SaudaraPriaSekandung), u"3"_s);
    QCOMPARE(state.noteText(SaudaraPriaSekandung), u"Terhalang Anak/Cucu/Bapak/Kakek"_s);
    QCOMPARE(state.noteText(SaudaraWanitaSekandung), u"1 / 2 (Setengah) Bagian"_s);
    QCOMPARE(state.countText(AnakWanita), QString());
    QCOMPARE(state.estateText(), u"900"_s);
}

QTEST_GUILESS_MAIN(InheritanceEngineTest)
#include "InheritanceEngineTest.moc"
