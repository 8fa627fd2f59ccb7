#include "ui/FormWidgets.h"

#include "ui/Accessibility.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

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

QTableView* makeEntryView(QWidget* parent, const QString& name, QAbstractItemModel* model,
                          const QString& accessibleName) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->verticalHeader()->hide();
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setTabKeyNavigation(false);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setAccessibleName(accessibleName);
    return view;
}

bool removeCurrentRow(QAbstractItemView* view) {
    const QModelIndex current = view->currentIndex();
    return current.isValid() && view->model()->removeRow(current.row());
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
