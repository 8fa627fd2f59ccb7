#pragma once

#include "ui/Form.h"

#include <chrono>

namespace zw {

// "Akhir": the way out of the program. Each time it is shown it hides the result screens,
// stays on the screen for the context's closing pause, closes every form and ends the program.
class ClosingWindow final : public Form {
    Q_OBJECT

public:
    // The program's closing pause.
    static constexpr std::chrono::milliseconds pause{600};

    explicit ClosingWindow(AppContext& context);

protected:
    void activate() override;
    // Once shown, the window ends the program whatever the user does.
    void closeRequested() override {}
    void reject() override {}

private:
    void finish();
    bool m_ending = false;
};

} // namespace zw
