#include "waris/InheritanceEngine.h"

#include <QLocale>
#include <QTest>

#include <initializer_list>
#include <utility>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::waris;

namespace {

const QLocale EnglishUs(QLocale::English, QLocale::UnitedStates);
const QLocale Indonesian(QLocale::Indonesian, QLocale::Indonesia);

using enum HeirKind;

HeirSelection selectionOf(std::initializer_list<HeirKind> kinds) {
    HeirSelection selection;
    for (const HeirKind kind : kinds)
        selection.setTicked(kind, true);
    return selection;
}

// Answers every question from the table, "1" where the table says nothing, and records them.
class TableAsker {
public:
    TableAsker(std::initializer_list<std::pair<HeirKind, QString>> answers) {
        for (const auto& [kind, text] : answers)
            m_answers[static_cast<std::size_t>(index(kind))] = text;
    }
    CountAsker asker() {
        return [this](HeirKind kind) -> std::optional<QString> {
            asked.append(kind);
            const auto& answer = m_answers[static_cast<std::size_t>(index(kind))];
            if (answer == u"<cancel>")
                return std::nullopt;
            return answer.isNull() ? u"1"_s : answer;
        };
    }
    QList<HeirKind> asked;

private:
    PerKind<QString> m_answers;
};

QStringList rowTexts(const CalculationResult& result) {
    QStringList texts;
    for (const DetailRow& row : result.rows)
        texts.append(row.name % u'|' % row.count % u'|' % row.amount % u'|' % row.note);
    return texts;
}

CalculationResult calculated(CalculationState& state, std::initializer_list<HeirKind> kinds,
                             const QString& estate, TableAsker asker,
                             const QLocale& locale = EnglishUs) {
    const auto outcome = calculate(state, selectionOf(kinds), estate, locale, asker.asker());
    if (!std::holds_alternative<CalculationResult>(outcome))
        qFatal("calculation failed with error %d", int(std::get<CalculationError>(outcome)));
    return std::get<CalculationResult>(outcome);
}

} // namespace

class InheritanceEngineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsRowsTotalAndRemainder_data();
    void showsRowsTotalAndRemainder();
    void asksTheCountsOfTheSeveralPersonKindsInKindOrder();
    void sonsDaughtersAmountIsRoundedToFourDecimals();
    void refusesUnusableInput_data();
    void refusesUnusableInput();
    void countsAndNotesPersistBetweenCalculations();
    void aFailedCalculationLeavesTheStateAsItWas();
    void readsCounts_data();
    void readsCounts();
    void readsEstates_data();
    void readsEstates();
    void catalogueKeepsItsExactTexts_data();
    void catalogueKeepsItsExactTexts();
    void onlyTheSingleHeirKindsGoWithoutQuestion();
};

void InheritanceEngineTest::showsRowsTotalAndRemainder_data() {
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QString>("estate");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("remainder");

    const auto row = [](std::initializer_list<int> kinds, QStringList counts = {}) {
        QList<int> list(kinds);
        counts.resize(HeirKindCount);
        return std::make_pair(list, counts);
    };
    const auto add = [](const char* name, const std::pair<QList<int>, QStringList>& heirs,
                        const QString& estate, const QLocale& locale, const QStringList& rows,
                        const QString& total, const QString& remainder) {
        QTest::newRow(name) << heirs.first << heirs.second << estate << locale << rows << total
                            << remainder;
    };
    QStringList twoSisters(HeirKindCount);
    twoSisters[index(SaudaraWanitaSekandung)] = u"2"_s;
    QStringList typedWithZeros(HeirKindCount);
    typedWithZeros[index(AnakWanita)] = u"02"_s;
    typedWithZeros[index(CucuWanita)] = u"02"_s;
    QStringList threeSons(HeirKindCount);
    threeSons[index(AnakPria)] = u"3"_s;

    add("only the husband on one million", row({0}), u"1000000"_s, EnglishUs,
        {u"S u a m i       |1|500,000.00|1 / 2 (Setengah) Bagian"_s}, u"Rp 500,000.00"_s,
        u"Rp 500,000.00"_s);
    add("husband and two full sisters exceed the estate", {{0, 19}, twoSisters}, u"600000"_s,
        EnglishUs,
        {u"S u a m i       |1|300,000.00|1 / 2 (Setengah) Bagian"_s,
         u"Saudara Wanita Sekandung|2|400,000.00|2 / 3 (Duapertiga) Bagian"_s},
        u"Rp 700,000.00"_s, u"-Rp 100,000.00"_s);
    add("husband and two full sisters in Indonesian", {{0, 19}, twoSisters}, u"600.000"_s,
        Indonesian,
        {u"S u a m i       |1|300.000,00|1 / 2 (Setengah) Bagian"_s,
         u"Saudara Wanita Sekandung|2|400.000,00|2 / 3 (Duapertiga) Bagian"_s},
        u"Rp 700.000,00"_s, u"-Rp 100.000,00"_s);
    add("a count 02 is shown as typed for daughters and as a number for son's daughters",
        {{16, 18}, typedWithZeros}, u"1200"_s, EnglishUs,
        {u"Anak Wanita           |02|800.00|2 / 3 (Duapertiga) Bagian"_s,
         u"Cucu Wanita dari Anak Pria|2|800.00|2 / 3 (Duapertiga) Bagian"_s},
        u"Rp 1,600.00"_s, u"-Rp 400.00"_s);
    add("father and sons fill the rows in kind order", {{3, 1}, threeSons}, u"1200"_s, EnglishUs,
        {u"B a p a k       |1|200.00|1 / 6 (Seperenam) Bagian"_s,
         u"Anak Pria          |3|0.00|-> Ashabah"_s},
        u"Rp 200.00"_s, u"Rp 1,000.00"_s);
    add("only residuary and blocked heirs divide nothing", row({3, 4, 7}), u"1000000"_s, EnglishUs,
        {u"Anak Pria          |1|0.00|-> Ashabah"_s,
         u"Saudara Pria Sekandung|1|0.00|Terhalang Anak/Cucu/Bapak/Kakek"_s,
         u"Cucu Pria dari Anak Pria|1|0.00|Terhalang Anak Pria/Anak Wanita"_s},
        u"Rp 0.00"_s, u"Rp 1,000,000.00"_s);
    add("wife and mother on an estate with cents in Indonesian", row({14, 15}), u"1.000,10"_s,
        Indonesian,
        {u"I s t r i            |1|250,03|1 / 4 (Seperempat) Bagian"_s,
         u"I b u                |1|333,37|1 / 3 (Sepertiga) Bagian"_s},
        u"Rp 583,39"_s, u"Rp 416,71"_s);
    add("an empty estate counts as nothing", row({0, 15}), QString(), EnglishUs,
        {u"S u a m i       |1|0.00|1 / 2 (Setengah) Bagian"_s,
         u"I b u                |1|0.00|1 / 3 (Sepertiga) Bagian"_s},
        u"Rp 0.00"_s, u"Rp 0.00"_s);
}

void InheritanceEngineTest::showsRowsTotalAndRemainder() {
    QFETCH(QList<int>, ticked);
    QFETCH(QStringList, counts);
    QFETCH(QString, estate);
    QFETCH(QLocale, locale);
    QFETCH(QStringList, rows);
    QFETCH(QString, total);
    QFETCH(QString, remainder);

    HeirSelection selection;
    for (const int k : ticked)
        selection.setTicked(heirKind(k), true);
    CalculationState state;
    const auto outcome = calculate(state, selection, estate, locale, [&](HeirKind kind) {
        const QString typed = counts[index(kind)];
        return typed.isEmpty() ? u"1"_s : typed;
    });
    QVERIFY(std::holds_alternative<CalculationResult>(outcome));
    const auto& result = std::get<CalculationResult>(outcome);
    QCOMPARE(rowTexts(result), rows);
    QCOMPARE(result.dividedTotalText, total);
    QCOMPARE(result.remainderText, remainder);
}

void InheritanceEngineTest::asksTheCountsOfTheSeveralPersonKindsInKindOrder() {
    HeirSelection everyoneButTheHusband = HeirSelection::fromBits((1U << HeirKindCount) - 1);
    everyoneButTheHusband.setTicked(Suami, false);
    TableAsker table({});
    CalculationState state;
    const auto outcome =
        calculate(state, everyoneButTheHusband, u"1000"_s, EnglishUs, table.asker());

    QVERIFY(std::holds_alternative<CalculationResult>(outcome));
    QCOMPARE(std::get<CalculationResult>(outcome).rows.size(), 21);
    const QList<HeirKind> expected = {AnakPria,
                                      SaudaraPriaSekandung,
                                      SaudaraPriaSeBapak,
                                      SaudaraPriaSeIbu,
                                      CucuPria,
                                      AnakPriaSaudaraSekandung,
                                      AnakPriaSaudaraSeBapak,
                                      PamanSekandung,
                                      PamanSeBapak,
                                      AnakPriaPamanSekandung,
                                      AnakPriaPamanSeBapak,
                                      Istri,
                                      AnakWanita,
                                      CucuWanita,
                                      SaudaraWanitaSekandung,
                                      SaudaraWanitaSeBapak,
                                      SaudaraWanitaSeIbu};
    QCOMPARE(table.asked, expected);
}

void InheritanceEngineTest::sonsDaughtersAmountIsRoundedToFourDecimals() {
    CalculationState state;
    const auto alone = calculated(state, {CucuWanita}, u"1000"_s, {{CucuWanita, u"2"_s}});
    QCOMPARE(std::get<Money>(alone.dividedTotal), Money::fromUnits(6'666'667));
    QCOMPARE(alone.remainder, Money::fromUnits(3'333'333));

    const auto withDaughter = calculated(state, {AnakWanita, CucuWanita}, u"1000"_s,
                                         {{AnakWanita, u"3"_s}, {CucuWanita, u"2"_s}});
    QCOMPARE(std::get<double>(withDaughter.dividedTotal), 2.0 / 3.0 * 1000 + 666.6667);
    QCOMPARE(withDaughter.dividedTotalText, u"Rp 1,333.33"_s);
    QCOMPARE(withDaughter.remainder, Money::fromUnits(-3'333'334));
}

void InheritanceEngineTest::refusesUnusableInput_data() {
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QString>("estate");
    QTest::addColumn<QString>("count");
    QTest::addColumn<CalculationError>("error");

    const QList<int> daughters{index(AnakWanita)};
    QTest::newRow("nothing ticked")
        << QList<int>{} << u"1000"_s << u"1"_s << CalculationError::NothingTicked;
    QTest::newRow("estate with letters")
        << daughters << u"12a"_s << u"1"_s << CalculationError::EstateNotANumber;
    QTest::newRow("estate of blanks")
        << daughters << u"  "_s << u"1"_s << CalculationError::EstateNotANumber;
    QTest::newRow("negative estate")
        << daughters << u"-1"_s << u"1"_s << CalculationError::NegativeEstate;
    QTest::newRow("count 0") << daughters << u"1000"_s << u"0"_s << CalculationError::BadCount;
    QTest::newRow("negative count")
        << daughters << u"1000"_s << u"-1"_s << CalculationError::BadCount;
    QTest::newRow("fractional count")
        << daughters << u"1000"_s << u"1.5"_s << CalculationError::BadCount;
    QTest::newRow("count with a letter")
        << daughters << u"1000"_s << u"x"_s << CalculationError::BadCount;
    QTest::newRow("question cancelled")
        << daughters << u"1000"_s << u"<cancel>"_s << CalculationError::Cancelled;
    QTest::newRow("son's daughters' amount beyond the money range")
        << QList<int>{index(CucuWanita)} << u"2000000000000000"_s << u"1"_s
        << CalculationError::OutOfRange;
    QTest::newRow("remainder beyond the money range")
        << QList<int>{index(Suami)} << u"2000000000000000"_s << u"1"_s
        << CalculationError::OutOfRange;
}

void InheritanceEngineTest::refusesUnusableInput() {
    QFETCH(QList<int>, ticked);
    QFETCH(QString, estate);
    QFETCH(QString, count);
    QFETCH(CalculationError, error);

    HeirSelection selection;
    for (const int k : ticked)
        selection.setTicked(heirKind(k), true);
    TableAsker table({{AnakWanita, count}, {CucuWanita, count}});
    CalculationState state;
    const auto outcome = calculate(state, selection, estate, EnglishUs, table.asker());
    QVERIFY(std::holds_alternative<CalculationError>(outcome));
    QCOMPARE(std::get<CalculationError>(outcome), error);
    if (error == CalculationError::EstateNotANumber || error == CalculationError::NegativeEstate)
        QVERIFY(table.asked.isEmpty());
}

void InheritanceEngineTest::countsAndNotesPersistBetweenCalculations() {
    CalculationState state;
    calculated(state, {AnakPria, SaudaraPriaSekandung, SaudaraWanitaSekandung}, u"1000"_s,
               {{SaudaraPriaSekandung, u"3"_s}});
    QCOMPARE(state.noteText(SaudaraPriaSekandung), u"Terhalang Anak/Cucu/Bapak/Kakek"_s);

    const auto second = calculated(state, {SaudaraWanitaSekandung}, u"900"_s, {});
    QCOMPARE(rowTexts(second),
             QStringList{u"Saudara Wanita Sekandung|1|450.00|1 / 2 (Setengah) Bagian"_s});
    QCOMPARE(state.noteText(SaudaraPriaSekandung), u"Terhalang Anak/Cucu/Bapak/Kakek"_s);
    QCOMPARE(state.countText(SaudaraPriaSekandung), u"3"_s);
    QCOMPARE(state.noteText(AnakPria), u"-> Ashabah"_s);
    QCOMPARE(state.estateText(), u"900"_s);
    QCOMPARE(state.noteText(Ibu), QString());
}

void InheritanceEngineTest::aFailedCalculationLeavesTheStateAsItWas() {
    CalculationState state;
    calculated(state, {AnakWanita, CucuPria}, u"1000"_s, {{AnakWanita, u"2"_s}});

    TableAsker table({{AnakWanita, u"5"_s}, {CucuPria, u"<cancel>"_s}});
    const auto outcome = calculate(state, selectionOf({AnakPria, AnakWanita, CucuPria}), u"1000"_s,
                                   EnglishUs, table.asker());
    QCOMPARE(std::get<CalculationError>(outcome), CalculationError::Cancelled);
    QCOMPARE(state.countText(AnakWanita), u"2"_s);
    QCOMPARE(state.countText(AnakPria), QString());
    QCOMPARE(state.noteText(AnakWanita), u"2 / 3 (Duapertiga) Bagian"_s);
    QCOMPARE(state.estateText(), u"1000"_s);
}

void InheritanceEngineTest::readsCounts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count"); // 0: refused

    QTest::newRow("one") << u"1"_s << 1;
    QTest::newRow("leading zero") << u"02"_s << 2;
    QTest::newRow("largest") << u"99"_s << 99;
    QTest::newRow("above the largest") << u"100"_s << 0;
    QTest::newRow("zero") << u"0"_s << 0;
    QTest::newRow("double zero") << u"00"_s << 0;
    QTest::newRow("minus zero") << u"-0"_s << 0;
    QTest::newRow("minus one") << u"-1"_s << 0;
    QTest::newRow("plus sign") << u"+2"_s << 0;
    QTest::newRow("fraction") << u"1.5"_s << 0;
    QTest::newRow("decimal comma") << u"1,0"_s << 0;
    QTest::newRow("letter") << u"a"_s << 0;
    QTest::newRow("blank before") << u" 2"_s << 0;
    QTest::newRow("empty") << QString() << 0;
}

void InheritanceEngineTest::readsCounts() {
    QFETCH(QString, text);
    QFETCH(int, count);

    for (const QLocale& locale : {EnglishUs, Indonesian})
        QCOMPARE(parseCount(text, locale).value_or(0), count);
}

void InheritanceEngineTest::readsEstates_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("estate"); // -1: refused

    QTest::newRow("en-US grouped with cents") << u"1,000,000.50"_s << EnglishUs << 1000000.5;
    QTest::newRow("id-ID grouped with cents") << u"1.000.000,50"_s << Indonesian << 1000000.5;
    QTest::newRow("empty is nothing") << QString() << EnglishUs << 0.0;
    QTest::newRow("negative") << u"-5"_s << EnglishUs << -1.0;
    QTest::newRow("letters") << u"Rp 5"_s << Indonesian << -1.0;
}

void InheritanceEngineTest::readsEstates() {
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(double, estate);

    QCOMPARE(parseEstate(text, locale).value_or(-1.0), estate);
}

void InheritanceEngineTest::catalogueKeepsItsExactTexts_data() {
    QTest::addColumn<HeirKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("question");

    QTest::newRow("husband") << Suami << u"S u a m i       "_s << QString();
    QTest::newRow("son") << AnakPria << u"Anak Pria          "_s << u"Anak Pria ?"_s;
    QTest::newRow("son of the full uncle")
        << AnakPriaPamanSekandung << u"Anak Pria Paman Kandung"_s << u"Anak Pria Paman Kandung ?"_s;
    QTest::newRow("wife") << Istri << u"I s t r i            "_s << u"I s t r i  ?"_s;
    QTest::newRow("mother") << Ibu << u"I b u                "_s << QString();
    QTest::newRow("daughter") << AnakWanita << u"Anak Wanita           "_s << u"Anak Wanita ?"_s;
    QTest::newRow("full sister") << SaudaraWanitaSekandung << u"Saudara Wanita Sekandung"_s
                                 << u"Saudara Wanita Sekandung?"_s;
}

void InheritanceEngineTest::catalogueKeepsItsExactTexts() {
    QFETCH(HeirKind, kind);
    QFETCH(QString, name);
    QFETCH(QString, question);

    QCOMPARE(heirInfo(kind).nameText, name);
    QCOMPARE(heirInfo(kind).question, question);
}

void InheritanceEngineTest::onlyTheSingleHeirKindsGoWithoutQuestion() {
    QList<HeirKind> single;
    for (int k = 0; k < HeirKindCount; ++k) {
        const HeirInfo& info = heirInfo(heirKind(k));
        QCOMPARE(info.question.isEmpty(), !info.several);
        if (!info.several)
            single.append(heirKind(k));
    }
    QCOMPARE(single, (QList<HeirKind>{Suami, Bapak, Kakek, Ibu, Nenek}));
}

QTEST_GUILESS_MAIN(InheritanceEngineTest)
#include "InheritanceEngineTest.moc"
