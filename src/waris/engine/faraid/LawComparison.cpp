#include "waris/engine/faraid/LawComparison.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;

// A son's child stands in the classical division among the son's sons or daughters, a
// daughter's child in its own branch.
const FaraidHeir* counterpart(const FaraidResult& classical, const FaraidHeir& heir) {
    if (!heir.inBranch())
        return classical.heir(heir.kind);
    if (heir.kind == AnakPria)
        return classical.heir(heir.branchDaughters ? CucuWanita : CucuPria);
    for (const FaraidHeir& other : classical.heirs) {
        if (other.branch == heir.branch && other.branchDaughters == heir.branchDaughters)
            return &other;
    }
    return nullptr;
}

Fraction personShare(const FaraidHeir* heir) {
    return heir ? heir->perPerson : Fraction();
}

} // namespace

std::vector<LawComparisonRow> compareLaws(const FaraidResult& classical, const FaraidResult& khi) {
    // Each row's own cause, and all of them: they change the others' shares too.
    std::vector<LawComparisonRow> rows;
    rows.reserve(khi.heirs.size());
    QStringList causes;
    for (const FaraidHeir& heir : khi.heirs) {
        LawComparisonRow row{&heir, counterpart(classical, heir), {}};
        const bool blockedHere =
            heir.status == FaraidStatus::Blocked && personShare(row.classical) != Fraction();
        if (heir.basisCode == FaraidBasis::Substitute)
            row.reason = u"ahli waris pengganti (Pasal 185 KHI)"_s;
        else if (blockedHere && heir.blockedBy.contains(AnakWanita))
            row.reason = u"anak menghijab saudara (Putusan MA 86 K/AG/1994)"_s;
        else if (heir.receivesRadd && HeirSet{Suami, Istri}.contains(heir.kind))
            row.reason = u"radd juga kepada suami/istri (Pasal 193 KHI)"_s;
        if (!row.reason.isEmpty() && !causes.contains(row.reason))
            causes.append(row.reason);
        rows.push_back(row);
    }
    const bool netDiffers = classical.money && khi.money && khi.money->net != classical.money->net;
    for (LawComparisonRow& row : rows) {
        const bool sameShare = personShare(row.classical) == row.khi->perPerson;
        if (sameShare)
            row.reason = netDiffers && row.khi->perPerson != Fraction() ? u"harta bersih berbeda"_s
                                                                        : QString();
        else if (row.reason.isEmpty() || HeirSet{Suami, Istri}.contains(row.khi->kind))
            row.reason = causes.join(u"; "_s);
    }
    return rows;
}

} // namespace zw::waris
