#include "ui/Form.h"

#include "ui/Accessibility.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QShowEvent>

namespace zw {

Form::Form(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context) {}

void Form::closeForGood() {
    m_closingForGood = true;
    close();
}

void Form::closeRequested() {
    hide();
}

void Form::setVisible(bool visible) {
    // Before QDialog sizes and lays out the window for its first show.
    if (visible && !m_fitted) {
        m_fitted = true;
        fitToFont();
    }
    QDialog::setVisible(visible);
}

void Form::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Here rather than in the constructor: the subclass's controls exist by now.
    nameButtonsAfterCaptions(*this);
    // A spontaneous show is the window system restoring the window, not the program showing it.
    if (!event->spontaneous())
        activate();
}

void Form::closeEvent(QCloseEvent* event) {
    if (m_closingForGood) {
        // Not QDialog::closeEvent: it would reject(), that is run the form's own way out.
        event->accept();
        return;
    }
    event->ignore();
    closeRequested();
}

void Form::reject() {
    if (m_escapeButton) {
        if (m_escapeButton->isEnabled() && m_escapeButton->isVisible())
            m_escapeButton->click();
        return;
    }
    closeRequested();
}

} // namespace zw
