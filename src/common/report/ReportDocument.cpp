#include "common/report/ReportDocument.h"

#include "common/report/Report.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

using namespace Qt::StringLiterals;

namespace zw::report {

namespace {

QTextCharFormat bold(const QTextCharFormat& format) {
    QTextCharFormat strong = format;
    strong.setFontWeight(QFont::Bold);
    return strong;
}

class DocumentWriter {
public:
    DocumentWriter(QTextDocument& document, const QFont& bodyFont, const QFont& tableFont)
        : m_cursor(&document) {
        m_body.setFont(bodyFont);
        m_table.setFont(tableFont);
        m_cursor.setCharFormat(m_body);
    }

    void write(const Report& report);

private:
    void heading(const QString& text);
    void fields(const Fields& block);
    void table(const Table& block);
    void paragraphs(const Paragraphs& block);
    void steps(const Steps& block);
    void newBlock() {
        if (m_started)
            m_cursor.insertBlock(QTextBlockFormat(), m_body);
        m_started = true;
    }

    QTextCursor m_cursor;
    QTextCharFormat m_body;
    QTextCharFormat m_table;
    bool m_started = false;
};

void DocumentWriter::write(const Report& report) {
    if (!report.stamp.isEmpty()) {
        newBlock();
        m_cursor.insertText(report.stamp, m_body);
    }
    if (!report.title.isEmpty()) {
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        centred.setTopMargin(6);
        centred.setBottomMargin(6);
        QTextCharFormat title = bold(m_body);
        title.setFontPointSize(m_body.font().pointSizeF() * 1.3);
        if (m_started)
            m_cursor.insertBlock(centred, title);
        else
            m_cursor.setBlockFormat(centred);
        m_cursor.insertText(report.title, title);
        m_started = true;
    }
    for (const Section& section : report.sections) {
        if (section.heading.isEmpty())
            newBlock();
        else
            heading(section.heading);
        bool first = true;
        for (const Block& block : section.blocks) {
            if (!first)
                newBlock();
            first = false;
            std::visit(
                [this](const auto& content) {
                    using T = std::decay_t<decltype(content)>;
                    if constexpr (std::is_same_v<T, Fields>)
                        fields(content);
                    else if constexpr (std::is_same_v<T, Table>)
                        table(content);
                    else if constexpr (std::is_same_v<T, Paragraphs>)
                        paragraphs(content);
                    else
                        steps(content);
                },
                block);
        }
    }
}

void DocumentWriter::heading(const QString& text) {
    QTextBlockFormat block;
    block.setTopMargin(10);
    m_cursor.insertBlock(block, bold(m_body));
    m_cursor.insertText(text);
    m_cursor.insertBlock(QTextBlockFormat(), m_body);
    m_started = true;
}

void DocumentWriter::fields(const Fields& block) {
    if (block.fields.empty())
        return;
    // Caption, colon, value: the colons stand in one column.
    QTextTableFormat format;
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setCellPadding(1);
    format.setCellSpacing(0);
    QTextTable* grid = m_cursor.insertTable(static_cast<int>(block.fields.size()), 3, format);
    for (std::size_t i = 0; i < block.fields.size(); ++i) {
        const int row = static_cast<int>(i);
        grid->cellAt(row, 0).firstCursorPosition().insertText(block.fields[i].caption, m_body);
        grid->cellAt(row, 1).firstCursorPosition().insertText(u":"_s, m_body);
        grid->cellAt(row, 2).firstCursorPosition().insertText(block.fields[i].value, m_body);
    }
    m_cursor.movePosition(QTextCursor::End);
}

void DocumentWriter::table(const Table& block) {
    const int columns = static_cast<int>(block.columns.size());
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorder(0.5);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QTextTable* grid =
        m_cursor.insertTable(static_cast<int>(block.rows.size()) + 1, columns, format);
    const auto fill = [&](int row, const QStringList& cells, const QTextCharFormat& text) {
        for (int c = 0; c < columns; ++c) {
            QTextCursor cell = grid->cellAt(row, c).firstCursorPosition();
            const bool figures = block.columns[static_cast<std::size_t>(c)].align == Align::Right;
            QTextBlockFormat alignment;
            alignment.setAlignment(figures ? Qt::AlignRight : Qt::AlignLeft);
            // An amount is read whole: its column takes its width; headings and text wrap.
            alignment.setNonBreakableLines(figures && row > 0);
            cell.setBlockFormat(alignment);
            cell.insertText(cells.value(c), text);
        }
    };
    QStringList headings;
    for (const Column& column : block.columns)
        headings.append(column.heading);
    fill(0, headings, bold(m_table));
    for (std::size_t i = 0; i < block.rows.size(); ++i) {
        const Row& row = block.rows[i];
        fill(static_cast<int>(i) + 1, row.cells, row.total ? bold(m_table) : m_table);
    }
    m_cursor.movePosition(QTextCursor::End);
}

void DocumentWriter::paragraphs(const Paragraphs& block) {
    for (qsizetype i = 0; i < block.lines.size(); ++i) {
        if (i > 0)
            m_cursor.insertBlock(QTextBlockFormat(), m_body);
        m_cursor.insertText(block.lines[i], m_body);
    }
}

void DocumentWriter::steps(const Steps& block) {
    QTextListFormat numbered;
    numbered.setStyle(QTextListFormat::ListDecimal);
    for (qsizetype i = 0; i < block.steps.size(); ++i) {
        if (i == 0)
            m_cursor.insertList(numbered);
        else
            m_cursor.insertBlock();
        m_cursor.insertText(block.steps[i], m_body);
    }
}

} // namespace

std::unique_ptr<QTextDocument> reportDocument(const Report& report, const QFont& bodyFont,
                                              const QFont& tableFont) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(bodyFont);
    DocumentWriter(*document, bodyFont, tableFont).write(report);
    return document;
}

} // namespace zw::report
