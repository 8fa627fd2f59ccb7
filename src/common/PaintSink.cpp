#include "common/PaintSink.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace zw {

PaintSink::PaintSink(QPainter& painter, const QFont& font)
    : m_painter(painter)
    , m_font(font) {
    const QFontMetricsF metrics(m_font, m_painter.device());
    m_columnWidth = metrics.averageCharWidth();
    m_lineHeight = metrics.lineSpacing();
    m_ascent = metrics.ascent();
    m_painter.setFont(m_font);
}

double PaintSink::column() const {
    return m_x / m_columnWidth + 1.0;
}

void PaintSink::moveTo(int column) {
    m_x = std::max(m_x, (column - 1) * m_columnWidth);
}

void PaintSink::write(QStringView text) {
    // The page is changed only when a line is actually drawn, so the last line never leaves an
    // empty page behind.
    if (m_y > 0.0 && m_y + m_lineHeight > m_painter.device()->height()) {
        if (auto* paged = dynamic_cast<QPagedPaintDevice*>(m_painter.device())) {
            paged->newPage();
            m_y = 0.0;
        }
    }
    const QString line = text.toString();
    m_painter.setFont(m_font);
    m_painter.drawText(QPointF(m_x, m_y + m_ascent), line);
    m_x += QFontMetricsF(m_font, m_painter.device()).horizontalAdvance(line);
}

void PaintSink::endLine() {
    m_x = 0.0;
    m_y += m_lineHeight;
}

} // namespace zw
