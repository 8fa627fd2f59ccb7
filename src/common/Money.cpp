#include "common/Money.h"

#include <cmath>
#include <limits>

namespace zw {

namespace {

constexpr std::int64_t MaxUnits = std::numeric_limits<std::int64_t>::max();

// The range is symmetric so that negating a value never leaves it.
std::optional<Money> checked(std::int64_t units) {
    if (units < -MaxUnits)
        return std::nullopt;
    return Money::fromUnits(units);
}

} // namespace

std::optional<Money> Money::fromDouble(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    if (std::abs(value) >= 1e15) // beyond max() whatever the rounding
        return std::nullopt;

    // value * 10000 = (mantissa * 625) * 2^(exponent + 4) exactly, so it is rounded on integers
    // and a tie such as 0.00005 is recognised only when the double really is one.
    int binaryExponent = 0;
    const double fraction = std::frexp(std::abs(value), &binaryExponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const std::uint64_t scaled = mantissa * 625;  // below 2^63
    const int exponent = binaryExponent - 53 + 4; // at most 1, as the value is below 2^50

    std::uint64_t magnitude = 0;
    if (exponent >= 0) {
        magnitude = scaled << exponent;
    } else if (exponent > -64) {
        const int shift = -exponent;
        magnitude = scaled >> shift;
        const std::uint64_t rest = scaled - (magnitude << shift);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        if (rest > half || (rest == half && (magnitude & 1) != 0))
            ++magnitude;
    }
    if (magnitude > static_cast<std::uint64_t>(MaxUnits))
        return std::nullopt;
    const auto units = static_cast<std::int64_t>(magnitude);
    return Money(value < 0 ? -units : units);
}

std::optional<Money> Money::fromWhole(std::int64_t whole) {
    std::int64_t units = 0;
    if (__builtin_mul_overflow(whole, UnitsPerWhole, &units))
        return std::nullopt;
    return checked(units);
}

Money Money::max() {
    return Money(MaxUnits);
}

Money Money::min() {
    return Money(-MaxUnits);
}

double Money::toDouble() const {
    return static_cast<double>(m_units) / static_cast<double>(UnitsPerWhole);
}

QString Money::toDecimalString() const {
    const std::uint64_t magnitude =
        m_units < 0 ? 0 - static_cast<std::uint64_t>(m_units) : static_cast<std::uint64_t>(m_units);
    const std::uint64_t whole = magnitude / UnitsPerWhole;
    const std::uint64_t fraction = magnitude % UnitsPerWhole;
    QString text;
    if (m_units < 0)
        text += QLatin1Char('-');
    text += QString::number(whole) + QLatin1Char('.') +
            QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
    return text;
}

std::optional<Money> Money::plus(Money other) const {
    std::int64_t units = 0;
    if (__builtin_add_overflow(m_units, other.m_units, &units))
        return std::nullopt;
    return checked(units);
}

std::optional<Money> Money::minus(Money other) const {
    std::int64_t units = 0;
    if (__builtin_sub_overflow(m_units, other.m_units, &units))
        return std::nullopt;
    return checked(units);
}

std::optional<Money> Money::times(std::int64_t factor) const {
    std::int64_t units = 0;
    if (__builtin_mul_overflow(m_units, factor, &units))
        return std::nullopt;
    return checked(units);
}

std::optional<Money> Money::timesDouble(double factor) const {
    return fromDouble(toDouble() * factor);
}

} // namespace zw
