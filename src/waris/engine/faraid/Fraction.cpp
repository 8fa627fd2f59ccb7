#include "waris/engine/faraid/Fraction.h"

#include <limits>
#include <numeric>

namespace zw::waris {

namespace {

constexpr Int128 Max64 = std::numeric_limits<std::int64_t>::max();

Int128 abs128(Int128 v) {
    return v < 0 ? -v : v;
}

Int128 gcd128(Int128 a, Int128 b) {
    a = abs128(a);
    b = abs128(b);
    while (b != 0) {
        const Int128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

} // namespace

std::int64_t gcd64(std::int64_t a, std::int64_t b) {
    return static_cast<std::int64_t>(gcd128(a, b));
}

std::int64_t lcm64(std::int64_t a, std::int64_t b) {
    if (a == 0 || b == 0)
        return 0;
    const Int128 l = abs128(Int128{a} / gcd128(a, b) * b);
    return l > Max64 ? 0 : static_cast<std::int64_t>(l);
}

Fraction Fraction::reduce(Int128 num, Int128 den) {
    if (den == 0)
        return invalid();
    if (den < 0) {
        num = -num;
        den = -den;
    }
    if (num >= -Max64 && num <= Max64 && den <= Max64) { // the usual case: 64-bit arithmetic
        auto n = static_cast<std::int64_t>(num);
        auto d = static_cast<std::int64_t>(den);
        const std::int64_t g64 = std::gcd(n, d);
        if (g64 > 1) {
            n /= g64;
            d /= g64;
        }
        return Fraction(n, d, RawTag{});
    }
    const Int128 g = gcd128(num, den);
    if (g > 1) {
        num /= g;
        den /= g;
    }
    if (num > Max64 || num < -Max64 || den > Max64)
        return invalid();
    return Fraction(static_cast<std::int64_t>(num), static_cast<std::int64_t>(den), RawTag{});
}

Fraction Fraction::of(std::int64_t numerator, std::int64_t denominator) {
    return reduce(numerator, denominator);
}

Fraction Fraction::operator+(Fraction o) const {
    if (!valid() || !o.valid())
        return invalid();
    if (m_den == o.m_den)
        return reduce(Int128{m_num} + o.m_num, m_den);
    return reduce(Int128{m_num} * o.m_den + Int128{o.m_num} * m_den, Int128{m_den} * o.m_den);
}

Fraction Fraction::operator-(Fraction o) const {
    if (!o.valid())
        return invalid();
    return *this + Fraction(-o.m_num, o.m_den, RawTag{});
}

Fraction Fraction::operator*(Fraction o) const {
    if (!valid() || !o.valid())
        return invalid();
    return reduce(Int128{m_num} * o.m_num, Int128{m_den} * o.m_den);
}

Fraction Fraction::operator/(Fraction o) const {
    if (!valid() || !o.valid() || o.m_num == 0)
        return invalid();
    return reduce(Int128{m_num} * o.m_den, Int128{m_den} * o.m_num);
}

std::partial_ordering operator<=>(Fraction a, Fraction b) {
    if (!a.valid() || !b.valid())
        return a == b ? std::partial_ordering::equivalent : std::partial_ordering::unordered;
    return Int128{a.m_num} * b.m_den <=> Int128{b.m_num} * a.m_den;
}

QString Fraction::toString() const {
    if (!valid())
        return QStringLiteral("?");
    if (m_den == 1)
        return decimalText(m_num);
    return decimalText(m_num) + u'/' + decimalText(m_den);
}

QString decimalText(std::int64_t value, int decimals) {
    std::array<char16_t, 24> buffer{};
    auto* const end = buffer.data() + buffer.size();
    auto* first = end;
    auto magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    for (int place = 0; place < decimals; ++place) {
        *--first = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    }
    if (decimals > 0)
        *--first = u'.';
    do {
        *--first = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--first = u'-';
    return QString(reinterpret_cast<const QChar*>(first), end - first);
}

} // namespace zw::waris
