// Reads arbitrary text as a number in a US and the Indonesian locale, formats what was read with
// every pattern and reads the result back: the round trip must give the rounded value.
#include "common/Money.h"
#include "common/NumberFormat.h"
#include "common/NumberReader.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace zw;

namespace {

constexpr NumberPattern Patterns[] = {NumberPattern::Amount, NumberPattern::RupiahAmount,
                                      NumberPattern::RupiahEstate, NumberPattern::WholeNumber};

[[noreturn]] void fail(const char* what, const QString& input, const QString& detail) {
    std::fprintf(stderr, "%s\n  input: [%s]\n  detail: [%s]\n", what, qUtf8Printable(input),
                 qUtf8Printable(detail));
    std::abort();
}

bool hasPrefix(NumberPattern pattern) {
    return pattern == NumberPattern::RupiahAmount || pattern == NumberPattern::RupiahEstate;
}

// The formatted text as plain number text: the sign kept, the "Rp " prefix taken out.
QString withoutPrefix(const QString& formatted, NumberPattern pattern, const QLocale& locale,
                      const QString& input) {
    QString rest = formatted;
    QString sign;
    if (rest.startsWith(locale.negativeSign())) {
        sign = u"-"_s;
        rest.remove(0, locale.negativeSign().size());
    }
    if (hasPrefix(pattern)) {
        if (!rest.startsWith(u"Rp "_s))
            fail("prefix missing", input, formatted);
        rest.remove(0, 3);
    }
    if (rest.isEmpty() || rest.front().isSpace())
        fail("blank after the prefix", input, formatted);
    return sign + rest;
}

// Rounds a count of units to a multiple of `step` units, a tie away from zero.
std::int64_t roundedAwayFromZero(std::int64_t units, std::int64_t step) {
    std::int64_t quotient = units / step;
    const std::int64_t rest = units % step;
    if (2 * rest >= step)
        ++quotient;
    else if (2 * rest <= -step)
        --quotient;
    return quotient;
}

void checkMoney(Money value, const QLocale& locale, const QString& input) {
    for (const NumberPattern pattern : Patterns) {
        const QString formatted = formatNumber(value, pattern, locale);
        const QString plain = withoutPrefix(formatted, pattern, locale, input);
        if (pattern == NumberPattern::WholeNumber) {
            const std::int64_t whole = roundedAwayFromZero(value.units(), Money::UnitsPerWhole);
            const auto back = readNumber(plain, locale);
            if (!back || *back != static_cast<double>(whole))
                fail("money as a whole number does not read back", input, formatted);
            if (whole == 0 && plain.startsWith(u'-'))
                fail("minus sign on zero", input, formatted);
            continue;
        }
        const std::int64_t cents = roundedAwayFromZero(value.units(), 100);
        const auto back = readMoney(plain, locale);
        if (!back || back->units() != cents * 100)
            fail("money does not read back to its cents", input, formatted);
        if (cents == 0 && plain.startsWith(u'-'))
            fail("minus sign on zero", input, formatted);
        const bool wholeDigitShown = !plain.startsWith(locale.decimalPoint()) &&
                                     !plain.startsWith(u'-' + locale.decimalPoint());
        if (pattern == NumberPattern::RupiahEstate && wholeDigitShown != (std::llabs(cents) >= 100))
            fail("estate pattern shows a wrong whole part", input, formatted);
    }
}

void checkDouble(double value, const QLocale& locale, const QString& input) {
    for (const NumberPattern pattern : Patterns) {
        const QString formatted = formatNumber(value, pattern, locale);
        const QString plain = withoutPrefix(formatted, pattern, locale, input);
        const auto back = readNumber(plain, locale);
        if (!back)
            fail("double does not read back", input, formatted);
        // The shown value is within half a shown digit of the value (plus the double's own
        // spacing), and where doubles are fine enough formatting what was read changes nothing.
        const double halfDigit = pattern == NumberPattern::WholeNumber ? 0.5 : 0.005;
        const double spacing = std::abs(value) * 0x1p-52;
        if (!(std::abs(*back - value) <= halfDigit + spacing))
            fail("double reads back too far away", input, formatted);
        const double fineEnough = pattern == NumberPattern::WholeNumber ? 0x1p52 : 0x1p45;
        if (std::abs(value) < fineEnough && formatNumber(*back, pattern, locale) != formatted)
            fail("formatting what was read changes the text", input, formatted);
        if (*back == 0.0 && plain.startsWith(u'-'))
            fail("minus sign on zero", input, formatted);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::Indonesian, QLocale::Indonesia)};
    if (size > 512)
        return 0;
    const QString input =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    for (const QLocale& locale : locales) {
        const auto number = readNumber(input, locale);
        const auto money = readMoney(input, locale);
        if (money && !number)
            fail("money without a number", input, QString());
        if (number) {
            checkDouble(*number, locale, input);
            const auto nearest = Money::fromDouble(*number);
            // Both round the same decimal text; they differ by the double's spacing at most.
            const double tolerance = 1.0 + std::abs(*number) * Money::UnitsPerWhole * 0x1p-52;
            if (money && nearest &&
                std::abs(static_cast<double>(nearest->units() - money->units())) > tolerance)
                fail("money and number disagree", input, money->toDecimalString());
        }
        if (money)
            checkMoney(*money, locale, input);

        const QString formatted = formatText(input, NumberPattern::Amount, locale);
        if (number ? formatted != formatNumber(*number, NumberPattern::Amount, locale)
                   : formatted != input)
            fail("formatText differs from reading then formatting", input, formatted);
    }
    return 0;
}
