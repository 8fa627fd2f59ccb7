// The smallest Qt Widgets program with one dialog, as the yardstick for the start-up.
#include "ShownReport.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ShownReport report(QStringLiteral("Dialog"));
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("Dialog"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Password"), &dialog));
    layout->addWidget(new QLineEdit(&dialog));
    layout->addWidget(new QPushButton(QStringLiteral("OK"), &dialog));
    dialog.exec();
    return 0;
}
