#include "waris/engine/InheritanceEngine.h"

#include <QLocale>
#include <QMap>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::waris;

namespace {

const QLocale EnglishUs(QLocale::English, QLocale::UnitedStates);
const QLocale Indonesian(QLocale::Indonesian, QLocale::Indonesia);

using enum HeirKind;
using Kinds = QList<HeirKind>;
// Typed counts; every kind asked that is not listed answers "1", a null text cancels.
using Counts = QMap<HeirKind, QString>;

struct Run {
    CalculationOutcome outcome;
    Kinds asked;
};

Run run(CalculationState& state, const Kinds& kinds, const QString& estate, const Counts& counts) {
    HeirSelection selection;
    for (const HeirKind kind : kinds)
        selection.setTicked(kind, true);
    Kinds asked;
    auto outcome = calculate(state, selection, estate, EnglishUs, [&](HeirKind kind) {
        asked.append(kind);
        const QString typed = counts.value(kind, u"1"_s);
        return typed.isNull() ? std::nullopt : std::optional(typed);
    });
    return {std::move(outcome), asked};
}

QStringList rowTexts(const CalculationResult& result) {
    QStringList texts;
    for (const DetailRow& row : result.rows)
        texts.append(row.name % u'|' % row.count % u'|' %
                     amountText(row.amount, NumberPattern::Amount, EnglishUs) % u'|' % row.note);
    return texts;
}

} // namespace

class InheritanceEngineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsRowsTotalAndRemainder_data();
    void showsRowsTotalAndRemainder();
    void sonsDaughtersAmountIsFixedPointToFourDecimals();
    void asksTheCountsOfTheSeveralPersonKindsInKindOrder();
    void refusesUnusableInput_data();
    void refusesUnusableInput();
    void keepsCountsAndNotesOnlyFromCompletedCalculations();
    void readsCounts_data();
    void readsCounts();
};

void InheritanceEngineTest::showsRowsTotalAndRemainder_data() {
    QTest::addColumn<Kinds>("kinds");
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<QString>("estate");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("remainder");

    QTest::newRow("husband and two full sisters exceed the estate")
        << Kinds{Suami, SaudaraWanitaSekandung} << Counts{{SaudaraWanitaSekandung, u"2"_s}}
        << u"600000"_s
        << QStringList{u"S u a m i       |1|300,000.00|1 / 2 (Setengah) Bagian"_s,
                       u"Saudara Wanita Sekandung|2|400,000.00|2 / 3 (Duapertiga) Bagian"_s}
        << u"Rp 700,000.00"_s << u"-Rp 100,000.00"_s;
    QTest::newRow("a count 02 is shown as typed for daughters and as a number for son's daughters")
        << Kinds{AnakWanita, CucuWanita} << Counts{{AnakWanita, u"02"_s}, {CucuWanita, u"02"_s}}
        << u"1200"_s
        << QStringList{u"Anak Wanita           |02|800.00|2 / 3 (Duapertiga) Bagian"_s,
                       u"Cucu Wanita dari Anak Pria|2|800.00|2 / 3 (Duapertiga) Bagian"_s}
        << u"Rp 1,600.00"_s << u"-Rp 400.00"_s;
    QTest::newRow("only residuary and blocked heirs divide nothing")
        << Kinds{AnakPria, SaudaraPriaSekandung} << Counts{} << u"1000000"_s
        << QStringList{u"Anak Pria          |1|0.00|-> Ashabah"_s,
                       u"Saudara Pria Sekandung|1|0.00|Terhalang Anak/Cucu/Bapak/Kakek"_s}
        << u"Rp 0.00"_s << u"Rp 1,000,000.00"_s;
}

void InheritanceEngineTest::showsRowsTotalAndRemainder() {
    QFETCH(Kinds, kinds);
    QFETCH(Counts, counts);
    QFETCH(QString, estate);
    QFETCH(QStringList, rows);
    QFETCH(QString, total);
    QFETCH(QString, remainder);

    CalculationState state;
    const Run calculation = run(state, kinds, estate, counts);
    const auto* result = std::get_if<CalculationResult>(&calculation.outcome);
    QVERIFY(result);
    QCOMPARE(rowTexts(*result), rows);
    QCOMPARE(totalText(result->dividedTotal, EnglishUs), total);
    QCOMPARE(formatNumber(result->remainder, NumberPattern::RupiahAmount, EnglishUs), remainder);
}

void InheritanceEngineTest::sonsDaughtersAmountIsFixedPointToFourDecimals() {
    CalculationState state;
    const Run calculation = run(state, {CucuWanita}, u"1000"_s, {{CucuWanita, u"2"_s}});
    const auto& result = std::get<CalculationResult>(calculation.outcome);
    QCOMPARE(result.rows.constFirst().amount.money(), Money::fromUnits(6'666'667));
    QCOMPARE(std::get<Money>(result.dividedTotal), Money::fromUnits(6'666'667));
    QCOMPARE(result.remainder, Money::fromUnits(3'333'333));
}

void InheritanceEngineTest::asksTheCountsOfTheSeveralPersonKindsInKindOrder() {
    Kinds everyone;
    Kinds several;
    for (int k = 0; k < HeirKindCount; ++k) {
        everyone.append(heirKind(k));
        if (!Kinds{Suami, Bapak, Kakek, Ibu, Nenek}.contains(heirKind(k)))
            several.append(heirKind(k));
    }
    CalculationState state;
    const Run calculation = run(state, everyone, u"1000"_s, {});
    QCOMPARE(std::get<CalculationResult>(calculation.outcome).rows.size(), HeirKindCount);
    QCOMPARE(calculation.asked, several);
}

void InheritanceEngineTest::refusesUnusableInput_data() {
    QTest::addColumn<Kinds>("kinds");
    QTest::addColumn<QString>("estate");
    QTest::addColumn<QString>("count");
    QTest::addColumn<CalculationError>("error");

    const Kinds daughter{AnakWanita};
    QTest::newRow("nothing ticked")
        << Kinds{} << u"1000"_s << u"1"_s << CalculationError::NothingTicked;
    QTest::newRow("estate with letters")
        << daughter << u"12a"_s << u"1"_s << CalculationError::EstateNotANumber;
    QTest::newRow("negative estate")
        << daughter << u"-1"_s << u"1"_s << CalculationError::NegativeEstate;
    QTest::newRow("count 0") << daughter << u"1000"_s << u"0"_s << CalculationError::BadCount;
    QTest::newRow("question cancelled")
        << daughter << u"1000"_s << QString() << CalculationError::Cancelled;
    QTest::newRow("son's daughters' amount beyond the money range")
        << Kinds{CucuWanita} << u"2000000000000000"_s << u"1"_s << CalculationError::OutOfRange;
    QTest::newRow("remainder beyond the money range")
        << Kinds{Suami} << u"2000000000000000"_s << u"1"_s << CalculationError::OutOfRange;
}

void InheritanceEngineTest::refusesUnusableInput() {
    QFETCH(Kinds, kinds);
    QFETCH(QString, estate);
    QFETCH(QString, count);
    QFETCH(CalculationError, error);

    CalculationState state;
    const Counts counts{{AnakWanita, count}, {CucuWanita, count}};
    const Run calculation = run(state, kinds, estate, counts);
    QVERIFY(std::holds_alternative<CalculationError>(calculation.outcome));
    QCOMPARE(std::get<CalculationError>(calculation.outcome), error);
    if (error == CalculationError::EstateNotANumber || error == CalculationError::NegativeEstate)
        QVERIFY(calculation.asked.isEmpty());
}

void InheritanceEngineTest::keepsCountsAndNotesOnlyFromCompletedCalculations() {
    CalculationState state;
    run(state, {AnakPria, SaudaraPriaSekandung}, u"1000"_s, {{SaudaraPriaSekandung, u"3"_s}});
    const Run cancelled = run(state, {SaudaraPriaSekandung, AnakWanita}, u"500"_s,
                              {{SaudaraPriaSekandung, u"5"_s}, {AnakWanita, QString()}});
    QCOMPARE(std::get<CalculationError>(cancelled.outcome), CalculationError::Cancelled);
    run(state, {SaudaraWanitaSekandung}, u"900"_s, {});

    QCOMPARE(state.countText(SaudaraPriaSekandung), u"3"_s);
    QCOMPARE(state.noteText(SaudaraPriaSekandung), u"Terhalang Anak/Cucu/Bapak/Kakek"_s);
    QCOMPARE(state.noteText(SaudaraWanitaSekandung), u"1 / 2 (Setengah) Bagian"_s);
    QCOMPARE(state.countText(AnakWanita), QString());
    QCOMPARE(state.estateText(), u"900"_s);
}

void InheritanceEngineTest::readsCounts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count"); // -1: refused

    QTest::newRow("leading zero") << u"02"_s << 2;
    QTest::newRow("largest") << u"99"_s << 99;
    QTest::newRow("above the largest") << u"100"_s << -1;
    QTest::newRow("zero") << u"0"_s << -1;
    QTest::newRow("double zero") << u"00"_s << -1;
    QTest::newRow("minus zero") << u"-0"_s << -1;
    QTest::newRow("minus one") << u"-1"_s << -1;
    QTest::newRow("fraction") << u"1.5"_s << -1;
    QTest::newRow("letter") << u"a"_s << -1;
    QTest::newRow("empty") << QString() << -1;
}

void InheritanceEngineTest::readsCounts() {
    QFETCH(QString, text);
    QFETCH(int, count);

    for (const QLocale& locale : {EnglishUs, Indonesian})
        QCOMPARE(parseCount(text, locale).value_or(-1), count);
}

QTEST_GUILESS_MAIN(InheritanceEngineTest)
#include "InheritanceEngineTest.moc"
