#include "ModalGuard.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace zw::test {

void whenModalOpens(std::function<void(QWidget* modal)> action) {
    auto* poll = new QTimer;
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start();
}

ModalWatchdog::ModalWatchdog(int milliseconds) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::check);
    m_timer.start(milliseconds);
}

void ModalWatchdog::check() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        m_fired = true;
        qWarning("unexpected modal window %s closed by the watchdog",
                 qPrintable(modal->objectName()));
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
        if (QApplication::activeModalWidget() == modal)
            break;
    }
}

} // namespace zw::test
