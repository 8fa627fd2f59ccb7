#include "ui/WindowStyle.h"

#include <QDialog>
#include <QFontDatabase>
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
    // Only installed families: fontconfig would replace a missing one by some unrelated
    // decorative font, where the platform's interface font reads better.
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            font.setFamily(family);
            break;
        }
    }
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
