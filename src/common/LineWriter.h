#pragma once

#include "common/LineSink.h"

#include <QStringView>

namespace zw {

// Column-positioned line output: items follow each other without separators; at(n) moves to
// column n, padding with blanks, or ends the line first when the position is already past n.
class LineWriter {
public:
    explicit LineWriter(LineSink& sink)
        : m_sink(sink) {}

    LineWriter& at(int column);
    LineWriter& text(QStringView text);
    LineWriter& endLine();

private:
    LineSink& m_sink;
};

} // namespace zw
