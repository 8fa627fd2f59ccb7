#pragma once

#include "common/Money.h"
#include "common/Rupiah.h"

#include <QLocale>
#include <QString>
#include <QStringView>

namespace zw {

// The display patterns of the program. ',' stands for the locale's grouping mark and '.' for
// its decimal mark; a negative value carries its minus sign in front of the whole text.
enum class NumberPattern {
    Amount,       // "###,##0.00"
    RupiahAmount, // "Rp ###,##0.00"
    RupiahEstate, // "Rp ###,###.00": no digit before the decimal mark when the whole part is 0
    WholeNumber,  // "###,##0"
};

// A tie at the last shown digit rounds half away from zero on the value's exact decimal digits:
// for Money its four decimals (0.0050 shows 0.01), for a double its exact binary value, so 2.675
// shows 2.67 because the double nearest to 2.675 lies below it, while 0.125 shows 0.13. A value
// that rounds to zero carries no minus sign. Digits are ASCII; NaN and infinities are shown as the
// locale shows them.
QString formatNumber(double value, NumberPattern pattern, const QLocale& locale);
QString formatNumber(Money value, NumberPattern pattern, const QLocale& locale);
QString formatNumber(Rupiah value, NumberPattern pattern, const QLocale& locale);
// An amount as people read it: "Rp 250.000.000,00" in Indonesian.
QString formatRupiah(Rupiah value, const QLocale& locale);

// Formats a text that holds a number (read with readNumber, so as a double); a text that is not
// a number, the empty text included, comes back unchanged.
QString formatText(QStringView text, NumberPattern pattern, const QLocale& locale);

} // namespace zw
