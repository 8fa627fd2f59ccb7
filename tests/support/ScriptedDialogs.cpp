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
