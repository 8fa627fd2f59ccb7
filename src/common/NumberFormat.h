#pragma once

#include "common/Money.h"

#include <QLocale>
#include <QString>
#include <QStringView>

namespace zw {

// The display patterns of the program. ',' stands for the locale's grouping mark and '.' for
// its decimal mark; a negative value carries its minus sign in front of the whole text.
enum class NumberPattern {
    Amount,          // "###,##0.00"
    RupiahAmount,    // "Rp ###,##0.00"
    RupiahEstate,    // "Rp ###,###.00": no digit before the decimal mark when the whole part is 0
    WholeNumber,     // "###,##0"
};

// A tie at the last shown digit rounds half away from zero on the value's exact decimal digits.
QString formatNumber(double value, NumberPattern pattern, const QLocale& locale);
QString formatNumber(Money value, NumberPattern pattern, const QLocale& locale);

// Formats a text that holds a number; a text that is not a number comes back unchanged.
QString formatText(QStringView text, NumberPattern pattern, const QLocale& locale);

} // namespace zw
