#include "ScriptedDialogs.h"

#include <QPrinter>

namespace zw::test {

void ScriptedDialogs::message(QWidget*, const QString& title, const QString& text) {
    messages.append({title, text});
}

std::optional<QString> ScriptedDialogs::saveFileName(QWidget*, const SaveDialogRequest&) {
    if (m_saveAnswers.isEmpty()) {
        ++unexpected;
        return std::nullopt;
    }
    return m_saveAnswers.takeFirst();
}

std::optional<QString> ScriptedDialogs::openFileName(QWidget*, const OpenDialogRequest&) {
    if (m_openAnswers.isEmpty()) {
        ++unexpected;
        return std::nullopt;
    }
    return m_openAnswers.takeFirst();
}

UnsavedAnswer ScriptedDialogs::askUnsaved(QWidget*, const QString& title, const QString& text) {
    unsavedQuestions.append({title, text});
    if (m_unsavedAnswers.isEmpty()) {
        ++unexpected;
        return UnsavedAnswer::Cancel;
    }
    return m_unsavedAnswers.takeFirst();
}

bool ScriptedDialogs::setUpPrinter(QWidget*, QPrinter& printer) {
    ++printRequests;
    if (m_printAnswers.isEmpty()) {
        ++unexpected;
        return false;
    }
    const std::optional<QString> pdf = m_printAnswers.takeFirst();
    if (!pdf)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*pdf);
    return true;
}

void ScriptedDialogs::previewPrint(QWidget*, QPrinter& printer,
                                   const std::function<void(QPrinter&)>& paint) {
    ++previewRequests;
    if (m_previewAnswers.isEmpty()) {
        ++unexpected;
        return;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_previewAnswers.takeFirst());
    paint(printer);
}

} // namespace zw::test
