#pragma once

#include <QFont>

#include <memory>

class QTextDocument;

namespace zw::waris {

class DivisionReport;

// The report as a paged document for the printer, the preview and the PDF: the body in
// `bodyFont`, the table in `tableFont` (fixed width, so that its columns line up), the table's
// heading repeated on every page it runs onto.
std::unique_ptr<QTextDocument> divisionDocument(const DivisionReport& report, const QFont& bodyFont,
                                                const QFont& tableFont);

} // namespace zw::waris
