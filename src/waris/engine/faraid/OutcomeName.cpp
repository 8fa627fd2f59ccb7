#include "waris/engine/faraid/OutcomeName.h"

#include "waris/engine/faraid/SpecialCaseParts.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using parts::kindName;

QString unbornName(UnbornKind kind, int sons, int daughters) {
    const auto [male, female] = parts::unbornKinds(kind);
    QStringList parts;
    if (sons > 0)
        parts.append(QString::number(sons) % u' ' % kindName(male).toLower());
    if (daughters > 0)
        parts.append(QString::number(daughters) % u' ' % kindName(female).toLower());
    return parts.isEmpty() ? u"kandungan lahir meninggal"_s : u"lahir "_s % parts.join(u" dan "_s);
}

QString missingName(const MissingFate& fate) {
    const KindPersons& missing = fate.missing;
    if (missing.count > 1)
        return QString::number(fate.alive) % u" dari "_s % QString::number(missing.count) % u' ' %
               kindName(missing.kind) % u" yang hilang masih hidup"_s;
    return kindName(missing.kind) % u" yang hilang"_s %
           (fate.alive == 1 ? u" masih hidup"_s : u" telah meninggal"_s);
}

} // namespace

QString outcomeName(const OutcomeFates& fates) {
    QStringList parts;
    if (fates.unborn)
        parts.append(unbornName(*fates.unborn, fates.sons, fates.daughters));
    for (const MissingFate& fate : fates.missing)
        parts.append(missingName(fate));
    if (fates.intersexMale)
        parts.append(*fates.intersexMale ? u"khuntsa sebagai pria"_s : u"khuntsa sebagai wanita"_s);
    if (fates.intersexAverage)
        parts.append(u"khuntsa rata-rata sebagai pria dan wanita"_s);
    return parts.join(u"; "_s);
}

} // namespace zw::waris
