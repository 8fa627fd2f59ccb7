#pragma once

// The content of the full division as texts in the user's number format: the one rendering
// behind the window's table, the saved file, the printed pages, the preview and the PDF.

#include "waris/engine/faraid/DivisionOptions.h"
#include "waris/engine/faraid/FaraidTypes.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace zw::waris {

// What is divided: the deceased's name, the estate as Hasil shows it, and the engine's input.
struct DivisionCase {
    QString name;
    QString estateText;
    FaraidInput input;
};

struct ReportField {
    QString caption;
    QString value;
};

class DivisionReport {
public:
    // Heir, persons, status, share, share per person, amount, amount per person.
    static constexpr int ColumnCount = 7;
    using Cells = std::array<QString, ColumnCount>;
    enum class RowKind : std::uint8_t { Heir, Unassigned, Total };
    struct Row {
        RowKind kind = RowKind::Heir;
        Cells cells;
        bool differsFromTable = false;
    };

    DivisionReport(const DivisionCase& divisionCase, const FaraidResult& result,
                   const QLocale& locale, const QDateTime& now);

    // The time and date the report is written at, as on the other sheets.
    void stamp(const QDateTime& now);

    static const Cells& headings();
    // Persons, shares and amounts line up on the right.
    static bool rightAligned(int column) { return column == 1 || column >= 3; }

    QString time;
    QString date;
    std::vector<ReportField> particulars; // name, estate
    std::vector<ReportField> money;       // funeral costs, debts, bequest, net estate
    QString bequestNote;                  // why the bequest was cut; empty when it was not
    std::vector<ReportField> options;
    // Whether the other choice of each option would change this division.
    std::array<bool, AllDivisionOptions.size()> optionsMatter{};
    std::vector<Row> rows;
    QStringList words; // each person's amount in words
    QStringList notes; // one sentence per kind the rule table treats differently
    QStringList steps;
};

} // namespace zw::waris
