#pragma once

// How the reports write the persons a case named: a name with its relation, the deceased's
// particulars, a date as Indonesians write it.

#include "common/report/Report.h"
#include "waris/engine/faraid/Persons.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

namespace zw::waris {

// Whether a case typed any person's name: the reports then go person by person.
bool anyNamed(const PersonNames& names);

// The person of `key` where a name was typed for it, else none.
const NamedPerson* namedPerson(const PersonNames& names, const PersonKey& key);

// "Siti Aminah (Istri)", "Ahmad, Budi dan Anak Pria 3 (Anak Pria)".
QString namedGroup(const QStringList& names, const QString& relation);

// "3 Maret 2025"; empty without a date.
QString indonesianDate(const QDate& date);

// "Laki-laki", "Perempuan".
QString sexName(Sex sex);

// Nama, NIK, Jenis Kelamin, the places and dates of birth and death, the death certificate and
// the address, each where given; `name` stands in for an empty name.
std::vector<report::Field> deceasedFields(const Deceased& deceased, const QString& name);

} // namespace zw::waris
