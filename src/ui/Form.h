#pragma once

#include <QDialog>

class QAbstractButton;

namespace zw {

struct AppContext;

// Base of every window of the program. A form is created once and then hidden and shown;
// activate() runs each time the program shows it (never on a mere return of focus).
// Escape presses the form's escape button if it has one; the window system's close button
// runs closeRequested(), which each form maps to its own way out.
class Form : public QDialog {
    Q_OBJECT

public:
    explicit Form(AppContext& context, QWidget* parent = nullptr);

    // Lets the program close the window for good (unload) without the closeRequested() route.
    void closeForGood();

    void setVisible(bool visible) override;

protected:
    AppContext& context() const { return m_context; }

    virtual void activate() {}
    // Sizes taken from font metrics. Run once, just before the form is first shown: measuring
    // loads the fonts, which a form created at start-up and never opened should not pay for.
    virtual void fitToFont() {}
    // Default: just hide the window.
    virtual void closeRequested();

    void setEscapeButton(QAbstractButton* button) { m_escapeButton = button; }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    AppContext& m_context;
    QAbstractButton* m_escapeButton = nullptr;
    bool m_closingForGood = false;
    bool m_fitted = false;
};

} // namespace zw
