#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace zw {

struct SaveDialogRequest {
    QString title;
    QStringList nameFilters;
    QString defaultSuffix;
    QString initialName;
    QString initialFolder;
};

struct OpenDialogRequest {
    QString title;
    QStringList nameFilters;
    QString initialFolder;
};

// What to do with changes not yet saved when their window closes or another file opens.
enum class UnsavedAnswer : std::uint8_t { Save, Discard, Cancel };

// Every message box, save dialog and print dialog of the forms goes through this seam, so that
// tests can script the answers and record what was asked.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with a title, a text, one OK button and no icon; the answer is not used.
    virtual void message(QWidget* parent, const QString& title, const QString& text) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> saveFileName(QWidget* parent,
                                                const SaveDialogRequest& request) = 0;
    virtual std::optional<QString> openFileName(QWidget* parent,
                                                const OpenDialogRequest& request) = 0;
    // Simpan, Jangan Simpan or Batal for the changes `text` names.
    virtual UnsavedAnswer askUnsaved(QWidget* parent, const QString& title,
                                     const QString& text) = 0;
    // Lets the user choose and set up the printer; false when the user cancelled.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
    // Shows the pages `paint` draws on the printer until the user closes the preview, from
    // which the user may also print.
    virtual void previewPrint(QWidget* parent, QPrinter& printer,
                              const std::function<void(QPrinter&)>& paint) = 0;
};

} // namespace zw
