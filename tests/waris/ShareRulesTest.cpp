#include "waris/InheritanceEngine.h"

#include <QLocale>
#include <QTest>

#include <initializer_list>
#include <utility>

using namespace Qt::StringLiterals;
using namespace zw::waris;

namespace {

const QLocale EnglishUs(QLocale::English, QLocale::UnitedStates);

using enum HeirKind;

const auto Eighth = u"1 / 8 (Seperdelapan) Bagian"_s;
const auto Quarter = u"1 / 4 (Seperempat) Bagian"_s;
const auto Third = u"1 / 3 (Sepertiga) Bagian"_s;
const auto Sixth = u"1 / 6 (Seperenam) Bagian"_s;
const auto Half = u"1 / 2 (Setengah) Bagian"_s;
const auto TwoThirds = u"2 / 3 (Duapertiga) Bagian"_s;
const auto Ashabah = u"-> Ashabah"_s;

// The estate of most rows: every fraction of it is a round number.
const auto Estate = u"1200"_s;

struct Counts {
    std::initializer_list<std::pair<HeirKind, const char*>> typed; // every other kind: "1"
};

void addCase(const char* name, std::initializer_list<HeirKind> ticked, Counts counts,
             const QString& estate, HeirKind kind, const QString& amount, const QString& note) {
    QList<int> tickedKinds;
    for (const HeirKind k : ticked)
        tickedKinds.append(index(k));
    QStringList typed(HeirKindCount, u"1"_s);
    for (const auto& [k, text] : counts.typed)
        typed[index(k)] = QString::fromLatin1(text);
    QTest::newRow(name) << tickedKinds << typed << estate << index(kind) << amount << note;
}

} // namespace

class ShareRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachRuleDecidesByItsFirstHoldingTest_data();
    void eachRuleDecidesByItsFirstHoldingTest();
};

void ShareRulesTest::eachRuleDecidesByItsFirstHoldingTest_data() {
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QString>("estate");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("note");

    addCase("husband alone takes a half", {Suami}, {}, u"1000"_s, Suami, u"500.00"_s, Half);
    addCase("husband with a son's daughter takes a quarter", {Suami, CucuWanita}, {}, u"1000"_s,
            Suami, u"250.00"_s, Quarter);
    addCase("husband with a son's son takes a quarter", {Suami, CucuPria}, {}, Estate, Suami,
            u"300.00"_s, Quarter);
    addCase("husband with a father only takes a half", {Suami, Bapak}, {}, Estate, Suami,
            u"600.00"_s, Half);

    addCase("father with a daughter takes a sixth", {Bapak, AnakWanita}, {}, Estate, Bapak,
            u"200.00"_s, Sixth);
    addCase("father with a son's son takes a sixth", {Bapak, CucuPria}, {}, Estate, Bapak,
            u"200.00"_s, Sixth);
    addCase("father without descendants is residuary", {Suami, Bapak, Ibu}, {}, Estate, Bapak,
            u"0.00"_s, Ashabah);

    addCase("grandfather with the husband only is residuary, not blocked by him", {Suami, Kakek},
            {}, Estate, Kakek, u"0.00"_s, Ashabah);
    addCase("grandfather with the wife only is residuary", {Kakek, Istri}, {}, Estate, Kakek,
            u"0.00"_s, Ashabah);
    addCase("grandfather with the husband and a son takes a sixth", {Suami, Kakek, AnakPria}, {},
            Estate, Kakek, u"200.00"_s, Sixth);
    addCase("grandfather with a son's daughter and no father takes a sixth", {Kakek, CucuWanita},
            {}, Estate, Kakek, u"200.00"_s, Sixth);
    addCase("grandfather with the father and a son is blocked", {Bapak, Kakek, AnakPria}, {},
            Estate, Kakek, u"0.00"_s, u"Terhalang Suami/Bapak"_s);
    addCase("grandfather with the father alone is blocked", {Bapak, Kakek}, {}, Estate, Kakek,
            u"0.00"_s, u"Terhalang Suami/Bapak"_s);
    addCase("grandfather with the husband and the father is blocked", {Suami, Bapak, Kakek}, {},
            Estate, Kakek, u"0.00"_s, u"Terhalang Suami/Bapak"_s);
    addCase("grandfather alone is residuary", {Kakek}, {}, Estate, Kakek, u"0.00"_s, Ashabah);

    addCase("son alone is residuary", {AnakPria}, {}, Estate, AnakPria, u"0.00"_s, Ashabah);

    addCase("full brother with the grandfather is blocked", {Kakek, SaudaraPriaSekandung}, {},
            Estate, SaudaraPriaSekandung, u"0.00"_s, u"Terhalang Anak/Cucu/Bapak/Kakek"_s);
    addCase("full brother with a daughter is residuary", {SaudaraPriaSekandung, AnakWanita}, {},
            Estate, SaudaraPriaSekandung, u"0.00"_s, Ashabah);
    addCase("brother by the father with a full brother is blocked",
            {SaudaraPriaSekandung, SaudaraPriaSeBapak}, {}, Estate, SaudaraPriaSeBapak, u"0.00"_s,
            u"Terhalang Anak/Cucu/Bapak/Kakek"_s);
    addCase("brother by the father with the husband is residuary", {Suami, SaudaraPriaSeBapak}, {},
            Estate, SaudaraPriaSeBapak, u"0.00"_s, Ashabah);

    addCase("brother by the mother with a brother by the father is blocked",
            {SaudaraPriaSeBapak, SaudaraPriaSeIbu}, {}, Estate, SaudaraPriaSeIbu, u"0.00"_s,
            u"Terhalang Anak/Cucu/Bapak/Kakek"_s);
    addCase("one brother by the mother alone takes a sixth", {SaudaraPriaSeIbu}, {}, u"600"_s,
            SaudaraPriaSeIbu, u"100.00"_s, Sixth);
    addCase("three brothers by the mother alone take one sixth together", {SaudaraPriaSeIbu},
            {{{SaudaraPriaSeIbu, "3"}}}, u"600"_s, SaudaraPriaSeIbu, u"100.00"_s, Sixth);
    addCase("brother by the mother with a daughter still takes a sixth",
            {SaudaraPriaSeIbu, AnakWanita}, {}, Estate, SaudaraPriaSeIbu, u"200.00"_s, Sixth);

    addCase("son's son with a daughter is blocked", {CucuPria, AnakWanita}, {}, Estate, CucuPria,
            u"0.00"_s, u"Terhalang Anak Pria/Anak Wanita"_s);
    addCase("son's son with the father is residuary", {Bapak, CucuPria}, {}, Estate, CucuPria,
            u"0.00"_s, Ashabah);

    addCase("son of a full brother with the husband is blocked", {Suami, AnakPriaSaudaraSekandung},
            {}, Estate, AnakPriaSaudaraSekandung, u"0.00"_s,
            u"Terhalang Anak/Cucu/Suami/Bapak/Kakek"_s);
    addCase("son of a brother by the father with a son's daughter is blocked",
            {AnakPriaSaudaraSeBapak, CucuWanita}, {}, Estate, AnakPriaSaudaraSeBapak, u"0.00"_s,
            u"Terhalang Anak/Cucu/Suami/Bapak/Kakek"_s);
    addCase("son of a brother by the father beside a son of a full brother is residuary",
            {AnakPriaSaudaraSekandung, AnakPriaSaudaraSeBapak}, {}, Estate, AnakPriaSaudaraSeBapak,
            u"0.00"_s, Ashabah);
    addCase("son of a full brother beside the full brother is residuary",
            {SaudaraPriaSekandung, AnakPriaSaudaraSekandung}, {}, Estate, AnakPriaSaudaraSekandung,
            u"0.00"_s, Ashabah);

    addCase("full uncle with a brother by the father is blocked",
            {SaudaraPriaSeBapak, PamanSekandung}, {}, Estate, PamanSekandung, u"0.00"_s,
            u"Terhalang Anak/Cucu/Bapak/Kakek/Sau.Pria"_s);
    addCase("uncle by the father beside the full uncle is residuary",
            {PamanSekandung, PamanSeBapak}, {}, Estate, PamanSeBapak, u"0.00"_s, Ashabah);
    addCase("full uncle beside a son's daughter is residuary", {PamanSekandung, CucuWanita}, {},
            Estate, PamanSekandung, u"0.00"_s, Ashabah);

    addCase("son of the full uncle with the full uncle is blocked",
            {PamanSekandung, AnakPriaPamanSekandung}, {}, Estate, AnakPriaPamanSekandung, u"0.00"_s,
            u"Terhalang Anak/Bpk/Kakek/Sau.Pria/Paman"_s);
    addCase("son of the uncle by the father with the uncle by the father is blocked",
            {PamanSeBapak, AnakPriaPamanSeBapak}, {}, Estate, AnakPriaPamanSeBapak, u"0.00"_s,
            u"Terhalang Anak/Bpk/Kakek/Sau.Pria/Paman"_s);
    addCase("sons of both uncles beside each other are residuary",
            {AnakPriaPamanSekandung, AnakPriaPamanSeBapak}, {}, Estate, AnakPriaPamanSeBapak,
            u"0.00"_s, Ashabah);
    addCase("son of the full uncle beside the husband is residuary",
            {Suami, AnakPriaPamanSekandung}, {}, Estate, AnakPriaPamanSekandung, u"0.00"_s,
            Ashabah);

    addCase("one wife with a son takes an eighth", {AnakPria, Istri}, {}, u"800"_s, Istri,
            u"100.00"_s, Eighth);
    addCase("four wives with a son take one eighth together", {AnakPria, Istri}, {{{Istri, "4"}}},
            u"800"_s, Istri, u"100.00"_s, Eighth);
    addCase("wife without descendants takes a quarter", {Bapak, Istri}, {}, Estate, Istri,
            u"300.00"_s, Quarter);

    addCase("mother with a son's daughter takes a sixth", {Ibu, CucuWanita}, {}, Estate, Ibu,
            u"200.00"_s, Sixth);
    addCase("mother with one full sister takes a sixth", {Ibu, SaudaraWanitaSekandung}, {}, Estate,
            Ibu, u"200.00"_s, Sixth);
    addCase("mother with a full brother takes a sixth", {SaudaraPriaSekandung, Ibu}, {}, Estate,
            Ibu, u"200.00"_s, Sixth);
    addCase("mother with a sister by the mother takes a sixth", {Ibu, SaudaraWanitaSeIbu}, {},
            Estate, Ibu, u"200.00"_s, Sixth);
    addCase("mother with a sister by the father takes a third", {Ibu, SaudaraWanitaSeBapak}, {},
            Estate, Ibu, u"400.00"_s, Third);
    addCase("mother with brothers by the mother takes a third", {SaudaraPriaSeIbu, Ibu},
            {{{SaudaraPriaSeIbu, "2"}}}, Estate, Ibu, u"400.00"_s, Third);

    addCase("one daughter takes a half", {AnakWanita}, {}, Estate, AnakWanita, u"600.00"_s, Half);
    addCase("a daughter counted 01 takes a half", {AnakWanita}, {{{AnakWanita, "01"}}}, Estate,
            AnakWanita, u"600.00"_s, Half);
    addCase("three daughters take two thirds", {AnakWanita}, {{{AnakWanita, "3"}}}, Estate,
            AnakWanita, u"800.00"_s, TwoThirds);
    addCase("one daughter with a son is residuary with him", {AnakPria, AnakWanita}, {}, Estate,
            AnakWanita, u"0.00"_s, u"-> Ashabah Bersama Anak Pria"_s);

    addCase("grandmother with the mother is blocked", {Ibu, Nenek}, {}, Estate, Nenek, u"0.00"_s,
            u"Terhalang Bapak/Ibu"_s);
    addCase("grandmother with the father is blocked", {Bapak, Nenek}, {}, Estate, Nenek, u"0.00"_s,
            u"Terhalang Bapak/Ibu"_s);
    addCase("grandmother with the grandfather takes a sixth", {Kakek, Nenek}, {}, Estate, Nenek,
            u"200.00"_s, Sixth);

    addCase("son's daughter with a son is blocked", {AnakPria, CucuWanita}, {}, Estate, CucuWanita,
            u"0.00"_s, u"Terhalang Anak Pria"_s);
    addCase("son's daughter with a son's son and one daughter is blocked with him",
            {CucuPria, AnakWanita, CucuWanita}, {}, Estate, CucuWanita, u"0.00"_s,
            u"Terhalang Bersama Cucu Pria"_s);
    addCase("son's daughter with a son's son is residuary with him", {CucuPria, CucuWanita}, {},
            Estate, CucuWanita, u"0.00"_s, u"-> Ashabah Bersama Cucu Pria"_s);
    addCase("two son's daughters with one daughter take a sixth", {AnakWanita, CucuWanita},
            {{{CucuWanita, "2"}}}, Estate, CucuWanita, u"200.00"_s, Sixth);
    addCase("one son's daughter with two daughters takes a half", {AnakWanita, CucuWanita},
            {{{AnakWanita, "2"}}}, Estate, CucuWanita, u"600.00"_s, Half);
    addCase("two son's daughters with two daughters take two thirds", {AnakWanita, CucuWanita},
            {{{AnakWanita, "2"}, {CucuWanita, "2"}}}, Estate, CucuWanita, u"800.00"_s, TwoThirds);
    addCase("one son's daughter alone takes a half", {CucuWanita}, {}, Estate, CucuWanita,
            u"600.00"_s, Half);
    addCase("two son's daughters of 1000 take 666.67", {CucuWanita}, {{{CucuWanita, "2"}}},
            u"1000"_s, CucuWanita, u"666.67"_s, TwoThirds);

    addCase("full sister with the full brother and a son is blocked with him",
            {AnakPria, SaudaraPriaSekandung, SaudaraWanitaSekandung}, {}, Estate,
            SaudaraWanitaSekandung, u"0.00"_s, u"Terhalang Bersama Saudara Kandung Pria"_s);
    addCase("full sister with the full brother is residuary with him",
            {SaudaraPriaSekandung, SaudaraWanitaSekandung}, {}, Estate, SaudaraWanitaSekandung,
            u"0.00"_s, u"-> Ashabah Bersama Saudara Kandung Pria"_s);
    addCase("full sister with one daughter and one son's daughter is residuary by them",
            {AnakWanita, CucuWanita, SaudaraWanitaSekandung}, {}, Estate, SaudaraWanitaSekandung,
            u"0.00"_s, u"-> Ashabah Karena Anak/Cucu Wanita"_s);
    addCase("full sister with one daughter, one son's daughter and a son is residuary by them",
            {AnakPria, AnakWanita, CucuWanita, SaudaraWanitaSekandung}, {}, Estate,
            SaudaraWanitaSekandung, u"0.00"_s, u"-> Ashabah Karena Anak/Cucu Wanita"_s);
    addCase("full sister with two daughters and a son is blocked",
            {AnakPria, AnakWanita, SaudaraWanitaSekandung}, {{{AnakWanita, "2"}}}, Estate,
            SaudaraWanitaSekandung, u"0.00"_s, u"Terhalang Anak/Cucu/Bapak/Kakek/Nenek"_s);
    addCase("full sister with the grandmother is blocked", {Nenek, SaudaraWanitaSekandung}, {},
            Estate, SaudaraWanitaSekandung, u"0.00"_s, u"Terhalang Anak/Cucu/Bapak/Kakek/Nenek"_s);
    addCase("full sister with two daughters is residuary beside them",
            {AnakWanita, SaudaraWanitaSekandung}, {{{AnakWanita, "2"}}}, Estate,
            SaudaraWanitaSekandung, u"0.00"_s, u"-> Ashabah Bersama Anak/Cucu Wanita"_s);
    addCase("full sister with one son's daughter only is residuary beside her",
            {CucuWanita, SaudaraWanitaSekandung}, {}, Estate, SaudaraWanitaSekandung, u"0.00"_s,
            u"-> Ashabah Bersama Anak/Cucu Wanita"_s);
    addCase("full sister with the wife and the mother is residuary",
            {Istri, Ibu, SaudaraWanitaSekandung}, {}, Estate, SaudaraWanitaSekandung, u"0.00"_s,
            Ashabah);
    addCase("full sister with the husband and the mother takes a half",
            {Suami, Ibu, SaudaraWanitaSekandung}, {}, Estate, SaudaraWanitaSekandung, u"600.00"_s,
            Half);
    addCase("two full sisters alone take two thirds", {SaudaraWanitaSekandung},
            {{{SaudaraWanitaSekandung, "2"}}}, Estate, SaudaraWanitaSekandung, u"800.00"_s,
            TwoThirds);

    addCase("sister by the father with a brother by the father and the father is blocked with him",
            {Bapak, SaudaraPriaSeBapak, SaudaraWanitaSeBapak}, {}, Estate, SaudaraWanitaSeBapak,
            u"0.00"_s, u"Terhalang Bersama Saudara Se-Bapak Pria"_s);
    addCase("sister by the father with a brother by the father is residuary with him",
            {SaudaraPriaSeBapak, SaudaraWanitaSeBapak}, {}, Estate, SaudaraWanitaSeBapak, u"0.00"_s,
            u"-> Ashabah Bersama Saudara Se-Bapak Pria"_s);
    addCase("sister by the father with a son and a daughter is residuary beside the daughter",
            {AnakPria, AnakWanita, SaudaraWanitaSeBapak}, {}, Estate, SaudaraWanitaSeBapak,
            u"0.00"_s, u"-> Ashabah Bersama Anak/Cucu Wanita"_s);
    addCase("sister by the father with the father is blocked", {Bapak, SaudaraWanitaSeBapak}, {},
            Estate, SaudaraWanitaSeBapak, u"0.00"_s, u"Terhalang Anak/Cucu/Bapak/Kakek/Nenek"_s);
    addCase("sister by the father with the wife and the mother is residuary",
            {Istri, Ibu, SaudaraWanitaSeBapak}, {}, Estate, SaudaraWanitaSeBapak, u"0.00"_s,
            Ashabah);
    addCase("one sister by the father with the wife, the mother and a full sister takes a sixth",
            {Istri, Ibu, SaudaraWanitaSekandung, SaudaraWanitaSeBapak}, {}, Estate,
            SaudaraWanitaSeBapak, u"200.00"_s, Sixth);
    addCase("one sister by the father alone takes a sixth", {SaudaraWanitaSeBapak}, {}, Estate,
            SaudaraWanitaSeBapak, u"200.00"_s, Sixth);
    addCase("one sister by the father with the full brother takes a half",
            {SaudaraPriaSekandung, SaudaraWanitaSeBapak}, {}, Estate, SaudaraWanitaSeBapak,
            u"600.00"_s, Half);
    addCase("two sisters by the father alone take two thirds", {SaudaraWanitaSeBapak},
            {{{SaudaraWanitaSeBapak, "2"}}}, Estate, SaudaraWanitaSeBapak, u"800.00"_s, TwoThirds);

    addCase("sister by the mother with a brother by the mother and a son is blocked with him",
            {AnakPria, SaudaraPriaSeIbu, SaudaraWanitaSeIbu}, {}, Estate, SaudaraWanitaSeIbu,
            u"0.00"_s, u"Terhalang Bersama Saudara Se-Ibu Pria"_s);
    addCase("sister by the mother with a brother by the mother is residuary with him",
            {SaudaraPriaSeIbu, SaudaraWanitaSeIbu}, {}, Estate, SaudaraWanitaSeIbu, u"0.00"_s,
            u"-> Ashabah Bersama Saudara Se-Ibu Pria"_s);
    addCase("sister by the mother with a son's daughter is blocked",
            {CucuWanita, SaudaraWanitaSeIbu}, {}, Estate, SaudaraWanitaSeIbu, u"0.00"_s,
            u"Terhalang Anak/Cucu/Bapak/Kakek/Nenek"_s);
    addCase("sister by the mother with the full brother is blocked by him",
            {SaudaraPriaSekandung, SaudaraWanitaSeIbu}, {}, Estate, SaudaraWanitaSeIbu, u"0.00"_s,
            u"Terhalang Sau. Pria Sekandung"_s);
    addCase("sister by the mother with the full brother and the grandmother is blocked as by her",
            {SaudaraPriaSekandung, Nenek, SaudaraWanitaSeIbu}, {}, Estate, SaudaraWanitaSeIbu,
            u"0.00"_s, u"Terhalang Anak/Cucu/Bapak/Kakek/Nenek"_s);
    addCase("five sisters by the mother alone take one third together", {SaudaraWanitaSeIbu},
            {{{SaudaraWanitaSeIbu, "5"}}}, Estate, SaudaraWanitaSeIbu, u"400.00"_s, Third);
}

void ShareRulesTest::eachRuleDecidesByItsFirstHoldingTest() {
    QFETCH(QList<int>, ticked);
    QFETCH(QStringList, counts);
    QFETCH(QString, estate);
    QFETCH(int, kind);
    QFETCH(QString, amount);
    QFETCH(QString, note);

    HeirSelection selection;
    for (const int k : ticked)
        selection.setTicked(heirKind(k), true);
    CalculationState state;
    const auto outcome = calculate(state, selection, estate, EnglishUs,
                                   [&](HeirKind asked) { return counts[index(asked)]; });
    QVERIFY(std::holds_alternative<CalculationResult>(outcome));
    const auto& rows = std::get<CalculationResult>(outcome).rows;
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const DetailRow& r) { return index(r.kind) == kind; });
    QVERIFY(row != rows.end());
    QCOMPARE(row->note, note);
    QCOMPARE(row->amount, amount);
}

QTEST_GUILESS_MAIN(ShareRulesTest)
#include "ShareRulesTest.moc"
