#pragma once

// The persons of the first division, each alone, and where each one's share is found in the
// division of any outcome: those entered (the missing last of their kind), a predeceased heir's
// sons and daughters, then the unborn and the khuntsa. Their keys are as Persons.h numbers them.

#include "waris/engine/faraid/SpecialCases.h"

namespace zw::waris {

// A predeceased heir's sons or daughters, `persons` of them, in the input's `branch`.
struct BranchPersons {
    HeirKind replaces = HeirKind::AnakPria;
    int branch = 0;
    bool daughters = false;
    int persons = 0;
};

// What the entered heirs stand for in every outcome.
struct Setting {
    bool unborn = false;
    std::pair<HeirKind, HeirKind> unbornKinds{HeirKind::AnakPria, HeirKind::AnakWanita};
    std::optional<HeirKind> intersex;
    std::pair<HeirKind, HeirKind> intersexKinds{HeirKind::AnakPria, HeirKind::AnakWanita};
    FaraidPerKind<int> entered{};      // the khuntsa left out
    FaraidPerKind<int> missingOf{};    // how many of the entered are missing
    FaraidPerKind<int> missingIndex{}; // into SpecialInput::missing
    // Classical: the branches counted as persons of a kind (a son's sons as grandsons).
    FaraidPerKind<std::vector<BranchPersons>> counted{};
};

Setting settingOf(const SpecialInput& special, const FaraidInput& input);

// The first deceased's `input` as the outcome has it.
FaraidInput inputOf(const FaraidInput& input, const Setting& s, const OutcomeFates& fates);

// The male and female kinds of a child or sibling.
std::optional<std::pair<HeirKind, HeirKind>> sexesOf(HeirKind kind);

class FirstPersons {
public:
    // The persons as `first`, the first outcome's division, lists their kinds.
    FirstPersons(const Setting& setting, const FaraidResult& first);

    const std::vector<SpecialPerson>& persons() const { return m_persons; }
    // Each person's share of the first estate in an outcome.
    std::vector<Fraction> shares(const FaraidResult& division, const OutcomeFates& fates) const;
    // Whether the person lives in the outcome: a missing one may not.
    bool alive(std::size_t person, const OutcomeFates& fates) const;
    // A brother or sister of the unborn, whom the Shafi'i reserve gives nothing before the birth.
    bool besideUnborn(std::size_t person) const;

private:
    enum class Role : std::uint8_t { Entered, Branch, Unborn, Intersex };
    // Where a person's share is found.
    struct Slot {
        Role role = Role::Entered;
        HeirKind kind = HeirKind::AnakPria;
        int branch = 0; // a branch in the division's own entries
        bool daughters = false;
        int missing = -1; // into the fates' missing, or -1
        int rank = 0;     // among the missing of the kind
    };

    void addKind(const FaraidHeir& h);
    void addBranch(const FaraidHeir& h);
    void add(Slot slot, SpecialPerson person);

    Setting m_setting;
    std::vector<Slot> m_slots;
    std::vector<SpecialPerson> m_persons;
};

} // namespace zw::waris
