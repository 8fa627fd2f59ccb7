#include "ui/FormWidgets.h"

#include "ui/Accessibility.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace zw {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    // Typed names and addresses are shown as typed, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* makeBuddyLabel(QWidget* parent, const QString& name, const QString& caption,
                       QWidget* buddy) {
    QLabel* label = makeLabel(parent, name, caption);
    label->setBuddy(buddy);
    buddy->setAccessibleName(captionWithoutAccessKeys(caption));
    return label;
}

QLabel* makeTitle(QWidget* parent, const QString& name, const QString& caption, double scale) {
    QLabel* title = makeLabel(parent, name, caption);
    title->setAlignment(Qt::AlignCenter);
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    title->setFont(font);
    return title;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& toolTip) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    return button;
}

bool removeCurrentRow(QTableWidget* table) {
    const int row = table->currentRow();
    if (row < 0)
        return false;
    table->removeRow(row);
    return true;
}

QString indexedName(const QString& name, int index) {
    return name % u'(' % QString::number(index) % u')';
}

QFont fixedWidthFont(QFont font) {
    const QString courier = QStringLiteral("Courier New");
    font.setFamily(QFontDatabase::hasFamily(courier)
                       ? courier
                       : QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    return font;
}

} // namespace zw
