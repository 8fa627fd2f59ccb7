// A clerk's case of 200 persons: opened from its file, read into the request, divided and
// rendered as the command renders it; and saved. Run by hand (make bench).
#include "common/LineWriter.h"
#include "common/TextFileSink.h"
#include "common/report/ReportText.h"
#include "waris/engine/kasus/KasusFile.h"
#include "waris/engine/kasus/KasusRequest.h"
#include "waris/engine/render/DivisionJson.h"
#include "waris/engine/render/DivisionReport.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::waris;

namespace {

// Four wives, both parents, 60 sons, 60 daughters, ten predeceased sons with five children each
// and 14 brothers kept out: 200 persons under KHI, each with particulars.
Kasus largeKasus() {
    Kasus kasus;
    kasus.law = Law::Khi;
    kasus.estate = Rupiah::fromSen(12'345'678'901'23);
    kasus.debts = Rupiah::fromSen(1'000'000'00);
    const auto add = [&kasus](HeirKind relation, PersonState state, int of) {
        Person p;
        p.id = static_cast<int>(kasus.persons.size()) + 1;
        p.particulars = {heirInfo(relation).name % u' ' % QString::number(p.id),
                         u"317401"_s % QString::number(p.id).rightJustified(10, u'0'), u"Bandung"_s,
                         QDate(1980, 1, 1).addDays(p.id), u"Jl. Merdeka"_s};
        p.relation = relation;
        p.state = state;
        p.of = of;
        kasus.persons.push_back(p);
        return p.id;
    };
    for (const auto& [kind, count] : {std::pair{HeirKind::Istri, 4},
                                      {HeirKind::Bapak, 1},
                                      {HeirKind::Ibu, 1},
                                      {HeirKind::AnakPria, 60},
                                      {HeirKind::AnakWanita, 60},
                                      {HeirKind::SaudaraPriaSekandung, 14}}) {
        for (int n = 0; n < count; ++n)
            add(kind, PersonState::Living, 0);
    }
    for (int b = 0; b < 10; ++b) {
        const int dead = add(HeirKind::AnakPria, PersonState::Predeceased, 0);
        for (int c = 0; c < 5; ++c)
            add(c % 2 == 0 ? HeirKind::AnakPria : HeirKind::AnakWanita, PersonState::Living, dead);
    }
    return kasus;
}

QStringList textOf(const DividedEstate& divided) {
    const QLocale locale(QLocale::Indonesian, QLocale::Indonesia);
    const DivisionCase divisionCase{QString(), QString(), divided.input};
    TextFileSink sink;
    LineWriter writer(sink);
    const DivisionReport report(divisionCase, divided, locale);
    report::writeReport(fullReport(report, divided, locale), writer);
    return sink.lines();
}

} // namespace

class KasusBenchmark : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void openDivideAndRender() {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"besar.waris"_s);
        QCOMPARE(largeKasus().persons.size(), std::size_t{200});
        QCOMPARE(saveKasus(path, largeKasus()), std::nullopt);
        QBENCHMARK {
            const auto opened = openKasus(path);
            const auto request = kasusRequest(std::get<Kasus>(opened));
            const DivisionOutcome outcome = divide(std::get<DivisionRequest>(request));
            const auto& divided = std::get<DividedEstate>(outcome);
            if (QJsonDocument(divisionJson(divided)).toJson().isEmpty() ||
                textOf(divided).isEmpty())
                QFAIL("nothing rendered");
        }
    }

    void save() {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"besar.waris"_s);
        const Kasus kasus = largeKasus();
        QBENCHMARK {
            if (saveKasus(path, kasus))
                QFAIL("not saved");
        }
    }
};

QTEST_GUILESS_MAIN(KasusBenchmark)
#include "KasusBenchmark.moc"
