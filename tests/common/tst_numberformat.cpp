#include "common/NumberFormat.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;

namespace {

const QLocale EnglishUs(QLocale::English, QLocale::UnitedStates);
const QLocale Indonesian(QLocale::Indonesian, QLocale::Indonesia);

// Rows are written the US way; for the Indonesian locale the two marks are swapped.
QString inLocale(QStringView usText, const QLocale& locale) {
    QString text = usText.toString();
    if (locale.decimalPoint() != u"."_s) {
        for (QChar& c : text) {
            if (c == u',')
                c = u'.';
            else if (c == u'.')
                c = u',';
        }
    }
    return text;
}

template<typename Value> struct Row {
    const char* name;
    Value value;
    NumberPattern pattern;
    QString usText;
};

template<typename Value> void addRowsInBothLocales(std::initializer_list<Row<Value>> rows) {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Value>("value");
    QTest::addColumn<NumberPattern>("pattern");
    QTest::addColumn<QString>("expected");
    for (const QLocale& locale : {EnglishUs, Indonesian}) {
        for (const auto& row : rows) {
            QTest::addRow("%s, %s", row.name, qPrintable(locale.name()))
                << locale << row.value << row.pattern << inLocale(row.usText, locale);
        }
    }
}

constexpr auto Amount = NumberPattern::Amount;
constexpr auto RupiahAmount = NumberPattern::RupiahAmount;
constexpr auto RupiahEstate = NumberPattern::RupiahEstate;
constexpr auto WholeNumber = NumberPattern::WholeNumber;

} // namespace

class NumberFormatTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formatsDoublesFromTheirExactValue_data();
    void formatsDoublesFromTheirExactValue();
    void formatsMoneyFromItsExactDigits_data();
    void formatsMoneyFromItsExactDigits();
    void formatsTextsThatHoldNumbers_data();
    void formatsTextsThatHoldNumbers();
};

void NumberFormatTest::formatsDoublesFromTheirExactValue_data() {
    addRowsInBothLocales<double>({
        {"zero", 0.0, Amount, u"0.00"_s},
        {"zero with the Rp prefix", 0.0, RupiahAmount, u"Rp 0.00"_s},
        {"zero estate has no whole digit", 0.0, RupiahEstate, u"Rp .00"_s},
        {"half estate has no whole digit", 0.5, RupiahEstate, u"Rp .50"_s},
        {"one estate has its whole digit", 1.0, RupiahEstate, u"Rp 1.00"_s},
        {"zero whole number", 0.0, WholeNumber, u"0"_s},
        {"three digits are not grouped", 999.0, Amount, u"999.00"_s},
        {"four digits are grouped", 1000.0, Amount, u"1,000.00"_s},
        {"millions", 1234567.891, Amount, u"1,234,567.89"_s},
        {"rounding carries into a new group", 999.999, Amount, u"1,000.00"_s},
        {"minus before the prefix", -100000.0, RupiahAmount, u"-Rp 100,000.00"_s},
        {"minus before the estate prefix", -0.5, RupiahEstate, u"-Rp .50"_s},
        {"negative whole number", -1234.0, WholeNumber, u"-1,234"_s},
        {"whole tie 0.5 goes away from zero", 0.5, WholeNumber, u"1"_s},
        {"whole tie 1.5 goes away from zero", 1.5, WholeNumber, u"2"_s},
        {"whole tie 2.5 goes away from zero", 2.5, WholeNumber, u"3"_s},
        {"whole tie -2.5 goes away from zero", -2.5, WholeNumber, u"-3"_s},
        {"just below a whole tie", 2.4999999999999996, WholeNumber, u"2"_s},
        {"exact binary tie 0.125 goes away from zero", 0.125, Amount, u"0.13"_s},
        {"negative exact binary tie", -0.125, Amount, u"-0.13"_s},
        {"2.675 is below its tie as a double", 2.675, Amount, u"2.67"_s},
        {"1.005 is below its tie as a double", 1.005, Amount, u"1.00"_s},
        {"-0.005 is beyond its tie as a double", -0.005, Amount, u"-0.01"_s},
        {"a small negative shows no minus", -0.004, Amount, u"0.00"_s},
        {"a small negative estate shows no minus", -0.004, RupiahEstate, u"Rp .00"_s},
        {"a negative below one half shows no minus", -0.4, WholeNumber, u"0"_s},
        {"negative zero shows no minus", -0.0, Amount, u"0.00"_s},
        {"smallest subnormal", 5e-324, Amount, u"0.00"_s},
        {"very large value is written out", 1e20, Amount, u"100,000,000,000,000,000,000.00"_s},
    });
}

void NumberFormatTest::formatsDoublesFromTheirExactValue() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(NumberPattern, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, pattern, locale), expected);
}

void NumberFormatTest::formatsMoneyFromItsExactDigits_data() {
    const auto units = [](qint64 count) {
        return Money::fromUnits(count);
    };
    addRowsInBothLocales<Money>({
        {"zero estate", units(0), RupiahEstate, u"Rp .00"_s},
        {"exact cents", units(12345600), Amount, u"1,234.56"_s},
        {"cent tie goes away from zero", units(50), Amount, u"0.01"_s},
        {"negative cent tie goes away from zero", units(-50), Amount, u"-0.01"_s},
        {"one unit below the cent tie", units(49), Amount, u"0.00"_s},
        {"one unit below the negative tie shows no minus", units(-49), Amount, u"0.00"_s},
        {"2.675 held exactly rounds up", units(26750), Amount, u"2.68"_s},
        {"estate rounding to one whole", units(9950), RupiahEstate, u"Rp 1.00"_s},
        {"estate rounding to nothing", units(49), RupiahEstate, u"Rp .00"_s},
        {"whole tie 0.5", units(5000), WholeNumber, u"1"_s},
        {"whole tie 2.5", units(25000), WholeNumber, u"3"_s},
        {"whole tie -2.5", units(-25000), WholeNumber, u"-3"_s},
        {"one unit below the whole tie", units(24999), WholeNumber, u"2"_s},
        {"whole rounding into a new group", units(99995000), WholeNumber, u"10,000"_s},
        {"largest", Money::max(), Amount, u"922,337,203,685,477.58"_s},
        {"largest whole", Money::max(), WholeNumber, u"922,337,203,685,478"_s},
        {"smallest", Money::min(), RupiahAmount, u"-Rp 922,337,203,685,477.58"_s},
        {"digits beyond double precision", units(9007199254740993), Amount,
         u"900,719,925,474.10"_s},
        {"odd units beyond double precision", units(9007199254740993), WholeNumber,
         u"900,719,925,474"_s},
    });
}

void NumberFormatTest::formatsMoneyFromItsExactDigits() {
    QFETCH(QLocale, locale);
    QFETCH(Money, value);
    QFETCH(NumberPattern, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, pattern, locale), expected);
}

void NumberFormatTest::formatsTextsThatHoldNumbers_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<NumberPattern>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Indonesian text") << Indonesian << u"1.234,5"_s << Amount << u"1.234,50"_s;
    QTest::newRow("US text") << EnglishUs << u"1234.5"_s << RupiahAmount << u"Rp 1,234.50"_s;
    QTest::newRow("blanks around") << EnglishUs << u" 12 "_s << Amount << u"12.00"_s;
    QTest::newRow("minus zero") << Indonesian << u"-0"_s << Amount << u"0,00"_s;
    QTest::newRow("negative text") << Indonesian << u"-1500"_s << RupiahAmount << u"-Rp 1.500,00"_s;
    QTest::newRow("text read as a double") << EnglishUs << u"2.675"_s << Amount << u"2.67"_s;
    QTest::newRow("empty text stays empty") << EnglishUs << QString() << Amount << QString();
    QTest::newRow("letters pass unchanged") << Indonesian << u"abc"_s << Amount << u"abc"_s;
    QTest::newRow("misplaced group mark passes unchanged")
        << Indonesian << u"1.5"_s << Amount << u"1.5"_s;
    QTest::newRow("blanks pass unchanged") << EnglishUs << u"  "_s << WholeNumber << u"  "_s;
}

void NumberFormatTest::formatsTextsThatHoldNumbers() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(NumberPattern, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatText(text, pattern, locale), expected);
}

QTEST_APPLESS_MAIN(NumberFormatTest)
#include "tst_numberformat.moc"
