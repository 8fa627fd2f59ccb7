#pragma once

#include <functional>

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

} // namespace zw
