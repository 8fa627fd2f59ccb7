#include "waris/engine/designed/InheritanceEngine.h"

#include "common/NumberFormat.h"
#include "common/NumberReader.h"
#include "common/Rounding.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

constexpr int LargestCount = 99;

} // namespace

QString amountText(const HeirAmount& amount, NumberPattern pattern, const QLocale& locale) {
    if (amount.type() == HeirAmount::Type::Fixed)
        return formatNumber(amount.money(), pattern, locale);
    return formatNumber(amount.toDouble(), pattern, locale);
}

QString totalText(const DividedTotal& total, const QLocale& locale) {
    if (const auto* fixed = std::get_if<Money>(&total))
        return formatNumber(*fixed, NumberPattern::RupiahAmount, locale);
    return formatNumber(std::get<double>(total), NumberPattern::RupiahAmount, locale);
}

std::optional<double> parseEstate(QStringView text, const QLocale& locale) {
    if (text.isEmpty())
        return 0.0;
    const auto value = readNumber(text, locale);
    if (!value || *value < 0)
        return std::nullopt;
    return *value == 0 ? 0.0 : *value; // no "-0" from a typed "-0"
}

// Counts are typed as plain digits whatever the locale.
std::optional<int> parseCount(QStringView text, const QLocale&) {
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > LargestCount)
            return std::nullopt;
    }
    if (value < 1)
        return std::nullopt;
    return value;
}

CalculationOutcome calculate(CalculationState& state, const HeirSelection& selection,
                             QStringView estateText, const QLocale& locale,
                             const CountAsker& askCount) {
    if (selection.none())
        return CalculationError::NothingTicked;
    const auto estate = parseEstate(estateText, locale);
    if (!estate) {
        return readNumber(estateText, locale) ? CalculationError::NegativeEstate
                                              : CalculationError::EstateNotANumber;
    }

    CalculationState next = state;
    for (int k = 0; k < HeirKindCount; ++k) {
        const HeirKind kind = heirKind(k);
        if (!selection.ticked(kind))
            continue;
        if (!heirInfo(kind).several) {
            next.setCount(kind, u"1"_s, 1);
            continue;
        }
        const std::optional<QString> typed = askCount(kind);
        if (!typed)
            return CalculationError::Cancelled;
        const auto value = parseCount(*typed, locale);
        if (!value)
            return CalculationError::BadCount;
        if (kind == HeirKind::CucuWanita) {
            const auto whole = toInt16HalfEven(*value);
            if (!whole)
                return CalculationError::BadCount;
            next.setCount(kind, QString::number(*whole), *whole);
        } else {
            next.setCount(kind, *typed, *value);
        }
    }

    ShareInput input;
    input.ticked = selection.bits();
    input.counts = next.countValues();
    input.earlierNotes = next.notes();
    input.estate = *estate;
    const auto shares = computeShares(input);
    if (!shares)
        return CalculationError::OutOfRange;
    next.setNotes(shares->notes);
    next.setEstateText(estateText.toString());

    CalculationResult result;
    result.rows.reserve(HeirKindCount);
    for (int k = 0; k < HeirKindCount; ++k) {
        const HeirKind kind = heirKind(k);
        if (!selection.ticked(kind))
            continue;
        const auto slot = static_cast<std::size_t>(k);
        result.rows.append(DetailRow{kind, heirInfo(kind).nameText, next.countText(kind),
                                     shares->amounts[slot], shareNoteText(shares->notes[slot])});
    }
    result.dividedTotal = shares->dividedTotal;
    result.remainder = shares->remainder;

    state = std::move(next);
    return result;
}

} // namespace zw::waris
