#include "waris/engine/InheritanceReport.h"

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

    writer.at(columns.margin).text(timeStamp(now)).at(columns.date).text(dateStamp(now)).endLine();
    writer.at(columns.title).text(sheet.title).endLine();
    writer.endLine();
    for (std::size_t i = 0; i < sheet.fieldNames.size(); ++i)
        writeField(writer, columns, sheet.fieldNames[i], sheet.colons[i], sheet.fieldValues[i]);

    // The printed heading is left open; the next line's move to the margin ends it.
    writer.at(columns.margin).text(sheet.totalHeading);
    if (layout == OutputLayout::File)
        writer.endLine();
    writeField(writer, columns, sheet.dividedCaption, sheet.colons[7], sheet.dividedValue);
    writeField(writer, columns, sheet.remainderCaption, sheet.colons[6], sheet.remainderValue);
    writer.endLine();
    writer.endLine();

    writer.at(columns.margin).text(sheet.detailHeadings[0]);
    for (std::size_t i = 0; i < columns.headings.size(); ++i)
        writer.at(columns.headings[i]).text(sheet.detailHeadings[i + 1]);
    writer.endLine();
    writer.endLine();

    for (const InheritanceSheet::Row& row : sheet.rows) {
        writer.at(columns.margin)
            .text(row.name)
            .at(columns.row[0])
            .text(row.count)
            .at(columns.row[1])
            .text(formatText(row.amount, NumberPattern::RupiahAmount, locale))
            .at(columns.row[2])
            .text(row.note)
            .endLine();
    }
}

} // namespace zw::waris
