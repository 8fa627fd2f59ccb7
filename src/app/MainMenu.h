#pragma once

#include "ui/Form.h"

namespace zw {

// "Awal": the main menu with the two roads, the about window and the way out.
class MainMenu final : public Form {
    Q_OBJECT

public:
    explicit MainMenu(AppContext& context);

protected:
    void closeRequested() override;
    // Escape does not leave the program; only "&E x i t" or the close button do.
    void reject() override {}

private:
    void startZakat();
    void startWaris();
    void newCase();
    void openCase();
    void showAbout();
    void leave();
};

} // namespace zw
