#include "waris/engine/render/PersonWords.h"

#include "waris/engine/faraid/FaraidText.h"

#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

// "Jakarta, 3 Maret 1950", "Jakarta", "3 Maret 1950" or nothing.
QString placeAndDate(const QString& place, const QDate& date) {
    QStringList parts;
    if (!place.isEmpty())
        parts.append(place);
    if (date.isValid())
        parts.append(indonesianDate(date));
    return parts.join(u", "_s);
}

} // namespace

bool anyNamed(const PersonNames& names) {
    return std::ranges::any_of(
        names.all(), [](const auto& entry) { return !entry.second.particulars.name.isEmpty(); });
}

const NamedPerson* namedPerson(const PersonNames& names, const PersonKey& key) {
    const NamedPerson* person = names.find(key);
    return person && !person->particulars.name.isEmpty() ? person : nullptr;
}

QString namedGroup(const QStringList& names, const QString& relation) {
    return joinNames(names) % u" ("_s % relation % u')';
}

QString indonesianDate(const QDate& date) {
    if (!date.isValid())
        return QString();
    // The month's name alone: Qt's long date format for Indonesian puts the weekday first.
    const QLocale indonesian(QLocale::Indonesian, QLocale::Indonesia);
    return QString::number(date.day()) % u' ' % indonesian.monthName(date.month()) % u' ' %
           QString::number(date.year());
}

QString sexName(Sex sex) {
    return sex == Sex::Male ? u"Laki-laki"_s : u"Perempuan"_s;
}

std::vector<report::Field> deceasedFields(const Deceased& deceased, const QString& name) {
    const Particulars& p = deceased.particulars;
    const std::vector<report::Field> all{
        {u"Nama"_s, p.name.isEmpty() ? name : p.name},
        {u"NIK"_s, p.nik},
        {u"Jenis Kelamin"_s, sexName(deceased.sex)},
        {u"Tempat/Tanggal Lahir"_s, placeAndDate(p.birthPlace, p.birthDate)},
        {u"Tempat/Tanggal Wafat"_s, placeAndDate(deceased.deathPlace, deceased.deathDate)},
        {u"No. Akta Kematian"_s, deceased.deathCertificate},
        {u"Alamat"_s, p.address},
    };
    std::vector<report::Field> given;
    std::ranges::copy_if(all, std::back_inserter(given),
                         [](const report::Field& field) { return !field.value.isEmpty(); });
    return given;
}

} // namespace zw::waris
