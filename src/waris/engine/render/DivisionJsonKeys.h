#pragma once

// The keys of the full division's JSON, each written once.

#include <QString>

namespace zw::waris::key {

using namespace Qt::StringLiterals;

inline const QString Address = u"address"_s;
inline const QString Amount = u"amount"_s;
inline const QString Amounts = u"amounts"_s;
inline const QString AmountsFromEstates = u"amountsFromEstates"_s;
inline const QString Awl = u"awl"_s;
inline const QString AwlBase = u"awlBase"_s;
inline const QString Base = u"base"_s;
inline const QString Basis = u"basis"_s;
inline const QString Bequest = u"bequest"_s;
inline const QString BirthDate = u"birthDate"_s;
inline const QString BirthPlace = u"birthPlace"_s;
inline const QString BlockedBy = u"blockedBy"_s;
inline const QString Branch = u"branch"_s;
inline const QString Count = u"count"_s;
inline const QString Daughters = u"daughters"_s;
inline const QString DeathCertificate = u"deathCertificate"_s;
inline const QString DeathDate = u"deathDate"_s;
inline const QString DeathPlace = u"deathPlace"_s;
inline const QString Deaths = u"deaths"_s;
inline const QString Deceased = u"deceased"_s;
inline const QString Died = u"died"_s;
inline const QString DiffersFromTable = u"differsFromTable"_s;
inline const QString DistantKin = u"distantKin"_s;
inline const QString EstateShare = u"estateShare"_s;
inline const QString FromEstates = u"fromEstates"_s;
inline const QString Heirs = u"heirs"_s;
inline const QString Held = u"held"_s;
inline const QString Index = u"index"_s;
inline const QString Jamiah = u"jamiah"_s;
inline const QString JointProperty = u"jointProperty"_s;
inline const QString Kind = u"kind"_s;
inline const QString Law = u"law"_s;
inline const QString Name = u"name"_s;
inline const QString NetEstate = u"netEstate"_s;
inline const QString Nik = u"nik"_s;
inline const QString Notes = u"notes"_s;
inline const QString ObligatoryBequest = u"obligatoryBequest"_s;
inline const QString Outcomes = u"outcomes"_s;
inline const QString Parts = u"parts"_s;
inline const QString PerPerson = u"perPerson"_s;
inline const QString Person = u"person"_s;
inline const QString PersonAmounts = u"personAmounts"_s;
inline const QString PersonShares = u"personShares"_s;
inline const QString Persons = u"persons"_s;
inline const QString Places = u"places"_s;
inline const QString Radd = u"radd"_s;
inline const QString Relation = u"relation"_s;
inline const QString Replaces = u"replaces"_s;
inline const QString Rule = u"rule"_s;
inline const QString Sex = u"sex"_s;
inline const QString Share = u"share"_s;
inline const QString ShareParts = u"shareParts"_s;
inline const QString Shares = u"shares"_s;
inline const QString Sons = u"sons"_s;
inline const QString Special = u"special"_s;
inline const QString SpecialSteps = u"specialSteps"_s;
inline const QString SpouseJointShare = u"spouseJointShare"_s;
inline const QString Status = u"status"_s;
inline const QString Steps = u"steps"_s;
inline const QString Treasury = u"treasury"_s;
inline const QString TreasuryAmount = u"treasuryAmount"_s;
inline const QString Unassigned = u"unassigned"_s;
inline const QString UnassignedAmount = u"unassignedAmount"_s;
inline const QString Zakat = u"zakat"_s;

} // namespace zw::waris::key
