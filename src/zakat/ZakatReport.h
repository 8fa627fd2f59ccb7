#pragma once

#include "common/OutputLayout.h"

#include <QDateTime>
#include <QString>

#include <array>

namespace zw {
class LineWriter;
}

namespace zw::zakat {

// The captions of the zakat result sheet at the moment of saving or printing.
struct ZakatSheet {
    QString title;                      // Label13
    std::array<QString, 5> fieldNames;  // Label1, Label2, Label3, label4, Label5
    std::array<QString, 5> colons;      // Label15(0..4)
    std::array<QString, 5> values;      // Label6..Label10
    QString kindHeading;                // Label11
    QString noteHeading;                // Label12
    std::array<QString, 4> rowKinds;    // Label14(1..4)
    std::array<QString, 4> rowSentences; // Label19(1..4)
};

void renderZakatSheet(const ZakatSheet& sheet, OutputLayout layout, const QDateTime& now,
                      LineWriter& writer);

} // namespace zw::zakat
