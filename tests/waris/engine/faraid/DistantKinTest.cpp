// Distant kin (dzawil arham): the worked cases of tests/data/distant-kin-cases.txt, the refusals,
// and a sweep of the invariants of every mix of distant kin, with and without a spouse.

#include "waris/engine/faraid/DistantKin.h"

#include "DataTable.h"
#include "waris/engine/faraid/FaraidEngine.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw::waris;

namespace {

// Heirs "Suami SaudaraWanitaIbu=2 SaudaraWanitaSekandung:1,1" and the rule, as the data file
// writes them.
FaraidInput inputOf(const QString& heirs, const QString& rule) {
    FaraidInput input;
    for (const QString& word : heirs.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype colon = word.indexOf(u':');
        if (colon < 0) {
            const QStringList parts = word.split(u'=');
            input.counts[*heirKindNamed(parts[0])] = parts.value(1, u"1"_s).toInt();
            continue;
        }
        const QStringList counts = word.mid(colon + 1).split(u',');
        input.predeceased.push_back(
            {*heirKindNamed(word.left(colon)), counts[0].toInt(), counts[1].toInt()});
    }
    input.law = rule == u"khi" ? Law::Khi : Law::Classical;
    input.options.distantKin = rule == u"qarabah"   ? DistantKinRule::Qarabah
                               : rule == u"hanbali" ? DistantKinRule::Hanbali
                                                    : DistantKinRule::Tanzil;
    return input;
}

QString sharesOf(const FaraidResult& result) {
    QStringList parts;
    for (const FaraidHeir& h : result.heirs) {
        QString part = heirInfo(h.kind).identifier;
        if (h.inBranch())
            part += u'@' % QString::number(h.branch) % (h.branchDaughters ? u'w' : u'p');
        part += u' ' % h.share.toString() % (h.exceedsLivingChild ? u"!"_s : u""_s);
        for (const HeirKind k : h.blockedBy)
            part += u'<' % heirInfo(k).identifier;
        parts.append(part);
    }
    return parts.join(u", "_s);
}

QString nameOf(const FaraidHeir& h) {
    return heirInfo(h.kind).identifier %
           (h.inBranch() ? u"@"_s % QString::number(h.branch) : u""_s);
}

// What holds whenever distant kin inherit; empty when it does.
QString checkInvariants(const FaraidInput& input, const FaraidResult& r) {
    Fraction total = r.unassigned;
    Fraction spouse;
    int entries = 0;
    for (const FaraidHeir& h : r.heirs) {
        total += h.share;
        if (h.share < Fraction(0) || !(h.perPerson * h.count == h.share))
            return u"negative or inconsistent share"_s;
        if (h.status == FaraidStatus::Blocked && (!h.share.isZero() || h.blockedBy.empty()))
            return nameOf(h) % u" kept out by no one, or with a share"_s;
        if (h.kind == HeirKind::Suami || h.kind == HeirKind::Istri)
            spouse = h.share;
        entries += h.inBranch() || distantKinds().contains(h.kind) ? 1 : 0;
    }
    if (total != Fraction(1))
        return u"shares add up to "_s % total.toString();
    if (!r.distant)
        return u"no distant kin division"_s;
    if (entries != static_cast<int>(r.distant->portions.size()))
        return u"not every distant relative listed once"_s;
    const Fraction alone = input.counts[HeirKind::Suami] > 0   ? Fraction::of(1, 2)
                           : input.counts[HeirKind::Istri] > 0 ? Fraction::of(1, 4)
                                                               : Fraction();
    if (spouse != alone)
        return u"the spouse's share is lessened: "_s % spouse.toString();
    if (r.unassigned != Fraction())
        return u"something goes to the treasury"_s;
    return {};
}

} // namespace

class DistantKinTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedCase_data();
    void workedCase();
    void badInputIsRefused_data();
    void badInputIsRefused();
    void everyMixKeepsTheInvariants_data();
    void everyMixKeepsTheInvariants();
};

void DistantKinTest::workedCase_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("shares");
    QTest::addColumn<QString>("summary");
    for (const QStringList& row : zw::test::dataTable(u"distant-kin-cases.txt"_s, 5))
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3] << row[4];
}

void DistantKinTest::workedCase() {
    QFETCH(QString, heirs);
    QFETCH(QString, rule);
    QFETCH(QString, shares);
    QFETCH(QString, summary);
    const FaraidOutcome outcome = divideEstate(inputOf(heirs, rule));
    if (const auto* error = std::get_if<FaraidError>(&outcome))
        QFAIL(qPrintable(error->message));
    const auto& result = std::get<FaraidResult>(outcome);
    QCOMPARE(sharesOf(result), shares);
    QString got = QString::number(result.base);
    if (result.radd)
        got += u" radd "_s % QString::number(result.raddBase);
    QCOMPARE(got % u" tashih "_s % QString::number(result.finalBase), summary);
    for (const FaraidHeir& h : result.heirs)
        QVERIFY2(!h.basis.isEmpty(), qPrintable(nameOf(h)));
}

void DistantKinTest::badInputIsRefused_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("message");
    QTest::newRow("a predeceased father") << u"Bapak:1,0"_s << u"tanzil"_s
                                          << u"Yang meninggal lebih dahulu hanya anak, cucu wanita "
                                             u"dari anak pria, saudara atau paman."_s;
    QTest::newRow("a son's daughter substituted under KHI")
        << u"CucuWanita:1,0"_s << u"khi"_s
        << u"Dalam KHI cucu wanita yang meninggal lebih dahulu tidak dapat digantikan; sebutkan "
           u"anak pria yang meninggal lebih dahulu."_s;
    QTest::newRow("two mothers' fathers")
        << u"KakekDariIbu=2"_s << u"tanzil"_s << u"Kakek dari Ibu hanya boleh satu orang."_s;
}

void DistantKinTest::badInputIsRefused() {
    QFETCH(QString, heirs);
    QFETCH(QString, rule);
    QFETCH(QString, message);
    const FaraidOutcome outcome = divideEstate(inputOf(heirs, rule));
    const auto* error = std::get_if<FaraidError>(&outcome);
    QVERIFY(error != nullptr);
    QCOMPARE(error->message, message);
}

void DistantKinTest::everyMixKeepsTheInvariants_data() {
    QTest::addColumn<int>("rule");
    QTest::newRow("tanzil") << static_cast<int>(DistantKinRule::Tanzil);
    QTest::newRow("hanbali") << static_cast<int>(DistantKinRule::Hanbali);
    QTest::newRow("qarabah") << static_cast<int>(DistantKinRule::Qarabah);
}

// Every subset of one relative of each line, alone, with a husband and with two wives.
void DistantKinTest::everyMixKeepsTheInvariants() {
    QFETCH(int, rule);
    const QStringList relatives{u"AnakWanita:1,1"_s,
                                u"CucuWanita:0,1"_s,
                                u"SaudaraWanitaSekandung:1,0"_s,
                                u"SaudaraPriaSeBapak:0,2"_s,
                                u"SaudaraPriaSeIbu:1,1"_s,
                                u"PamanSekandung:0,1"_s,
                                u"KakekDariIbu"_s,
                                u"SaudaraPriaIbu"_s,
                                u"SaudaraWanitaIbu=2"_s,
                                u"SaudaraWanitaBapak"_s,
                                u"PamanSeIbu"_s};
    const qsizetype mixes = qsizetype{1} << relatives.size();
    for (const QString& spouse : {QString(), u"Suami"_s, u"Istri=2"_s}) {
        for (qsizetype mix = 1; mix < mixes; ++mix) {
            QStringList heirs{spouse};
            for (qsizetype r = 0; r < relatives.size(); ++r) {
                if ((mix >> r) & 1)
                    heirs.append(relatives[r]);
            }
            FaraidInput input = inputOf(heirs.join(u' '), QString());
            input.options.distantKin = static_cast<DistantKinRule>(rule);
            const FaraidOutcome outcome = divideEstate(input);
            const auto* result = std::get_if<FaraidResult>(&outcome);
            QVERIFY2(result != nullptr, qPrintable(heirs.join(u' ')));
            const QString broken = checkInvariants(input, *result);
            QVERIFY2(broken.isEmpty(), qPrintable(heirs.join(u' ') % u": "_s % broken));
        }
    }
}

QTEST_GUILESS_MAIN(DistantKinTest)
#include "DistantKinTest.moc"
