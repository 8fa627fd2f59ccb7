#include "waris/engine/render/DivisionText.h"

#include "common/LineWriter.h"
#include "waris/engine/render/DivisionReport.h"
#include "waris/engine/render/DivisionTitles.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

constexpr int Margin = 1;
constexpr int ColumnGap = 2;

void writeFields(LineWriter& writer, const std::vector<ReportField>& fields) {
    qsizetype width = 0;
    for (const ReportField& field : fields)
        width = std::max(width, field.caption.size());
    const int colon = Margin + static_cast<int>(width) + 1;
    for (const ReportField& field : fields)
        writer.at(Margin).text(field.caption).at(colon).text(u":  "_s).text(field.value).endLine();
}

void writeHeading(LineWriter& writer, const QString& heading) {
    writer.endLine();
    writer.at(Margin).text(heading).endLine();
}

void writeCells(LineWriter& writer, const DivisionReport::Cells& cells,
                const std::array<qsizetype, DivisionReport::ColumnCount>& widths) {
    int start = Margin;
    for (int c = 0; c < DivisionReport::ColumnCount; ++c) {
        const auto slot = static_cast<std::size_t>(c);
        const QString& text = cells[slot];
        const int width = static_cast<int>(widths[slot]);
        const bool right = DivisionReport::rightAligned(c);
        // An empty cell writes nothing, so that no line ends in blanks.
        if (!text.isEmpty())
            writer.at(right ? start + width - static_cast<int>(text.size()) : start).text(text);
        start += width + ColumnGap;
    }
    writer.endLine();
}

} // namespace

void writeDivisionReport(const DivisionReport& report, LineWriter& writer) {
    writer.at(Margin).text(report.time).text(u"  "_s).text(report.date).endLine();
    writer.at(Margin).text(divisionTitles::Report.toString()).endLine();
    writer.endLine();
    writeFields(writer, report.particulars);
    if (!report.money.empty()) {
        writer.endLine();
        writeFields(writer, report.money);
        if (!report.bequestNote.isEmpty())
            writer.at(Margin).text(report.bequestNote).endLine();
    }
    writeHeading(writer, divisionTitles::Options.toString());
    writeFields(writer, report.options);

    std::array<qsizetype, DivisionReport::ColumnCount> widths{};
    const auto measure = [&widths](const DivisionReport::Cells& cells) {
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], cells[c].size());
    };
    measure(DivisionReport::headings());
    for (const DivisionReport::Row& row : report.rows)
        measure(row.cells);
    qsizetype ruleWidth = ColumnGap * (DivisionReport::ColumnCount - 1);
    for (qsizetype width : widths)
        ruleWidth += width;
    const QString rule(ruleWidth, u'-');

    writer.endLine();
    writeCells(writer, DivisionReport::headings(), widths);
    writer.at(Margin).text(rule).endLine();
    for (const DivisionReport::Row& row : report.rows) {
        if (row.kind == DivisionReport::RowKind::Total)
            writer.at(Margin).text(rule).endLine();
        writeCells(writer, row.cells, widths);
    }
    for (const QString& note : report.notes)
        writer.at(Margin).text(note).endLine();

    if (!report.words.isEmpty()) {
        writeHeading(writer, divisionTitles::Words.toString());
        for (const QString& line : report.words)
            writer.at(Margin).text(line).endLine();
    }
    writeHeading(writer, divisionTitles::Steps.toString());
    for (qsizetype i = 0; i < report.steps.size(); ++i)
        writer.at(Margin)
            .text(QString(QString::number(i + 1) % u". "_s % report.steps[i]))
            .endLine();
}

} // namespace zw::waris
