#pragma once

#include "ui/Form.h"

namespace zw {

// "Bantuan" and "Form1": a resizable window with a fixed help text. Closing it through the
// window system unloads it, so it comes back with its designed text.
class HelpWindow final : public Form {
    Q_OBJECT

public:
    HelpWindow(AppContext& context, const QString& heading, const QString& text, bool readOnly);

protected:
    void closeRequested() override;
};

} // namespace zw
