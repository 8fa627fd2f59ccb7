#pragma once

#include <QFont>
#include <QStringList>

class QDialog;
class QLabel;
class QWidget;

namespace zw {

// A fixed-size dialog without title text. Qt centres a dialog without parent on the screen
// each time it is shown.
void makeFixedUntitled(QDialog& dialog);

// The first of the families the platform has, else the platform's interface font.
QFont preferredFont(const QStringList& families, int pointSize, bool bold = false);

// A label showing one of the program's pictures (":/pictures/<file>").
QLabel* makePicture(const QString& objectName, const QString& file, QWidget* parent);

} // namespace zw
