#include "waris/engine/kasus/KasusFile.h"
#include "waris/engine/kasus/KasusRequest.h"
namespace zw::waris {
std::variant<DivisionRequest, FaraidError> kasusRequest(const Kasus& kasus) {
    DivisionRequest r;
    r.input.law = kasus.law;
    r.compare = kasus.compare;
    r.input.options = kasus.options;
    r.input.estate = kasus.estate;
    r.input.funeral = kasus.funeral;
    r.input.debts = kasus.debts;
    r.input.bequest = kasus.bequest;
    r.input.zakat = kasus.zakat;
    r.input.jointProperty = kasus.jointProperty;
    r.input.obligatoryBequest = kasus.obligatoryBequest;
    r.input.obligatoryBequestTo = kasus.obligatoryBequestTo;
    for (const Person& p : kasus.persons)
        if (p.of == 0 && p.state == PersonState::Living) ++r.input.counts[p.relation];
    if (kasus.persons.size() > 500) return FaraidError{QStringLiteral("terlalu banyak")};
    r.deceased = kasus.deceased;
    return r;
}
Kasus kasusFromRequest(const DivisionRequest&) { return {}; }
std::optional<QString> saveKasus(const QString&, const Kasus&) { return QStringLiteral("x"); }
std::variant<Kasus, QString> openKasus(const QString&) { return QStringLiteral("Berkas kasus rusak"); }
}
