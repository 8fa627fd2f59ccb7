#include "ModalGuard.h"
#include "ScreenshotTour.h"

#include <QApplication>

#include <cstdio>

// Writes PNG pictures of the main screens into the folder given as the first argument
// (docs/screenshots by default). Run it under a desktop or a virtual display.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString folder = arguments.value(1, QStringLiteral("docs/screenshots"));

    // A window left waiting for an answer must not hang the build.
    zw::test::ModalWatchdog watchdog(60000);
    zw::tools::ScreenshotTour tour(folder);
    const QStringList written = tour.run();
    for (const QString& path : written)
        std::printf("%s\n", qPrintable(path));
    for (const QString& problem : tour.problems)
        std::fprintf(stderr, "%s\n", qPrintable(problem));
    return tour.problems.isEmpty() && !watchdog.fired() ? 0 : 1;
}
