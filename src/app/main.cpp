#include "app/Application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zw::Application application;
    if (!application.start())
        return 0;
    return QApplication::exec();
}
