#pragma once

#include "waris/engine/kasus/Kasus.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QHBoxLayout;
class QMenu;
class QToolButton;
class QWidget;

namespace zw {
class Dialogs;
}

namespace zw::waris {

// The case file of a window: Baru, Buka, Simpan, Simpan Sebagai and the files opened last, with
// the standard shortcuts; which file is open and whether the entry changed since it was saved,
// shown in the window's title. A file that cannot be opened leaves the open case as it was.
class CaseFiles final : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        std::function<std::optional<Kasus>()> current; // none while a field cannot be read
        std::function<void(const Kasus&)> show;
        std::function<void(const QString&)> refuse; // one line, as the window tells it
    };

    CaseFiles(QWidget& window, Dialogs& dialogs, QString title, Hooks hooks);

    // The buttons, for the window to place.
    QHBoxLayout* makeButtons();

    // Each asks first about unsaved changes; false when the user cancelled or it failed.
    bool newCase(const Kasus& fresh);
    // `fresh` in place of the open case, unsaved changes or not.
    void replace(const Kasus& fresh);
    bool open(const QString& path);
    bool openAsked();
    bool save();
    bool saveAs();
    // Simpan, Jangan Simpan or Batal, when the entry changed; true to go on.
    bool mayDiscard();

    // The entry changed; a case shown by show() is not a change.
    void markChanged();
    bool changed() const { return m_changed; }
    // Simpan and Simpan Sebagai only while the entry can be read.
    void enableSaving(bool readable);

    static QStringList recentFiles();

private:
    bool load(const QString& path);
    bool writeTo(const QString& path);
    void remember(const QString& path);
    void fillRecentMenu();
    void showTitle();

    QWidget& m_window;
    Dialogs& m_dialogs;
    QString m_title;
    Hooks m_hooks;
    QString m_path;
    bool m_changed = false;
    bool m_showing = false;
    QToolButton* m_save = nullptr;
    QToolButton* m_saveAs = nullptr;
    QMenu* m_recent = nullptr;
};

} // namespace zw::waris
