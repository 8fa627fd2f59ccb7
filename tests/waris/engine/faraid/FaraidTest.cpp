// The full division: classical cases (tests/data/faraid-cases.txt), amounts, refusals, and an
// invariant sweep over every selection.

#include "DataTable.h"
#include "waris/engine/faraid/FaraidAmounts.h"
#include "waris/engine/faraid/FaraidEngine.h"
#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/FaraidText.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw::waris;

namespace {

// "Istri AnakWanita=2 Bapak" plus options "hanafi", "none", "paternal", "rest".
FaraidInput inputOf(const QString& heirs, const QString& options) {
    FaraidInput input;
    for (const QString& word : heirs.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = word.split(u'=');
        input.counts[*heirKindNamed(parts[0])] = parts.value(1, u"1"_s).toInt();
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
    for (int k = 0; k < HeirKindCount; ++k)
        ticked |= input.counts[k] > 0 ? HeirSet{heirKind(k)} : HeirSet{};
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
    for (int k = 0; k < HeirKindCount; ++k) {
        if (const int n = input.counts[k])
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

    for (const QStringList& row : zw::test::dataTable(u"faraid-cases.txt"_s, 5))
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3] << row[4];
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
    QVERIFY(!faraidSteps(result, plainMoney()).isEmpty());
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
    input.estate = std::get<zw::Rupiah>(zw::readPlainAmount(estate));
    input.bequest = std::get<zw::Rupiah>(zw::readPlainAmount(bequest));
    const FaraidOutcome outcome = divideEstate(input);
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
    QCOMPARE(persons.join(u' ') % u" | "_s % r.money->net.toPlainDecimal(), amounts);
    QCOMPARE(total, r.money->net);
    QCOMPARE(r.money->bequestCut(), bequest == u"250"_s);
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
        input.estate = zw::Rupiah::fromSen(estate);
    if (debts != 0)
        input.debts = zw::Rupiah::fromSen(debts);
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
    const std::uint32_t below = kindBit(otherSpouse) - 1;
    for (const int persons : {1, 2}) {
        FaraidInput input;
        input.detail = FaraidDetail::SharesOnly;
        for (std::uint32_t choice = 1; choice < std::uint32_t{1} << (HeirKindCount - 1);
             choice += step) {
            const std::uint32_t ticked = (choice & below) | ((choice & ~below) << 1);
            for (int k = 0; k < HeirKindCount; ++k) {
                const bool on = (ticked >> k) & 1U;
                input.counts[k] = on ? (heirInfo(heirKind(k)).several ? persons : 1) : 0;
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

QTEST_GUILESS_MAIN(FaraidTest)
#include "FaraidTest.moc"
