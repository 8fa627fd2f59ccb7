#pragma once

#include "HangWatchdog.h"
#include "SavedFiles.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <memory>

class QWidget;

namespace zw::test {

class TestApp;

// Drives the whole program with random user actions, one per turn of whichever event loop runs
// (so also inside the modal windows shown with exec()), and checks the program after each
// action. When the program ends, a fresh one is started.
class Monkey : public QObject {
    Q_OBJECT

public:
    struct Settings {
        quint32 seed = 0;
        int actions = 0;
        std::chrono::seconds hangLimit{20};
        std::chrono::seconds actionLimit{5};
        bool trace = false; // every action on stderr
    };

    explicit Monkey(const Settings& settings);
    ~Monkey() override;

    // Runs the actions; the first failure found, or an empty text.
    QString run();
    QString summary() const;

private:
    void runProgram();
    void tick();
    void act();
    void check();
    void fail(const QString& problem);
    bool inputPaused(QWidget* modal) const;
    bool mayLeave();
    static bool isWayOut(const QString& caption);
    void unwind();

    QList<QWidget*> reachableWindows() const;
    QWidget* keyboardWindow();
    void useWindow(QWidget* window);
    void clickButton(const QList<QWidget*>& windows);
    void clickPicture(const QList<QWidget*>& windows);
    void typeInto(const QList<QWidget*>& windows, bool clearFirst);
    void pressKey(Qt::Key key);
    void pressAccessKey();
    void closeWindow(const QList<QWidget*>& windows);
    void note(const QString& action, QWidget* target);

    Settings m_settings;
    QRandomGenerator m_random;
    HangWatchdog m_hang;
    SavedFiles m_files;
    std::unique_ptr<TestApp> m_app;
    QPointer<QWidget> m_userWindow; // where the user's keys go
    QEventLoop m_loop;
    QTimer m_tick;
    QTimer m_stallCheck;
    QElapsedTimer m_sinceTick;
    QElapsedTimer m_pausedFor;
    QElapsedTimer m_runTime;

    int m_done = 0;
    int m_ticks = 0;
    QString m_failure;
    QStringList m_recent;
    QStringList m_visibleBefore;

    int m_programs = 0;
    int m_endings = 0;
    int m_slowestAction = 0;
    int m_waits = 0;
    QMap<QString, int> m_shown;
    QMap<QString, int> m_messages;
    QMap<QString, int> m_kinds;
};

} // namespace zw::test
