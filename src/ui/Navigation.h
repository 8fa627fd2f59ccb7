#pragma once

namespace zw {

// The ways from one road to the other and to the end of the program. The roads never include
// each other; the application implements these with both roads at hand.
class Navigation {
public:
    virtual ~Navigation() = default;

    // Empties the payer form and shows it.
    virtual void toZakat() = 0;
    // Resets the whole inheritance entry and shows the deceased's form.
    virtual void toInheritance() = 0;
    // Shows the closing window, which ends the program.
    virtual void toClosing() = 0;
};

} // namespace zw
