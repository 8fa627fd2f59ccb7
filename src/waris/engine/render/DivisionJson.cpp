#include "waris/engine/render/DivisionJson.h"

#include "common/NumberFormat.h"
#include "waris/engine/faraid/DistantKin.h"
#include "waris/engine/faraid/FaraidChoices.h"
#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/faraid/OutcomeName.h"
#include "waris/engine/render/DivisionJsonKeys.h"
#include "waris/engine/render/DivisionPersons.h"
#include "waris/engine/render/SpecialCasesText.h"
#include "waris/engine/render/SpecialPersonNames.h"

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

QJsonValue dateOrNull(const QDate& date) {
    return date.isValid() ? QJsonValue(date.toString(Qt::ISODate)) : QJsonValue(QJsonValue::Null);
}

// The particulars a case typed for a person, beside `person`'s other keys.
void addParticulars(QJsonObject& person, const NamedPerson* named) {
    if (named == nullptr)
        return;
    const Particulars& p = named->particulars;
    person[key::Nik] = p.nik;
    person[key::BirthPlace] = p.birthPlace;
    person[key::BirthDate] = dateOrNull(p.birthDate);
    person[key::Address] = p.address;
}

QJsonObject deceasedJson(const Deceased& deceased) {
    const Particulars& p = deceased.particulars;
    return QJsonObject{{key::Name, p.name},
                       {key::Nik, p.nik},
                       {key::Sex, deceased.sex == Sex::Male ? u"male"_s : u"female"_s},
                       {key::BirthPlace, p.birthPlace},
                       {key::BirthDate, dateOrNull(p.birthDate)},
                       {key::DeathPlace, deceased.deathPlace},
                       {key::DeathDate, dateOrNull(deceased.deathDate)},
                       {key::DeathCertificate, deceased.deathCertificate},
                       {key::Address, p.address}};
}

// The persons of heir entries, in order, each by name; none without names.
QJsonArray personsJson(const DivisionPersons* persons,
                       std::initializer_list<const FaraidHeir*> heirs) {
    QJsonArray list;
    for (const FaraidHeir* h : heirs) {
        for (int p = 0; persons && h && p < h->count; ++p) {
            QJsonObject person{{key::Name, persons->name(*h, p)}};
            addParticulars(person, persons->find(*h, p));
            list.append(person);
        }
    }
    return list;
}

QJsonObject heirJson(const FaraidResult& r, const FaraidHeir& h, const DivisionPersons* named) {
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
    if (named && named->named())
        heir[key::Persons] = personsJson(named, {&h});
    return heir;
}

// A predeceased child's sons and daughters as one entry, sons first.
QJsonObject branchJson(const FaraidResult& r, const FaraidHeir& first, const FaraidHeir* second,
                       const DivisionPersons* persons) {
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
    if (persons && persons->named())
        branch[key::Persons] = personsJson(persons, {&first, second});
    return branch;
}

// One division; `persons` names the persons of its heirs, where a case named them.
QJsonObject toJson(const FaraidResult& r, const HeirNaming& name,
                   const DivisionPersons* persons = nullptr) {
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
    root[key::Steps] = QJsonArray::fromStringList(faraidSteps(r, plainMoney(), name));
    QJsonArray heirs;
    for (std::size_t i = 0; i < r.heirs.size(); ++i) {
        const FaraidHeir& h = r.heirs[i];
        if (!h.inBranch()) {
            heirs.append(heirJson(r, h, persons));
            continue;
        }
        const bool pair = i + 1 < r.heirs.size() && r.heirs[i + 1].branch == h.branch;
        heirs.append(branchJson(r, h, pair ? &r.heirs[++i] : nullptr, persons));
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
void addSpecialJson(QJsonObject& root, const SpecialResult& s, const PersonNames& names) {
    const FaraidResult& r = s.first;
    const SpecialPersonNames who(s, names);
    QJsonArray persons;
    for (std::size_t i = 0; i < s.persons.size(); ++i) {
        const SpecialPerson& p = s.persons[i];
        QJsonObject person;
        person[key::Name] = who.name(i);
        if (who.named())
            person[key::Relation] = who.relation(i);
        addParticulars(person, who.find(i));
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
    for (std::size_t i = 0; i < s.deaths.size(); ++i) {
        const SpecialDeath& d = s.deaths[i];
        QJsonObject death = toJson(d.division, who.naming(i));
        death[key::Person] = who.label(d.person);
        death[key::EstateShare] = d.share.toString();
        death[key::ShareParts] = static_cast<qint64>(d.shareParts);
        death[key::Jamiah] = static_cast<qint64>(d.jamiah);
        deaths.append(death);
    }
    root[key::Deaths] = deaths;
    root[key::Jamiah] = static_cast<qint64>(s.jamiah);
    root[key::Notes] = QJsonArray::fromStringList(specialNotes(s, names));
    root[key::SpecialSteps] = QJsonArray::fromStringList(specialSteps(s, names));
}

// One division, or the two laws' side by side.
QJsonObject divisionsJson(const DividedEstate& divided) {
    const DivisionPersons persons(divided.result, divided.names);
    QJsonObject root = toJson(divided.result, persons.naming(), &persons);
    if (divided.special)
        addSpecialJson(root, *divided.special, divided.names);
    if (!divided.other)
        return root;
    const bool khi = divided.result.law == Law::Khi;
    const DivisionPersons otherPersons(*divided.other, divided.names);
    QJsonObject other = toJson(*divided.other, otherPersons.naming(), &otherPersons);
    if (divided.otherSpecial)
        addSpecialJson(other, *divided.otherSpecial, divided.names);
    return QJsonObject{{choices::Laws.word(Law::Classical), khi ? other : root},
                       {choices::Laws.word(Law::Khi), khi ? root : other}};
}

} // namespace

QJsonObject divisionJson(const DividedEstate& divided) {
    QJsonObject root = divisionsJson(divided);
    if (divided.deceased)
        root[key::Deceased] = deceasedJson(*divided.deceased);
    return root;
}

} // namespace zw::waris
