#include "waris/engine/render/InheritanceReport.h"

#include "common/LineWriter.h"
#include "common/NumberFormat.h"

namespace zw::waris {

namespace {

struct Columns {
    int margin; // where every line starts (1 in the file)
    int date;
    int title;
    int colon;
    int value;
    std::array<int, 3> headings; // Jumlah, Bagian, Keterangan
    std::array<int, 3> row;      // count, amount, note
};

// On paper the colons stand 22 columns after the captions, as in the file: the captions are
// 22 characters long and the page uses a fixed-width font, so a narrower gap would break them.
constexpr Columns FileColumns{1, 11, 37, 23, 26, {30, 38, 63}, {32, 38, 63}};
constexpr Columns PrintColumns{10, 20, 40, 32, 35, {37, 45, 68}, {39, 45, 68}};

void writeField(LineWriter& writer, const Columns& columns, const QString& caption,
                const QString& colon, const QString& value) {
    writer.at(columns.margin)
        .text(caption)
        .at(columns.colon)
        .text(colon)
        .at(columns.value)
        .text(value)
        .endLine();
}

} // namespace

void renderInheritanceSheet(const InheritanceSheet& sheet, OutputLayout layout,
                            const QDateTime& now, const QLocale& locale, LineWriter& writer) {
    const Columns& columns = layout == OutputLayout::File ? FileColumns : PrintColumns;
    const QString colon = sheetText::Colon.toString();

    writer.at(columns.margin).text(timeStamp(now)).at(columns.date).text(dateStamp(now)).endLine();
    writer.at(columns.title).text(sheetText::Title.toString()).endLine();
    writer.endLine();
    for (std::size_t i = 0; i < sheet.particulars.size(); ++i) {
        writeField(writer, columns, sheetText::FieldNames[i].toString(), colon,
                   sheet.particulars[i]);
    }

    // The printed heading is left open; the next line's move to the margin ends it.
    writer.at(columns.margin).text(sheetText::TotalHeading.toString());
    if (layout == OutputLayout::File)
        writer.endLine();
    writeField(writer, columns, sheetText::DividedCaption.toString(), colon,
               dividedTotalText(sheet, locale));
    writeField(writer, columns, sheetText::RemainderCaption.toString(), colon,
               remainderText(sheet, locale));
    writer.endLine();
    writer.endLine();

    writer.at(columns.margin).text(sheetText::DetailHeadings[0].toString());
    for (std::size_t i = 0; i < columns.headings.size(); ++i)
        writer.at(columns.headings[i]).text(sheetText::DetailHeadings[i + 1].toString());
    writer.endLine();
    writer.endLine();

    for (const InheritanceSheet::Row& row : sheet.rows) {
        writer.at(columns.margin)
            .text(row.name)
            .at(columns.row[0])
            .text(row.count)
            .at(columns.row[1])
            .text(amountText(row, NumberPattern::RupiahAmount, locale))
            .at(columns.row[2])
            .text(row.note)
            .endLine();
    }
}

} // namespace zw::waris
