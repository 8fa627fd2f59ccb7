#pragma once

#include "ui/Dialogs.h"

namespace zw {

// The real dialogs: QMessageBox, QFileDialog, QPrintDialog and QPrintPreviewDialog.
class QtDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> saveFileName(QWidget* parent, const SaveDialogRequest& request) override;
    std::optional<QString> openFileName(QWidget* parent, const OpenDialogRequest& request) override;
    UnsavedAnswer askUnsaved(QWidget* parent, const QString& title, const QString& text) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    void previewPrint(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter&)>& paint) override;
};

} // namespace zw
