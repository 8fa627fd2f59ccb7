#pragma once

#include <QStringView>

namespace zw {

// Where a LineWriter puts its lines: a text file or a printed page.
class LineSink {
public:
    virtual ~LineSink() = default;

    // The column the next character goes to, counted from 1 (fractional on paper).
    virtual double column() const = 0;
    // Moves forward to the given column of the current line (the writer only moves forward).
    virtual void moveTo(int column) = 0;
    virtual void write(QStringView text) = 0;
    virtual void endLine() = 0;
};

} // namespace zw
