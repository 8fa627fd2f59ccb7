#pragma once

#include <QFont>

#include <memory>

class QTextDocument;

namespace zw::report {

struct Report;

// The report as a paged document for the printer, the preview and the PDF: the body in
// `bodyFont`, tables in `tableFont` (fixed width, so that figures line up), a table's headings
// repeated on every page it runs onto.
std::unique_ptr<QTextDocument> reportDocument(const Report& report, const QFont& bodyFont,
                                              const QFont& tableFont);

} // namespace zw::report
