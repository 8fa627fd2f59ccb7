#include "ui/ReportOutput.h"

#include "common/LineWriter.h"
#include "common/PaintSink.h"
#include "common/TextFileSink.h"
#include "ui/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/Messages.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

namespace zw {

namespace {

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

SaveDialogRequest saveRequest() {
    return {QStringLiteral("SIMPAN FILE"),
            {QStringLiteral("File Teks (*.TXT)"), QStringLiteral("Semua Jenis File (*.*)")},
            QStringLiteral("TXT"),
            // No initial name: Qt's save dialog takes a pattern such as "*.TXT" as a literal file
            // name, and the filter already shows the text files.
            QString(),
            documentsFolder()};
}

// Qt's PDF writer ignores failed writes (a full disk) and reports success; a page printed to a
// file is whole only when the file ends with the PDF trailer.
bool wholePrintFile(const QString& path) {
    if (path.isEmpty())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(file.size() - 16);
    return file.read(16).trimmed().endsWith("%%EOF");
}

SaveDialogRequest pdfRequest() {
    return {QStringLiteral("SIMPAN PDF"),
            {QStringLiteral("File PDF (*.pdf)"), QStringLiteral("Semua Jenis File (*.*)")},
            QStringLiteral("pdf"),
            QString(),
            documentsFolder()};
}

void reportFailure(AppContext& context, QWidget* parent, const QString& text) {
    showMessage(context.dialogs, parent, messages::failure(text));
}

// Replaces the file at `path` as a whole or not at all.
void saveBytes(AppContext& context, QWidget* parent, const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const QString name = QDir::toNativeSeparators(path);
    // Unbuffered, so that a short write (full disk, size limit) shows in write()'s count: a
    // buffered QSaveFile flushes at commit() and can commit a truncated file as a success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reportFailure(
            context, parent,
            QStringLiteral("File %1 tidak dapat dibuat: %2").arg(name, file.errorString()));
        return;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        reportFailure(context, parent,
                      QStringLiteral("File %1 gagal disimpan: %2").arg(name, reason));
    }
}

} // namespace

void saveReport(AppContext& context, QWidget* parent, const RenderLines& renderFileLines) {
    const std::optional<QString> path = context.dialogs.saveFileName(parent, saveRequest());
    if (!path || path->isEmpty())
        return;

    TextFileSink sink;
    LineWriter writer(sink);
    renderFileLines(writer);
    saveBytes(context, parent, *path, sink.encoded());
}

void printReport(AppContext& context, QWidget* parent, const RenderLines& renderPrintLines) {
    QPrinter printer;
    if (!context.dialogs.setUpPrinter(parent, printer))
        return;

    QPainter painter;
    if (!painter.begin(&printer)) {
        reportFailure(context, parent, QStringLiteral("Printer tidak dapat digunakan."));
        return;
    }
    // A fixed-width font keeps the columns of the page in line with those of the file.
    const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    PaintSink sink(painter, font);
    LineWriter writer(sink);
    renderPrintLines(writer);
    if (!painter.end() || printer.printerState() == QPrinter::Error ||
        !wholePrintFile(printer.outputFileName()))
        reportFailure(context, parent, QStringLiteral("Pencetakan gagal."));
}

void printPages(AppContext& context, QWidget* parent, const PaintPages& paintPages) {
    QPrinter printer;
    if (!context.dialogs.setUpPrinter(parent, printer))
        return;
    paintPages(printer);
    if (printer.printerState() == QPrinter::Error || !wholePrintFile(printer.outputFileName()))
        reportFailure(context, parent, QStringLiteral("Pencetakan gagal."));
}

void previewPages(AppContext& context, QWidget* parent, const PaintPages& paintPages) {
    QPrinter printer;
    context.dialogs.previewPrint(parent, printer, [&](QPrinter& target) { paintPages(target); });
}

void savePdf(AppContext& context, QWidget* parent, const QString& title,
             const PaintPages& paintPages) {
    const std::optional<QString> path = context.dialogs.saveFileName(parent, pdfRequest());
    if (!path || path->isEmpty())
        return;

    // Qt's PDF writer ignores a short write, so the pages go to memory first and reach the disk
    // through the same checked, atomic save as the text file.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Zakat & Waris"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        paintPages(writer);
    }
    if (!buffer.data().trimmed().endsWith("%%EOF")) {
        reportFailure(context, parent, QStringLiteral("File PDF tidak dapat dibuat."));
        return;
    }
    saveBytes(context, parent, *path, buffer.data());
}

} // namespace zw
