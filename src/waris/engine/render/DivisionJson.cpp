#include "waris/engine/render/DivisionJson.h"

#include "common/NumberFormat.h"
#include "waris/engine/faraid/DistantKin.h"
#include "waris/engine/faraid/FaraidChoices.h"
#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/faraid/OutcomeName.h"
#include "waris/engine/render/DivisionJsonKeys.h"
#include "waris/engine/render/SpecialCasesText.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

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
    heir[key::Kind] = heirInfo(h.kind).identifier;
    heir[key::Index] = index(h.kind);
    heir[key::Count] = h.count;
    heir[key::Status] = statusWord(h.status);
    heir[key::Share] = h.share.toString();
    heir[key::PerPerson] = h.perPerson.toString();
    heir[key::Amount] = amountOrNull(r, h.amount);
    QJsonArray persons;
    for (int p = 0; r.money && p < h.count; ++p)
        persons.append(h.amountOfPerson(p).toPlainDecimal());
    heir[key::PersonAmounts] = persons;
    heir[key::Basis] = h.basis;
    heir[key::BlockedBy] = identifiers(h.blockedBy);
    heir[key::DiffersFromTable] = !h.tableDifference.isEmpty();
    return heir;
}

// A predeceased child's sons and daughters as one entry, sons first.
QJsonObject branchJson(const FaraidResult& r, const FaraidHeir& first, const FaraidHeir* second) {
    const PredeceasedChild& child = r.predeceased[static_cast<std::size_t>(first.branch - 1)];
    QJsonObject branch;
    branch[key::Kind] = u"Pengganti"_s;
    branch[key::Replaces] = heirInfo(child.replaces).identifier;
    branch[key::Branch] = first.branch;
    branch[key::Sons] = child.sons;
    branch[key::Daughters] = child.daughters;
    branch[key::Count] = child.sons + child.daughters;
    branch[key::Status] = statusWord(first.status);
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
    branch[key::Share] = share.toString();
    branch[key::PersonShares] = shares;
    branch[key::Amount] = amountOrNull(r, amount);
    branch[key::PersonAmounts] = amounts;
    branch[key::Basis] = first.basis;
    branch[key::BlockedBy] = identifiers(first.blockedBy);
    return branch;
}

QJsonObject toJson(const FaraidResult& r) {
    QJsonObject root;
    root[key::Law] = choices::Laws.word(r.law);
    root[key::JointProperty] = money(r, &FaraidMoney::jointProperty);
    root[key::SpouseJointShare] = money(r, &FaraidMoney::spouseJointShare);
    root[key::Zakat] = money(r, &FaraidMoney::zakat);
    root[key::ObligatoryBequest] = money(r, &FaraidMoney::obligatory);
    root[key::NetEstate] = money(r, &FaraidMoney::net);
    root[key::Bequest] = money(r, &FaraidMoney::bequest);
    root[key::Base] = static_cast<qint64>(r.base);
    root[key::Awl] = r.awl;
    root[key::AwlBase] =
        r.awl ? QJsonValue(static_cast<qint64>(r.awlBase)) : QJsonValue(QJsonValue::Null);
    root[key::Radd] = r.radd;
    root[key::Special] = QJsonArray::fromStringList(specialCaseNames(r));
    root[key::Unassigned] = r.unassigned.toString();
    root[key::UnassignedAmount] = amountOrNull(r, r.unassignedAmount);
    root[key::Steps] = QJsonArray::fromStringList(faraidSteps(r, plainMoney()));
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
    root[key::Heirs] = heirs;
    if (r.distant && !onlyDaughtersChildren(r)) {
        QJsonObject places;
        for (int k = 0; k < FaraidKindCount; ++k) {
            if (r.distant->places[k] > 0)
                places[heirInfo(heirKind(k)).identifier] = r.distant->placeShares[k].toString();
        }
        root[key::DistantKin] = QJsonObject{{key::Rule, choices::DistantKin.word(r.distant->rule)},
                                            {key::Places, places}};
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
        person[key::Name] = p.name;
        person[key::Kind] = heirInfo(p.kind).identifier;
        person[key::Died] = p.died;
        person[key::Share] = p.share.toString();
        person[key::Amount] = p.died ? QJsonValue(QJsonValue::Null) : amountOrNull(r, p.amount);
        person[key::FromEstates] = fractions(p.fromEstates);
        person[key::AmountsFromEstates] =
            r.money && !p.died ? amounts(r, p.amountsFrom) : QJsonArray();
        if (!s.deaths.empty())
            person[key::Parts] = static_cast<qint64>(p.parts);
        persons.append(person);
    }
    root[key::Persons] = persons;
    QJsonArray outcomes;
    QJsonArray heldPerOutcome;
    for (const SpecialOutcome& o : s.outcomes) {
        QJsonObject outcome{{key::Name, outcomeName(o.fates)},
                            {key::Shares, fractions(o.shares)},
                            {key::Amounts, r.money ? amounts(r, o.amounts) : QJsonArray()},
                            {key::Treasury, o.treasury.toString()}};
        outcomes.append(outcome);
        std::vector<Fraction> heldShares;
        for (std::size_t i = 0; i < s.persons.size(); ++i)
            heldShares.push_back(s.held.isZero() ? Fraction() : o.shares[i] - s.persons[i].share);
        heldPerOutcome.append(
            QJsonObject{{key::Name, outcomeName(o.fates)}, {key::Shares, fractions(heldShares)}});
    }
    root[key::Outcomes] = outcomes;
    root[key::Held] = QJsonObject{{key::Share, s.held.toString()},
                                  {key::Amount, amountOrNull(r, s.heldAmount)},
                                  {key::Outcomes, heldPerOutcome}};
    root[key::Treasury] = s.treasury.toString();
    root[key::TreasuryAmount] = amountOrNull(r, s.treasuryAmount);
    QJsonArray deaths;
    for (const SpecialDeath& d : s.deaths) {
        QJsonObject death = toJson(d.division);
        death[key::Person] = s.persons[d.person].name;
        death[key::EstateShare] = d.share.toString();
        death[key::ShareParts] = static_cast<qint64>(d.shareParts);
        death[key::Jamiah] = static_cast<qint64>(d.jamiah);
        deaths.append(death);
    }
    root[key::Deaths] = deaths;
    root[key::Jamiah] = static_cast<qint64>(s.jamiah);
    root[key::Notes] = QJsonArray::fromStringList(specialNotes(s));
    root[key::SpecialSteps] = QJsonArray::fromStringList(specialSteps(s));
}

} // namespace

QJsonObject divisionJson(const DividedEstate& divided) {
    QJsonObject root = toJson(divided.result);
    if (divided.special)
        addSpecialJson(root, *divided.special);
    if (!divided.other)
        return root;
    const bool khi = divided.result.law == Law::Khi;
    QJsonObject other = toJson(*divided.other);
    if (divided.otherSpecial)
        addSpecialJson(other, *divided.otherSpecial);
    return QJsonObject{{choices::Laws.word(Law::Classical), khi ? other : root},
                       {choices::Laws.word(Law::Khi), khi ? root : other}};
}

} // namespace zw::waris
