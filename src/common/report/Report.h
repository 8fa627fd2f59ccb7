#pragma once

// A report as content, not layout: a title, the time it was written and sections of fields,
// tables, paragraphs and numbered steps. Engines build one from a result; ReportText writes it as
// the lines of a text file or of the command line, ReportDocument as pages to print, preview or
// save as PDF, and a window shows the same parts. Nothing here knows what a report is about.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <variant>
#include <vector>

namespace zw::report {

struct Field {
    QString caption;
    QString value;
};

// Captions and values; the values stand in one column.
struct Fields {
    std::vector<Field> fields;
};

enum class Align : std::uint8_t { Left, Right };

struct Column {
    QString heading;
    Align align = Align::Left;
};

struct Row {
    QStringList cells;  // one per column; an empty cell stays blank
    bool total = false; // set apart by a rule above it, in bold on paper
};

struct Table {
    std::vector<Column> columns;
    std::vector<Row> rows;
};

struct Paragraphs {
    QStringList lines;
};

// Numbered from 1.
struct Steps {
    QStringList steps;
};

using Block = std::variant<Fields, Table, Paragraphs, Steps>;

struct Section {
    QString heading; // none when empty
    std::vector<Block> blocks;
};

struct Report {
    QString title;
    QString stamp; // "08:05:09  03-07-2026"; none when empty
    std::vector<Section> sections;

    Section& addSection(const QString& heading = {}) {
        sections.push_back({heading, {}});
        return sections.back();
    }
};

// "3. Asal masalah ...": a step as every rendering but the paged one numbers it.
QString numberedStep(qsizetype index, const QString& step);

} // namespace zw::report
