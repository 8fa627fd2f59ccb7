#pragma once

#include <QString>

#include <cstdint>

namespace zw {

enum class Road : std::uint8_t { Zakat, Inheritance };

// The ways out of a road: to the other road, the main menu, the help and the end of the program.
// The roads never include each other nor the application; the application implements these with
// both roads at hand.
class Navigation {
public:
    virtual ~Navigation() = default;

    // The road's first form as the main menu opens it, its particulars emptied.
    virtual void enter(Road road) = 0;
    // The road's first form with its whole entry reset, for a new calculation.
    virtual void startAfresh(Road road) = 0;
    virtual void toMainMenu() = 0;
    // The road's help beside the current form; hiding it leaves its text as it was.
    virtual void showHelp(Road road) = 0;
    virtual void hideHelp(Road road) = 0;
    // Pembagian with an empty case, or a case file's (empty path: asks which); false when the
    // user cancelled or the file was refused.
    virtual bool newCase() = 0;
    virtual bool openCase(const QString& path) = 0;
    // Shows the closing window, which ends the program; a case with unsaved changes asks first.
    virtual void toClosing() = 0;
};

} // namespace zw
