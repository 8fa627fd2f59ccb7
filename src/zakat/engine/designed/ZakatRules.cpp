#include "zakat/engine/designed/ZakatRules.h"

#include "common/NumberFormat.h"
#include "common/NumberReader.h"
#include "common/Rounding.h"

#include <array>

namespace zw::zakat {

using namespace Qt::StringLiterals;

namespace {

constexpr Money whole(std::int64_t count) {
    return Money::fromUnits(count * Money::UnitsPerWhole);
}

constexpr int NishabGoldGrams = 94;
constexpr double WealthRate = 0.025;
constexpr double HarvestNishabKg = 650.0;
constexpr double IrrigatedRate = 0.1;
constexpr double NotIrrigatedRate = 0.05;
constexpr double LitresPerPerson = 3.5;

constexpr auto BelowLivestockNishab = u"Jumlah Ternak Anda Belum Mencapai Nishab";

// A band ends at its bound: a herd belongs to the first band whose bound it does not pass.
struct Band {
    Money bound;
    bool boundIncluded;
    const char16_t* sentence;
};

constexpr std::array<Band, 4> GoatBands{{
    {whole(40), false, BelowLivestockNishab},
    {whole(120), true, u"Zakat Anda 1 (Satu) Ekor Kambing"},
    {whole(200), true, u"Zakat Anda 2 (Dua) Ekor Kambing"},
    {whole(399), true, u"Zakat Anda 3 (Tiga) Ekor Kambing"},
}};

constexpr std::array<Band, 9> CattleBands{{
    {whole(30), false, BelowLivestockNishab},
    {whole(40), false, u"Zakat Anda 1 (Satu) Ekor Sapi Berumur Satu Tahun Lebih"},
    {whole(60), false, u"Zakat Anda 1 (Satu) Ekor Sapi Berumur Dua Tahun Lebih"},
    {whole(70), false, u"Zakat Anda 2 (Dua) Ekor Sapi Berumur Satu Tahun Lebih"},
    {whole(80), false,
     u"Zakat Anda 2 (Dua) Ekor Sapi, Terdiri Dari 1 (Satu) Ekor Berumur Satu tahun Lebih dan 1 "
     u"(Satu) Ekor Berumur Dua Tahun Lebih"},
    {whole(90), false, u"Zakat Anda 2 (Dua) Ekor Sapi Berumur Dua Tahun Lebih"},
    {whole(100), false, u"Zakat Anda 3 (Tiga) Ekor Sapi Berumur Satu Tahun Lebih"},
    {whole(110), false,
     u"Zakat Anda 3 (Tiga) Ekor Sapi Terdiri Dari 2 (Dua) Ekor Berumur Satu Tahun Lebih dan 1 "
     u"(Satu) Ekor Berumur Dua Tahun Lebih"},
    {whole(120), false,
     u"Zakat Anda 3 (Tiga) Ekor Sapi Terdiri Dari 2 (Dua) Ekor Berumur Dua Tahun Lebih dan 1 "
     u"(Satu) Ekor Berumur Satu Tahun Lebih"},
}};

template<std::size_t N> const char16_t* bandSentence(const std::array<Band, N>& bands, Money herd) {
    for (const Band& band : bands) {
        if (herd < band.bound || (band.boundIncluded && herd == band.bound))
            return band.sentence;
    }
    return nullptr;
}

QString largeGoatHerd(Money herd, const QLocale& locale) {
    const double goats = roundHalfEven(herd.toDouble() / 100.0);
    return u"Zakat Anda "_s + formatNumber(goats, NumberPattern::WholeNumber, locale) +
           u" Ekor Kambing"_s;
}

std::optional<QString> largeCattleHerd(Money herd, const QLocale& locale) {
    const std::optional<std::int32_t> rounded = toInt32HalfEven(herd.toDouble());
    if (!rounded)
        return std::nullopt;

    double divisor = 30.0;
    QStringView suffix = u" Ekor Sapi Berumur Dua Tahun Lebih";
    if (*rounded % 30 == 0)
        suffix = u" Ekor Sapi Berumur Satu Tahun Lebih";
    else if (*rounded % 40 == 0)
        divisor = 40.0;

    // The quotient is held to four decimals before it is rounded to whole animals.
    const std::optional<Money> extraHead = Money::fromDouble((herd.toDouble() - 80.0) / divisor);
    if (!extraHead)
        return std::nullopt;
    const double zakatHead = 3.0 + roundHalfEven(extraHead->toDouble());
    return QString(u"Zakat Anda "_s + formatNumber(zakatHead, NumberPattern::WholeNumber, locale) +
                   suffix);
}

std::optional<Money> readNonNegativeMoney(QStringView text, const QLocale& locale) {
    const std::optional<Money> value = readMoney(text, locale);
    if (!value || *value < Money())
        return std::nullopt;
    return value;
}

} // namespace

std::variant<WealthResult, BadField> wealthZakat(QStringView wealthText, QStringView goldPriceText,
                                                 const QLocale& locale) {
    const std::optional<Money> wealth = readMoney(wealthText, locale);
    if (!wealth)
        return BadField{0};
    const std::optional<Money> goldPrice = readNonNegativeMoney(goldPriceText, locale);
    if (!goldPrice)
        return BadField{1};
    const std::optional<Money> nishab = goldPrice->times(NishabGoldGrams);
    if (!nishab)
        return BadField{1};

    WealthResult result{*wealth, *goldPrice, *nishab, std::nullopt, {}};
    if (*wealth >= *nishab) {
        result.zakat = wealth->timesDouble(WealthRate);
        if (!result.zakat)
            return BadField{0};
        result.sentence = u"Zakat Anda Sebesar  Rp. "_s +
                          formatNumber(*result.zakat, NumberPattern::Amount, locale);
    } else {
        result.sentence = u"Harta Anda Belum Mencapai Nishab"_s;
    }
    return result;
}

std::variant<HarvestResult, BadField> harvestZakat(QStringView harvestKgText, Irrigation irrigation,
                                                   const QLocale& locale) {
    const std::optional<double> harvestKg = readNumber(harvestKgText, locale);
    if (!harvestKg || *harvestKg < 0.0)
        return BadField{0};

    HarvestResult result{*harvestKg, std::nullopt, {}};
    if (*harvestKg >= HarvestNishabKg) {
        const double rate = irrigation == Irrigation::Irrigated ? IrrigatedRate : NotIrrigatedRate;
        result.zakatKg = roundHalfEven(*harvestKg * rate);
        result.sentence = u"Zakat Anda Sebanyak  "_s +
                          formatNumber(*result.zakatKg, NumberPattern::WholeNumber, locale) +
                          u"  Kilogram"_s;
    } else {
        result.sentence = u"Hasil Pertanian Anda Belum Mencapai Nishab"_s;
    }
    return result;
}

std::variant<LivestockResult, BadField> livestockZakat(QStringView herdText, Livestock livestock,
                                                       const QLocale& locale) {
    const std::optional<Money> herd = readNonNegativeMoney(herdText, locale);
    if (!herd)
        return BadField{0};

    LivestockResult result{*herd, {}};
    if (livestock == Livestock::Goats) {
        const char16_t* sentence = bandSentence(GoatBands, *herd);
        result.sentence = sentence ? QString::fromUtf16(sentence) : largeGoatHerd(*herd, locale);
    } else if (const char16_t* sentence = bandSentence(CattleBands, *herd)) {
        result.sentence = QString::fromUtf16(sentence);
    } else {
        std::optional<QString> large = largeCattleHerd(*herd, locale);
        if (!large)
            return BadField{0};
        result.sentence = std::move(*large);
    }
    return result;
}

std::variant<FitrahResult, BadField> fitrahZakat(QStringView dependantsText,
                                                 QStringView ricePriceText, const QLocale& locale) {
    const std::optional<double> persons = readNumber(dependantsText, locale);
    const std::optional<std::int16_t> dependants =
        persons ? toInt16HalfEven(*persons) : std::nullopt;
    if (!dependants || *persons < 0.0)
        return BadField{0};
    const std::optional<Money> ricePrice = readNonNegativeMoney(ricePriceText, locale);
    if (!ricePrice)
        return BadField{1};

    const double riceLitres = *dependants * LitresPerPerson;
    const std::optional<Money> money = ricePrice->timesDouble(riceLitres);
    if (!money)
        return BadField{1};

    return FitrahResult{*dependants, *ricePrice, riceLitres, *money,
                        QString(u"Zakat Anda Jika Dalam Beras Adalah   "_s +
                                formatNumber(riceLitres, NumberPattern::Amount, locale) +
                                u"   Liter Beras Atau Uang Rp.  "_s +
                                formatNumber(*money, NumberPattern::Amount, locale))};
}

} // namespace zw::zakat
