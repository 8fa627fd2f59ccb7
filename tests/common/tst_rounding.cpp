#include "common/Rounding.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace zw;

class RoundingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundHalfEvenGoesToTheEvenNeighbourOnTies_data();
    void roundHalfEvenGoesToTheEvenNeighbourOnTies();
    void conversionsReportValuesOutOfRange_data();
    void conversionsReportValuesOutOfRange();
};

void RoundingTest::roundHalfEvenGoesToTheEvenNeighbourOnTies_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");

    QTest::newRow("0.5 goes down to 0") << 0.5 << 0.0;
    QTest::newRow("1.5 goes up to 2") << 1.5 << 2.0;
    QTest::newRow("2.5 goes down to 2") << 2.5 << 2.0;
    QTest::newRow("3.5 goes up to 4") << 3.5 << 4.0;
    QTest::newRow("-0.5 goes up to 0") << -0.5 << 0.0;
    QTest::newRow("-1.5 goes down to -2") << -1.5 << -2.0;
    QTest::newRow("-2.5 goes up to -2") << -2.5 << -2.0;
    QTest::newRow("just below a tie goes down") << std::nextafter(2.5, 0.0) << 2.0;
    QTest::newRow("just above a tie goes up") << std::nextafter(2.5, 3.0) << 3.0;
    QTest::newRow("largest double below one half") << 0.49999999999999994 << 0.0;
    QTest::newRow("negative just below one half") << -0.49999999999999994 << 0.0;
    QTest::newRow("tie just below 2^52") << 4503599627370495.5 << 4503599627370496.0;
    QTest::newRow("whole numbers stay") << -7.0 << -7.0;
    QTest::newRow("huge values stay") << 1e300 << 1e300;
}

void RoundingTest::roundHalfEvenGoesToTheEvenNeighbourOnTies() {
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

void RoundingTest::conversionsReportValuesOutOfRange_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits16");
    QTest::addColumn<int>("value16");
    QTest::addColumn<bool>("fits32");
    QTest::addColumn<qint64>("value32");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();

    QTest::newRow("zero") << 0.0 << true << 0 << true << qint64{0};
    QTest::newRow("2.5 rounds to 2") << 2.5 << true << 2 << true << qint64{2};
    QTest::newRow("largest 16-bit") << 32767.4 << true << 32767 << true << qint64{32767};
    QTest::newRow("tie at the 16-bit top rounds out of range")
        << 32767.5 << false << 0 << true << qint64{32768};
    QTest::newRow("tie below the 16-bit top rounds to even")
        << 32766.5 << true << 32766 << true << qint64{32766};
    QTest::newRow("tie at the 16-bit bottom rounds to even inside")
        << -32768.5 << true << -32768 << true << qint64{-32768};
    QTest::newRow("one below the 16-bit bottom")
        << -32769.0 << false << 0 << true << qint64{-32769};
    QTest::newRow("largest 32-bit") << 2147483647.4 << false << 0 << true << qint64{2147483647};
    QTest::newRow("tie at the 32-bit top rounds out of range")
        << 2147483647.5 << false << 0 << false << qint64{0};
    QTest::newRow("tie at the 32-bit bottom rounds to even inside")
        << -2147483648.5 << false << 0 << true << qint64{-2147483648};
    QTest::newRow("one below the 32-bit bottom")
        << -2147483649.0 << false << 0 << false << qint64{0};
    QTest::newRow("not a number") << nan << false << 0 << false << qint64{0};
    QTest::newRow("infinity") << infinity << false << 0 << false << qint64{0};
    QTest::newRow("negative infinity") << -infinity << false << 0 << false << qint64{0};
}

void RoundingTest::conversionsReportValuesOutOfRange() {
    QFETCH(double, value);
    QFETCH(bool, fits16);
    QFETCH(int, value16);
    QFETCH(bool, fits32);
    QFETCH(qint64, value32);

    const auto as16 = toInt16HalfEven(value);
    QCOMPARE(as16.has_value(), fits16);
    if (fits16)
        QCOMPARE(int{*as16}, value16);
    const auto as32 = toInt32HalfEven(value);
    QCOMPARE(as32.has_value(), fits32);
    if (fits32)
        QCOMPARE(qint64{*as32}, value32);
}

QTEST_APPLESS_MAIN(RoundingTest)
#include "tst_rounding.moc"
