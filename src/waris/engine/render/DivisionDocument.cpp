#include "waris/engine/render/DivisionDocument.h"

#include "waris/engine/render/DivisionReport.h"
#include "waris/engine/render/DivisionTitles.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

QTextCharFormat bold(const QTextCharFormat& format) {
    QTextCharFormat strong = format;
    strong.setFontWeight(QFont::Bold);
    return strong;
}

QTextTableFormat plainTable() {
    QTextTableFormat format;
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setCellPadding(1);
    format.setCellSpacing(0);
    return format;
}

void addFields(QTextCursor& cursor, const std::vector<ReportField>& fields,
               const QTextCharFormat& text) {
    if (fields.empty())
        return;
    // Caption, colon, value: the colons stand in one column.
    QTextTable* table = cursor.insertTable(static_cast<int>(fields.size()), 3, plainTable());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const int row = static_cast<int>(i);
        table->cellAt(row, 0).firstCursorPosition().insertText(fields[i].caption, text);
        table->cellAt(row, 1).firstCursorPosition().insertText(u":"_s, text);
        table->cellAt(row, 2).firstCursorPosition().insertText(fields[i].value, text);
    }
    cursor.movePosition(QTextCursor::End);
}

void addHeading(QTextCursor& cursor, const QStringView heading, const QTextCharFormat& text) {
    QTextBlockFormat block;
    block.setTopMargin(10);
    cursor.insertBlock(block, bold(text));
    cursor.insertText(heading.toString());
    cursor.insertBlock(QTextBlockFormat(), text);
}

void addDivisionTable(QTextCursor& cursor, const DivisionReport& report,
                      const QTextCharFormat& text) {
    const int rowCount = static_cast<int>(report.rows.size()) + 1;
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorder(0.5);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QTextTable* table = cursor.insertTable(rowCount, DivisionReport::ColumnCount, format);

    const auto fill = [&](int row, const DivisionReport::Cells& cells,
                          const QTextCharFormat& cellText) {
        for (int c = 0; c < DivisionReport::ColumnCount; ++c) {
            QTextCursor cell = table->cellAt(row, c).firstCursorPosition();
            QTextBlockFormat block;
            block.setAlignment(DivisionReport::rightAligned(c) ? Qt::AlignRight : Qt::AlignLeft);
            cell.setBlockFormat(block);
            cell.insertText(cells[static_cast<std::size_t>(c)], cellText);
        }
    };
    fill(0, DivisionReport::headings(), bold(text));
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        const DivisionReport::Row& row = report.rows[i];
        fill(static_cast<int>(i) + 1, row.cells,
             row.kind == DivisionReport::RowKind::Total ? bold(text) : text);
    }
    cursor.movePosition(QTextCursor::End);
}

} // namespace

std::unique_ptr<QTextDocument> divisionDocument(const DivisionReport& report, const QFont& bodyFont,
                                                const QFont& tableFont) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(bodyFont);
    QTextCharFormat body;
    body.setFont(bodyFont);
    QTextCharFormat table;
    table.setFont(tableFont);

    QTextCursor cursor(document.get());
    cursor.setCharFormat(body);
    cursor.insertText(report.time % u"  "_s % report.date, body);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setTopMargin(6);
    centred.setBottomMargin(6);
    QTextCharFormat title = bold(body);
    title.setFontPointSize(bodyFont.pointSizeF() * 1.3);
    cursor.insertBlock(centred, title);
    cursor.insertText(divisionTitles::Report.toString());
    cursor.insertBlock(QTextBlockFormat(), body);
    addFields(cursor, report.particulars, body);
    if (!report.money.empty()) {
        addHeading(cursor, divisionTitles::Deductions, body);
        addFields(cursor, report.money, body);
        if (!report.bequestNote.isEmpty())
            cursor.insertText(report.bequestNote, body);
    }
    addHeading(cursor, divisionTitles::Options, body);
    addFields(cursor, report.options, body);

    cursor.insertBlock(QTextBlockFormat(), body);
    addDivisionTable(cursor, report, table);
    for (const QString& note : report.notes) {
        cursor.insertBlock(QTextBlockFormat(), body);
        cursor.insertText(note, body);
    }

    if (!report.words.isEmpty()) {
        addHeading(cursor, divisionTitles::Words, body);
        for (qsizetype i = 0; i < report.words.size(); ++i) {
            if (i > 0)
                cursor.insertBlock(QTextBlockFormat(), body);
            cursor.insertText(report.words[i], body);
        }
    }
    addHeading(cursor, divisionTitles::Steps, body);
    QTextListFormat numbered;
    numbered.setStyle(QTextListFormat::ListDecimal);
    for (qsizetype i = 0; i < report.steps.size(); ++i) {
        if (i == 0)
            cursor.insertList(numbered);
        else
            cursor.insertBlock();
        cursor.insertText(report.steps[i], body);
    }
    return document;
}

} // namespace zw::waris
