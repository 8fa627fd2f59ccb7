// The full division: classical and KHI cases (tests/data/faraid-cases.txt, khi-cases.txt),
// amounts (faraid-amounts.txt), refusals, and an invariant sweep over every selection under both
// laws.

#include "DataTable.h"
#include "waris/engine/faraid/FaraidAmounts.h"
#include "waris/engine/faraid/FaraidEngine.h"
#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/FaraidText.h"

#include <QRegularExpression>
#include <QTest>

#include <random>

using namespace Qt::StringLiterals;
using namespace zw::waris;

namespace {

// Heirs "Istri AnakWanita=2 Bapak son:2,0" (a predeceased son with two sons); options "khi",
// "hanafi", "none", "paternal", "rest", "majority" (a daughter does not keep out siblings), "blood"
// (no radd to a spouse) and amounts "estate=100 joint=50 funeral= zakat= debts= obligatory=
// bequest=".
FaraidInput inputOf(const QString& heirs, const QString& options) {
    FaraidInput input;
    for (const QString& word : heirs.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = word.split(QRegularExpression(u"[=:,]"_s));
        if (const auto kind = heirKindNamed(parts[0]))
            input.counts[*kind] = parts.value(1, u"1"_s).toInt();
        else
            input.predeceased.push_back(
                {parts[0] == u"son" ? HeirKind::AnakPria : HeirKind::AnakWanita, parts[1].toInt(),
                 parts[2].toInt()});
    }
    const QStringList words = options.split(u' ');
    input.law = words.contains(u"khi"_s) ? Law::Khi : Law::Classical;
    FaraidOptions& o = input.options;
    o.grandfather = words.contains(u"hanafi"_s) ? GrandfatherRule::Hanafi : GrandfatherRule::Zayd;
    o.mushtaraka = words.contains(u"none"_s) ? MushtarakaRule::None : MushtarakaRule::Share;
    o.grandmother =
        words.contains(u"paternal"_s) ? GrandmotherSide::Paternal : GrandmotherSide::Maternal;
    o.spouseAlone =
        words.contains(u"rest"_s) ? SpouseAloneRule::RestToSpouse : SpouseAloneRule::Treasury;
    o.daughter =
        words.contains(u"majority"_s) ? DaughterRule::Majority : DaughterRule::BlocksSiblings;
    o.khiRadd = words.contains(u"blood"_s) ? KhiRadd::Blood : KhiRadd::All;
    const std::pair<QString, std::optional<zw::Rupiah>*> amounts[] = {
        {u"estate"_s, &input.estate},   {u"joint"_s, &input.jointProperty},
        {u"funeral"_s, &input.funeral}, {u"zakat"_s, &input.zakat},
        {u"debts"_s, &input.debts},     {u"obligatory"_s, &input.obligatoryBequest},
        {u"bequest"_s, &input.bequest}};
    for (const QString& word : words) {
        for (const auto& [name, amount] : amounts) {
            if (!word.startsWith(name % u'='))
                continue;
            const QStringView text = QStringView(word).mid(name.size() + 1);
            const bool negative = text.startsWith(u'-');
            const auto value =
                std::get<zw::Rupiah>(zw::readPlainAmount(text.mid(negative ? 1 : 0)));
            *amount = negative ? -value : value;
        }
    }
    return input;
}

// "Suami 3/7, Kakek 0<Bapak, CucuPria@1 7/64, ..." in kind order, a predeceased child's sons or
// daughters by its number; a blocked heir names its blockers, "!" marks a substitute who gets
// more than a child of the same degree.
QString sharesOf(const FaraidResult& result) {
    QStringList parts;
    for (const FaraidHeir& h : result.heirs) {
        const QString name = !h.inBranch()       ? heirInfo(h.kind).identifier
                             : h.branchDaughters ? u"CucuWanita@"_s % QString::number(h.branch)
                                                 : u"CucuPria@"_s % QString::number(h.branch);
        QString part = name % u' ' % h.share.toString() % (h.exceedsLivingChild ? u"!"_s : u""_s);
        for (const HeirKind k : h.blockedBy)
            part += u'<' % heirInfo(k).identifier;
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
    for (const QString& name : specialCaseNames(r))
        s += u' ' % name;
    return s % u" tashih "_s % QString::number(r.finalBase);
}

// The invariants of one division; empty when they hold.
QString checkInvariants(const FaraidInput& input, const FaraidResult& r) {
    Fraction total = r.unassigned;
    Fraction fixed;
    HeirSet ticked;
    for (int k = 0; k < FaraidKindCount; ++k)
        ticked |= input.counts[k] > 0 ? HeirSet{heirKind(k)} : HeirSet{};
    for (const PredeceasedChild& child : input.predeceased)
        ticked |= HeirSet{child.replaces};
    bool residuaryInherits = false;
    for (const FaraidGroup& g : r.groups)
        fixed += g.fard;
    for (const FaraidHeir& h : r.heirs) {
        total += h.share;
        if (h.share < Fraction(0) || !(h.perPerson * h.count == h.share))
            return u"negative or inconsistent share"_s;
        if (h.status == FaraidStatus::Blocked &&
            (!h.share.isZero() || h.blockedBy.empty() || !(h.blockedBy - ticked).empty()))
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
    for (int k = 0; k < FaraidKindCount; ++k) {
        if (const int n = input.counts[k])
            heirs.append(heirInfo(heirKind(k)).identifier % u'=' % QString::number(n));
    }
    for (const PredeceasedChild& child : input.predeceased)
        heirs.append(heirInfo(child.replaces).identifier % u"-predeceased"_s);
    return heirs.join(u' ') % u": "_s;
}

} // namespace

class FaraidTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void divisionCase_data();
    void divisionCase();
    void amountsAddUpToTheSen_data();
    void amountsAddUpToTheSen();
    void manyBranchesAddUpToTheSen();
    void badInputIsRefused_data();
    void badInputIsRefused();
    void everySelectionKeepsTheInvariants_data();
    void everySelectionKeepsTheInvariants();
    void largeFamiliesKeepTheInvariants_data();
    void largeFamiliesKeepTheInvariants();
};

void FaraidTest::divisionCase_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("shares");
    QTest::addColumn<QString>("summary");

    for (const QString& file : {u"faraid-cases.txt"_s, u"khi-cases.txt"_s}) {
        for (const QStringList& row : zw::test::dataTable(file, 5))
            QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3] << row[4];
    }
}

void FaraidTest::divisionCase() {
    QFETCH(QString, heirs);
    QFETCH(QString, options);
    QFETCH(QString, shares);
    QFETCH(QString, summary);
    const FaraidOutcome outcome = divideEstate(inputOf(heirs, options));
    QVERIFY(std::holds_alternative<FaraidResult>(outcome));
    const auto& result = std::get<FaraidResult>(outcome);
    QCOMPARE(sharesOf(result), shares);
    QCOMPARE(summaryOf(result), summary);
    QVERIFY(!faraidSteps(result, plainMoney()).isEmpty());
}

void FaraidTest::amountsAddUpToTheSen_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("amounts"); // per person of every heir, then the money

    for (const QStringList& row : zw::test::dataTable(u"faraid-amounts.txt"_s, 5))
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3] % u" | "_s % row[4];
}

void FaraidTest::amountsAddUpToTheSen() {
    QFETCH(QString, heirs);
    QFETCH(QString, options);
    QFETCH(QString, amounts);
    const FaraidOutcome outcome = divideEstate(inputOf(heirs, options));
    QVERIFY(std::holds_alternative<FaraidResult>(outcome));
    const auto& r = std::get<FaraidResult>(outcome);
    QStringList persons;
    zw::Rupiah total = r.unassignedAmount;
    for (const FaraidHeir& h : r.heirs) {
        for (int p = 0; p < h.count; ++p) {
            persons.append(h.amountOfPerson(p).toPlainDecimal());
            total += h.amountOfPerson(p);
        }
    }
    const FaraidMoney& m = *r.money;
    QCOMPARE(persons.join(u' ') % u" | net "_s % m.net.toPlainDecimal() % u" spouse "_s %
                 m.spouseJointShare.toPlainDecimal() % u" obligatory "_s %
                 m.obligatory.toPlainDecimal() % u" bequest "_s % m.bequest.toPlainDecimal(),
             amounts);
    QCOMPARE(total, m.net);
}

// More branches than there are kinds, each with an odd remainder: the rounding must not run out
// of room for them.
void FaraidTest::manyBranchesAddUpToTheSen() {
    FaraidInput input;
    input.law = Law::Khi;
    input.counts[HeirKind::Istri] = 1;
    for (int b = 0; b < 40; ++b)
        input.predeceased.push_back({b % 2 == 0 ? HeirKind::AnakPria : HeirKind::AnakWanita, 1, 2});
    input.estate = zw::Rupiah::fromSen(1'000'000'07);
    const FaraidOutcome outcome = divideEstate(input);
    QVERIFY(std::holds_alternative<FaraidResult>(outcome));
    const auto& r = std::get<FaraidResult>(outcome);
    QCOMPARE(r.heirs.size(), std::size_t{81});
    zw::Rupiah total = r.unassignedAmount;
    for (const FaraidHeir& h : r.heirs)
        total += h.amount;
    QCOMPARE(total, r.money->net);
}

void FaraidTest::badInputIsRefused_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("message");
    QTest::newRow("five wives") << u"Istri=5"_s << QString()
                                << u"Istri paling banyak empat orang."_s;
    QTest::newRow("husband and wife")
        << u"Suami Istri"_s << QString()
        << u"Suami dan istri tidak dapat bersama-sama menjadi ahli waris."_s;
    QTest::newRow("two fathers") << u"Bapak=2"_s << QString() << u"Bapak hanya boleh satu orang."_s;
    QTest::newRow("hundred sons") << u"AnakPria=100"_s << QString()
                                  << u"Jumlah Anak Pria harus antara 1 dan 99."_s;
    QTest::newRow("negative estate")
        << u"AnakPria"_s << u"estate=-5"_s << u"Harta peninggalan tidak boleh negatif."_s;
    QTest::newRow("debts above the estate")
        << u"AnakPria"_s << u"estate=100 debts=101"_s
        << u"Biaya pengurusan jenazah dan utang melebihi harta peninggalan."_s;
    QTest::newRow("a grandmother of no side beside the two sides")
        << u"Nenek NenekDariIbu"_s << QString()
        << u"Nenek tidak dapat disebut bersama Nenek dari Ibu atau Nenek dari Bapak; sebutkan "
           u"kedua nenek itu secara terpisah."_s;
    QTest::newRow("two maternal grandmothers")
        << u"NenekDariIbu=2"_s << QString() << u"Nenek dari Ibu hanya boleh satu orang."_s;
    QTest::newRow("obligatory bequest in the classical law")
        << u"AnakPria"_s << u"estate=100 obligatory=1"_s
        << u"Wasiat wajibah hanya dikenal dalam KHI."_s;
}

void FaraidTest::badInputIsRefused() {
    QFETCH(QString, heirs);
    QFETCH(QString, options);
    QFETCH(QString, message);
    const FaraidOutcome outcome = divideEstate(inputOf(heirs, options));
    QVERIFY(std::holds_alternative<FaraidError>(outcome));
    QCOMPARE(std::get<FaraidError>(outcome).message, message);
}

void FaraidTest::everySelectionKeepsTheInvariants_data() {
    QTest::addColumn<HeirKind>("otherSpouse");
    QTest::addColumn<Law>("law");
    QTest::newRow("male deceased") << HeirKind::Suami << Law::Classical;
    QTest::newRow("female deceased") << HeirKind::Istri << Law::Classical;
    QTest::newRow("male deceased under KHI") << HeirKind::Suami << Law::Khi;
    QTest::newRow("female deceased under KHI") << HeirKind::Istri << Law::Khi;
}

// Every selection under the default options, with counts 1 and 2; the sanitized and Debug runs
// take a fixed sample (the full sweep is in the benchmark). Under KHI a son's son stands for a
// predeceased son with a son and daughters, a son's daughter for a predeceased daughter.
void FaraidTest::everySelectionKeepsTheInvariants() {
    QFETCH(HeirKind, otherSpouse);
    QFETCH(Law, law);
    // KHI takes a sparser sample: it shares all of the classical code but a few rules.
    const std::uint32_t lawStep = law == Law::Khi ? 3 : 1;
#ifdef NDEBUG
    const std::uint32_t step = (qEnvironmentVariableIsSet("ZW_SANITIZED") ? 17 : 1) * lawStep;
#else
    const std::uint32_t step = (qEnvironmentVariableIsSet("ZW_SANITIZED") ? 61 : 11) * lawStep;
#endif
    const std::uint32_t below = kindBit(otherSpouse) - 1;
    for (const int persons : {1, 2}) {
        FaraidInput input;
        input.law = law;
        input.detail = FaraidDetail::SharesOnly;
        for (std::uint32_t choice = 1; choice < std::uint32_t{1} << (HeirKindCount - 1);
             choice += step) {
            const std::uint32_t ticked = (choice & below) | ((choice & ~below) << 1);
            for (int k = 0; k < HeirKindCount; ++k) {
                const bool on = (ticked >> k) & 1U;
                input.counts[k] = on ? (heirInfo(heirKind(k)).several ? persons : 1) : 0;
            }
            // Every other selection has the two grandmothers apart.
            const bool twoGrandmothers = input.counts[HeirKind::Nenek] > 0 && (choice & 1U) != 0;
            input.counts[HeirKind::Nenek] = twoGrandmothers ? 0 : input.counts[HeirKind::Nenek];
            input.counts[HeirKind::NenekDariIbu] = twoGrandmothers ? 1 : 0;
            input.counts[HeirKind::NenekDariBapak] = twoGrandmothers ? 1 : 0;
            input.predeceased.clear();
            if (law == Law::Khi) {
                for (const HeirKind k : {HeirKind::CucuPria, HeirKind::CucuWanita}) {
                    if (input.counts[k] > 0)
                        input.predeceased.push_back(
                            {k == HeirKind::CucuPria ? HeirKind::AnakPria : HeirKind::AnakWanita, 1,
                             persons});
                    input.counts[k] = 0;
                }
            }
            FaraidOutcome outcome = divideEstate(input);
            auto* result = std::get_if<FaraidResult>(&outcome);
            if (!result)
                QFAIL(qPrintable(describe(input) % std::get<FaraidError>(outcome).message));
            if (const QString problem = checkInvariants(input, *result); !problem.isEmpty())
                QFAIL(qPrintable(describe(input) % problem));
            const auto net = zw::Rupiah::fromSen(123'456'789'01 + choice);
            zw::Rupiah total = distributeAmounts(result->heirs, result->unassigned, net);
            for (const FaraidHeir& h : result->heirs)
                total += h.amount;
            if (total != net)
                QFAIL(qPrintable(describe(input) % u"amounts do not add up"_s));
        }
    }
}

void FaraidTest::largeFamiliesKeepTheInvariants_data() {
    QTest::addColumn<Law>("law");
    QTest::addColumn<int>("branches"); // predeceased children of each side, at most
    QTest::addColumn<bool>("alike");   // every branch with the same children
    QTest::newRow("classical, 99 alike branches a side") << Law::Classical << 99 << true;
    QTest::newRow("KHI, 99 alike branches a side") << Law::Khi << 99 << true;
    QTest::newRow("classical, up to 99 branches of any size") << Law::Classical << 99 << false;
    QTest::newRow("KHI, up to 99 branches of any size") << Law::Khi << 99 << false;
    QTest::newRow("KHI, up to 12 branches of any size") << Law::Khi << 12 << false;
}

// Families at the input limits, under the law and compared with the other: the division completes
// and hands out the estate to the sen, with whole parts or (a base beyond 64 bits) in fractions.
void FaraidTest::largeFamiliesKeepTheInvariants() {
    QFETCH(Law, law);
    QFETCH(int, branches);
    QFETCH(bool, alike);
    std::mt19937 random(static_cast<unsigned>(branches * 2 + (alike ? 1 : 0)));
    const auto upTo = [&random](int most) {
        return std::uniform_int_distribution<int>(0, most)(random);
    };
    const int families = qEnvironmentVariableIsSet("ZW_SANITIZED") ? 8 : 40;
    for (int family = 0; family < families; ++family) {
        FaraidInput input;
        input.law = law;
        input.counts[HeirKind::Istri] = 1 + upTo(3);
        input.counts[HeirKind::Ibu] = upTo(1);
        input.counts[HeirKind::AnakPria] = alike ? MaxPersons : upTo(MaxPersons);
        input.counts[HeirKind::AnakWanita] = alike ? MaxPersons : upTo(MaxPersons);
        input.counts[HeirKind::SaudaraPriaSekandung] = upTo(MaxPersons);
        input.estate = zw::Rupiah::fromSen(100'000'000'01 + family);
        for (const HeirKind side : {HeirKind::AnakPria, HeirKind::AnakWanita}) {
            const int count = alike ? branches : upTo(branches);
            for (int b = 0; b < count; ++b) {
                const int sons = alike ? MaxPersons : upTo(MaxPersons);
                input.predeceased.push_back(
                    {side, sons,
                     alike ? MaxPersons : std::max(sons == 0 ? 1 : 0, upTo(MaxPersons))});
            }
        }
        for (const Law each : {law, law == Law::Khi ? Law::Classical : Law::Khi}) {
            const FaraidOutcome outcome = divideEstate(underLaw(input, each));
            const auto* r = std::get_if<FaraidResult>(&outcome);
            if (r == nullptr)
                QFAIL(qPrintable(describe(input) % std::get<FaraidError>(outcome).message));
            if (const QString problem = checkInvariants(input, *r); !problem.isEmpty())
                QFAIL(qPrintable(describe(input) % problem));
            zw::Rupiah total = r->unassignedAmount;
            for (const FaraidHeir& h : r->heirs)
                total += h.amount;
            QCOMPARE(total, r->money->net);
            QVERIFY(!faraidSteps(*r, plainMoney()).isEmpty());
        }
    }
}

QTEST_GUILESS_MAIN(FaraidTest)
#include "FaraidTest.moc"
