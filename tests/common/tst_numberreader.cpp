#include "common/NumberReader.h"

#include <QLocale>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;
using namespace zw;

namespace {

const QLocale EnglishUs(QLocale::English, QLocale::UnitedStates);
const QLocale Indonesian(QLocale::Indonesian, QLocale::Indonesia);

constexpr qint64 NoValue = std::numeric_limits<qint64>::min();

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

} // namespace

class NumberReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsNumbersWithTheLocaleMarks_data();
    void readsNumbersWithTheLocaleMarks();
    void rejectsWhatIsNotANumber_data();
    void rejectsWhatIsNotANumber();
    void marksOfTheOtherLocaleAreNotNumbers_data();
    void marksOfTheOtherLocaleAreNotNumbers();
};

void NumberReaderTest::readsNumbersWithTheLocaleMarks_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::addColumn<qint64>("units");

    struct Row {
        const char* name;
        QString usText;
        double number;
        qint64 units;
    };
    const QString manyZeros = u"0."_s + QString(400, u'0') + u'1';
    const Row rows[] = {
        {"plain whole", u"1234"_s, 1234.0, 12340000},
        {"zero", u"0"_s, 0.0, 0},
        {"minus zero is zero", u"-0"_s, 0.0, 0},
        {"grouped whole", u"1,234,567"_s, 1234567.0, 12345670000},
        {"grouped with decimals", u"12,345.678"_s, 12345.678, 123456780},
        {"first group of one digit", u"1,000"_s, 1000.0, 10000000},
        {"blanks around", u"  42.5 \t"_s, 42.5, 425000},
        {"leading plus", u"+7"_s, 7.0, 70000},
        {"leading minus", u"-7.25"_s, -7.25, -72500},
        {"only decimals", u".5"_s, 0.5, 5000},
        {"decimal mark at the end", u"5."_s, 5.0, 50000},
        {"many leading zeros", u"000000000000000000000001"_s, 1.0, 10000},
        {"fifth decimal 5 is a tie rounding down to even", u"0.00005"_s, 0.00005, 0},
        {"fifth decimal 5 is a tie rounding up to even", u"0.00015"_s, 0.00015, 2},
        {"negative tie rounds to even zero", u"-0.00005"_s, -0.00005, 0},
        {"tie after an even unit", u"2.50005"_s, 2.50005, 25000},
        {"anything after the 5 rounds up", u"0.000050001"_s, 0.000050001, 1},
        {"below the tie rounds down", u"0.000049999"_s, 0.000049999, 0},
        {"negative above the tie rounds away", u"-0.000051"_s, -0.000051, -1},
        {"largest money", u"922,337,203,685,477.5807"_s, 922337203685477.5807,
         std::numeric_limits<qint64>::max()},
        {"smallest money", u"-922337203685477.5807"_s, -922337203685477.5807,
         -std::numeric_limits<qint64>::max()},
        {"one unit past the largest money", u"922337203685477.5808"_s, 922337203685477.5808,
         NoValue},
        {"one unit below the smallest money", u"-922337203685477.5808"_s, -922337203685477.5808,
         NoValue},
        {"tie rounding past the largest money", u"922337203685477.58075"_s, 922337203685477.58075,
         NoValue},
        {"far beyond money yet a double", u"1,000,000,000,000,000,000,000"_s, 1e21, NoValue},
        {"too small for a double is zero", manyZeros, 0.0, 0},
    };
    for (const QLocale& locale : {EnglishUs, Indonesian}) {
        for (const Row& row : rows) {
            QTest::addRow("%s, %s", row.name, qPrintable(locale.name()))
                << locale << inLocale(row.usText, locale) << row.number << row.units;
        }
    }
}

void NumberReaderTest::readsNumbersWithTheLocaleMarks() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, number);
    QFETCH(qint64, units);

    const auto read = readNumber(text, locale);
    QVERIFY(read.has_value());
    QCOMPARE(*read, number);
    const auto money = readMoney(text, locale);
    QCOMPARE(money ? money->units() : NoValue, units);
}

void NumberReaderTest::rejectsWhatIsNotANumber_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");

    const struct {
        const char* name;
        QString usText;
    } rows[] = {
        {"empty", u""_s},
        {"only blanks", u"   "_s},
        {"letters", u"abc"_s},
        {"letters after digits", u"12abc"_s},
        {"group of two", u"1,23"_s},
        {"group of four", u"1,2345"_s},
        {"first group of four", u"1234,567"_s},
        {"leading group mark", u",123"_s},
        {"group mark at the end", u"123,"_s},
        {"two group marks together", u"1,,234"_s},
        {"group mark after the decimal mark", u"1.234,5"_s},
        {"group mark before the decimal mark", u"1,.5"_s},
        {"two decimal marks", u"1.2.3"_s},
        {"decimal mark alone", u"."_s},
        {"exponent", u"1e5"_s},
        {"upper-case exponent", u"1E5"_s},
        {"hexadecimal", u"0x1A"_s},
        {"infinity", u"inf"_s},
        {"not a number", u"nan"_s},
        {"sign alone", u"-"_s},
        {"sign after the digits", u"5-"_s},
        {"two signs", u"+-1"_s},
        {"blank after the sign", u"- 1"_s},
        {"blank inside", u"1 234"_s},
        {"too large for a double", QString(400, u'9')},
    };
    for (const QLocale& locale : {EnglishUs, Indonesian}) {
        for (const auto& row : rows) {
            QTest::addRow("%s, %s", row.name, qPrintable(locale.name()))
                << locale << inLocale(row.usText, locale);
        }
    }
}

void NumberReaderTest::rejectsWhatIsNotANumber() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QVERIFY(!readNumber(text, locale).has_value());
    QVERIFY(!readMoney(text, locale).has_value());
}

void NumberReaderTest::marksOfTheOtherLocaleAreNotNumbers_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("number");

    QTest::newRow("Indonesian 1.234,5 is a number there")
        << Indonesian << u"1.234,5"_s << true << 1234.5;
    QTest::newRow("Indonesian 1.5 has a misplaced group mark")
        << Indonesian << u"1.5"_s << false << 0.0;
    QTest::newRow("Indonesian 1,5 is one and a half") << Indonesian << u"1,5"_s << true << 1.5;
    QTest::newRow("Indonesian 1,234.5 is not a number")
        << Indonesian << u"1,234.5"_s << false << 0.0;
    QTest::newRow("US 1.5 is one and a half") << EnglishUs << u"1.5"_s << true << 1.5;
    QTest::newRow("US 1,5 has a misplaced group mark") << EnglishUs << u"1,5"_s << false << 0.0;
    QTest::newRow("US 1,234 is a thousand and more") << EnglishUs << u"1,234"_s << true << 1234.0;
    QTest::newRow("Indonesian 1,234 is a little more than one")
        << Indonesian << u"1,234"_s << true << 1.234;
}

void NumberReaderTest::marksOfTheOtherLocaleAreNotNumbers() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, number);

    const auto read = readNumber(text, locale);
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, number);
}

QTEST_APPLESS_MAIN(NumberReaderTest)
#include "tst_numberreader.moc"
