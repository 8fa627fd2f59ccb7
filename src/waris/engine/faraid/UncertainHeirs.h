#pragma once

// The uncertain heirs: an unborn child (haml), a missing heir (mafqud) and an heir whose sex is
// not known (khuntsa). The estate is divided once per outcome; every person gets, of each estate,
// the least that any outcome gives (or, by the khuntsa's other views, the khuntsa's lesser
// outcome or the mean of both) and the rest is held until the outcome is known.

#include "waris/engine/faraid/SpecialCases.h"

namespace zw::waris {

// One outcome divided: the first estate and the later deaths' estates.
struct OutcomeRun {
    OutcomeFates fates;
    FaraidResult division; // the first estate's
    // Each person's share of the first estate from each estate (the first, then every later
    // death's), and the treasury's of them all.
    std::vector<std::vector<Fraction>> cells;
    Fraction treasury;
    std::vector<SpecialDeath> deaths;
    std::int64_t jamiah = 0;
};

// `input` is the first deceased's, those who died together already left out.
std::optional<FaraidError> checkUncertain(const SpecialInput& special, const FaraidInput& input);

// Every combination of the fates of the unborn, each missing kind and the khuntsa, the last
// changing fastest; one outcome of no fates when nothing is uncertain.
std::vector<OutcomeFates> outcomeFates(const SpecialInput& special);

// The outcomes that can still come about once the khuntsa's view is applied: under the Hanafi
// view the khuntsa's lesser of each pair, under the mean the mean of each pair; else all.
// `khuntsa`: the khuntsa's person.
std::vector<OutcomeRun> standingOutcomes(const SpecialInput& special, std::vector<OutcomeRun> runs,
                                         std::size_t khuntsa);

// What is given now: of each estate the least any outcome gives every person (the dead too: what
// passed through them), the treasury the least of its own.
struct Given {
    std::vector<std::vector<Fraction>> cells;
    Fraction treasury;
};
Given givenNow(const std::vector<OutcomeRun>& runs);

void addUncertainNotes(const SpecialInput& special, bool averaged, std::size_t hanafiOutcome,
                       std::vector<SpecialNote>& notes);

} // namespace zw::waris
