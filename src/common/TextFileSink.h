#pragma once

#include "common/LineSink.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zw {

// Lines of a plain text file: a column is one character, lines end in CR LF.
class TextFileSink final : public LineSink {
public:
    double column() const override;
    void moveTo(int column) override;
    void write(QStringView text) override;
    void endLine() override;

    // The finished lines without their line ends (a line not yet ended is not included).
    const QStringList& lines() const { return m_lines; }
    // The whole file in the system's 8-bit encoding, every line ended by CR LF.
    QByteArray encoded() const;

private:
    QStringList m_lines;
    QString m_current;
};

} // namespace zw
