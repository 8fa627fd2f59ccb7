#pragma once

#include <QString>

#include <compare>
#include <cstdint>

namespace zw::waris {

__extension__ typedef __int128 Int128;

// An exact rational number p/q with 64-bit parts, always in lowest terms with q > 0.
// Intermediates are 128-bit; a result whose reduced parts do not fit 64 bits (or a division by
// zero) gives the invalid value 0/0, which every later operation keeps. Check valid() at the end.
class Fraction {
public:
    constexpr Fraction() = default;
    constexpr Fraction(std::int64_t whole) // NOLINT: implicit from an integer on purpose
        : m_num(whole) {}
    static Fraction of(std::int64_t numerator, std::int64_t denominator);
    static constexpr Fraction invalid() { return Fraction(0, 0, RawTag{}); }

    constexpr std::int64_t num() const { return m_num; }
    constexpr std::int64_t den() const { return m_den; }
    constexpr bool valid() const { return m_den != 0; }
    constexpr bool isZero() const { return m_num == 0 && m_den != 0; }
    constexpr bool isInteger() const { return m_den == 1; }

    Fraction operator+(Fraction other) const;
    Fraction operator-(Fraction other) const;
    Fraction operator*(Fraction other) const;
    Fraction operator/(Fraction other) const;
    Fraction& operator+=(Fraction other) { return *this = *this + other; }
    Fraction& operator-=(Fraction other) { return *this = *this - other; }

    // Invalid values compare as equal to each other and unordered against the rest.
    friend constexpr bool operator==(Fraction a, Fraction b) {
        return a.m_num == b.m_num && a.m_den == b.m_den;
    }
    friend std::partial_ordering operator<=>(Fraction a, Fraction b);

    // "p/q" in lowest terms, "0", a whole number as its digits; "?" when invalid.
    QString toString() const;

private:
    struct RawTag {};
    constexpr Fraction(std::int64_t num, std::int64_t den, RawTag)
        : m_num(num)
        , m_den(den) {}
    static Fraction reduce(Int128 num, Int128 den);

    std::int64_t m_num = 0;
    std::int64_t m_den = 1;
};

std::int64_t gcd64(std::int64_t a, std::int64_t b);
// The plain decimal digits with a leading '-' when negative, the last `decimals` of them after a
// '.' ("1234567.89" for 123456789 and 2). Made in one piece: the working of a division writes
// many numbers, and QString::number with appended decimals took most of its time.
QString decimalText(std::int64_t value, int decimals = 0);
// The least common multiple, or 0 when it does not fit 64 bits.
std::int64_t lcm64(std::int64_t a, std::int64_t b);

} // namespace zw::waris
