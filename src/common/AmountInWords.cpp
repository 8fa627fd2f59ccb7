#include "common/AmountInWords.h"

#include <QStringView>

#include <array>
#include <cstddef>
#include <limits>

using namespace Qt::StringLiterals;

namespace zw {

namespace {

constexpr std::array<QStringView, 10> Digits = {
    u"", u"satu", u"dua", u"tiga", u"empat", u"lima", u"enam", u"tujuh", u"delapan", u"sembilan",
};

// One name for every third power of ten, as far as a 64-bit magnitude reaches.
constexpr std::array<QStringView, 7> Scales = {
    u"", u"ribu", u"juta", u"miliar", u"triliun", u"kuadriliun", u"kuintiliun",
};
static_assert(std::numeric_limits<std::uint64_t>::digits10 < 3 * Scales.size());

void appendWord(QString& text, QStringView word) {
    if (!text.isEmpty())
        text += u' ';
    text += word;
}

// 1 to 999. One hundred, ten and eleven take "se-" for "satu"; twelve to nineteen are "... belas".
void appendBelowThousand(QString& text, unsigned number) {
    const unsigned hundreds = number / 100;
    const unsigned tens = number / 10 % 10;
    const unsigned ones = number % 10;
    if (hundreds == 1) {
        appendWord(text, u"seratus");
    } else if (hundreds > 1) {
        appendWord(text, Digits[hundreds]);
        appendWord(text, u"ratus");
    }
    if (tens == 1) {
        if (ones == 0) {
            appendWord(text, u"sepuluh");
        } else if (ones == 1) {
            appendWord(text, u"sebelas");
        } else {
            appendWord(text, Digits[ones]);
            appendWord(text, u"belas");
        }
        return;
    }
    if (tens > 1) {
        appendWord(text, Digits[tens]);
        appendWord(text, u"puluh");
    }
    if (ones > 0)
        appendWord(text, Digits[ones]);
}

QString magnitudeInWords(std::uint64_t magnitude) {
    if (magnitude == 0)
        return u"nol"_s;
    std::array<unsigned, Scales.size()> groups{};
    for (unsigned& group : groups) {
        group = static_cast<unsigned>(magnitude % 1000);
        magnitude /= 1000;
    }
    QString text;
    for (std::size_t scale = groups.size(); scale-- > 0;) {
        const unsigned group = groups[scale];
        if (group == 0)
            continue;
        // A lone thousand is "seribu", but a lone million and above keep "satu".
        if (scale == 1 && group == 1) {
            appendWord(text, u"seribu");
            continue;
        }
        appendBelowThousand(text, group);
        if (scale > 0)
            appendWord(text, Scales[scale]);
    }
    return text;
}

// Taken through unsigned arithmetic so that the lowest value has a magnitude too.
std::uint64_t magnitudeOf(std::int64_t value) {
    const auto bits = static_cast<std::uint64_t>(value);
    return value < 0 ? 0 - bits : bits;
}

QString signOf(std::int64_t value) {
    return value < 0 ? u"minus "_s : QString();
}

} // namespace

QString numberInWords(std::int64_t number) {
    return signOf(number) + magnitudeInWords(magnitudeOf(number));
}

QString amountInWords(Rupiah amount) {
    const std::int64_t sen = amount.sen();
    const std::uint64_t magnitude = magnitudeOf(sen);
    const std::uint64_t rupiah = magnitude / 100;
    const std::uint64_t cents = magnitude % 100;
    QString text;
    if (rupiah > 0 || cents == 0)
        text = magnitudeInWords(rupiah) + u" rupiah";
    if (cents > 0)
        appendWord(text, QString(magnitudeInWords(cents) + u" sen"));
    return signOf(sen) + text;
}

} // namespace zw
