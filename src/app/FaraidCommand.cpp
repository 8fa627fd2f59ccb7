#include "app/FaraidCommand.h"

#include "app/CommandLocale.h"
#include "app/FaraidArguments.h"
#include "common/LineWriter.h"
#include "common/NumberFormat.h"
#include "common/TextFileSink.h"
#include "common/report/ReportText.h"
#include "waris/engine/faraid/FaraidEngine.h"
#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/render/DivisionReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <variant>

using namespace Qt::StringLiterals;

namespace zw {

namespace {

using namespace zw::waris;

QString statusWord(FaraidStatus status) {
    switch (status) {
    case FaraidStatus::Fard:
        return u"fard"_s;
    case FaraidStatus::Ashabah:
        return u"ashabah"_s;
    case FaraidStatus::Blocked:
        return u"blocked"_s;
    }
    return {};
}

QJsonValue amountOrNull(const FaraidResult& r, Rupiah amount) {
    return r.money ? QJsonValue(amount.toPlainDecimal()) : QJsonValue(QJsonValue::Null);
}

QJsonValue money(const FaraidResult& r, Rupiah FaraidMoney::*amount) {
    return r.money ? QJsonValue(((*r.money).*amount).toPlainDecimal())
                   : QJsonValue(QJsonValue::Null);
}

QJsonArray identifiers(HeirSet kinds) {
    QJsonArray names;
    for (const HeirKind k : kinds)
        names.append(heirInfo(k).identifier);
    return names;
}

QJsonObject heirJson(const FaraidResult& r, const FaraidHeir& h) {
    QJsonObject heir;
    heir[u"kind"_s] = heirInfo(h.kind).identifier;
    heir[u"index"_s] = index(h.kind);
    heir[u"count"_s] = h.count;
    heir[u"status"_s] = statusWord(h.status);
    heir[u"share"_s] = h.share.toString();
    heir[u"perPerson"_s] = h.perPerson.toString();
    heir[u"amount"_s] = amountOrNull(r, h.amount);
    QJsonArray persons;
    for (int p = 0; r.money && p < h.count; ++p)
        persons.append(h.amountOfPerson(p).toPlainDecimal());
    heir[u"personAmounts"_s] = persons;
    heir[u"basis"_s] = h.basis;
    heir[u"blockedBy"_s] = identifiers(h.blockedBy);
    heir[u"differsFromTable"_s] = !h.tableDifference.isEmpty();
    return heir;
}

// A predeceased child's sons and daughters as one entry, sons first.
QJsonObject branchJson(const FaraidResult& r, const FaraidHeir& first, const FaraidHeir* second) {
    const PredeceasedChild& child = r.predeceased[static_cast<std::size_t>(first.branch - 1)];
    QJsonObject branch;
    branch[u"kind"_s] = u"Pengganti"_s;
    branch[u"replaces"_s] = heirInfo(child.replaces).identifier;
    branch[u"branch"_s] = first.branch;
    branch[u"sons"_s] = child.sons;
    branch[u"daughters"_s] = child.daughters;
    branch[u"count"_s] = child.sons + child.daughters;
    branch[u"status"_s] = statusWord(first.status);
    Fraction share;
    Rupiah amount;
    QJsonArray shares;
    QJsonArray amounts;
    for (const FaraidHeir* part : {&first, second}) {
        if (part == nullptr)
            continue;
        share += part->share;
        amount += part->amount;
        for (int p = 0; p < part->count; ++p) {
            shares.append(part->perPerson.toString());
            if (r.money)
                amounts.append(part->amountOfPerson(p).toPlainDecimal());
        }
    }
    branch[u"share"_s] = share.toString();
    branch[u"personShares"_s] = shares;
    branch[u"amount"_s] = amountOrNull(r, amount);
    branch[u"personAmounts"_s] = amounts;
    branch[u"basis"_s] = first.basis;
    branch[u"blockedBy"_s] = identifiers(first.blockedBy);
    return branch;
}

QJsonObject toJson(const FaraidResult& r) {
    QJsonObject root;
    root[u"law"_s] = r.law == Law::Khi ? u"khi"_s : u"classical"_s;
    root[u"jointProperty"_s] = money(r, &FaraidMoney::jointProperty);
    root[u"spouseJointShare"_s] = money(r, &FaraidMoney::spouseJointShare);
    root[u"zakat"_s] = money(r, &FaraidMoney::zakat);
    root[u"obligatoryBequest"_s] = money(r, &FaraidMoney::obligatory);
    root[u"netEstate"_s] = money(r, &FaraidMoney::net);
    root[u"bequest"_s] = money(r, &FaraidMoney::bequest);
    root[u"base"_s] = static_cast<qint64>(r.base);
    root[u"awl"_s] = r.awl;
    root[u"awlBase"_s] =
        r.awl ? QJsonValue(static_cast<qint64>(r.awlBase)) : QJsonValue(QJsonValue::Null);
    root[u"radd"_s] = r.radd;
    root[u"special"_s] = QJsonArray::fromStringList(specialCaseNames(r));
    root[u"unassigned"_s] = r.unassigned.toString();
    root[u"unassignedAmount"_s] = amountOrNull(r, r.unassignedAmount);
    root[u"steps"_s] = QJsonArray::fromStringList(faraidSteps(r, plainMoney()));
    QJsonArray heirs;
    for (std::size_t i = 0; i < r.heirs.size(); ++i) {
        const FaraidHeir& h = r.heirs[i];
        if (!h.inBranch()) {
            heirs.append(heirJson(r, h));
            continue;
        }
        const bool pair = i + 1 < r.heirs.size() && r.heirs[i + 1].branch == h.branch;
        heirs.append(branchJson(r, h, pair ? &r.heirs[++i] : nullptr));
    }
    root[u"heirs"_s] = heirs;
    return root;
}

// The report as the window and the saved file have it, without a time and a name.
void writeText(const FaraidInput& input, const FaraidResult& result, const FaraidResult* other,
               QTextStream& out) {
    const QLocale locale = commandLocale();
    const DivisionCase divisionCase{
        QString(), input.estate ? formatRupiah(*input.estate, locale) : QString(), input};
    TextFileSink sink;
    LineWriter writer(sink);
    report::writeReport(DivisionReport(divisionCase, result, locale, other).report(), writer);
    for (const QString& line : sink.lines())
        out << line << u'\n';
}

} // namespace

int runFaraidCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const auto refuse = [&err](const QString& problem) {
        err << u"zakat-waris faraid: "_s << problem << u'\n';
        err.flush();
        return 2;
    };
    const auto read = readFaraidArguments(arguments);
    if (const auto* problem = std::get_if<QString>(&read))
        return refuse(*problem);
    const FaraidRequest& request = std::get<FaraidRequest>(read);
    if (request.help) {
        out << faraidHelp();
        out.flush();
        return 0;
    }
    const FaraidOutcome outcome = divideEstate(request.input);
    if (const auto* error = std::get_if<FaraidError>(&outcome))
        return refuse(error->message);
    const auto& result = std::get<FaraidResult>(outcome);
    std::optional<FaraidOutcome> other;
    if (request.compare) {
        const Law law = request.input.law == Law::Khi ? Law::Classical : Law::Khi;
        other = divideEstate(underLaw(request.input, law));
        if (const auto* error = std::get_if<FaraidError>(&*other))
            return refuse(error->message);
    }
    const FaraidResult* otherResult = other ? &std::get<FaraidResult>(*other) : nullptr;
    if (request.json) {
        QJsonObject root = toJson(result);
        if (otherResult) {
            const bool khi = result.law == Law::Khi;
            root = QJsonObject{{u"classical"_s, khi ? toJson(*otherResult) : root},
                               {u"khi"_s, khi ? root : toJson(*otherResult)}};
        }
        out << QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
    } else {
        writeText(request.input, result, otherResult, out);
    }
    out.flush();
    return 0;
}

int runFaraidCommand(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runFaraidCommand(arguments, out, err);
}

} // namespace zw
