#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace zw {

class LineWriter;
struct AppContext;

// Saving and printing of a result sheet, shared by both roads. The caller renders the lines
// into the writer it is given; these functions only choose the path or printer, write
// atomically, and report a failure in a message box. Cancelling does nothing.
using RenderLines = std::function<void(LineWriter&)>;

void saveReport(AppContext& context, QWidget* parent, const RenderLines& renderFileLines);
void printReport(AppContext& context, QWidget* parent, const RenderLines& renderPrintLines);

// The same for a paged document: the caller paints every page on the device it is given.
// Printing reports a device that fails part-way (a full disk) as a failure; the PDF is saved
// like the text file, atomically, so a failed save leaves whatever was there before.
using PaintPages = std::function<void(QPagedPaintDevice&)>;

void printPages(AppContext& context, QWidget* parent, const PaintPages& paintPages);
void previewPages(AppContext& context, QWidget* parent, const PaintPages& paintPages);
void savePdf(AppContext& context, QWidget* parent, const QString& title,
             const PaintPages& paintPages);

} // namespace zw
