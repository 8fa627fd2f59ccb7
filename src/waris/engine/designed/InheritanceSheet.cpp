#include "waris/engine/designed/InheritanceSheet.h"

namespace zw::waris {

void InheritanceSheet::setCalculation(const CalculationResult& result) {
    const qsizetype count = std::min<qsizetype>(result.rows.size(), DetailRowCount);
    for (qsizetype i = 0; i < count; ++i) {
        const DetailRow& row = result.rows[i];
        rows[static_cast<std::size_t>(i)] = {row.name, row.count, row.amount, row.note};
    }
    dividedTotal = result.dividedTotal;
    remainder = result.remainder;
}

void InheritanceSheet::clearRows() {
    rows = {};
}

QString amountText(const InheritanceSheet::Row& row, NumberPattern pattern, const QLocale& locale) {
    return row.amount ? amountText(*row.amount, pattern, locale) : QString();
}

QString dividedTotalText(const InheritanceSheet& sheet, const QLocale& locale) {
    return sheet.dividedTotal ? totalText(*sheet.dividedTotal, locale) : QString();
}

QString remainderText(const InheritanceSheet& sheet, const QLocale& locale) {
    return sheet.remainder ? formatNumber(*sheet.remainder, NumberPattern::RupiahAmount, locale)
                           : QString();
}

} // namespace zw::waris
