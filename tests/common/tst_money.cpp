#include "common/Money.h"
#include "common/NumberFormat.h"
#include "common/NumberReader.h"
#include "common/Rounding.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;
using namespace zw;

namespace {

const QLocale EnglishUs(QLocale::English, QLocale::UnitedStates);
const QLocale Indonesian(QLocale::Indonesian, QLocale::Indonesia);

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr auto Amount = NumberPattern::Amount;
constexpr auto RupiahAmount = NumberPattern::RupiahAmount;
constexpr auto RupiahEstate = NumberPattern::RupiahEstate;
constexpr auto WholeNumber = NumberPattern::WholeNumber;

QString textOf(AmountReading reading) {
    if (const auto* amount = std::get_if<Rupiah>(&reading))
        return amount->toPlainDecimal();
    switch (std::get<AmountError>(reading)) {
    case AmountError::NotANumber:
        return u"not a number"_s;
    case AmountError::Negative:
        return u"negative"_s;
    case AmountError::TooLarge:
        return u"too large"_s;
    }
    return {};
}

// A result as exact text: Money with its four decimals, "none" when out of range.
template<typename Value> QString textOf(std::optional<Value> value) {
    if (!value)
        return u"none"_s;
    if constexpr (std::is_same_v<Value, Money>)
        return value->toDecimalString();
    else
        return QString::number(*value);
}

Money units(qint64 count) {
    return Money::fromUnits(count);
}

// Rows are written the US way; for the Indonesian locale the two marks are swapped.
QString inLocale(QStringView usText, const QLocale& locale) {
    QString text = usText.toString();
    for (QChar& c : text) {
        if (locale == Indonesian && (c == u',' || c == u'.'))
            c = c == u',' ? u'.' : u',';
    }
    return text;
}

} // namespace

// Money, rounding, number reading and formatting: exact values at every edge of the ranges.
class MoneyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void conversionsAndArithmeticGiveExactValuesOrNone_data();
    void conversionsAndArithmeticGiveExactValuesOrNone();
    void readsNumbersWithTheLocaleMarks_data();
    void readsNumbersWithTheLocaleMarks();
    void formatsWithThePatternAndTheLocaleMarks_data();
    void formatsWithThePatternAndTheLocaleMarks();
};

void MoneyTest::conversionsAndArithmeticGiveExactValuesOrNone_data() {
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");

    const Money max = Money::max();
    const Money min = Money::min();
    const Money unit = units(1);
    const auto half = [](double value) {
        return QString::number(roundHalfEven(value), 'f', 1);
    };
    const auto as16 = [](double value) {
        return textOf(toInt16HalfEven(value));
    };
    const auto as32 = [](double value) {
        return textOf(toInt32HalfEven(value));
    };
    const auto fromDouble = [](double value) {
        return textOf(Money::fromDouble(value));
    };

    QTest::newRow("0.5 goes down to 0") << half(0.5) << u"0.0"_s;
    QTest::newRow("1.5 goes up to 2") << half(1.5) << u"2.0"_s;
    QTest::newRow("-2.5 goes up to -2") << half(-2.5) << u"-2.0"_s;
    QTest::newRow("just below a tie goes down") << half(std::nextafter(2.5, 0.0)) << u"2.0"_s;
    QTest::newRow("just above a tie goes up") << half(std::nextafter(2.5, 3.0)) << u"3.0"_s;
    QTest::newRow("largest double below one half") << half(0.49999999999999994) << u"0.0"_s;
    QTest::newRow("tie just below 2^52") << half(4503599627370495.5) << u"4503599627370496.0"_s;

    QTest::newRow("largest 16-bit") << as16(32767.4) << u"32767"_s;
    QTest::newRow("tie at the 16-bit top rounds out of range") << as16(32767.5) << u"none"_s;
    QTest::newRow("tie at the 16-bit bottom rounds to even inside")
        << as16(-32768.5) << u"-32768"_s;
    QTest::newRow("not a number as a whole number") << as16(NotANumber) << u"none"_s;
    QTest::newRow("tie at the 32-bit bottom rounds to even inside")
        << as32(-2147483648.5) << u"-2147483648"_s;

    QTest::newRow("four decimals of a negative double")
        << fromDouble(-1234.5678) << u"-1234.5678"_s;
    QTest::newRow("true tie 1/32 goes down to the even unit") << fromDouble(0.03125) << u"0.0312"_s;
    QTest::newRow("true tie 3/32 goes up to the even unit") << fromDouble(0.09375) << u"0.0938"_s;
    QTest::newRow("0.00005 lies above its tie") << fromDouble(0.00005) << u"0.0001"_s;
    QTest::newRow("0.00015 lies below its tie") << fromDouble(0.00015) << u"0.0001"_s;
    QTest::newRow("largest double inside the range")
        << fromDouble(922337203685477.5) << u"922337203685477.5000"_s;
    QTest::newRow("next double is above the range") << fromDouble(922337203685477.625) << u"none"_s;
    QTest::newRow("double not a number") << fromDouble(NotANumber) << u"none"_s;

    QTest::newRow("one past the largest whole")
        << textOf(Money::fromWhole(922337203685478)) << u"none"_s;
    QTest::newRow("plus reaching the largest")
        << textOf(units(max.units() - 1).plus(unit)) << u"922337203685477.5807"_s;
    QTest::newRow("plus one unit past the largest") << textOf(max.plus(unit)) << u"none"_s;
    QTest::newRow("minus one unit below the smallest") << textOf(min.minus(unit)) << u"none"_s;
    QTest::newRow("94 times the largest price that fits")
        << textOf(units(98120979115476338).times(94)) << u"922337203685477.5772"_s;
    QTest::newRow("94 times one unit more overflows")
        << textOf(units(98120979115476339).times(94)) << u"none"_s;
    QTest::newRow("times minus one of the smallest")
        << textOf(min.times(-1)) << u"922337203685477.5807"_s;

    const auto scaled = [](std::int64_t sen, std::int64_t num, std::int64_t den,
                           Rupiah::Rounding rounding) {
        const auto value = Rupiah::fromSen(sen).scaled(num, den, rounding);
        return value ? value->toPlainDecimal() : u"none"_s;
    };
    using enum Rupiah::Rounding;
    QTest::newRow("a fortieth rounded up keeps a whole sen")
        << scaled(4000, 1, 40, Up) << u"1.00"_s;
    QTest::newRow("a fortieth rounded up takes the next sen")
        << scaled(4001, 1, 40, Up) << u"1.01"_s;
    QTest::newRow("a negative third rounds down away from zero")
        << scaled(-100, 1, 3, Down) << u"-0.34"_s;
    QTest::newRow("half a sen rounds up") << scaled(1, 1, 2, HalfUp) << u"0.01"_s;
    QTest::newRow("the largest amount times 85 over 85 comes back")
        << scaled(Rupiah::MaxSen, 85, 85, Down) << u"999999999999999.99"_s;
    QTest::newRow("twice the largest amount is out of range")
        << scaled(Rupiah::MaxSen, 2, 1, Down) << u"none"_s;
    QTest::newRow("money to the sen, a half goes away from zero")
        << Rupiah::fromMoney(units(-50)).toPlainDecimal() << u"-0.01"_s;
    QTest::newRow("money to the sen below a half")
        << Rupiah::fromMoney(units(149)).toPlainDecimal() << u"0.01"_s;

    const auto plain = [](const QString& text) {
        return textOf(readPlainAmount(text));
    };
    QTest::newRow("plain amount with one decimal") << plain(u"1234567.8"_s) << u"1234567.80"_s;
    QTest::newRow("plain largest amount")
        << plain(u"999999999999999.99"_s) << u"999999999999999.99"_s;
    QTest::newRow("plain leading zeros do not count")
        << plain(u"0000999999999999999"_s) << u"999999999999999.00"_s;
    QTest::newRow("plain sixteen digits are too large")
        << plain(u"1000000000000000"_s) << u"too large"_s;
    QTest::newRow("plain minus is negative") << plain(u"-5"_s) << u"negative"_s;
    QTest::newRow("plain three decimals") << plain(u"1.005"_s) << u"not a number"_s;
    QTest::newRow("plain grouping") << plain(u"1,000"_s) << u"not a number"_s;
    QTest::newRow("plain point without decimals") << plain(u"5."_s) << u"not a number"_s;
}

void MoneyTest::conversionsAndArithmeticGiveExactValuesOrNone() {
    QFETCH(QString, result);
    QFETCH(QString, expected);
    QCOMPARE(result, expected);
}

void MoneyTest::readsNumbersWithTheLocaleMarks_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number"); // NaN: not a number
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("rupiah");

    struct Row {
        const char* name;
        QString usText;
        double number;
        QString money;
        QString rupiah;
    };
    const Row rows[] = {
        {"grouped whole", u"1,234,567"_s, 1234567.0, u"1234567.0000"_s, u"1234567.00"_s},
        {"grouped with decimals", u"12,345.678"_s, 12345.678, u"12345.6780"_s, u"12345.68"_s},
        {"blanks around a negative number", u"  -7.25 \t"_s, -7.25, u"-7.2500"_s, u"negative"_s},
        {"only decimals", u".5"_s, 0.5, u"0.5000"_s, u"0.50"_s},
        {"fifth decimal 5 is a tie rounding down to even", u"0.00005"_s, 0.00005, u"0.0000"_s,
         u"0.00"_s},
        {"fifth decimal 5 is a tie rounding up to even", u"0.00015"_s, 0.00015, u"0.0002"_s,
         u"0.00"_s},
        {"anything after the 5 rounds up", u"0.000050001"_s, 0.000050001, u"0.0001"_s, u"0.00"_s},
        {"below the tie rounds down", u"0.000049999"_s, 0.000049999, u"0.0000"_s, u"0.00"_s},
        {"largest money", u"922,337,203,685,477.5807"_s, 922337203685477.5807,
         u"922337203685477.5807"_s, u"922337203685477.58"_s},
        {"smallest money", u"-922337203685477.5807"_s, -922337203685477.5807,
         u"-922337203685477.5807"_s, u"negative"_s},
        {"one unit past the largest money", u"922337203685477.5808"_s, 922337203685477.5808,
         u"none"_s, u"922337203685477.58"_s},
        {"tie rounding past the largest money", u"922337203685477.58075"_s, 922337203685477.58075,
         u"none"_s, u"922337203685477.58"_s},
        {"far beyond money yet a double", u"1,000,000,000,000,000,000,000"_s, 1e21, u"none"_s,
         u"too large"_s},
        {"too small for a double is zero", u"0."_s + QString(400, u'0') + u'1', 0.0, u"0.0000"_s,
         u"0.00"_s},
        {"empty", QString(), NotANumber, u"none"_s, u"not a number"_s},
        {"decimal mark alone", u"."_s, NotANumber, u"none"_s, u"not a number"_s},
        {"infinity", u"inf"_s, NotANumber, u"none"_s, u"not a number"_s},
        {"group of two", u"1,23"_s, NotANumber, u"none"_s, u"not a number"_s},
        {"first group of four", u"1234,567"_s, NotANumber, u"none"_s, u"not a number"_s},
        {"leading group mark", u",123"_s, NotANumber, u"none"_s, u"not a number"_s},
        {"too large for a double", QString(400, u'9'), NotANumber, u"none"_s, u"too large"_s},
    };
    for (const QLocale& locale : {EnglishUs, Indonesian}) {
        for (const Row& row : rows) {
            QTest::addRow("%s, %s", row.name, qPrintable(locale.name()))
                << locale << inLocale(row.usText, locale) << row.number << row.money << row.rupiah;
        }
    }
}

void MoneyTest::readsNumbersWithTheLocaleMarks() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, number);
    QFETCH(QString, money);
    QFETCH(QString, rupiah);

    QCOMPARE(readNumber(text, locale).value_or(NotANumber), number);
    QCOMPARE(textOf(readMoney(text, locale)), money);
    QCOMPARE(textOf(readRupiah(text, locale)), rupiah);
}

// Doubles format from their exact binary value, Money from its exact decimal digits.
void MoneyTest::formatsWithThePatternAndTheLocaleMarks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    for (const QLocale& locale : {EnglishUs, Indonesian}) {
        const auto row = [&locale](const char* name, const QString& text, QStringView usText) {
            QTest::addRow("%s, %s", name, qPrintable(locale.name()))
                << text << inLocale(usText, locale);
        };
        const auto number = [&locale](auto value, NumberPattern pattern) {
            return formatNumber(value, pattern, locale);
        };
        const auto text = [&locale](QStringView usText) {
            return formatText(inLocale(usText, locale), NumberPattern::RupiahAmount, locale);
        };
        row("zero estate has no whole digit", number(0.0, RupiahEstate), u"Rp .00");
        row("three digits are not grouped", number(999.0, Amount), u"999.00");
        row("rounding carries into a new group", number(999.999, Amount), u"1,000.00");
        row("minus before the prefix", number(-100000.0, RupiahAmount), u"-Rp 100,000.00");
        row("whole tie 2.5 goes away from zero", number(2.5, WholeNumber), u"3");
        row("whole tie -2.5 goes away from zero", number(-2.5, WholeNumber), u"-3");
        row("exact binary tie 0.125 goes away from zero", number(0.125, Amount), u"0.13");
        row("2.675 is below its tie as a double", number(2.675, Amount), u"2.67");
        row("-0.005 is beyond its tie as a double", number(-0.005, Amount), u"-0.01");
        row("a small negative shows no minus", number(-0.004, Amount), u"0.00");
        row("very large double", number(1e20, Amount), u"100,000,000,000,000,000,000.00");
        row("large double tie", number(52776558133248.125, Amount), u"52,776,558,133,248.13");
        row("money cent tie goes away from zero", number(units(50), Amount), u"0.01");
        row("money one unit below the cent tie", number(units(49), Amount), u"0.00");
        row("2.675 held exactly rounds up", number(units(26750), Amount), u"2.68");
        row("estate rounding to one whole", number(units(9950), RupiahEstate), u"Rp 1.00");
        row("largest money", number(Money::max(), Amount), u"922,337,203,685,477.58");
        row("largest money whole", number(Money::max(), WholeNumber), u"922,337,203,685,478");
        row("smallest money", number(Money::min(), RupiahAmount), u"-Rp 922,337,203,685,477.58");
        row("money digits beyond double precision", number(units(9007199254740993), Amount),
            u"900,719,925,474.10");
        row("rupiah as people read it", formatRupiah(Rupiah::fromSen(25000000000), locale),
            u"Rp 250,000,000.00");
        row("largest rupiah", number(Rupiah::max(), Amount), u"999,999,999,999,999.99");
        row("negative rupiah whole", number(Rupiah::fromSen(-150), WholeNumber), u"-2");
        row("text read with the locale marks", text(u"-1,234.5"), u"-Rp 1,234.50");
        row("empty text stays empty", text(u""), u"");
        row("misplaced group mark passes unchanged", text(u"1,5"), u"1,5");
    }
}

void MoneyTest::formatsWithThePatternAndTheLocaleMarks() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

QTEST_APPLESS_MAIN(MoneyTest)
#include "tst_money.moc"
