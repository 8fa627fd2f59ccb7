#include "common/TextFileSink.h"

#include <QStringEncoder>

namespace zw {

double TextFileSink::column() const {
    return static_cast<double>(m_current.size() + 1);
}

void TextFileSink::moveTo(int column) {
    const qsizetype width = column - 1;
    if (m_current.size() < width)
        m_current += QString(width - m_current.size(), QLatin1Char(' '));
}

void TextFileSink::write(QStringView text) {
    m_current += text;
}

void TextFileSink::endLine() {
    m_lines.append(m_current);
    m_current.clear();
}

QByteArray TextFileSink::encoded() const {
    QStringEncoder encoder(QStringConverter::System);
    QByteArray bytes;
    for (const QString& line : m_lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace zw
