#pragma once

#include "common/Money.h"
#include "common/Rupiah.h"

#include <QLocale>
#include <QStringView>

#include <optional>

namespace zw {

// Reads a number as the user typed it, with the given locale's decimal and grouping marks.
// Blanks around the number and a leading sign are allowed. Anything else (empty text, letters,
// inf/nan, misplaced group marks) is "not a number": an empty optional. Grouping marks are
// optional but, when present, separate complete groups of three digits of the whole part; there
// is no exponent and no hexadecimal form. Either side of the decimal mark may be empty (".5",
// "5."), not both. A locale whose grouping mark is a blank also accepts an ordinary space.
std::optional<double> readNumber(QStringView text, const QLocale& locale);

// The same text read exactly into the fixed-point type (more than four decimals round half to
// even); no value when it is not a number or out of range.
std::optional<Money> readMoney(QStringView text, const QLocale& locale);

// The same text read exactly into rupiah and sen, rounded to the sen with halves away from zero;
// a negative amount and one beyond Rupiah::max() are told apart from a text that is no number.
AmountReading readRupiah(QStringView text, const QLocale& locale);

// A field's amount: empty is 0; a negative amount, one beyond the range and a text that is no
// number give none.
std::optional<Rupiah> readFieldAmount(QStringView text, const QLocale& locale);

} // namespace zw
