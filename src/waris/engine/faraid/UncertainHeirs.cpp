#include "waris/engine/faraid/UncertainHeirs.h"

#include "waris/engine/faraid/FirstPersons.h"
#include "waris/engine/faraid/SpecialCaseParts.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;
using parts::kindName;

// Each outcome so far once with each of `fates`, which change faster.
std::vector<OutcomeFates> times(const std::vector<OutcomeFates>& outcomes,
                                const std::vector<OutcomeFates>& fates) {
    std::vector<OutcomeFates> all;
    for (const OutcomeFates& outcome : outcomes) {
        for (const OutcomeFates& fate : fates) {
            OutcomeFates both = outcome;
            both.unborn = fate.unborn ? fate.unborn : both.unborn;
            both.sons += fate.sons;
            both.daughters += fate.daughters;
            both.missing.insert(both.missing.end(), fate.missing.begin(), fate.missing.end());
            both.intersexMale = fate.intersexMale ? fate.intersexMale : both.intersexMale;
            all.push_back(std::move(both));
        }
    }
    return all;
}

// Stillborn, then one child of each sex mix, two, ... up to `unbornMax`, the sons first.
std::vector<OutcomeFates> birthsOf(UnbornKind kind, int unbornMax) {
    std::vector<OutcomeFates> births{{.unborn = kind}};
    for (int n = 1; n <= unbornMax; ++n) {
        for (int sons = n; sons >= 0; --sons)
            births.push_back({.unborn = kind, .sons = sons, .daughters = n - sons});
    }
    return births;
}

// All the missing persons of a kind alive, then one fewer, ... none.
std::vector<OutcomeFates> missingFates(const KindPersons& missing) {
    std::vector<OutcomeFates> fates;
    for (int alive = missing.count; alive >= 0; --alive)
        fates.push_back({.missing = {{missing, alive}}});
    return fates;
}

int unbornMaxOf(const SpecialInput& special) {
    return special.reserve == UnbornReserve::Hanafi ? 1 : special.unbornMax.value_or(2);
}

// How many of a kind are certainly there: entered, not missing, not the khuntsa.
int certain(const SpecialInput& special, const FaraidInput& input, HeirKind kind) {
    int n = input.counts[kind] - (special.intersex == kind ? 1 : 0);
    for (const KindPersons& missing : special.missing)
        n -= missing.kind == kind ? missing.count : 0;
    return n;
}

// An unborn brother or sister inherits nothing beside the father, a son or a son's son; beside
// a grandfather, a child or a son's child when uterine.
std::optional<FaraidError> checkUnbornSibling(const SpecialInput& special,
                                              const FaraidInput& input) {
    HeirSet blockers{Bapak, AnakPria, CucuPria};
    if (special.unborn == UnbornKind::UterineSibling)
        blockers |= HeirSet{Kakek, AnakWanita, CucuWanita};
    for (const HeirKind kind : blockers) {
        if (certain(special, input, kind) > 0)
            return FaraidError{u"Kandungan saudara tidak mewarisi selama ada "_s % kindName(kind) %
                               u"; tidak ada yang perlu ditangguhkan."_s};
    }
    return std::nullopt;
}

std::optional<FaraidError> checkUnborn(const SpecialInput& special, const FaraidInput& input) {
    const int unbornMax = unbornMaxOf(special);
    if (unbornMax < 1 || unbornMax > MaxUnborn)
        return FaraidError{u"Jumlah bayi dalam kandungan yang diperhitungkan harus antara 1 "
                           u"dan "_s %
                           QString::number(MaxUnborn) % u'.'};
    if (special.reserve == UnbornReserve::Hanafi && special.unbornMax && *special.unbornMax != 1)
        return FaraidError{u"Cadangan Hanafi menahan bagian satu anak; jumlah bayi tidak dapat "
                           u"diubah."_s};
    switch (*special.unborn) {
    case UnbornKind::Child:
        return std::nullopt;
    case UnbornKind::Grandchild:
        if (input.law == Law::Khi)
            return FaraidError{u"Dalam KHI cucu mewarisi sebagai ahli waris pengganti anak yang "
                               u"meninggal lebih dahulu (Pasal 185), bukan sebagai kandungan "
                               u"cucu."_s};
        if (certain(special, input, AnakPria) > 0)
            return FaraidError{u"Kandungan cucu tidak mewarisi selama ada Anak Pria; tidak ada "
                               u"yang perlu ditangguhkan."_s};
        return std::nullopt;
    default:
        return checkUnbornSibling(special, input);
    }
}

std::optional<FaraidError> checkMissing(const SpecialInput& special, const FaraidInput& input) {
    for (std::size_t m = 0; m < special.missing.size(); ++m) {
        const KindPersons& missing = special.missing[m];
        const int present = input.counts[missing.kind];
        for (std::size_t o = 0; o < m; ++o) {
            if (special.missing[o].kind == missing.kind)
                return FaraidError{kindName(missing.kind) %
                                   u" yang hilang disebut lebih dari sekali."_s};
        }
        if (missing.count < 1 || missing.count > present)
            return FaraidError{u"Ahli waris yang hilang: "_s % kindName(missing.kind) %
                               u" hanya "_s % QString::number(present) % u" orang."_s};
    }
    return std::nullopt;
}

std::optional<FaraidError> checkIntersex(const SpecialInput& special, const FaraidInput& input) {
    if (!special.intersex)
        return std::nullopt;
    if (!sexesOf(*special.intersex))
        return FaraidError{u"Khuntsa hanya anak, cucu atau saudara."_s};
    if (certain(special, input, *special.intersex) < 0)
        return FaraidError{u"Khuntsa harus salah satu "_s % kindName(*special.intersex) %
                           u" yang dimasukkan dan tidak hilang."_s};
    return std::nullopt;
}

// Counted before they are made: several missing kinds multiply.
std::optional<FaraidError> checkOutcomeCount(const SpecialInput& special) {
    const int unbornMax = unbornMaxOf(special);
    std::int64_t possible = special.unborn ? 1 + unbornMax * (unbornMax + 3) / 2 : 1;
    for (const KindPersons& missing : special.missing)
        possible = std::min<std::int64_t>(possible * (missing.count + 1), MaxOutcomes + 1);
    possible *= special.intersex ? 2 : 1;
    if (possible > MaxOutcomes)
        return FaraidError{u"Terlalu banyak kemungkinan untuk dihitung (lebih dari "_s %
                           QString::number(MaxOutcomes) % u")."_s};
    return std::nullopt;
}

// The khuntsa's lesser of the pair (the first when both are alike).
OutcomeRun lesserOf(OutcomeRun& male, OutcomeRun& female, std::size_t khuntsa) {
    const Fraction asMale = male.cells[khuntsa][0];
    return std::move(female.cells[khuntsa][0] < asMale ? female : male);
}

OutcomeRun meanOf(OutcomeRun& male, const OutcomeRun& female) {
    OutcomeRun mean = std::move(male);
    mean.fates.intersexMale.reset();
    mean.fates.intersexAverage = true;
    for (std::size_t i = 0; i < mean.cells.size(); ++i) {
        for (std::size_t e = 0; e < mean.cells[i].size(); ++e)
            mean.cells[i][e] = (mean.cells[i][e] + female.cells[i][e]) * Fraction::of(1, 2);
    }
    mean.treasury = (mean.treasury + female.treasury) * Fraction::of(1, 2);
    return mean;
}

} // namespace

std::optional<FaraidError> checkUncertain(const SpecialInput& special, const FaraidInput& input) {
    if (special.unborn) {
        if (auto error = checkUnborn(special, input))
            return error;
    }
    if (auto error = checkMissing(special, input))
        return error;
    if (auto error = checkIntersex(special, input))
        return error;
    return checkOutcomeCount(special);
}

std::vector<OutcomeFates> outcomeFates(const SpecialInput& special) {
    std::vector<OutcomeFates> all(1);
    if (special.unborn)
        all = times(all, birthsOf(*special.unborn, unbornMaxOf(special)));
    for (const KindPersons& missing : special.missing)
        all = times(all, missingFates(missing));
    if (special.intersex)
        all = times(all, {{.intersexMale = true}, {.intersexMale = false}});
    return all;
}

std::vector<OutcomeRun> standingOutcomes(const SpecialInput& special, std::vector<OutcomeRun> runs,
                                         std::size_t khuntsa) {
    if (!special.intersex || special.intersexView == IntersexView::Shafii)
        return runs;
    std::vector<OutcomeRun> standing;
    for (std::size_t o = 0; o + 1 < runs.size(); o += 2) {
        standing.push_back(special.intersexView == IntersexView::Hanafi
                               ? lesserOf(runs[o], runs[o + 1], khuntsa)
                               : meanOf(runs[o], runs[o + 1]));
    }
    return standing;
}

Given givenNow(const std::vector<OutcomeRun>& runs) {
    const auto less = [](Fraction a, Fraction b) {
        return a < b;
    };
    Given given{runs.front().cells, runs.front().treasury};
    for (const OutcomeRun& run : runs) {
        for (std::size_t i = 0; i < given.cells.size(); ++i) {
            for (std::size_t e = 0; e < given.cells[i].size(); ++e)
                given.cells[i][e] = std::min(given.cells[i][e], run.cells[i][e], less);
        }
        given.treasury = std::min(given.treasury, run.treasury, less);
    }
    return given;
}

void addUncertainNotes(const SpecialInput& special, bool averaged, std::size_t hanafiOutcome,
                       std::vector<SpecialNote>& notes) {
    using enum SpecialNoteKind;
    const bool others = special.unborn || !special.missing.empty();
    const IntersexView view = special.intersex ? special.intersexView : IntersexView::Shafii;
    if (!averaged || !others)
        notes.push_back({.kind = FirstOutcome});
    if (view == IntersexView::Hanafi)
        notes.push_back(
            {.kind = others ? IntersexHanafiEach : IntersexHanafi, .outcome = hanafiOutcome});
    else if (view == IntersexView::Average)
        notes.push_back({.kind = others ? IntersexAverageEach : IntersexAverage});
    if (special.unborn)
        notes.push_back({.kind = UnbornHeld, .reserve = special.reserve});
    if (!special.missing.empty())
        notes.push_back({.kind = special.input.law == Law::Khi ? MissingHeldKhi : MissingHeld});
    if (view == IntersexView::Shafii && special.intersex)
        notes.push_back({.kind = IntersexShafii});
}

} // namespace zw::waris
