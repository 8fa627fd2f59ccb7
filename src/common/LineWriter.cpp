#include "common/LineWriter.h"

#include <algorithm>

namespace zw {

namespace {

// Columns on paper are fractions of a character width; a difference below this is "at" it.
constexpr double ColumnTolerance = 1e-6;

} // namespace

LineWriter& LineWriter::at(int column) {
    column = std::max(column, 1); // columns count from 1
    if (m_sink.column() > column + ColumnTolerance)
        m_sink.endLine();
    if (m_sink.column() < column - ColumnTolerance)
        m_sink.moveTo(column);
    return *this;
}

LineWriter& LineWriter::text(QStringView text) {
    m_sink.write(text);
    return *this;
}

LineWriter& LineWriter::endLine() {
    m_sink.endLine();
    return *this;
}

} // namespace zw
