// The program's own start (as in main.cpp), reporting when the password window is painted.
#include "ShownReport.h"
#include "app/Application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ShownReport report(QStringLiteral("Sandi"));
    zw::Application application;
    application.start();
    return 0;
}
