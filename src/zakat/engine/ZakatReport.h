#pragma once

// Zakat result sheet output.
//
// The form collects the captions shown on the sheet into a ZakatSheet; renderZakatSheet writes
// them, unchanged, as the lines of the saved file or of the printed page through a LineWriter.
// Saving and printing (shell/ReportOutput) only choose the sink.

#include "common/OutputLayout.h"

#include <QDateTime>
#include <QString>

#include <array>

namespace zw {
class LineWriter;
}

namespace zw::zakat {

// The captions of the zakat result sheet at the moment of saving or printing.
struct ZakatSheet {
    QString title;                       // Label13
    std::array<QString, 5> fieldNames;   // Label1, Label2, Label3, label4, Label5
    std::array<QString, 5> colons;       // Label15(0..4)
    std::array<QString, 5> values;       // Label6..Label10
    QString kindHeading;                 // Label11
    QString noteHeading;                 // Label12
    std::array<QString, 4> rowKinds;     // Label14(1..4)
    std::array<QString, 4> rowSentences; // Label19(1..4)
};

// On paper a text after the last column stop of its line is wrapped at blanks so that no line
// runs past this column; continuation lines start at the same stop. The file is never wrapped.
inline constexpr int PrintLastColumn = 80;

void renderZakatSheet(const ZakatSheet& sheet, OutputLayout layout, const QDateTime& now,
                      LineWriter& writer);

} // namespace zw::zakat
