#pragma once

#include "ui/Form.h"

namespace zw {

// "Programmer": the about window; a click on its frame or picture goes back to the main menu.
class AboutWindow final : public Form {
    Q_OBJECT

public:
    explicit AboutWindow(AppContext& context);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeRequested() override;

private:
    void backToMenu();
};

} // namespace zw
