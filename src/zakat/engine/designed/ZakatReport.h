#pragma once

// Zakat result sheet output.
//
// The result sheet is a value: the payer's particulars and the rows of one run. The result form
// shows it; renderZakatSheet writes it with the sheet's fixed texts as the lines of the saved
// file or of the printed page through a LineWriter. Saving and printing only choose the sink.

#include "common/OutputLayout.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace zw {
class LineWriter;
}

namespace zw::zakat {

// The fixed texts of the sheet, shared by the result form and the report.
namespace sheetText {

inline constexpr QStringView Title = u" HASIL  PERHITUNGAN ZAKAT ";
// Name, address, telephone, place and date of birth, occupation.
inline constexpr std::array<QStringView, 5> FieldNames{
    u"N a m a", u"A l a m a t", u"T e l e p o n ", u"Tempat/Tgl. Lahir", u"P e k e r j a a n "};
inline constexpr QStringView Colon = u":";
inline constexpr QStringView KindHeading = u"Jenis Zakat";
inline constexpr QStringView NoteHeading = u"Keterangan";

} // namespace sheetText

struct ZakatSheet {
    struct Row {
        QString kind; // "H a r t a"
        QString sentence;
    };

    std::array<QString, 5> particulars;
    std::array<Row, 4> rows;
    std::int16_t filledRows = 0;
};

// On paper a text after the last column stop of its line is wrapped at blanks so that no line
// runs past this column; continuation lines start at the same stop. The file is never wrapped.
inline constexpr int PrintLastColumn = 80;

void renderZakatSheet(const ZakatSheet& sheet, OutputLayout layout, const QDateTime& now,
                      LineWriter& writer);

} // namespace zw::zakat
