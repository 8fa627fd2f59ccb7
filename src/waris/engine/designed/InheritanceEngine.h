#pragma once

// Inheritance engine.
//
// Input: the ticked heir kinds, the estate text as typed, and a callback that answers the count
// of each kind that can be several persons (asked in kind order). The engine validates the
// estate and counts, resets the amounts, runs the share rule of every ticked kind in ascending
// order (later rules read the notes and counts written earlier in the same calculation), adds
// the amounts in the fixed summing order and subtracts the total from the estate.
// Output: one detail row per ticked kind (name, count, amount, note), the total and the remainder.
// CalculationState carries what persists between calculations of one run; no widgets here.
// The rules and sums themselves, without display texts, are in ShareRules.h.
// A calculation that fails (bad estate or count, a cancelled question, an amount out of the
// fixed-point range) returns only the error and leaves the state as it was.

#include "common/Money.h"
#include "common/NumberFormat.h"
#include "waris/engine/HeirKind.h"
#include "waris/engine/designed/CalculationState.h"
#include "waris/engine/designed/ShareRules.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <variant>

namespace zw::waris {

// The count typed for one kind, or nothing when the user cancelled the question.
using CountAsker = std::function<std::optional<QString>(HeirKind kind)>;

// A usable estate: a number of 0 or more; the empty text counts as 0.
std::optional<double> parseEstate(QStringView text, const QLocale& locale);
// A usable count: digits only, a whole number from 1 to 99 (leading zeros allowed).
std::optional<int> parseCount(QStringView text, const QLocale& locale);

struct DetailRow {
    HeirKind kind;
    QString name;  // catalogue name text
    QString count; // as shown in the "Jumlah" column
    HeirAmount amount;
    QString note;
};

struct CalculationResult {
    QList<DetailRow> rows;
    DividedTotal dividedTotal;
    Money remainder;
};

// The amount and the total as the screens and the report show them, in the pattern given.
QString amountText(const HeirAmount& amount, NumberPattern pattern, const QLocale& locale);
QString totalText(const DividedTotal& total, const QLocale& locale);

enum class CalculationError {
    NothingTicked,
    EstateNotANumber,
    NegativeEstate,
    BadCount,
    Cancelled,
    OutOfRange,
};

using CalculationOutcome = std::variant<CalculationResult, CalculationError>;

CalculationOutcome calculate(CalculationState& state, const HeirSelection& selection,
                             QStringView estateText, const QLocale& locale,
                             const CountAsker& askCount);

} // namespace zw::waris
