#include "waris/forms/CaseFiles.h"

#include "ui/Dialogs.h"
#include "waris/engine/kasus/KasusFile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QPoint>
#include <QSettings>
#include <QStandardPaths>
#include <QStringBuilder>
#include <QToolButton>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

const QString RecentKey = u"kasus/terakhir"_s;
constexpr int RecentCount = 8;
const QString Filter = u"Kasus waris (*.waris)"_s;

QString folderOf(const QString& path) {
    if (!path.isEmpty())
        return QFileInfo(path).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

CaseFiles::CaseFiles(QWidget& window, Dialogs& dialogs, QString title, Hooks hooks)
    : QObject(&window)
    , m_window(window)
    , m_dialogs(dialogs)
    , m_title(std::move(title))
    , m_hooks(std::move(hooks)) {
    showTitle();
}

QHBoxLayout* CaseFiles::makeButtons() {
    struct Spec {
        const char16_t* name;
        const char16_t* caption;
        QKeySequence::StandardKey key;
        const char16_t* toolTip;
        bool (CaseFiles::*action)();
    };
    const Spec specs[] = {
        {u"KasusBaru", u"Kasus Baru", QKeySequence::New, u"Memulai kasus baru yang kosong",
         nullptr},
        {u"BukaKasus", u"Buka Kasus…", QKeySequence::Open, u"Membuka berkas kasus (.waris)",
         &CaseFiles::openAsked},
        {u"SimpanKasus", u"Simpan Kasus", QKeySequence::Save, u"Menyimpan kasus ini ke berkasnya",
         &CaseFiles::save},
        {u"SimpanKasusSebagai", u"Simpan Sebagai…", QKeySequence::SaveAs,
         u"Menyimpan kasus ini ke berkas lain", &CaseFiles::saveAs},
    };
    auto* row = new QHBoxLayout;
    for (const Spec& spec : specs) {
        auto* action = new QAction(QString::fromUtf16(spec.caption), &m_window);
        action->setShortcut(spec.key);
        action->setShortcutContext(Qt::WindowShortcut);
        m_window.addAction(action);
        auto* button = new QToolButton(&m_window);
        button->setObjectName(QString::fromUtf16(spec.name));
        button->setDefaultAction(action);
        button->setToolTip(QString::fromUtf16(spec.toolTip) % u" ("_s %
                           action->shortcut().toString(QKeySequence::NativeText) % u')');
        button->setFocusPolicy(Qt::TabFocus);
        row->addWidget(button);
        if (spec.action)
            connect(action, &QAction::triggered, this,
                    [this, action = spec.action] { (this->*action)(); });
        else
            connect(action, &QAction::triggered, this, [this] { newCase(Kasus{}); });
        if (spec.action == &CaseFiles::save)
            m_save = button;
        if (spec.action == &CaseFiles::saveAs)
            m_saveAs = button;
    }
    auto* recent = new QToolButton(&m_window);
    recent->setObjectName(u"KasusTerakhir"_s);
    recent->setText(u"Terakhir Dibuka"_s);
    recent->setToolTip(u"Berkas kasus yang terakhir dibuka atau disimpan"_s);
    recent->setFocusPolicy(Qt::TabFocus);
    m_recent = new QMenu(recent);
    m_recent->setObjectName(u"MenuKasusTerakhir"_s);
    // Shown without a loop of its own, so that nothing waits on it.
    connect(recent, &QToolButton::clicked, this, [this, recent] {
        fillRecentMenu();
        m_recent->popup(recent->mapToGlobal(QPoint(0, recent->height())));
    });
    row->addWidget(recent);
    row->addStretch();
    return row;
}

QStringList CaseFiles::recentFiles() {
    return QSettings().value(RecentKey).toStringList();
}

void CaseFiles::remember(const QString& path) {
    QStringList recent = recentFiles();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > RecentCount)
        recent.removeLast();
    QSettings().setValue(RecentKey, recent);
}

void CaseFiles::fillRecentMenu() {
    m_recent->clear();
    const QStringList recent = recentFiles();
    if (recent.isEmpty())
        m_recent->addAction(u"(belum ada)"_s)->setEnabled(false);
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* action =
            m_recent->addAction(u'&' % QString::number(i + 1) % u' ' % QFileInfo(path).fileName());
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { open(path); });
    }
}

void CaseFiles::showTitle() {
    const QString name = m_path.isEmpty() ? u"Kasus Baru"_s : QFileInfo(m_path).fileName();
    m_window.setWindowTitle(m_title % u" - "_s % name % u"[*]"_s);
    m_window.setWindowModified(m_changed);
}

void CaseFiles::markChanged() {
    if (m_showing || m_changed)
        return;
    m_changed = true;
    showTitle();
}

void CaseFiles::enableSaving(bool readable) {
    for (QToolButton* button : {m_save, m_saveAs}) {
        if (button)
            button->defaultAction()->setEnabled(readable);
    }
}

bool CaseFiles::mayDiscard() {
    if (!m_changed)
        return true;
    const QString name = m_path.isEmpty() ? u"Kasus baru"_s : QFileInfo(m_path).fileName();
    switch (m_dialogs.askUnsaved(&m_window, m_title, name % u" berubah. Simpan perubahannya?"_s)) {
    case UnsavedAnswer::Save:
        return save();
    case UnsavedAnswer::Discard:
        return true;
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

bool CaseFiles::newCase(const Kasus& fresh) {
    if (!mayDiscard())
        return false;
    replace(fresh);
    return true;
}

void CaseFiles::replace(const Kasus& fresh) {
    m_showing = true;
    m_hooks.show(fresh);
    m_showing = false;
    m_path.clear();
    m_changed = false;
    showTitle();
}

bool CaseFiles::open(const QString& path) {
    return mayDiscard() && load(path);
}

bool CaseFiles::load(const QString& path) {
    auto opened = openKasus(path);
    if (const auto* problem = std::get_if<QString>(&opened)) {
        m_hooks.refuse(*problem);
        return false;
    }
    m_showing = true;
    m_hooks.show(std::get<Kasus>(opened));
    m_showing = false;
    m_path = path;
    m_changed = false;
    remember(path);
    showTitle();
    return true;
}

bool CaseFiles::openAsked() {
    if (!mayDiscard())
        return false;
    const auto path =
        m_dialogs.openFileName(&m_window, {u"Buka Kasus"_s, {Filter}, folderOf(m_path)});
    return path && load(*path);
}

bool CaseFiles::save() {
    return m_path.isEmpty() ? saveAs() : writeTo(m_path);
}

bool CaseFiles::saveAs() {
    const std::optional<Kasus> kasus = m_hooks.current();
    if (!kasus)
        return false;
    QString name =
        m_path.isEmpty() ? kasus->deceased.particulars.name : QFileInfo(m_path).baseName();
    if (name.trimmed().isEmpty())
        name = u"kasus"_s;
    const auto path = m_dialogs.saveFileName(
        &m_window, {u"Simpan Kasus"_s, {Filter}, u"waris"_s, name + u".waris"_s, folderOf(m_path)});
    return path && writeTo(*path);
}

bool CaseFiles::writeTo(const QString& path) {
    const std::optional<Kasus> kasus = m_hooks.current();
    if (!kasus)
        return false;
    if (const auto problem = saveKasus(path, *kasus)) {
        m_hooks.refuse(*problem);
        return false;
    }
    m_path = path;
    m_changed = false;
    remember(path);
    showTitle();
    return true;
}

} // namespace zw::waris
