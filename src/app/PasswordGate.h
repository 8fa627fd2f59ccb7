#pragma once

#include "ui/Form.h"

class QLineEdit;

namespace zw {

// "Sandi": the modal password window in front of the main menu.
class PasswordGate final : public Form {
    Q_OBJECT

public:
    explicit PasswordGate(AppContext& context);

protected:
    // Closing the window through the window system never leaves the menu unguarded.
    void closeRequested() override;

private:
    void check();
    void leave();

    QLineEdit* m_entry = nullptr;
};

} // namespace zw
