#include "cli/FaraidCommand.h"

#include "cli/CommandLocale.h"
#include "cli/FaraidArguments.h"
#include "common/LineWriter.h"
#include "common/NumberFormat.h"
#include "common/TextFileSink.h"
#include "common/report/ReportText.h"
#include "waris/engine/faraid/DistantKin.h"
#include "waris/engine/faraid/FaraidEngine.h"
#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/faraid/OutcomeName.h"
#include "waris/engine/faraid/SpecialCases.h"
#include "waris/engine/render/DivisionReport.h"
#include "waris/engine/render/SpecialCasesReport.h"
#include "waris/engine/render/SpecialCasesText.h"

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
    if (r.distant && !onlyDaughtersChildren(r)) {
        static const QString rules[] = {u"tanzil"_s, u"hanbali"_s, u"qarabah"_s};
        QJsonObject places;
        for (int k = 0; k < FaraidKindCount; ++k) {
            if (r.distant->places[k] > 0)
                places[heirInfo(heirKind(k)).identifier] = r.distant->placeShares[k].toString();
        }
        root[u"distantKin"_s] = QJsonObject{
            {u"rule"_s, rules[static_cast<std::size_t>(r.distant->rule)]}, {u"places"_s, places}};
    }
    return root;
}

QJsonArray fractions(const std::vector<Fraction>& shares) {
    QJsonArray list;
    for (const Fraction f : shares)
        list.append(f.toString());
    return list;
}

QJsonArray amounts(const FaraidResult& r, const std::vector<Rupiah>& values) {
    QJsonArray list;
    for (const Rupiah a : values)
        list.append(amountOrNull(r, a));
    return list;
}

// The special cases' keys beside those of the first division.
void addSpecialJson(QJsonObject& root, const SpecialResult& s) {
    const FaraidResult& r = s.first;
    QJsonArray persons;
    for (const SpecialPerson& p : s.persons) {
        QJsonObject person;
        person[u"name"_s] = p.name;
        person[u"kind"_s] = heirInfo(p.kind).identifier;
        person[u"died"_s] = p.died;
        person[u"share"_s] = p.share.toString();
        person[u"amount"_s] = p.died ? QJsonValue(QJsonValue::Null) : amountOrNull(r, p.amount);
        person[u"fromEstates"_s] = fractions(p.fromEstates);
        person[u"amountsFromEstates"_s] =
            r.money && !p.died ? amounts(r, p.amountsFrom) : QJsonArray();
        if (!s.deaths.empty())
            person[u"parts"_s] = static_cast<qint64>(p.parts);
        persons.append(person);
    }
    root[u"persons"_s] = persons;
    QJsonArray outcomes;
    QJsonArray heldPerOutcome;
    for (const SpecialOutcome& o : s.outcomes) {
        QJsonObject outcome{{u"name"_s, outcomeName(o.fates)},
                            {u"shares"_s, fractions(o.shares)},
                            {u"amounts"_s, r.money ? amounts(r, o.amounts) : QJsonArray()},
                            {u"treasury"_s, o.treasury.toString()}};
        outcomes.append(outcome);
        std::vector<Fraction> heldShares;
        for (std::size_t i = 0; i < s.persons.size(); ++i)
            heldShares.push_back(s.held.isZero() ? Fraction() : o.shares[i] - s.persons[i].share);
        heldPerOutcome.append(
            QJsonObject{{u"name"_s, outcomeName(o.fates)}, {u"shares"_s, fractions(heldShares)}});
    }
    root[u"outcomes"_s] = outcomes;
    root[u"held"_s] = QJsonObject{{u"share"_s, s.held.toString()},
                                  {u"amount"_s, amountOrNull(r, s.heldAmount)},
                                  {u"outcomes"_s, heldPerOutcome}};
    root[u"treasury"_s] = s.treasury.toString();
    root[u"treasuryAmount"_s] = amountOrNull(r, s.treasuryAmount);
    QJsonArray deaths;
    for (const SpecialDeath& d : s.deaths) {
        QJsonObject death = toJson(d.division);
        death[u"person"_s] = s.persons[d.person].name;
        death[u"estateShare"_s] = d.share.toString();
        death[u"shareParts"_s] = static_cast<qint64>(d.shareParts);
        death[u"jamiah"_s] = static_cast<qint64>(d.jamiah);
        deaths.append(death);
    }
    root[u"deaths"_s] = deaths;
    root[u"jamiah"_s] = static_cast<qint64>(s.jamiah);
    root[u"notes"_s] = QJsonArray::fromStringList(specialNotes(s));
    root[u"specialSteps"_s] = QJsonArray::fromStringList(specialSteps(s));
}

// The report as the window and the saved file have it, without a time and a name.
void writeText(const FaraidInput& input, const FaraidResult& result, const FaraidResult* other,
               const SpecialResult* special, QTextStream& out) {
    const QLocale locale = commandLocale();
    const DivisionCase divisionCase{
        QString(), input.estate ? formatRupiah(*input.estate, locale) : QString(), input};
    TextFileSink sink;
    LineWriter writer(sink);
    report::Report report = DivisionReport(divisionCase, result, locale, other).report();
    if (special)
        addSpecialSections(report, *special, locale);
    report::writeReport(report, writer);
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
    if (request.special.any()) {
        SpecialInput special = request.special;
        special.input = request.input;
        const SpecialOutcomeOrError divided = divideSpecial(special);
        if (const auto* error = std::get_if<FaraidError>(&divided))
            return refuse(error->message);
        const auto& result = std::get<SpecialResult>(divided);
        if (request.json) {
            QJsonObject root = toJson(result.first);
            addSpecialJson(root, result);
            out << QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
        } else {
            writeText(request.input, result.first, nullptr, &result, out);
        }
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
        writeText(request.input, result, otherResult, nullptr, out);
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
