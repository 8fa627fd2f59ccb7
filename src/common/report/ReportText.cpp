#include "common/report/ReportText.h"

#include "common/LineWriter.h"
#include "common/report/Report.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zw::report {

namespace {

constexpr int Margin = 1;
constexpr int ColumnGap = 2;

void writeFields(LineWriter& writer, const Fields& block) {
    qsizetype width = 0;
    for (const Field& field : block.fields)
        width = std::max(width, field.caption.size());
    const int colon = Margin + static_cast<int>(width) + 1;
    for (const Field& field : block.fields)
        writer.at(Margin).text(field.caption).at(colon).text(u":  "_s).text(field.value).endLine();
}

void writeCells(LineWriter& writer, const Table& table, const QStringList& cells,
                const std::vector<qsizetype>& widths) {
    int start = Margin;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const QString text = cells.value(static_cast<qsizetype>(c));
        const int width = static_cast<int>(widths[c]);
        // An empty cell writes nothing, so that no line ends in blanks.
        if (!text.isEmpty()) {
            const bool right = table.columns[c].align == Align::Right;
            writer.at(right ? start + width - static_cast<int>(text.size()) : start).text(text);
        }
        start += width + ColumnGap;
    }
    writer.endLine();
}

void writeTable(LineWriter& writer, const Table& table) {
    std::vector<qsizetype> widths(table.columns.size(), 0);
    for (std::size_t c = 0; c < widths.size(); ++c) {
        widths[c] = table.columns[c].heading.size();
        for (const Row& row : table.rows)
            widths[c] = std::max(widths[c], row.cells.value(static_cast<qsizetype>(c)).size());
    }
    qsizetype ruleWidth = ColumnGap * (static_cast<qsizetype>(widths.size()) - 1);
    for (qsizetype width : widths)
        ruleWidth += width;
    const QString rule(std::max<qsizetype>(ruleWidth, 0), u'-');

    QStringList headings;
    for (const Column& column : table.columns)
        headings.append(column.heading);
    writeCells(writer, table, headings, widths);
    writer.at(Margin).text(rule).endLine();
    for (const Row& row : table.rows) {
        if (row.total)
            writer.at(Margin).text(rule).endLine();
        writeCells(writer, table, row.cells, widths);
    }
}

void writeLines(LineWriter& writer, const QStringList& lines) {
    for (const QString& line : lines)
        writer.at(Margin).text(line).endLine();
}

void writeBlock(LineWriter& writer, const Block& block) {
    if (const auto* fields = std::get_if<Fields>(&block)) {
        writeFields(writer, *fields);
    } else if (const auto* table = std::get_if<Table>(&block)) {
        writeTable(writer, *table);
    } else if (const auto* paragraphs = std::get_if<Paragraphs>(&block)) {
        writeLines(writer, paragraphs->lines);
    } else if (const auto* steps = std::get_if<Steps>(&block)) {
        for (qsizetype i = 0; i < steps->steps.size(); ++i)
            writer.at(Margin).text(numberedStep(i, steps->steps[i])).endLine();
    }
}

} // namespace

void writeReport(const Report& report, LineWriter& writer) {
    if (!report.stamp.isEmpty())
        writer.at(Margin).text(report.stamp).endLine();
    if (!report.title.isEmpty())
        writer.at(Margin).text(report.title).endLine();
    for (const Section& section : report.sections) {
        writer.endLine();
        if (!section.heading.isEmpty())
            writer.at(Margin).text(section.heading).endLine();
        for (const Block& block : section.blocks)
            writeBlock(writer, block);
    }
}

} // namespace zw::report
