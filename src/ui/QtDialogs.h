#pragma once

#include "ui/Dialogs.h"

namespace zw {

// The real dialogs: QMessageBox, QFileDialog and QPrintDialog.
class QtDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> saveFileName(QWidget* parent, const SaveDialogRequest& request) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
};

} // namespace zw
