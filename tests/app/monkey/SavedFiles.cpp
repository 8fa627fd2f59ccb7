#include "SavedFiles.h"

#include "ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace zw::test {

namespace {

const QByteArray earlierContent = "earlier sheet\r\n";
const QStringList sheetNames{u"hasil1.TXT"_s, u"hasil2.TXT"_s, u"zakat.TXT"_s};
const QString earlierName = u"lama.TXT"_s;
const QStringList pdfNames{u"cetak1.pdf"_s, u"cetak2.pdf"_s};
const QString previewName = u"pratinjau.pdf"_s;
const QString folderName = u"arsip"_s;
constexpr int inheritanceLines = 37;
constexpr int zakatLines = 16;
// A full disk: the save's first write already goes past the limit.
constexpr rlim_t fullDiskBytes = 64;
constexpr std::size_t answersWaiting = 2;

std::optional<QByteArray> contentOf(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Empty when the bytes are a whole sheet: only CR LF line ends, the last line ended, and as
// many lines as the sheet named in its title line has; a full division, whose length varies,
// ends with its working. A full division saved as a PDF ends with the PDF trailer.
QString sheetProblem(const QByteArray& bytes) {
    if (bytes.startsWith("%PDF"))
        return bytes.trimmed().endsWith("%%EOF") ? QString() : u"is not a whole PDF file"_s;
    const auto lines = bytes.count("\r\n");
    if (!bytes.endsWith("\r\n") || bytes.count('\n') != lines || bytes.count('\r') != lines)
        return u"does not end in whole CR LF lines"_s;
    const QByteArray title = bytes.split('\n').value(1);
    if (title.contains("PEMBAGIAN LENGKAP")) {
        const qsizetype working = bytes.indexOf("\r\nLangkah Perhitungan\r\n1. ");
        return working > 0 ? QString() : u"is a full division without its working"_s;
    }
    const int expected = title.contains("HARTA WARIS") ? inheritanceLines
                         : title.contains("ZAKAT")     ? zakatLines
                                                       : 0;
    if (lines != expected)
        return u"has %1 lines, its title line is \"%2\""_s.arg(lines).arg(
            QString::fromLocal8Bit(title.trimmed()));
    return {};
}

} // namespace

SavedFiles::SavedFiles(QRandomGenerator& random)
    : m_random(random) {
    getrlimit(RLIMIT_FSIZE, &m_normalLimit);
    QDir(m_folder.path()).mkdir(folderName);
    QFile earlier(m_folder.filePath(earlierName));
    if (earlier.open(QIODevice::WriteOnly))
        earlier.write(earlierContent);
}

SavedFiles::~SavedFiles() {
    limitFileSize(false);
}

void SavedFiles::attach(ScriptedDialogs& dialogs) {
    limitFileSize(false);
    m_dialogs = &dialogs;
    m_saves.clear();
    m_prints.clear();
    m_saveRequestsSeen = 0;
    m_printRequestsSeen = 0;
    m_previewsAnswered = 0;
    m_messagesSeen = 0;
    m_limitedSinceCheck = false;
}

void SavedFiles::limitFileSize(bool limited) {
    if (limited == m_limited)
        return;
    rlimit limit = m_normalLimit;
    if (limited)
        limit.rlim_cur = fullDiskBytes;
    setrlimit(RLIMIT_FSIZE, &limit);
    m_limited = limited;
    m_limitedSinceCheck = m_limitedSinceCheck || limited;
}

void SavedFiles::prepare() {
    while (m_saves.size() < answersWaiting) {
        m_saves.push_back(chooseSave());
        m_dialogs->answerSave(m_saves.back().path);
    }
    while (m_prints.size() < answersWaiting) {
        m_prints.push_back(choosePrint());
        m_dialogs->answerPrint(m_prints.back());
    }
    while (m_previewsAnswered - m_dialogs->previewRequests < int(answersWaiting)) {
        m_dialogs->answerPreview(m_folder.filePath(previewName));
        ++m_previewsAnswered;
    }
    limitFileSize(m_saves.front().kind == SaveKind::FullDisk);
}

SavedFiles::SaveAnswer SavedFiles::chooseSave() {
    const int roll = int(m_random.bounded(100));
    const QString sheet = m_folder.filePath(sheetNames[m_random.bounded(sheetNames.size())]);
    const QString earlier = m_folder.filePath(earlierName);
    SaveAnswer answer{SaveKind::Sheet, sheet, std::nullopt};
    if (roll < 35)
        answer = {SaveKind::Sheet, sheet, std::nullopt};
    else if (roll < 45)
        answer = {SaveKind::Earlier, earlier, std::nullopt};
    else if (roll < 65)
        answer = {SaveKind::Cancel, std::nullopt, std::nullopt};
    else if (roll < 70)
        answer = {SaveKind::Empty, QString(), std::nullopt};
    else if (roll < 78)
        answer = {SaveKind::MissingFolder, m_folder.filePath(u"tidak-ada/hasil.TXT"_s),
                  std::nullopt};
    else if (roll < 85)
        answer = {SaveKind::Folder, m_folder.filePath(folderName), std::nullopt};
    else
        answer = {SaveKind::FullDisk, m_random.bounded(2) ? sheet : earlier, std::nullopt};
    if (answer.path)
        answer.before = contentOf(*answer.path);
    return answer;
}

std::optional<QString> SavedFiles::choosePrint() {
    if (m_random.bounded(3) == 0)
        return std::nullopt;
    return m_folder.filePath(pdfNames[m_random.bounded(pdfNames.size())]);
}

QString SavedFiles::check() {
    if (m_dialogs->unexpected > 0)
        return u"a save or print dialog was asked without an answer"_s;

    QList<SaveAnswer> saves;
    for (; m_saveRequestsSeen < m_dialogs->saveRequests.size(); ++m_saveRequestsSeen) {
        saves.append(m_saves.front());
        m_saves.pop_front();
    }
    QList<std::optional<QString>> prints;
    for (; m_printRequestsSeen < m_dialogs->printRequests; ++m_printRequestsSeen) {
        prints.append(m_prints.front());
        m_prints.pop_front();
    }
    int saveErrors = 0;
    int printErrors = 0;
    for (qsizetype i = m_messagesSeen; i < m_dialogs->messages.size(); ++i) {
        const RecordedMessage& message = m_dialogs->messages[i];
        if (message.title != u"ERROR")
            continue;
        if (message.text.startsWith(u"File "))
            ++saveErrors;
        else if (message.text.startsWith(u"Pencetakan") || message.text.startsWith(u"Printer"))
            ++printErrors;
    }
    m_messagesSeen = m_dialogs->messages.size();

    // Two saves between two checks under a full disk cannot be told apart: either may have met it.
    const bool lenient = saves.size() > 1 && m_limitedSinceCheck;
    QString problem = checkSaves(saves, saveErrors, lenient);
    if (problem.isEmpty())
        problem = checkPrints(prints, printErrors);
    if (problem.isEmpty())
        problem = checkFolder();

    m_limitedSinceCheck = m_limited;
    for (SaveAnswer& answer : m_saves)
        answer.before = answer.path ? contentOf(*answer.path) : std::nullopt;
    return problem;
}

QString SavedFiles::checkSaves(const QList<SaveAnswer>& used, int errors, bool lenient) {
    const auto refusedPlace = [](SaveKind kind) {
        return kind == SaveKind::MissingFolder || kind == SaveKind::Folder ||
               kind == SaveKind::FullDisk;
    };
    int expectedErrors = 0;
    QStringList written;
    for (const SaveAnswer& answer : used) {
        if (answer.kind == SaveKind::Sheet || answer.kind == SaveKind::Earlier)
            written.append(*answer.path);
        if (refusedPlace(answer.kind))
            ++expectedErrors;
    }
    if (!lenient && errors != expectedErrors)
        return u"%1 saves asked, %2 of them to a place that cannot take the file, but %3 error "
               u"messages shown"_s.arg(used.size())
                   .arg(expectedErrors)
                   .arg(errors);

    for (const SaveAnswer& answer : used) {
        switch (answer.kind) {
        case SaveKind::Cancel:
        case SaveKind::Empty:
            ++cancelled;
            break;
        case SaveKind::MissingFolder:
        case SaveKind::Folder:
        case SaveKind::FullDisk:
            ++refused;
            if (!lenient && !written.contains(*answer.path) &&
                contentOf(*answer.path) != answer.before)
                return u"a failed save changed %1"_s.arg(*answer.path);
            break;
        case SaveKind::Sheet:
        case SaveKind::Earlier: {
            ++saved;
            if (lenient)
                break;
            const std::optional<QByteArray> bytes = contentOf(*answer.path);
            if (!bytes)
                return u"a save reported as done left no file %1"_s.arg(*answer.path);
            const QString problem = sheetProblem(*bytes);
            if (!problem.isEmpty())
                return u"the saved sheet %1 %2"_s.arg(*answer.path, problem);
            break;
        }
        }
    }
    return {};
}

QString SavedFiles::checkPrints(const QList<std::optional<QString>>& used, int errors) {
    for (const std::optional<QString>& pdf : used) {
        if (!pdf) {
            ++printsCancelled;
            continue;
        }
        if (errors > 0) {
            // Only the simulated full disk makes a page fail.
            if (!m_limitedSinceCheck)
                return u"printing to the PDF file %1 failed"_s.arg(*pdf);
            ++printsRefused;
            continue;
        }
        ++printed;
        const std::optional<QByteArray> bytes = contentOf(*pdf);
        if (!bytes || !bytes->startsWith("%PDF") || !bytes->trimmed().endsWith("%%EOF"))
            return u"printing reported no failure, but %1 is not a whole PDF file"_s.arg(*pdf);
    }
    return {};
}

QString SavedFiles::checkFolder() const {
    const QDir folder(m_folder.path());
    const QFileInfoList entries = folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (name == folderName || name == previewName || pdfNames.contains(name))
            continue;
        if (name != earlierName && !sheetNames.contains(name))
            return u"a save left a stray file %1"_s.arg(name);
        const std::optional<QByteArray> bytes = contentOf(entry.filePath());
        if (!bytes)
            return u"%1 cannot be read"_s.arg(name);
        if (*bytes == earlierContent)
            continue;
        const QString problem = sheetProblem(*bytes);
        if (!problem.isEmpty())
            return u"%1 %2"_s.arg(name, problem);
    }
    return {};
}

} // namespace zw::test
