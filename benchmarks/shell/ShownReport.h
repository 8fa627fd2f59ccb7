#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QWidget>

#include <cstdio>

// Watches for the first paint of the named window, then prints "shown <peak resident kB>" and
// ends the event loop that is running.
class ShownReport : public QObject {
public:
    explicit ShownReport(QString windowName)
        : m_windowName(std::move(windowName)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_done && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow() && watched->objectName() == m_windowName) {
            m_done = true;
            std::printf("shown %lld\n", peakResidentKb());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static long long peakResidentKb() {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
        }
        return -1;
    }

    QString m_windowName;
    bool m_done = false;
};
