#pragma once

#include "TestApp.h"

#include <QDir>
#include <QString>
#include <QStringList>

class QWidget;

namespace zw::tools {

// Walks the real forms through an inheritance and a zakat calculation with Indonesian sample
// entries and writes a PNG of each main screen into a folder.
class ScreenshotTour {
public:
    explicit ScreenshotTour(const QString& folder);

    // The files written; an error ends the tour early and is in problems.
    QStringList run();
    QStringList problems;

private:
    void passwordOverMenu(QWidget& gate);
    void inheritance();
    void answerCounts(QList<QString> counts);
    void zakat();
    void answerKindForms(QStringList remaining);
    void closing();

    void shoot(QWidget& window, const QString& name);
    void shootOver(QWidget& below, QWidget& above, const QString& name);
    template<class W> W& child(const QString& form, const QString& name);
    void click(const QString& form, const QString& button);
    void type(QWidget& window, const QString& field, const QString& text);

    test::TestApp m_app;
    QDir m_folder;
    QStringList m_written;
};

} // namespace zw::tools
