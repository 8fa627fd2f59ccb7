#pragma once

namespace zw {
class LineWriter;
}

namespace zw::report {

struct Report;

// The report as lines of text: one blank between sections, the values of fields after one column
// of colons, the columns of a table as wide as their longest text with a rule under the headings
// and above a total. Nothing is wrapped and no line ends in blanks.
void writeReport(const Report& report, LineWriter& writer);

} // namespace zw::report
