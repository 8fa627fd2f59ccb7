#include "cli/CaseOverrides.h"

#include <algorithm>

namespace zw {

namespace {

using namespace zw::waris;

using Apply = void (*)(const DivisionRequest&, Kasus&);

struct Override {
    QStringView option;
    Apply apply;
};

constexpr Override Overrides[]{
    {u"estate",
     [](const DivisionRequest& r, Kasus& k) {
         k.estate = r.input.estate;
         k.estateItems.clear();
     }},
    {u"joint-property",
     [](const DivisionRequest& r, Kasus& k) {
         k.jointProperty = r.input.jointProperty;
     }},
    {u"funeral",
     [](const DivisionRequest& r, Kasus& k) {
         k.funeral = r.input.funeral;
     }},
    {u"zakat",
     [](const DivisionRequest& r, Kasus& k) {
         k.zakat = r.input.zakat;
     }},
    {u"debts",
     [](const DivisionRequest& r, Kasus& k) {
         k.debts = r.input.debts;
     }},
    {u"bequest",
     [](const DivisionRequest& r, Kasus& k) {
         k.bequest = r.input.bequest;
     }},
    {u"obligatory-bequest",
     [](const DivisionRequest& r, Kasus& k) {
         k.obligatoryBequest = r.input.obligatoryBequest;
     }},
    {u"obligatory-bequest-to",
     [](const DivisionRequest& r, Kasus& k) {
         k.obligatoryBequestTo = r.input.obligatoryBequestTo;
     }},
    {u"law",
     [](const DivisionRequest& r, Kasus& k) {
         k.law = r.input.law;
     }},
    {u"grandfather",
     [](const DivisionRequest& r, Kasus& k) {
         k.options.grandfather = r.input.options.grandfather;
     }},
    {u"mushtaraka",
     [](const DivisionRequest& r, Kasus& k) {
         k.options.mushtaraka = r.input.options.mushtaraka;
     }},
    {u"grandmother",
     [](const DivisionRequest& r, Kasus& k) {
         k.options.grandmother = r.input.options.grandmother;
     }},
    {u"spouse-alone",
     [](const DivisionRequest& r, Kasus& k) {
         k.options.spouseAlone = r.input.options.spouseAlone;
     }},
    {u"distant-kin",
     [](const DivisionRequest& r, Kasus& k) {
         k.options.distantKin = r.input.options.distantKin;
     }},
    {u"daughter-blocks-siblings",
     [](const DivisionRequest& r, Kasus& k) {
         k.options.daughter = r.input.options.daughter;
     }},
    {u"khi-radd",
     [](const DivisionRequest& r, Kasus& k) {
         k.options.khiRadd = r.input.options.khiRadd;
     }},
    {u"unborn-max",
     [](const DivisionRequest& r, Kasus& k) {
         k.unbornMax = r.special.unbornMax;
     }},
    {u"reserve",
     [](const DivisionRequest& r, Kasus& k) {
         k.reserve = r.special.reserve;
     }},
    {u"intersex-view",
     [](const DivisionRequest& r, Kasus& k) {
         k.intersexView = r.special.intersexView;
     }},
    {u"compare",
     [](const DivisionRequest& r, Kasus& k) {
         k.compare = r.compare;
     }},
};

const Override* overrideOf(QStringView option) {
    const auto it = std::ranges::find(Overrides, option, &Override::option);
    return it == std::end(Overrides) ? nullptr : &*it;
}

} // namespace

bool overridesCase(QStringView option) {
    return overrideOf(option) != nullptr;
}

void overrideCase(const QStringList& options, const DivisionRequest& given, Kasus& kasus) {
    for (const QString& option : options) {
        if (const Override* o = overrideOf(QStringView(option).mid(2)))
            o->apply(given, kasus);
    }
}

} // namespace zw
