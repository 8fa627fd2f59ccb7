#include "common/Money.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace zw;

namespace {

constexpr qint64 MaxUnits = std::numeric_limits<qint64>::max();
constexpr qint64 NoValue = std::numeric_limits<qint64>::min(); // outside the range of Money

qint64 unitsOr(std::optional<Money> value) {
    return value ? value->units() : NoValue;
}

} // namespace

class MoneyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fromDoubleRoundsTheExactValueHalfToEven_data();
    void fromDoubleRoundsTheExactValueHalfToEven();
    void fromWholeReportsOverflow_data();
    void fromWholeReportsOverflow();
    void arithmeticReportsOverflow_data();
    void arithmeticReportsOverflow();
    void timesDoubleConvertsTheDoubleProduct_data();
    void timesDoubleConvertsTheDoubleProduct();
    void decimalStringIsExact_data();
    void decimalStringIsExact();
};

void MoneyTest::fromDoubleRoundsTheExactValueHalfToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("units");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();

    QTest::newRow("zero") << 0.0 << qint64{0};
    QTest::newRow("negative zero is zero") << -0.0 << qint64{0};
    QTest::newRow("four decimals are kept") << 1234.5678 << qint64{12345678};
    QTest::newRow("negative four decimals are kept") << -1234.5678 << qint64{-12345678};
    QTest::newRow("half a whole is not rounded") << 0.5 << qint64{5000};
    QTest::newRow("true tie 1/32 goes down to the even unit") << 0.03125 << qint64{312};
    QTest::newRow("true tie 3/32 goes up to the even unit") << 0.09375 << qint64{938};
    QTest::newRow("negative true tie goes to the even unit") << -0.03125 << qint64{-312};
    QTest::newRow("0.00005 lies above its tie") << 0.00005 << qint64{1};
    QTest::newRow("-0.00005 lies beyond its tie") << -0.00005 << qint64{-1};
    QTest::newRow("0.00015 lies below its tie") << 0.00015 << qint64{1};
    QTest::newRow("2.50005 lies below its tie") << 2.50005 << qint64{25000};
    QTest::newRow("0.1 becomes exactly 1000 units") << 0.1 << qint64{1000};
    QTest::newRow("smallest subnormal is zero") << 5e-324 << qint64{0};
    QTest::newRow("largest double below the range")
        << 922337203685477.5 << qint64{9223372036854775000};
    QTest::newRow("next double is above the range") << 922337203685477.625 << NoValue;
    QTest::newRow("smallest double inside the range")
        << -922337203685477.5 << qint64{-9223372036854775000};
    QTest::newRow("next double is below the range") << -922337203685477.625 << NoValue;
    QTest::newRow("huge value") << 1e300 << NoValue;
    QTest::newRow("not a number") << nan << NoValue;
    QTest::newRow("infinity") << infinity << NoValue;
    QTest::newRow("negative infinity") << -infinity << NoValue;
}

void MoneyTest::fromDoubleRoundsTheExactValueHalfToEven() {
    QFETCH(double, value);
    QFETCH(qint64, units);
    QCOMPARE(unitsOr(Money::fromDouble(value)), units);
}

void MoneyTest::fromWholeReportsOverflow_data() {
    QTest::addColumn<qint64>("whole");
    QTest::addColumn<qint64>("units");

    QTest::newRow("zero") << qint64{0} << qint64{0};
    QTest::newRow("largest whole") << qint64{922337203685477} << qint64{9223372036854770000};
    QTest::newRow("one past the largest whole") << qint64{922337203685478} << NoValue;
    QTest::newRow("smallest whole") << qint64{-922337203685477} << qint64{-9223372036854770000};
    QTest::newRow("one below the smallest whole") << qint64{-922337203685478} << NoValue;
    QTest::newRow("multiplication would wrap") << std::numeric_limits<qint64>::max() << NoValue;
}

void MoneyTest::fromWholeReportsOverflow() {
    QFETCH(qint64, whole);
    QFETCH(qint64, units);
    QCOMPARE(unitsOr(Money::fromWhole(whole)), units);
}

void MoneyTest::arithmeticReportsOverflow_data() {
    QTest::addColumn<char>("operation");
    QTest::addColumn<qint64>("left");
    QTest::addColumn<qint64>("right");
    QTest::addColumn<qint64>("units");

    const qint64 max = Money::max().units();
    const qint64 min = Money::min().units();
    QCOMPARE(min, -MaxUnits);

    QTest::newRow("plus") << '+' << qint64{15000} << qint64{-2500} << qint64{12500};
    QTest::newRow("plus reaching the largest") << '+' << max - 1 << qint64{1} << max;
    QTest::newRow("plus one unit past the largest") << '+' << max << qint64{1} << NoValue;
    QTest::newRow("plus reaching the smallest") << '+' << min + 1 << qint64{-1} << min;
    QTest::newRow("plus one unit below the smallest") << '+' << min << qint64{-1} << NoValue;
    QTest::newRow("minus") << '-' << qint64{10000} << qint64{25000} << qint64{-15000};
    QTest::newRow("minus reaching the smallest") << '-' << min + 1 << qint64{1} << min;
    QTest::newRow("minus one unit below the smallest") << '-' << min << qint64{1} << NoValue;
    QTest::newRow("minus the smallest from zero") << '-' << qint64{0} << min << max;
    QTest::newRow("minus one unit past the largest") << '-' << max << qint64{-1} << NoValue;
    QTest::newRow("94 times a gold price is exact")
        << '*' << qint64{12345678901} << qint64{94} << qint64{1160493816694};
    QTest::newRow("times minus one of the largest") << '*' << max << qint64{-1} << min;
    QTest::newRow("times minus one of the smallest") << '*' << min << qint64{-1} << max;
    QTest::newRow("times two of the largest") << '*' << max << qint64{2} << NoValue;
    QTest::newRow("times zero") << '*' << min << qint64{0} << qint64{0};
    QTest::newRow("94 times the largest price that fits")
        << '*' << qint64{98120979115476338} << qint64{94} << qint64{9223372036854775772};
    QTest::newRow("94 times one unit more overflows")
        << '*' << qint64{98120979115476339} << qint64{94} << NoValue;
    QTest::newRow("times a factor that wraps to a small value")
        << '*' << qint64{4294967296} << qint64{4294967296} << NoValue;
}

void MoneyTest::arithmeticReportsOverflow() {
    QFETCH(char, operation);
    QFETCH(qint64, left);
    QFETCH(qint64, right);
    QFETCH(qint64, units);

    const Money a = Money::fromUnits(left);
    std::optional<Money> result;
    switch (operation) {
    case '+':
        result = a.plus(Money::fromUnits(right));
        break;
    case '-':
        result = a.minus(Money::fromUnits(right));
        break;
    default:
        result = a.times(right);
        break;
    }
    QCOMPARE(unitsOr(result), units);
}

void MoneyTest::timesDoubleConvertsTheDoubleProduct_data() {
    QTest::addColumn<qint64>("units");
    QTest::addColumn<double>("factor");
    QTest::addColumn<qint64>("product");

    QTest::newRow("zakat of 100,000,000") << qint64{1000000000000} << 0.025 << qint64{25000000000};
    QTest::newRow("zakat of the threshold 94 x 100,000")
        << qint64{94000000000} << 0.025 << qint64{2350000000};
    QTest::newRow("product below one unit rounds to zero") << qint64{1} << 0.025 << qint64{0};
    QTest::newRow("negative product") << qint64{-400000} << 0.025 << qint64{-10000};
    QTest::newRow("product out of range") << qint64{Money::max().units()} << 2.0 << NoValue;
    QTest::newRow("factor not a number")
        << qint64{1} << std::numeric_limits<double>::quiet_NaN() << NoValue;
}

void MoneyTest::timesDoubleConvertsTheDoubleProduct() {
    QFETCH(qint64, units);
    QFETCH(double, factor);
    QFETCH(qint64, product);
    QCOMPARE(unitsOr(Money::fromUnits(units).timesDouble(factor)), product);
}

void MoneyTest::decimalStringIsExact_data() {
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << qint64{0} << QStringLiteral("0.0000");
    QTest::newRow("one unit") << qint64{1} << QStringLiteral("0.0001");
    QTest::newRow("minus one unit") << qint64{-1} << QStringLiteral("-0.0001");
    QTest::newRow("whole and decimals") << qint64{12345678} << QStringLiteral("1234.5678");
    QTest::newRow("largest") << qint64{Money::max().units()}
                             << QStringLiteral("922337203685477.5807");
    QTest::newRow("smallest") << qint64{Money::min().units()}
                              << QStringLiteral("-922337203685477.5807");
}

void MoneyTest::decimalStringIsExact() {
    QFETCH(qint64, units);
    QFETCH(QString, text);
    QCOMPARE(Money::fromUnits(units).toDecimalString(), text);
}

QTEST_APPLESS_MAIN(MoneyTest)
#include "tst_money.moc"
