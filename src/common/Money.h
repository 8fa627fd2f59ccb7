#pragma once

#include <QString>

#include <compare>
#include <cstdint>
#include <optional>

namespace zw {

// A money amount held exactly as a signed 64-bit count of ten-thousandths.
// Every operation that could leave the range reports it as an empty optional. The range is
// symmetric, min() == -max(), so negation never overflows.
class Money {
public:
    static constexpr std::int64_t UnitsPerWhole = 10000;

    constexpr Money() = default;

    static constexpr Money fromUnits(std::int64_t tenThousandths) { return Money(tenThousandths); }
    // Rounds the double's exact binary value to four decimals, halves to the even neighbour;
    // NaN, infinities and values out of range give no value. Most decimal "ties" are not ties as
    // doubles: 0.00005 lies just above its tie (0.0001), 0.00015 just below (0.0001), while
    // 0.03125 is a true tie (0.0312).
    static std::optional<Money> fromDouble(double value);
    static std::optional<Money> fromWhole(std::int64_t whole);

    static Money max();
    static Money min();

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const;
    // The exact decimal digits: an optional '-', the whole part, '.', four decimals.
    QString toDecimalString() const;

    std::optional<Money> plus(Money other) const;
    std::optional<Money> minus(Money other) const;
    std::optional<Money> times(std::int64_t factor) const;
    // The product computed in double precision and converted back (halves to even).
    std::optional<Money> timesDouble(double factor) const;

    friend constexpr bool operator==(Money, Money) = default;
    friend constexpr auto operator<=>(Money, Money) = default;

private:
    explicit constexpr Money(std::int64_t units)
        : m_units(units) {}
    std::int64_t m_units = 0;
};

} // namespace zw
