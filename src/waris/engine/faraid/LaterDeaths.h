#pragma once

// Munasakhat: heirs of the first division who die before it is made. Each one's share is divided
// again over his or her heirs, who are matched to the persons already counted where the two
// relations name one person (SameHeirs.h); the others are new persons. All divisions are merged
// on one common base (jami'ah). The heirs are placed once; the shares are divided again in every
// outcome of the uncertain heirs, where a missing heir who turns out dead inherits from no one.

#include "waris/engine/faraid/SpecialCases.h"

namespace zw::waris {

class LaterDeaths {
public:
    // The deaths of `special`, each dead heir found among `persons` (the first division's) and
    // his or her heirs placed: a person already counted, or a new one added to `persons`. Adds a
    // note for the heirs matched.
    static std::variant<LaterDeaths, FaraidError> place(const SpecialInput& special,
                                                        std::vector<SpecialPerson>& persons,
                                                        std::vector<SpecialNote>& notes);

    // What one outcome's later deaths come to.
    struct Divided {
        std::vector<SpecialDeath> deaths;
        std::int64_t jamiah = 0; // the common base after the last
        Fraction treasury;       // of the first estate, through the later divisions
    };

    // `cells`: each person's share of the first estate from each estate, the first filled; each
    // death divides what the dead heir holds and fills its own. `alive`: who lives in the
    // outcome. `base`: the first division's base after tashih.
    std::variant<Divided, FaraidError> divide(std::vector<std::vector<Fraction>>& cells,
                                              const std::vector<bool>& alive, std::int64_t base,
                                              FaraidDetail detail) const;

private:
    struct Placed {
        HeirKind kind = HeirKind::AnakPria;
        std::vector<std::size_t> persons;
    };
    struct Death {
        std::size_t dead = 0;
        QString name;
        std::vector<Placed> heirs;
    };

    // Death `d`'s heirs, kind by kind, matched or added to `persons`.
    std::optional<FaraidError> placeHeirs(const SpecialInput& special, std::size_t d, Death& step,
                                          std::vector<SpecialPerson>& persons,
                                          std::vector<SpecialNote>& notes) const;

    FaraidInput aliveHeirs(const Death& death, const std::vector<bool>& alive,
                           FaraidDetail detail) const;
    // What each living heir receives of the dead heir's share, into `column` of `cells`.
    static void spread(const Death& death, const SpecialDeath& step, const std::vector<bool>& alive,
                       std::size_t column, std::vector<std::vector<Fraction>>& cells);

    explicit LaterDeaths(const FaraidInput& input)
        : m_law(input.law)
        , m_options(input.options) {}

    Law m_law;
    FaraidOptions m_options;
    std::vector<Death> m_deaths;
};

} // namespace zw::waris
