#include "app/Application.h"
#include "app/StartUp.h"
#include "cli/FaraidCommand.h"
#include "cli/ZakatCommand.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstring>

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "faraid") == 0) {
        QCoreApplication app(argc, argv); // no display: the command line of the full division
        return zw::runFaraidCommand(QCoreApplication::arguments());
    }
    if (argc > 1 && std::strcmp(argv[1], "zakat") == 0) {
        QCoreApplication app(argc, argv); // no display: the command line of the complete zakat
        return zw::runZakatCommand(QCoreApplication::arguments());
    }
    QApplication app(argc, argv);
    // Where the settings (the case files opened last) are kept.
    QCoreApplication::setOrganizationName(QStringLiteral("zakat-waris"));
    QCoreApplication::setApplicationName(QStringLiteral("zakat-waris"));
    zw::Application application;
    if (!application.start(zw::caseFileArgument(QCoreApplication::arguments())))
        return 0;
    return QApplication::exec();
}
