#include "shell/WindowStyle.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace zw {

void makeFixedUntitled(QDialog& dialog) {
    dialog.setWindowTitle(QString());
    dialog.setSizeGripEnabled(false);
    if (QLayout* layout = dialog.layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
}

QFont preferredFont(const QStringList& families, int pointSize, bool bold) {
    QFont font;
    // Ending with the platform's own interface font keeps a missing family from being replaced
    // by some unrelated decorative one.
    font.setFamilies(families + QStringList{QGuiApplication::font().family()});
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QLabel* makePicture(const QString& objectName, const QString& file, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(objectName);
    picture->setPixmap(QPixmap(u":/pictures/"_s + file));
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

} // namespace zw
