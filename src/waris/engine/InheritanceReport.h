#pragma once

#include "common/OutputLayout.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>

namespace zw {
class LineWriter;
}

namespace zw::waris {

inline constexpr int DetailRowCount = 21;

// The captions of the inheritance result (Hasil) and its detail table (Detail) at the moment of
// saving or printing.
struct InheritanceSheet {
    struct Row {
        QString name;   // Detail Label4(r)
        QString count;  // Label5(r)
        QString amount; // Label6(r), "###,##0.00"
        QString note;   // Label7(r)
    };

    QString title;                         // Label1
    std::array<QString, 6> fieldNames;     // Label2..Label7
    std::array<QString, 8> colons;         // Label18(0..7)
    std::array<QString, 6> fieldValues;    // Label8..Label13
    QString totalHeading;                  // Label16
    QString dividedCaption;                // Label19
    QString dividedValue;                  // Label17
    QString remainderCaption;              // Label14
    QString remainderValue;                // Label15
    std::array<QString, 4> detailHeadings; // Detail Label1, Label2, Label3, Label8
    std::array<Row, DetailRowCount> rows;
};

// Writes the 37 lines of the saved file or of the printed page. The detail amounts are shown
// again with "Rp ": they are read back with the given locale's marks.
void renderInheritanceSheet(const InheritanceSheet& sheet, OutputLayout layout,
                            const QDateTime& now, const QLocale& locale, LineWriter& writer);

} // namespace zw::waris
