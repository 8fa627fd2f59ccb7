#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QString>

#include <optional>

namespace zw::test {

struct RecordedMessage {
    QString title;
    QString text;
    friend bool operator==(const RecordedMessage&, const RecordedMessage&) = default;
};

// Answers dialogs from a script and records what was asked; never blocks.
// A file, print or unsaved-changes dialog without a scripted answer counts as a cancel and is
// recorded as unexpected.
class ScriptedDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> saveFileName(QWidget* parent, const SaveDialogRequest& request) override;
    std::optional<QString> openFileName(QWidget* parent, const OpenDialogRequest& request) override;
    UnsavedAnswer askUnsaved(QWidget* parent, const QString& title, const QString& text) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    void previewPrint(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter&)>& paint) override;

    // The next save dialog answers this path (or cancels with nullopt).
    void answerSave(std::optional<QString> path) { m_saveAnswers.append(std::move(path)); }
    // The next open dialog answers this path (or cancels with nullopt).
    void answerOpen(std::optional<QString> path) { m_openAnswers.append(std::move(path)); }
    // The next question about unsaved changes gets this answer; recorded in `unsavedQuestions`.
    void answerUnsaved(UnsavedAnswer answer) { m_unsavedAnswers.append(answer); }
    // The next print dialog prints to this PDF file (or cancels with nullopt).
    void answerPrint(std::optional<QString> pdfPath) { m_printAnswers.append(std::move(pdfPath)); }
    // The next preview draws its pages into this PDF file.
    void answerPreview(const QString& pdfPath) { m_previewAnswers.append(pdfPath); }

    QList<RecordedMessage> messages;
    QList<RecordedMessage> unsavedQuestions;
    int printRequests = 0;
    int previewRequests = 0;
    int unexpected = 0;

private:
    QList<std::optional<QString>> m_saveAnswers;
    QList<std::optional<QString>> m_openAnswers;
    QList<UnsavedAnswer> m_unsavedAnswers;
    QList<std::optional<QString>> m_printAnswers;
    QList<QString> m_previewAnswers;
};

} // namespace zw::test
