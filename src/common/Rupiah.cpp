#include "common/Rupiah.h"

namespace zw {

namespace {

__extension__ typedef __int128 Int128;

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

Rupiah Rupiah::fromMoney(Money money) {
    constexpr std::int64_t UnitsPerSen = Money::UnitsPerWhole / SenPerRupiah;
    const std::int64_t half = money.units() < 0 ? -UnitsPerSen / 2 : UnitsPerSen / 2;
    return Rupiah((money.units() + half) / UnitsPerSen);
}

std::optional<Rupiah> Rupiah::scaled(std::int64_t numerator, std::int64_t denominator,
                                     Rounding rounding) const {
    if (denominator <= 0)
        return std::nullopt;
    const Int128 product = Int128{m_sen} * numerator;
    Int128 quotient = product / denominator;
    const Int128 rest = product % denominator; // carries the product's sign
    const Int128 restMagnitude = rest < 0 ? -rest : rest;
    switch (rounding) {
    case Rounding::Down:
        if (rest < 0)
            --quotient;
        break;
    case Rounding::Up:
        if (rest > 0)
            ++quotient;
        break;
    case Rounding::HalfUp:
        if (2 * restMagnitude >= denominator)
            quotient += rest < 0 ? -1 : 1;
        break;
    }
    if (quotient > MaxSen || quotient < -MaxSen)
        return std::nullopt;
    return Rupiah(static_cast<std::int64_t>(quotient));
}

QString Rupiah::toPlainDecimal() const {
    const std::uint64_t magnitude =
        m_sen < 0 ? 0 - static_cast<std::uint64_t>(m_sen) : static_cast<std::uint64_t>(m_sen);
    QString text = QString::number(magnitude / SenPerRupiah);
    const auto cents = static_cast<int>(magnitude % SenPerRupiah);
    text += u'.';
    text += QChar(u'0' + cents / 10);
    text += QChar(u'0' + cents % 10);
    return m_sen < 0 ? u'-' + text : text;
}

AmountReading readPlainAmount(QStringView text) {
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (negative)
        ++i;
    // Leading zeros do not count towards the size.
    while (i + 1 < text.size() && text[i] == u'0' && isAsciiDigit(text[i + 1]))
        ++i;
    std::int64_t whole = 0;
    int wholeDigits = 0;
    bool tooLarge = false;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i) {
        if (++wholeDigits > 15)
            tooLarge = true;
        else
            whole = whole * 10 + (text[i].unicode() - u'0');
    }
    if (wholeDigits == 0)
        return AmountError::NotANumber;
    std::int64_t cents = 0;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        int decimals = 0;
        for (; i < text.size() && isAsciiDigit(text[i]); ++i) {
            if (++decimals > 2)
                return AmountError::NotANumber;
            cents = cents * 10 + (text[i].unicode() - u'0');
        }
        if (decimals == 0)
            return AmountError::NotANumber;
        if (decimals == 1)
            cents *= 10;
    }
    if (i != text.size())
        return AmountError::NotANumber;
    if (negative && (whole > 0 || cents > 0))
        return AmountError::Negative;
    if (tooLarge)
        return AmountError::TooLarge;
    return Rupiah::fromSen(whole * Rupiah::SenPerRupiah + cents);
}

} // namespace zw
