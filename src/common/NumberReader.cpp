#include "common/NumberReader.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace zw {

namespace {

// The parts of a number as typed: its sign and its plain digits, without any marks.
struct DecimalText {
    bool negative = false;
    std::string whole;
    std::string fraction;
};

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool matchesAt(QStringView text, qsizetype pos, QStringView mark) {
    return !mark.isEmpty() && text.mid(pos).startsWith(mark);
}

// Grouping marks are accepted only between complete groups of three digits of the whole part;
// no exponent, no hexadecimal, no words.
std::optional<DecimalText> parseDecimal(QStringView text, const QLocale& locale) {
    const QStringView trimmed = text.trimmed();
    const QString decimalMark = locale.decimalPoint();
    const QString groupMark = locale.groupSeparator();
    const QString minus = locale.negativeSign();
    const QString plus = locale.positiveSign();
    const bool groupIsBlank = groupMark.size() == 1 && groupMark.front().isSpace();

    DecimalText result;
    qsizetype pos = 0;
    const qsizetype end = trimmed.size();
    if (pos < end && (trimmed[pos] == QLatin1Char('-') || trimmed[pos] == QLatin1Char('+'))) {
        result.negative = trimmed[pos] == QLatin1Char('-');
        ++pos;
    } else if (matchesAt(trimmed, pos, minus)) {
        result.negative = true;
        pos += minus.size();
    } else if (matchesAt(trimmed, pos, plus)) {
        pos += plus.size();
    }

    int groupDigits = 0; // digits since the last grouping mark
    bool grouped = false;
    while (pos < end) {
        const QChar c = trimmed[pos];
        if (isDigit(c)) {
            result.whole.push_back(static_cast<char>(c.unicode()));
            ++groupDigits;
            ++pos;
            continue;
        }
        const bool isGroupMark =
            matchesAt(trimmed, pos, groupMark) || (groupIsBlank && c == QLatin1Char(' '));
        if (!isGroupMark)
            break;
        if (groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3))
            return std::nullopt;
        grouped = true;
        groupDigits = 0;
        pos += matchesAt(trimmed, pos, groupMark) ? groupMark.size() : 1;
    }
    if (grouped && groupDigits != 3)
        return std::nullopt;

    if (matchesAt(trimmed, pos, decimalMark)) {
        pos += decimalMark.size();
        while (pos < end && isDigit(trimmed[pos])) {
            result.fraction.push_back(static_cast<char>(trimmed[pos].unicode()));
            ++pos;
        }
    }
    if (pos != end || (result.whole.empty() && result.fraction.empty()))
        return std::nullopt;
    return result;
}

} // namespace

std::optional<double> readNumber(QStringView text, const QLocale& locale) {
    const auto decimal = parseDecimal(text, locale);
    if (!decimal)
        return std::nullopt;
    std::string plain = decimal->whole.empty() ? std::string("0") : decimal->whole;
    if (!decimal->fraction.empty())
        plain += '.' + decimal->fraction;

    double value = 0.0;
    const auto [last, error] =
        std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
    if (last != plain.data() + plain.size())
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large is no number.
        if (plain.find_first_not_of("0.") < plain.find('.'))
            return std::nullopt;
        value = 0.0;
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    return decimal->negative && value != 0.0 ? -value : value;
}

std::optional<Money> readMoney(QStringView text, const QLocale& locale) {
    const auto decimal = parseDecimal(text, locale);
    if (!decimal)
        return std::nullopt;

    constexpr auto limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    std::uint64_t units = 0;
    const auto append = [&units](char digit) {
        return !__builtin_mul_overflow(units, std::uint64_t{10}, &units) &&
               !__builtin_add_overflow(units, static_cast<std::uint64_t>(digit - '0'), &units);
    };
    for (const char digit : decimal->whole) {
        if (!append(digit))
            return std::nullopt;
    }
    const std::string& fraction = decimal->fraction;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!append(i < fraction.size() ? fraction[i] : '0'))
            return std::nullopt;
    }
    if (units > limit)
        return std::nullopt;
    if (fraction.size() > 4) {
        const char next = fraction[4];
        const bool restIsZero = fraction.find_first_not_of('0', 5) == std::string::npos;
        const bool tie = next == '5' && restIsZero;
        if (next > '5' || (next == '5' && !restIsZero) || (tie && units % 2 != 0))
            ++units;
    }
    if (units > limit)
        return std::nullopt;
    const auto signedUnits = static_cast<std::int64_t>(units);
    return Money::fromUnits(decimal->negative ? -signedUnits : signedUnits);
}

AmountReading readRupiah(QStringView text, const QLocale& locale) {
    const auto decimal = parseDecimal(text, locale);
    if (!decimal)
        return AmountError::NotANumber;
    const std::string& whole = decimal->whole;
    const std::size_t firstDigit = std::min(whole.find_first_not_of('0'), whole.size());
    if (whole.size() - firstDigit > 15)
        return decimal->negative ? AmountError::Negative : AmountError::TooLarge;
    std::int64_t sen = 0;
    for (std::size_t i = firstDigit; i < whole.size(); ++i)
        sen = sen * 10 + (whole[i] - '0');
    const std::string& fraction = decimal->fraction;
    for (std::size_t i = 0; i < 2; ++i)
        sen = sen * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    if (fraction.size() > 2 && fraction[2] >= '5')
        ++sen;
    if (decimal->negative && sen != 0)
        return AmountError::Negative;
    if (sen > Rupiah::MaxSen)
        return AmountError::TooLarge;
    return Rupiah::fromSen(sen);
}

std::optional<Rupiah> readFieldAmount(QStringView text, const QLocale& locale) {
    if (text.trimmed().isEmpty())
        return Rupiah();
    const AmountReading reading = readRupiah(text, locale);
    if (const auto* amount = std::get_if<Rupiah>(&reading))
        return *amount;
    return std::nullopt;
}

} // namespace zw
