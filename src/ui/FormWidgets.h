#pragma once

#include <QFont>
#include <QString>

class QAbstractItemModel;
class QAbstractItemView;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;
class QWidget;

namespace zw {

// Controls of the forms, named by their designer names.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption = {});
// A centred, bold title, larger than the interface font by the given factor.
QLabel* makeTitle(QWidget* parent, const QString& name, const QString& caption, double scale);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& toolTip = {});

// A label that names `buddy`: its access key reaches it and screen readers announce the caption.
QLabel* makeBuddyLabel(QWidget* parent, const QString& name, const QString& caption,
                       QWidget* buddy);

// A table of entries over `model`, a row selected at a time, the last column stretched. Tab
// leaves it; the arrow keys move between its cells.
QTableView* makeEntryView(QWidget* parent, const QString& name, QAbstractItemModel* model,
                          const QString& accessibleName);
// Removes the view's current row from its model; false when no row is current.
bool removeCurrentRow(QAbstractItemView* view);

// "Label4(3)", "Check(16)"
QString indexedName(const QString& name, int index);

// Courier New, else the system's fixed-width family, at the size of the given font, so columns of
// figures line up and a larger chosen interface font enlarges them too.
QFont fixedWidthFont(QFont font);

} // namespace zw
