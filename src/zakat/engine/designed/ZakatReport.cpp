#include "zakat/engine/designed/ZakatReport.h"

#include "common/LineWriter.h"

namespace zw::zakat {

namespace {

void renderFile(const ZakatSheet& sheet, const QDateTime& now, LineWriter& writer) {
    writer.text(timeStamp(now)).at(11).text(dateStamp(now)).endLine();
    writer.at(26).text(sheetText::Title.toString()).endLine();
    writer.endLine();
    for (std::size_t i = 0; i < sheet.particulars.size(); ++i) {
        writer.text(sheetText::FieldNames[i].toString())
            .at(19)
            .text(sheetText::Colon.toString())
            .at(22)
            .text(sheet.particulars[i]);
        writer.endLine();
    }
    writer.endLine().endLine();
    writer.text(sheetText::KindHeading.toString())
        .at(15)
        .text(sheetText::NoteHeading.toString())
        .endLine();
    writer.endLine();
    for (const ZakatSheet::Row& row : sheet.rows)
        writer.text(row.kind).at(15).text(row.sentence).endLine();
}

// Writes text from the given column on, wrapped at blanks before PrintLastColumn; a word too
// long for the width is cut. Ends the last line.
void writeWrapped(LineWriter& writer, int column, QStringView text) {
    const qsizetype width = PrintLastColumn - column + 1;
    writer.at(column);
    while (text.size() > width) {
        qsizetype cut = width;
        while (cut > 0 && text[cut] != u' ')
            --cut;
        QStringView piece = text.first(cut > 0 ? cut : width);
        while (!piece.isEmpty() && piece.back() == u' ')
            piece.chop(1);
        text = text.sliced(cut > 0 ? cut : width);
        while (!text.isEmpty() && text.front() == u' ')
            text = text.sliced(1);
        writer.text(piece).endLine().at(column);
    }
    writer.text(text).endLine();
}

void renderPrint(const ZakatSheet& sheet, const QDateTime& now, LineWriter& writer) {
    writer.at(10).text(timeStamp(now)).at(20).text(dateStamp(now)).endLine();
    writer.at(36).text(sheetText::Title.toString()).endLine();
    writer.endLine();
    for (std::size_t i = 0; i < sheet.particulars.size(); ++i) {
        writer.at(10)
            .text(sheetText::FieldNames[i].toString())
            .at(30)
            .text(sheetText::Colon.toString());
        writeWrapped(writer, 32, sheet.particulars[i]);
    }
    writer.endLine().endLine();
    writer.at(10)
        .text(sheetText::KindHeading.toString())
        .at(22)
        .text(sheetText::NoteHeading.toString())
        .endLine();
    writer.endLine();
    for (const ZakatSheet::Row& row : sheet.rows) {
        writer.at(10).text(row.kind);
        writeWrapped(writer, 22, row.sentence);
    }
}

} // namespace

void renderZakatSheet(const ZakatSheet& sheet, OutputLayout layout, const QDateTime& now,
                      LineWriter& writer) {
    if (layout == OutputLayout::File)
        renderFile(sheet, now, writer);
    else
        renderPrint(sheet, now, writer);
}

} // namespace zw::zakat
