#pragma once

// The heirs and the special cases in the words of tests/data/special-cases.txt.

#include "waris/engine/faraid/FaraidChoices.h"
#include "waris/engine/faraid/SpecialCases.h"

namespace zw::test {

using namespace Qt::StringLiterals;
using namespace zw::waris;

inline FaraidPerKind<int> countsOf(const QStringList& words) {
    FaraidPerKind<int> counts{};
    for (const QString& word : words) {
        const QStringList parts = word.split(u'=');
        counts[*heirKindNamed(parts[0])] = parts.value(1, u"1"_s).toInt();
    }
    return counts;
}

inline KindPersons kindPersons(const QString& text) {
    const QStringList parts = text.split(u':');
    return {*heirKindNamed(parts[0]), parts.value(1, u"1"_s).toInt()};
}

// Heirs "Istri AnakPria=2" ("-": none) and the cases as tests/data/special-cases.txt writes them.
inline SpecialInput specialOf(const QString& heirs, const QString& cases) {
    SpecialInput special;
    if (heirs != u"-")
        special.input.counts = countsOf(heirs.split(u' ', Qt::SkipEmptyParts));
    for (const QString& word : cases.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype equals = word.indexOf(u'=');
        const QString key = word.left(equals);
        const QString value = word.mid(equals + 1);
        if (key == u"then") {
            const qsizetype heirsAt = value.indexOf(u'=');
            const KindPersons dead = kindPersons(value.left(heirsAt));
            special.deaths.push_back(
                {dead.kind, dead.count, countsOf(value.mid(heirsAt + 1).split(u','))});
        } else if (key == u"unborn") {
            special.unborn = choices::Unborn.read(value);
        } else if (key == u"max") {
            special.unbornMax = value.toInt();
        } else if (key == u"reserve") {
            special.reserve = value == u"hanafi"   ? UnbornReserve::Hanafi
                              : value == u"shafii" ? UnbornReserve::Shafii
                                                   : UnbornReserve::Hanbali;
        } else if (key == u"missing") {
            special.missing.push_back(kindPersons(value));
        } else if (key == u"intersex") {
            special.intersex = heirKindNamed(value);
        } else if (key == u"view") {
            special.intersexView =
                value == u"hanafi" ? IntersexView::Hanafi : IntersexView::Average;
        } else if (key == u"together") {
            special.diedTogether.push_back(kindPersons(value));
        } else if (key == u"law") {
            special.input.law = value == u"khi" ? Law::Khi : Law::Classical;
        } else if (key == u"estate") {
            special.input.estate = std::get<zw::Rupiah>(zw::readPlainAmount(value));
        } else if (key == u"grandmother") {
            special.input.options.grandmother = GrandmotherSide::Paternal;
        } else if (key == u"pre") {
            const QStringList children = value.section(u':', 1).split(u',');
            special.input.predeceased.push_back({*heirKindNamed(value.section(u':', 0, 0)),
                                                 children[0].toInt(), children[1].toInt()});
        }
    }
    return special;
}

} // namespace zw::test
