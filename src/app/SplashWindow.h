#pragma once

#include "ui/Form.h"

class QLabel;

namespace zw {

// "Splash": the window on the screen while the program creates its forms.
class SplashWindow final : public Form {
    Q_OBJECT

public:
    explicit SplashWindow(AppContext& context);

    // Replaces the progress caption and paints it at once.
    void setProgress(const QString& caption);

protected:
    void reject() override {}

private:
    QLabel* m_progress = nullptr;
};

} // namespace zw
