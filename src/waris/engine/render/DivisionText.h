#pragma once

namespace zw {
class LineWriter;
}

namespace zw::waris {

class DivisionReport;

// The report as lines of a text file; the table's columns are as wide as their longest text.
void writeDivisionReport(const DivisionReport& report, LineWriter& writer);

} // namespace zw::waris
