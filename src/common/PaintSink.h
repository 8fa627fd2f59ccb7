#pragma once

#include "common/LineSink.h"

#include <QFont>

class QPainter;

namespace zw {

// Lines drawn on a paged paint device (a printer or a PDF writer) through a QPainter: a column
// is the average character width of the font, measured with the device's own metrics.
// A line that does not fit on the page starts a new page.
class PaintSink final : public LineSink {
public:
    PaintSink(QPainter& painter, const QFont& font);

    double column() const override;
    void moveTo(int column) override;
    void write(QStringView text) override;
    void endLine() override;

private:
    QPainter& m_painter;
    QFont m_font;
    double m_columnWidth = 1.0;
    double m_lineHeight = 1.0;
    double m_ascent = 0.0;
    double m_x = 0.0;
    double m_y = 0.0;
};

} // namespace zw
