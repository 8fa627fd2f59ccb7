#include "common/NumberFormat.h"

#include "common/NumberReader.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

// GCC 12 at -O3 reports a false -Wrestrict inside std::string (GCC bug 105329).
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

namespace zw {

namespace {

int decimalsOf(NumberPattern pattern) {
    return pattern == NumberPattern::WholeNumber ? 0 : 2;
}

// Adds one to the last digit of a digit string, carrying to the left.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Lays out a magnitude already rounded to the pattern's decimals: `digits` holds the whole part
// followed by exactly that many decimals.
QString layOut(bool negative, std::string digits, NumberPattern pattern, const QLocale& locale) {
    const int decimals = decimalsOf(pattern);
    std::string whole = digits.substr(0, digits.size() - decimals);
    const std::string fraction = digits.substr(digits.size() - decimals);
    whole.erase(0, whole.find_first_not_of('0'));
    const bool zero = whole.empty() && fraction.find_first_not_of('0') == std::string::npos;

    const QString groupMark = locale.groupSeparator();
    QString text;
    if (negative && !zero)
        text += locale.negativeSign();
    if (pattern == NumberPattern::RupiahAmount || pattern == NumberPattern::RupiahEstate)
        text += QStringLiteral("Rp ");
    if (whole.empty() && pattern != NumberPattern::RupiahEstate)
        whole = "0";
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            text += groupMark;
        text += QLatin1Char(whole[i]);
    }
    if (decimals > 0)
        text += locale.decimalPoint() + QLatin1StringView(fraction.data(), fraction.size());
    return text;
}

// Keeps `decimals` digits after the point of an exact decimal expansion, rounding a tie away
// from zero; returns the digits without the point.
std::string roundDigits(const std::string& whole, const std::string& fraction, int decimals) {
    std::string digits = whole + fraction.substr(0, decimals);
    digits.append(decimals - std::min<std::size_t>(decimals, fraction.size()), '0');
    if (fraction.size() > static_cast<std::size_t>(decimals) && fraction[decimals] >= '5')
        incrementDigits(digits);
    return digits;
}

// The magnitude scaled to the pattern's decimals and rounded half away from zero, as an integer.
std::string scaledDigits(std::uint64_t scaled, int decimals) {
    std::string digits = std::to_string(scaled);
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, decimals + 1 - digits.size(), '0');
    return digits;
}

// A fast, exact path for magnitudes whose scaled value is below 2^52: the product with the scale
// is rounded once, and its exact error (from fma) tells on which side of a half it lies.
std::optional<std::uint64_t> scaledMagnitude(double magnitude, int decimals) {
    const double scale = decimals == 2 ? 100.0 : 1.0;
    const double scaled = magnitude * scale;
    if (!(scaled < 0x1p52))
        return std::nullopt;
    const double error = std::fma(magnitude, scale, -scaled);
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    const bool up = fraction > 0.5 || (fraction == 0.5 && error >= 0.0);
    return static_cast<std::uint64_t>(whole) + (up ? 1 : 0);
}

} // namespace

QString formatNumber(double value, NumberPattern pattern, const QLocale& locale) {
    if (!std::isfinite(value))
        return locale.toString(value);
    const int decimals = decimalsOf(pattern);
    if (const auto scaled = scaledMagnitude(std::abs(value), decimals))
        return layOut(std::signbit(value), scaledDigits(*scaled, decimals), pattern, locale);

    // Enough decimals to write the binary value exactly: one per fractional bit.
    int exponent = 0;
    std::frexp(value, &exponent);
    const int exactDecimals = std::clamp(53 - exponent, 0, 1074 + 53);
    std::string buffer(std::size_t{330} + exactDecimals, '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::abs(value),
                                      std::chars_format::fixed, exactDecimals);
    buffer.resize(result.ptr - buffer.data());

    const auto point = buffer.find('.');
    const std::string whole = buffer.substr(0, point);
    const std::string fraction =
        point == std::string::npos ? std::string() : buffer.substr(point + 1);
    return layOut(std::signbit(value), roundDigits(whole, fraction, decimalsOf(pattern)), pattern,
                  locale);
}

QString formatNumber(Money value, NumberPattern pattern, const QLocale& locale) {
    const std::int64_t units = value.units();
    const std::uint64_t magnitude =
        units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    const int decimals = decimalsOf(pattern);
    const std::uint64_t step = decimals == 2 ? 100 : Money::UnitsPerWhole;
    const std::uint64_t scaled = (magnitude + step / 2) / step;
    return layOut(units < 0, scaledDigits(scaled, decimals), pattern, locale);
}

QString formatNumber(Rupiah value, NumberPattern pattern, const QLocale& locale) {
    const std::int64_t sen = value.sen();
    const std::uint64_t magnitude =
        sen < 0 ? 0 - static_cast<std::uint64_t>(sen) : static_cast<std::uint64_t>(sen);
    const int decimals = decimalsOf(pattern);
    const std::uint64_t step = decimals == 2 ? 1 : Rupiah::SenPerRupiah;
    return layOut(sen < 0, scaledDigits((magnitude + step / 2) / step, decimals), pattern, locale);
}

QString formatRupiah(Rupiah value, const QLocale& locale) {
    return formatNumber(value, NumberPattern::RupiahAmount, locale);
}

QString formatText(QStringView text, NumberPattern pattern, const QLocale& locale) {
    const auto value = readNumber(text, locale);
    if (!value)
        return text.toString();
    return formatNumber(*value, pattern, locale);
}

} // namespace zw
