// The full division: classical named cases, an invariant sweep over every selection, the CLI.

#include "waris/engine/FaraidAmounts.h"
#include "waris/engine/FaraidEngine.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw::waris;

namespace {

std::optional<HeirKind> kindNamed(const QString& name) {
    for (int k = 0; k < HeirKindCount; ++k) {
        if (heirInfo(heirKind(k)).identifier == name)
            return heirKind(k);
    }
    return std::nullopt;
}

// "Istri AnakWanita=2 Bapak" plus options "hanafi", "none", "paternal", "rest".
FaraidInput inputOf(const QString& heirs, const QString& options) {
    FaraidInput input;
    for (const QString& word : heirs.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = word.split(u'=');
        input.counts[static_cast<std::size_t>(index(*kindNamed(parts[0])))] =
            parts.value(1, u"1"_s).toInt();
    }
    input.options.grandfather =
        options.contains(u"hanafi"_s) ? GrandfatherRule::Hanafi : GrandfatherRule::Zayd;
    input.options.mushtaraka =
        options.contains(u"none"_s) ? MushtarakaRule::None : MushtarakaRule::Share;
    input.options.grandmother =
        options.contains(u"paternal"_s) ? GrandmotherSide::Paternal : GrandmotherSide::Maternal;
    input.options.spouseAlone =
        options.contains(u"rest"_s) ? SpouseAloneRule::RestToSpouse : SpouseAloneRule::Treasury;
    return input;
}

// "Suami 3/7, Kakek 0<Bapak, ..." in kind order; a blocked heir names its blockers.
QString sharesOf(const FaraidResult& result) {
    QStringList parts;
    for (const FaraidHeir& h : result.heirs) {
        QString part = heirInfo(h.kind).identifier % u' ' % h.share.toString();
        for (int k = 0; k < HeirKindCount; ++k) {
            if ((h.blockedBy >> k) & 1U)
                part += u'<' % heirInfo(heirKind(k)).identifier;
        }
        parts.append(part);
    }
    return parts.join(u", "_s);
}

QString summaryOf(const FaraidResult& r) {
    QString s = QString::number(r.base);
    if (r.awl)
        s += u" aul "_s % QString::number(r.awlBase);
    if (r.radd)
        s += u" radd "_s % QString::number(r.raddBase);
    if (!r.unassigned.isZero())
        s += u" baitulmal "_s % r.unassigned.toString();
    for (int c = 0; c < SpecialCaseCount; ++c) {
        if (r.has(static_cast<SpecialCase>(c)))
            s += u' ' % specialCaseName(static_cast<SpecialCase>(c));
    }
    return s % u" tashih "_s % QString::number(r.finalBase);
}

constexpr std::uint32_t bit(HeirKind k) {
    return kindBit(k);
}

// The invariants of one division; empty when they hold.
QString checkInvariants(const FaraidInput& input, const FaraidResult& r) {
    Fraction total = r.unassigned;
    Fraction fixed;
    std::uint32_t ticked = 0;
    for (int k = 0; k < HeirKindCount; ++k)
        ticked |= input.counts[static_cast<std::size_t>(k)] > 0 ? std::uint32_t{1} << k : 0;
    bool residuaryInherits = false;
    for (const FaraidGroup& g : r.groups)
        fixed += g.fard;
    for (const FaraidHeir& h : r.heirs) {
        total += h.share;
        if (h.share < Fraction(0) || !(h.perPerson * h.count == h.share))
            return u"negative or inconsistent share"_s;
        if (h.status == FaraidStatus::Blocked &&
            (!h.share.isZero() || h.blockedBy == 0 || (h.blockedBy & ~ticked) != 0))
            return heirInfo(h.kind).identifier %
                   u" blocked without a ticked blocker or with a share"_s;
        residuaryInherits = residuaryInherits || h.status == FaraidStatus::Ashabah;
    }
    if (total != Fraction(1))
        return u"shares add up to "_s % total.toString();
    for (const auto& [male, female] :
         {std::pair{HeirKind::AnakPria, HeirKind::AnakWanita},
          {HeirKind::CucuPria, HeirKind::CucuWanita},
          {HeirKind::SaudaraPriaSekandung, HeirKind::SaudaraWanitaSekandung},
          {HeirKind::SaudaraPriaSeBapak, HeirKind::SaudaraWanitaSeBapak}}) {
        const FaraidHeir* m = r.heir(male);
        const FaraidHeir* f = r.heir(female);
        if (m && f && m->status == FaraidStatus::Ashabah && f->status == FaraidStatus::Ashabah &&
            m->perPerson != f->perPerson * 2)
            return heirInfo(male).identifier % u" does not get twice "_s %
                   heirInfo(female).identifier;
    }
    if (r.awl != (fixed > Fraction(1)))
        return u"'aul does not follow the fixed shares"_s;
    if (r.radd && (fixed >= Fraction(1) || residuaryInherits))
        return u"radd with a residuary or without a surplus"_s;
    return {};
}

QString describe(const FaraidInput& input) {
    QStringList heirs;
    for (int k = 0; k < HeirKindCount; ++k) {
        if (const int n = input.counts[static_cast<std::size_t>(k)])
            heirs.append(heirInfo(heirKind(k)).identifier % u'=' % QString::number(n));
    }
    return heirs.join(u' ') % u": "_s;
}

} // namespace

class FaraidTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void classicalCase_data();
    void classicalCase();
    void amountsAddUpToTheSen_data();
    void amountsAddUpToTheSen();
    void badInputIsRefused_data();
    void badInputIsRefused();
    void everySelectionKeepsTheInvariants_data();
    void everySelectionKeepsTheInvariants();
};

void FaraidTest::classicalCase_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("shares");
    QTest::addColumn<QString>("summary");

    // 'Aul to every base. Bases 7-10, 13-17: the standard tables of al-Rahbiyyah; 8: al-Mubahalah,
    // 10: Umm al-Furukh, 17: Umm al-Aramil; 27: al-Minbariyyah, worked as "Example 1" of
    // inheritancelawsblog.wordpress.com, "Solving problems using the principle of 'awl".
    QTest::newRow("aul 7: husband, two full sisters")
        << u"Suami SaudaraWanitaSekandung=2"_s << QString()
        << u"Suami 3/7, SaudaraWanitaSekandung 4/7"_s << u"6 aul 7 tashih 7"_s;
    QTest::newRow("aul 8: al-Mubahalah")
        << u"Suami Ibu SaudaraWanitaSekandung"_s << QString()
        << u"Suami 3/8, Ibu 1/4, SaudaraWanitaSekandung 3/8"_s << u"6 aul 8 tashih 8"_s;
    QTest::newRow("aul 9: husband, two full sisters, two by the mother")
        << u"Suami SaudaraPriaSeIbu SaudaraWanitaSeIbu SaudaraWanitaSekandung=2"_s << QString()
        << u"Suami 1/3, SaudaraPriaSeIbu 1/9, SaudaraWanitaSekandung 4/9, SaudaraWanitaSeIbu 1/9"_s
        << u"6 aul 9 tashih 9"_s;
    QTest::newRow("aul 10: Umm al-Furukh")
        << u"Suami Ibu SaudaraWanitaSekandung=2 SaudaraPriaSeIbu=2"_s << QString()
        << u"Suami 3/10, SaudaraPriaSeIbu 1/5, Ibu 1/10, SaudaraWanitaSekandung 2/5"_s
        << u"6 aul 10 tashih 10"_s;
    QTest::newRow("aul 13: wife, mother, two full sisters")
        << u"Istri Ibu SaudaraWanitaSekandung=2"_s << QString()
        << u"Istri 3/13, Ibu 2/13, SaudaraWanitaSekandung 8/13"_s << u"12 aul 13 tashih 13"_s;
    QTest::newRow("aul 15: husband, two daughters, father, mother")
        << u"Suami Bapak Ibu AnakWanita=2"_s << QString()
        << u"Suami 1/5, Bapak 2/15, Ibu 2/15, AnakWanita 8/15"_s << u"12 aul 15 tashih 15"_s;
    QTest::newRow("aul 17: Umm al-Aramil")
        << u"Istri Ibu SaudaraWanitaSekandung=2 SaudaraWanitaSeIbu=2"_s << QString()
        << u"Istri 3/17, Ibu 2/17, SaudaraWanitaSekandung 8/17, SaudaraWanitaSeIbu 4/17"_s
        << u"12 aul 17 tashih 17"_s;
    QTest::newRow("aul 27: al-Minbariyyah")
        << u"Istri Bapak Ibu AnakWanita=2"_s << QString()
        << u"Bapak 4/27, Istri 1/9, Ibu 4/27, AnakWanita 16/27"_s << u"24 aul 27 tashih 27"_s;

    // Radd (kitabulfaroid.blogspot.com "Asal masalah": three daughters, 3 x 3 = 9; the others the
    // standard radd examples with and without a spouse).
    QTest::newRow("radd: three daughters")
        << u"AnakWanita=3"_s << QString() << u"AnakWanita 1"_s << u"3 radd 1 tashih 3"_s;
    QTest::newRow("radd: mother and daughter")
        << u"Ibu AnakWanita"_s << QString() << u"Ibu 1/4, AnakWanita 3/4"_s
        << u"6 radd 4 tashih 4"_s;
    QTest::newRow("radd with a spouse: husband, mother, daughter")
        << u"Suami Ibu AnakWanita"_s << QString() << u"Suami 1/4, Ibu 3/16, AnakWanita 9/16"_s
        << u"12 radd 16 tashih 16"_s;

    // 2:1 splits and tashih (islam-wa-sunnah.com "Tashih": 4 wives, a sister, 6 uncles -> 48;
    // inheritance.sadtayyfoundation.org "Solutions to exercises" no. 2: 2 wives, 5 daughters,
    // 3 full brothers -> 720).
    QTest::newRow("son and daughter") << u"AnakPria AnakWanita"_s << QString()
                                      << u"AnakPria 2/3, AnakWanita 1/3"_s << u"3 tashih 3"_s;
    QTest::newRow("son's son lifts son's daughters beside two daughters")
        << u"AnakWanita=2 CucuPria CucuWanita=2"_s << QString()
        << u"CucuPria 1/6, AnakWanita 2/3, CucuWanita 1/6"_s << u"3 tashih 12"_s;
    QTest::newRow("tashih 48") << u"Istri=4 SaudaraWanitaSekandung PamanSekandung=6"_s << QString()
                               << u"PamanSekandung 1/4, Istri 1/4, SaudaraWanitaSekandung 1/2"_s
                               << u"4 tashih 48"_s;
    QTest::newRow("tashih 720") << u"Istri=2 AnakWanita=5 SaudaraPriaSekandung=3"_s << QString()
                                << u"SaudaraPriaSekandung 5/24, Istri 1/8, AnakWanita 2/3"_s
                                << u"24 tashih 720"_s;

    // Each blocking rule.
    QTest::newRow("son blocks the son's children")
        << u"AnakPria CucuPria CucuWanita"_s << QString()
        << u"AnakPria 1, CucuPria 0<AnakPria, CucuWanita 0<AnakPria"_s << u"1 tashih 1"_s;
    QTest::newRow("father blocks grandfather, siblings, uncles")
        << u"Bapak Kakek SaudaraPriaSekandung PamanSekandung"_s << QString()
        << u"Bapak 1, Kakek 0<Bapak, SaudaraPriaSekandung 0<Bapak, PamanSekandung 0<Bapak"_s
        << u"1 tashih 1"_s;
    QTest::newRow("son's son blocks siblings and nephews")
        << u"CucuPria SaudaraWanitaSekandung SaudaraPriaSeBapak AnakPriaSaudaraSekandung"_s
        << QString()
        << u"SaudaraPriaSeBapak 0<CucuPria, CucuPria 1, AnakPriaSaudaraSekandung 0<CucuPria, SaudaraWanitaSekandung 0<CucuPria"_s
        << u"1 tashih 1"_s;
    QTest::newRow("full brother blocks the paternal ones and uncles")
        << u"SaudaraPriaSekandung SaudaraPriaSeBapak PamanSekandung SaudaraWanitaSeBapak"_s
        << QString()
        << u"SaudaraPriaSekandung 1, SaudaraPriaSeBapak 0<SaudaraPriaSekandung, PamanSekandung 0<SaudaraPriaSekandung, SaudaraWanitaSeBapak 0<SaudaraPriaSekandung"_s
        << u"1 tashih 1"_s;
    QTest::newRow("daughter and grandfather block the mother's children")
        << u"Kakek AnakWanita SaudaraPriaSeIbu SaudaraWanitaSeIbu"_s << QString()
        << u"Kakek 1/2, SaudaraPriaSeIbu 0<Kakek<AnakWanita, AnakWanita 1/2, SaudaraWanitaSeIbu 0<Kakek<AnakWanita"_s
        << u"6 tashih 6"_s;
    QTest::newRow("mother blocks grandmother")
        << u"Ibu Nenek AnakPria"_s << QString() << u"AnakPria 5/6, Ibu 1/6, Nenek 0<Ibu"_s
        << u"6 tashih 6"_s;
    QTest::newRow("two daughters leave the son's daughter nothing")
        << u"AnakWanita=2 CucuWanita PamanSekandung"_s << QString()
        << u"PamanSekandung 1/3, AnakWanita 2/3, CucuWanita 0<AnakWanita"_s << u"3 tashih 3"_s;
    QTest::newRow("one daughter: son's daughter completes two thirds")
        << u"AnakWanita CucuWanita PamanSekandung"_s << QString()
        << u"PamanSekandung 1/3, AnakWanita 1/2, CucuWanita 1/6"_s << u"6 tashih 6"_s;
    QTest::newRow("two full sisters leave the paternal sister nothing")
        << u"SaudaraWanitaSekandung=2 SaudaraWanitaSeBapak PamanSekandung"_s << QString()
        << u"PamanSekandung 1/3, SaudaraWanitaSekandung 2/3, SaudaraWanitaSeBapak 0<SaudaraWanitaSekandung"_s
        << u"3 tashih 3"_s;
    QTest::newRow("paternal brother makes the paternal sister residuary")
        << u"SaudaraWanitaSekandung=2 SaudaraPriaSeBapak SaudaraWanitaSeBapak"_s << QString()
        << u"SaudaraPriaSeBapak 2/9, SaudaraWanitaSekandung 2/3, SaudaraWanitaSeBapak 1/9"_s
        << u"3 tashih 9"_s;
    QTest::newRow("full sister beside a daughter blocks paternal brother and uncle")
        << u"AnakWanita SaudaraWanitaSekandung SaudaraPriaSeBapak PamanSekandung"_s << QString()
        << u"SaudaraPriaSeBapak 0<SaudaraWanitaSekandung, PamanSekandung 0<SaudaraWanitaSekandung, AnakWanita 1/2, SaudaraWanitaSekandung 1/2"_s
        << u"2 tashih 2"_s;
    QTest::newRow("nearer cousin first")
        << u"AnakPriaPamanSekandung AnakPriaPamanSeBapak"_s << QString()
        << u"AnakPriaPamanSekandung 1, AnakPriaPamanSeBapak 0<AnakPriaPamanSekandung"_s
        << u"1 tashih 1"_s;

    // The special cases and the options. Umariyyatain, mushtaraka (al-Himariyyah) and akdariyyah
    // as every faraid textbook gives them; grandfather with siblings: sadtayyfoundation exercise 3
    // (husband, two daughters, mother, grandfather, full brother: 12 'aul 15, brother nothing)
    // and al-'Ushriyyah (grandfather, full sister, paternal brother: base 10) of Zayd's method.
    QTest::newRow("umariyyatain with husband")
        << u"Suami Bapak Ibu"_s << QString() << u"Suami 1/2, Bapak 1/3, Ibu 1/6"_s
        << u"6 umariyyatain tashih 6"_s;
    QTest::newRow("umariyyatain with wife")
        << u"Bapak Istri Ibu"_s << QString() << u"Bapak 1/2, Istri 1/4, Ibu 1/4"_s
        << u"4 umariyyatain tashih 4"_s;
    QTest::newRow("mushtaraka shared")
        << u"Suami Ibu SaudaraPriaSeIbu=2 SaudaraPriaSekandung"_s << QString()
        << u"Suami 1/2, SaudaraPriaSekandung 1/9, SaudaraPriaSeIbu 2/9, Ibu 1/6"_s
        << u"6 mushtaraka tashih 18"_s;
    QTest::newRow("mushtaraka none")
        << u"Suami Ibu SaudaraPriaSeIbu=2 SaudaraPriaSekandung"_s << u"none"_s
        << u"Suami 1/2, SaudaraPriaSekandung 0, SaudaraPriaSeIbu 1/3, Ibu 1/6"_s
        << u"6 mushtaraka tashih 6"_s;
    QTest::newRow("akdariyyah") << u"Suami Ibu Kakek SaudaraWanitaSekandung"_s << QString()
                                << u"Suami 1/3, Kakek 8/27, Ibu 2/9, SaudaraWanitaSekandung 4/27"_s
                                << u"6 aul 9 akdariyyah tashih 27"_s;
    QTest::newRow("grandfather hanafi")
        << u"Suami Ibu Kakek SaudaraWanitaSekandung"_s << u"hanafi"_s
        << u"Suami 1/2, Kakek 1/6, Ibu 1/3, SaudaraWanitaSekandung 0<Kakek"_s
        << u"6 jadd-wal-ikhwah tashih 6"_s;
    QTest::newRow("grandfather takes a sixth with 'aul")
        << u"Suami Kakek SaudaraPriaSekandung Ibu AnakWanita=2"_s << QString()
        << u"Suami 1/5, Kakek 2/15, SaudaraPriaSekandung 0, Ibu 2/15, AnakWanita 8/15"_s
        << u"12 aul 15 jadd-wal-ikhwah tashih 15"_s;
    QTest::newRow("al-'Ushriyyah: mu'addah")
        << u"Kakek SaudaraPriaSeBapak SaudaraWanitaSekandung"_s << QString()
        << u"Kakek 2/5, SaudaraPriaSeBapak 1/10, SaudaraWanitaSekandung 1/2"_s
        << u"5 muaddah jadd-wal-ikhwah tashih 10"_s;
    QTest::newRow("grandfather takes a third against many brothers")
        << u"Kakek SaudaraPriaSekandung=3"_s << QString()
        << u"Kakek 1/3, SaudaraPriaSekandung 2/3"_s << u"3 jadd-wal-ikhwah tashih 9"_s;
    QTest::newRow("paternal grandmother blocked by the father")
        << u"Bapak Nenek"_s << u"paternal"_s << u"Bapak 1, Nenek 0<Bapak"_s << u"1 tashih 1"_s;
    QTest::newRow("maternal grandmother beside the father")
        << u"Bapak Nenek"_s << QString() << u"Bapak 5/6, Nenek 1/6"_s << u"6 tashih 6"_s;
    QTest::newRow("husband alone, rest to the treasury")
        << u"Suami"_s << QString() << u"Suami 1/2"_s << u"2 baitulmal 1/2 tashih 2"_s;
    QTest::newRow("wife alone, rest to her")
        << u"Istri=2"_s << u"rest"_s << u"Istri 1"_s << u"4 radd 1 tashih 2"_s;
}

void FaraidTest::classicalCase() {
    QFETCH(QString, heirs);
    QFETCH(QString, options);
    QFETCH(QString, shares);
    QFETCH(QString, summary);
    const FaraidOutcome outcome = divideEstate(inputOf(heirs, options));
    QVERIFY(std::holds_alternative<FaraidResult>(outcome));
    const auto& result = std::get<FaraidResult>(outcome);
    QCOMPARE(sharesOf(result), shares);
    QCOMPARE(summaryOf(result), summary);
    QVERIFY(!result.steps.isEmpty());
}

void FaraidTest::amountsAddUpToTheSen_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("estate");
    QTest::addColumn<QString>("bequest");
    QTest::addColumn<QString>("amounts"); // per person of every heir, then the net estate
    QTest::newRow("thirds by largest remainder")
        << u"AnakWanita=3"_s << u"100"_s << u"0"_s << u"33.34 33.33 33.33 | 100.00"_s;
    QTest::newRow("bequest cut to a third")
        << u"AnakPria"_s << u"300"_s << u"250"_s << u"200.00 | 200.00"_s;
    QTest::newRow("treasury takes part of the sen")
        << u"Suami"_s << u"0.03"_s << u"0"_s << u"0.02 | 0.03"_s;
    QTest::newRow("largest estate")
        << u"Istri=3 AnakPria=7 AnakWanita"_s << u"999999999999999.99"_s << u"0"_s
        << u"116666666666666.67 116666666666666.67 116666666666666.67 "
           u"116666666666666.66 116666666666666.66 116666666666666.66 "
           u"116666666666666.66 41666666666666.67 41666666666666.67 "
           u"41666666666666.67 58333333333333.33 | 999999999999999.99"_s;
}

void FaraidTest::amountsAddUpToTheSen() {
    QFETCH(QString, heirs);
    QFETCH(QString, estate);
    QFETCH(QString, bequest);
    QFETCH(QString, amounts);
    FaraidInput input = inputOf(heirs, QString());
    input.estate = parseSen(estate);
    input.bequest = parseSen(bequest);
    const FaraidOutcome outcome = divideEstate(input);
    QVERIFY(std::holds_alternative<FaraidResult>(outcome));
    const auto& r = std::get<FaraidResult>(outcome);
    QStringList persons;
    Sen total = r.unassignedAmount;
    for (const FaraidHeir& h : r.heirs) {
        for (int p = 0; p < h.count; ++p) {
            persons.append(senToDecimal(h.amountOfPerson(p)));
            total += h.amountOfPerson(p);
        }
    }
    QCOMPARE(persons.join(u' ') % u" | "_s % senToDecimal(r.money->net), amounts);
    QCOMPARE(total, r.money->net);
    QCOMPARE(r.money->bequestCut, bequest == u"250"_s);
}

void FaraidTest::badInputIsRefused_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<qint64>("estate");
    QTest::addColumn<qint64>("debts");
    QTest::addColumn<QString>("message");
    QTest::newRow("five wives") << u"Istri=5"_s << qint64{-1} << qint64{0}
                                << u"Istri paling banyak empat orang."_s;
    QTest::newRow("husband and wife")
        << u"Suami Istri"_s << qint64{-1} << qint64{0}
        << u"Suami dan istri tidak dapat bersama-sama menjadi ahli waris."_s;
    QTest::newRow("two fathers") << u"Bapak=2"_s << qint64{-1} << qint64{0}
                                 << u"Bapak hanya boleh satu orang."_s;
    QTest::newRow("hundred sons") << u"AnakPria=100"_s << qint64{-1} << qint64{0}
                                  << u"Jumlah Anak Pria harus antara 1 dan 99."_s;
    QTest::newRow("negative estate")
        << u"AnakPria"_s << qint64{-5} << qint64{0} << u"Harta peninggalan tidak boleh negatif."_s;
    QTest::newRow("debts above the estate")
        << u"AnakPria"_s << qint64{100} << qint64{101}
        << u"Biaya pengurusan jenazah dan utang melebihi harta peninggalan."_s;
}

void FaraidTest::badInputIsRefused() {
    QFETCH(QString, heirs);
    QFETCH(qint64, estate);
    QFETCH(qint64, debts);
    QFETCH(QString, message);
    FaraidInput input = inputOf(heirs, QString());
    if (estate != -1)
        input.estate = estate;
    if (debts != 0)
        input.debts = debts;
    const FaraidOutcome outcome = divideEstate(input);
    QVERIFY(std::holds_alternative<FaraidError>(outcome));
    QCOMPARE(std::get<FaraidError>(outcome).message, message);
}

void FaraidTest::everySelectionKeepsTheInvariants_data() {
    QTest::addColumn<HeirKind>("otherSpouse");
    QTest::newRow("male deceased") << HeirKind::Suami;
    QTest::newRow("female deceased") << HeirKind::Istri;
}

// Every selection under the default options, with counts 1 and 2; the sanitized and Debug runs
// take a fixed sample (the full sweep is in the benchmark).
void FaraidTest::everySelectionKeepsTheInvariants() {
    QFETCH(HeirKind, otherSpouse);
#ifdef NDEBUG
    const std::uint32_t step = qEnvironmentVariableIsSet("ZW_SANITIZED") ? 17 : 1;
#else
    const std::uint32_t step = qEnvironmentVariableIsSet("ZW_SANITIZED") ? 61 : 11;
#endif
    const std::uint32_t below = bit(otherSpouse) - 1;
    for (const int persons : {1, 2}) {
        FaraidInput input;
        input.detail = FaraidDetail::SharesOnly;
        for (std::uint32_t choice = 1; choice < std::uint32_t{1} << (HeirKindCount - 1);
             choice += step) {
            const std::uint32_t ticked = (choice & below) | ((choice & ~below) << 1);
            for (int k = 0; k < HeirKindCount; ++k) {
                const bool on = (ticked >> k) & 1U;
                input.counts[static_cast<std::size_t>(k)] =
                    on ? (heirInfo(heirKind(k)).several ? persons : 1) : 0;
            }
            FaraidOutcome outcome = divideEstate(input);
            auto* result = std::get_if<FaraidResult>(&outcome);
            if (!result)
                QFAIL(qPrintable(describe(input) % std::get<FaraidError>(outcome).message));
            if (const QString problem = checkInvariants(input, *result); !problem.isEmpty())
                QFAIL(qPrintable(describe(input) % problem));
            const Sen net = 123'456'789'01 + choice;
            Sen total = distributeAmounts(result->heirs, result->unassigned, net);
            for (const FaraidHeir& h : result->heirs)
                total += h.amount;
            if (total != net)
                QFAIL(qPrintable(describe(input) % u"amounts do not add up"_s));
        }
    }
}

QTEST_GUILESS_MAIN(FaraidTest)
#include "FaraidTest.moc"
