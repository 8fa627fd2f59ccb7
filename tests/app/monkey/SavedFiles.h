#pragma once

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QTemporaryDir>

#include <deque>
#include <optional>
#include <sys/resource.h>

namespace zw::test {

class ScriptedDialogs;

// The answers a user gives to the save and print dialogs during a monkey run, and the check that
// what was saved is whole: every file in the folder is absent, the earlier file as it was, or a
// complete sheet. Two answers always wait for each kind of dialog, since a button pressed by its
// access key clicks a moment later, possibly together with the next action's click.
class SavedFiles {
public:
    explicit SavedFiles(QRandomGenerator& random);
    ~SavedFiles();
    SavedFiles(const SavedFiles&) = delete;
    SavedFiles& operator=(const SavedFiles&) = delete;

    // A fresh program: its dialogs have no answers yet.
    void attach(ScriptedDialogs& dialogs);
    // Before an action: the answers are topped up; while the next save meets a full disk, a file
    // size limit is in force.
    void prepare();
    // After an action (or when a program has ended): what the dialogs answered since the last
    // check is checked; returns what is wrong.
    QString check();
    // Lifts the file size limit for output of the test itself (a log redirected to a file).
    template<class F> void unlimited(F&& write) {
        const bool limited = m_limited;
        limitFileSize(false);
        write();
        limitFileSize(limited);
    }
    void finish() { limitFileSize(false); }

    int saved = 0;
    int refused = 0;
    int cancelled = 0;
    int printed = 0;
    int printsCancelled = 0;
    int printsRefused = 0;

private:
    enum class SaveKind { Sheet, Earlier, Cancel, Empty, MissingFolder, Folder, FullDisk };
    struct SaveAnswer {
        SaveKind kind;
        std::optional<QString> path;
        std::optional<QByteArray> before; // the target's bytes at the last check
    };

    SaveAnswer chooseSave();
    std::optional<QString> choosePrint();
    void limitFileSize(bool limited);
    QString checkSaves(const QList<SaveAnswer>& used, int errors, bool lenient);
    QString checkPrints(const QList<std::optional<QString>>& used, int errors);
    QString checkFolder() const;

    QRandomGenerator& m_random;
    QTemporaryDir m_folder;
    ScriptedDialogs* m_dialogs = nullptr;
    std::deque<SaveAnswer> m_saves;
    std::deque<std::optional<QString>> m_prints;
    qsizetype m_saveRequestsSeen = 0;
    int m_printRequestsSeen = 0;
    int m_previewsAnswered = 0;
    qsizetype m_messagesSeen = 0;
    rlimit m_normalLimit{};
    bool m_limited = false;
    bool m_limitedSinceCheck = false;
};

} // namespace zw::test
