#include "zakat/ZakatRules.h"

#include <QLocale>
#include <QTest>

#include <initializer_list>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::zakat;

namespace {

const QLocale EnglishUs(QLocale::English, QLocale::UnitedStates);
const QLocale Indonesian(QLocale::Indonesian, QLocale::Indonesia);

// Numbers in the rows are written the US way; the Indonesian rows swap the two marks.
QString inLocale(QStringView usText, const QLocale& locale) {
    QString text = usText.toString();
    if (locale.decimalPoint() == u","_s) {
        for (QChar& c : text) {
            if (c == u',')
                c = u'.';
            else if (c == u'.')
                c = u',';
        }
    }
    return text;
}

// An expected sentence: the parts in braces are numbers and follow the locale.
QString expected(QStringView pattern, const QLocale& locale) {
    QString text;
    qsizetype from = 0;
    while (from < pattern.size()) {
        const qsizetype open = pattern.indexOf(u'{', from);
        if (open < 0) {
            text += pattern.sliced(from);
            break;
        }
        const qsizetype close = pattern.indexOf(u'}', open);
        text += pattern.sliced(from, open - from);
        text += inLocale(pattern.sliced(open + 1, close - open - 1), locale);
        from = close + 1;
    }
    return text;
}

const char* tag(const QLocale& locale) {
    return locale == Indonesian ? "id-ID" : "en-US";
}

constexpr int Accepted = -1;

template<typename Result>
void check(const std::variant<Result, BadField>& outcome, int badField, const QString& sentence) {
    if (badField != Accepted) {
        QVERIFY(std::holds_alternative<BadField>(outcome));
        QCOMPARE(std::get<BadField>(outcome).field, badField);
        return;
    }
    QVERIFY(std::holds_alternative<Result>(outcome));
    QCOMPARE(std::get<Result>(outcome).sentence, sentence);
}

const auto BelowHerd = u"Jumlah Ternak Anda Belum Mencapai Nishab";
const auto OneGoat = u"Zakat Anda 1 (Satu) Ekor Kambing";
const auto TwoGoats = u"Zakat Anda 2 (Dua) Ekor Kambing";
const auto ThreeGoats = u"Zakat Anda 3 (Tiga) Ekor Kambing";
const auto Cattle30 = u"Zakat Anda 1 (Satu) Ekor Sapi Berumur Satu Tahun Lebih";
const auto Cattle40 = u"Zakat Anda 1 (Satu) Ekor Sapi Berumur Dua Tahun Lebih";
const auto Cattle60 = u"Zakat Anda 2 (Dua) Ekor Sapi Berumur Satu Tahun Lebih";
const auto Cattle70 =
    u"Zakat Anda 2 (Dua) Ekor Sapi, Terdiri Dari 1 (Satu) Ekor Berumur Satu tahun "
    u"Lebih dan 1 (Satu) Ekor Berumur Dua Tahun Lebih";
const auto Cattle80 = u"Zakat Anda 2 (Dua) Ekor Sapi Berumur Dua Tahun Lebih";
const auto Cattle90 = u"Zakat Anda 3 (Tiga) Ekor Sapi Berumur Satu Tahun Lebih";
const auto Cattle100 =
    u"Zakat Anda 3 (Tiga) Ekor Sapi Terdiri Dari 2 (Dua) Ekor Berumur Satu Tahun "
    u"Lebih dan 1 (Satu) Ekor Berumur Dua Tahun Lebih";
const auto Cattle110 = u"Zakat Anda 3 (Tiga) Ekor Sapi Terdiri Dari 2 (Dua) Ekor Berumur Dua Tahun "
                       u"Lebih dan 1 (Satu) Ekor Berumur Satu Tahun Lebih";

struct LivestockRow {
    const char* name;
    Livestock kind;
    const char16_t* herd;
    int badField;
    const char16_t* sentence;
};

struct TwoFieldRow {
    const char* name;
    const char16_t* first;
    const char16_t* second;
    int badField;
    const char16_t* sentence;
};

} // namespace

class ZakatRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void livestockSentenceFollowsTheBands_data();
    void livestockSentenceFollowsTheBands();
    void harvestOwesTenOrFivePercentFrom650Kilograms_data();
    void harvestOwesTenOrFivePercentFrom650Kilograms();
    void wealthOwesTwoAndAHalfPercentFromTheGoldThreshold_data();
    void wealthOwesTwoAndAHalfPercentFromTheGoldThreshold();
    void wealthKeepsItsFixedPointValues();
    void fitrahIsThreeAndAHalfLitresPerPerson_data();
    void fitrahIsThreeAndAHalfLitresPerPerson();
    void fitrahKeepsItsValues();
};

void ZakatRulesTest::livestockSentenceFollowsTheBands_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Livestock>("kind");
    QTest::addColumn<QString>("herd");
    QTest::addColumn<int>("badField");
    QTest::addColumn<QString>("sentence");

    using enum Livestock;
    const std::initializer_list<LivestockRow> rows = {
        {"no goats are below the threshold", Goats, u"0", Accepted, BelowHerd},
        {"39 goats are below the threshold", Goats, u"39", Accepted, BelowHerd},
        {"39.9999 goats are below the threshold", Goats, u"39.9999", Accepted, BelowHerd},
        {"40 goats give one goat", Goats, u"40", Accepted, OneGoat},
        {"120 goats still give one goat", Goats, u"120", Accepted, OneGoat},
        {"120.5 goats give two goats", Goats, u"120.5", Accepted, TwoGoats},
        {"121 goats give two goats", Goats, u"121", Accepted, TwoGoats},
        {"200 goats still give two goats", Goats, u"200", Accepted, TwoGoats},
        {"201 goats give three goats", Goats, u"201", Accepted, ThreeGoats},
        {"399 goats still give three goats", Goats, u"399", Accepted, ThreeGoats},
        {"399.5 goats go by the hundred and give four", Goats, u"399.5", Accepted,
         u"Zakat Anda {4} Ekor Kambing"},
        {"400 goats give four", Goats, u"400", Accepted, u"Zakat Anda {4} Ekor Kambing"},
        {"450 goats give four, the half going to even", Goats, u"450", Accepted,
         u"Zakat Anda {4} Ekor Kambing"},
        {"451 goats give five", Goats, u"451", Accepted, u"Zakat Anda {5} Ekor Kambing"},
        {"550 goats give six, the half going to even", Goats, u"550", Accepted,
         u"Zakat Anda {6} Ekor Kambing"},
        {"123,456 goats give a grouped count", Goats, u"123,456", Accepted,
         u"Zakat Anda {1,235} Ekor Kambing"},
        {"three thousand million goats are no trouble", Goats, u"3,000,000,000", Accepted,
         u"Zakat Anda {30,000,000} Ekor Kambing"},

        {"29 cattle are below the threshold", Cattle, u"29", Accepted, BelowHerd},
        {"29.9999 cattle are below the threshold", Cattle, u"29.9999", Accepted, BelowHerd},
        {"30 cattle give one yearling", Cattle, u"30", Accepted, Cattle30},
        {"39 cattle still give one yearling", Cattle, u"39", Accepted, Cattle30},
        {"40 cattle give one two-year-old", Cattle, u"40", Accepted, Cattle40},
        {"59 cattle still give one two-year-old", Cattle, u"59", Accepted, Cattle40},
        {"60 cattle give two yearlings", Cattle, u"60", Accepted, Cattle60},
        {"69 cattle still give two yearlings", Cattle, u"69", Accepted, Cattle60},
        {"70 cattle give one of each age", Cattle, u"70", Accepted, Cattle70},
        {"79 cattle still give one of each age", Cattle, u"79", Accepted, Cattle70},
        {"80 cattle give two two-year-olds", Cattle, u"80", Accepted, Cattle80},
        {"89 cattle still give two two-year-olds", Cattle, u"89", Accepted, Cattle80},
        {"90 cattle give three yearlings", Cattle, u"90", Accepted, Cattle90},
        {"99 cattle still give three yearlings", Cattle, u"99", Accepted, Cattle90},
        {"100 cattle give two yearlings and a two-year-old", Cattle, u"100", Accepted, Cattle100},
        {"109 cattle still give two yearlings and a two-year-old", Cattle, u"109", Accepted,
         Cattle100},
        {"110 cattle give two two-year-olds and a yearling", Cattle, u"110", Accepted, Cattle110},
        {"119 cattle still give two two-year-olds and a yearling", Cattle, u"119", Accepted,
         Cattle110},
        {"119.5 cattle stay in the last band", Cattle, u"119.5", Accepted, Cattle110},
        {"120 cattle are divisible by 30 and give four yearlings", Cattle, u"120", Accepted,
         u"Zakat Anda {4} Ekor Sapi Berumur Satu Tahun Lebih"},
        {"120.4 cattle count as 120 for divisibility", Cattle, u"120.4", Accepted,
         u"Zakat Anda {4} Ekor Sapi Berumur Satu Tahun Lebih"},
        {"124.999 cattle: 1.49997 is held as 1.5 and goes to two", Cattle, u"124.999", Accepted,
         u"Zakat Anda {5} Ekor Sapi Berumur Dua Tahun Lebih"},
        {"125 cattle: 1.5 goes to the even two", Cattle, u"125", Accepted,
         u"Zakat Anda {5} Ekor Sapi Berumur Dua Tahun Lebih"},
        {"130 cattle divide by neither and give five", Cattle, u"130", Accepted,
         u"Zakat Anda {5} Ekor Sapi Berumur Dua Tahun Lebih"},
        {"150 cattle are divisible by 30 and give five yearlings", Cattle, u"150", Accepted,
         u"Zakat Anda {5} Ekor Sapi Berumur Satu Tahun Lebih"},
        {"155 cattle: 2.5 goes to the even two", Cattle, u"155", Accepted,
         u"Zakat Anda {5} Ekor Sapi Berumur Dua Tahun Lebih"},
        {"160 cattle are divisible by 40 only and give five", Cattle, u"160", Accepted,
         u"Zakat Anda {5} Ekor Sapi Berumur Dua Tahun Lebih"},
        {"200 cattle divide by 40 into three extra", Cattle, u"200", Accepted,
         u"Zakat Anda {6} Ekor Sapi Berumur Dua Tahun Lebih"},
        {"240 cattle divisible by both take the rule of 30", Cattle, u"240", Accepted,
         u"Zakat Anda {8} Ekor Sapi Berumur Satu Tahun Lebih"},
        {"100,000 cattle give a grouped count", Cattle, u"100,000", Accepted,
         u"Zakat Anda {2,501} Ekor Sapi Berumur Dua Tahun Lebih"},

        {"goats written in letters are refused", Goats, u"empat puluh", 0, nullptr},
        {"cattle with a unit are refused", Cattle, u"40 ekor", 0, nullptr},
        {"a negative herd of goats is refused", Goats, u"-40", 0, nullptr},
        {"a negative herd of cattle is refused", Cattle, u"-0.5", 0, nullptr},
        {"a herd beyond the fixed-point range is refused", Goats, u"1,000,000,000,000,000", 0,
         nullptr},
        {"cattle beyond a 32-bit count are refused", Cattle, u"3,000,000,000", 0, nullptr},
    };
    for (const QLocale& locale : {EnglishUs, Indonesian}) {
        for (const LivestockRow& row : rows) {
            QTest::addRow("%s (%s)", row.name, tag(locale))
                << locale << row.kind << inLocale(row.herd, locale) << row.badField
                << (row.sentence ? expected(row.sentence, locale) : QString());
        }
    }
}

void ZakatRulesTest::livestockSentenceFollowsTheBands() {
    QFETCH(QLocale, locale);
    QFETCH(Livestock, kind);
    QFETCH(QString, herd);
    QFETCH(int, badField);
    QFETCH(QString, sentence);

    check(livestockZakat(herd, kind, locale), badField, sentence);
}

void ZakatRulesTest::harvestOwesTenOrFivePercentFrom650Kilograms_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Irrigation>("irrigation");
    QTest::addColumn<QString>("harvest");
    QTest::addColumn<int>("badField");
    QTest::addColumn<QString>("sentence");

    struct Row {
        const char* name;
        Irrigation irrigation;
        const char16_t* harvest;
        int badField;
        const char16_t* sentence;
    };
    using enum Irrigation;
    const auto below = u"Hasil Pertanian Anda Belum Mencapai Nishab";
    const std::initializer_list<Row> rows = {
        {"649.9 kg irrigated is below the threshold", Irrigated, u"649.9", Accepted, below},
        {"649.9 kg not irrigated is below the threshold", NotIrrigated, u"649.9", Accepted, below},
        {"no harvest is below the threshold", Irrigated, u"0", Accepted, below},
        {"650 kg irrigated owe 65 kg", Irrigated, u"650", Accepted,
         u"Zakat Anda Sebanyak  {65}  Kilogram"},
        {"650 kg not irrigated owe 32.5 kg, going to the even 32", NotIrrigated, u"650", Accepted,
         u"Zakat Anda Sebanyak  {32}  Kilogram"},
        {"670 kg irrigated owe 67 kg", Irrigated, u"670", Accepted,
         u"Zakat Anda Sebanyak  {67}  Kilogram"},
        {"670 kg not irrigated owe 33.5 kg, going to the even 34", NotIrrigated, u"670", Accepted,
         u"Zakat Anda Sebanyak  {34}  Kilogram"},
        {"12,345 kg irrigated owe 1,234.5 kg, shown grouped as 1,234", Irrigated, u"12,345",
         Accepted, u"Zakat Anda Sebanyak  {1,234}  Kilogram"},
        {"12,345 kg not irrigated owe 617.25 kg, shown as 617", NotIrrigated, u"12,345", Accepted,
         u"Zakat Anda Sebanyak  {617}  Kilogram"},
        {"a harvest in letters is refused", Irrigated, u"banyak", 0, nullptr},
        {"a harvest with a unit is refused", NotIrrigated, u"650 kg", 0, nullptr},
        {"a negative harvest is refused", Irrigated, u"-650", 0, nullptr},
    };
    for (const QLocale& locale : {EnglishUs, Indonesian}) {
        for (const Row& row : rows) {
            QTest::addRow("%s (%s)", row.name, tag(locale))
                << locale << row.irrigation << inLocale(row.harvest, locale) << row.badField
                << (row.sentence ? expected(row.sentence, locale) : QString());
        }
    }
}

void ZakatRulesTest::harvestOwesTenOrFivePercentFrom650Kilograms() {
    QFETCH(QLocale, locale);
    QFETCH(Irrigation, irrigation);
    QFETCH(QString, harvest);
    QFETCH(int, badField);
    QFETCH(QString, sentence);

    check(harvestZakat(harvest, irrigation, locale), badField, sentence);
}

void ZakatRulesTest::wealthOwesTwoAndAHalfPercentFromTheGoldThreshold_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("wealth");
    QTest::addColumn<QString>("goldPrice");
    QTest::addColumn<int>("badField");
    QTest::addColumn<QString>("sentence");

    const auto below = u"Harta Anda Belum Mencapai Nishab";
    const std::initializer_list<TwoFieldRow> rows = {
        {"wealth exactly at 94 grams of gold owes zakat", u"9,400,000", u"100,000", Accepted,
         u"Zakat Anda Sebesar  Rp. {235,000.00}"},
        {"wealth well above the threshold owes 2.5 percent", u"100,000,000", u"100,000", Accepted,
         u"Zakat Anda Sebesar  Rp. {2,500,000.00}"},
        {"wealth one ten-thousandth below the threshold owes nothing", u"9,399,999.9999",
         u"100,000", Accepted, below},
        {"a fractional gold price sets an exact threshold", u"94,000.94", u"1,000.01", Accepted,
         u"Zakat Anda Sebesar  Rp. {2,350.02}"},
        {"cents of the zakat are shown", u"12,345,678.90", u"100,000", Accepted,
         u"Zakat Anda Sebesar  Rp. {308,641.97}"},
        {"a gold price of 0 taxes a wealth of 0", u"0", u"0", Accepted,
         u"Zakat Anda Sebesar  Rp. {0.00}"},
        {"a negative wealth is below the threshold", u"-5,000,000", u"100,000", Accepted, below},
        {"a negative wealth is below even a threshold of 0", u"-0.01", u"0", Accepted, below},
        {"wealth in letters is refused", u"sejuta", u"100,000", 0, nullptr},
        {"wealth beyond the fixed-point range is refused", u"1,000,000,000,000,000", u"100,000", 0,
         nullptr},
        {"a gold price in letters is refused", u"100,000", u"mahal", 1, nullptr},
        {"a negative gold price is refused", u"100,000", u"-1", 1, nullptr},
        {"a gold price whose 94-fold overflows is refused", u"100,000", u"100,000,000,000,000", 1,
         nullptr},
        {"the wealth is refused before the gold price", u"x", u"y", 0, nullptr},
    };
    for (const QLocale& locale : {EnglishUs, Indonesian}) {
        for (const TwoFieldRow& row : rows) {
            QTest::addRow("%s (%s)", row.name, tag(locale))
                << locale << inLocale(row.first, locale) << inLocale(row.second, locale)
                << row.badField << (row.sentence ? expected(row.sentence, locale) : QString());
        }
    }
}

void ZakatRulesTest::wealthOwesTwoAndAHalfPercentFromTheGoldThreshold() {
    QFETCH(QLocale, locale);
    QFETCH(QString, wealth);
    QFETCH(QString, goldPrice);
    QFETCH(int, badField);
    QFETCH(QString, sentence);

    check(wealthZakat(wealth, goldPrice, locale), badField, sentence);
}

void ZakatRulesTest::wealthKeepsItsFixedPointValues() {
    const auto due = std::get<WealthResult>(wealthZakat(u"12,345,678.9", u"1,000.0001", EnglishUs));
    QCOMPARE(due.wealth, Money::fromUnits(123'456'789'000));
    QCOMPARE(due.goldPrice, Money::fromUnits(10'000'001));
    QCOMPARE(due.nishab, Money::fromUnits(940'000'094));
    QCOMPARE(due.zakat, Money::fromUnits(3'086'419'725));

    const auto below = std::get<WealthResult>(wealthZakat(u"93.9999", u"1", EnglishUs));
    QCOMPARE(below.zakat, std::nullopt);
}

void ZakatRulesTest::fitrahIsThreeAndAHalfLitresPerPerson_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("dependants");
    QTest::addColumn<QString>("ricePrice");
    QTest::addColumn<int>("badField");
    QTest::addColumn<QString>("sentence");

    const std::initializer_list<TwoFieldRow> rows = {
        {"four persons at 2,500 a litre", u"4", u"2,500", Accepted,
         u"Zakat Anda Jika Dalam Beras Adalah   {14.00}   Liter Beras Atau Uang Rp.  {35,000.00}"},
        {"one person at 3,000 a litre", u"1", u"3,000", Accepted,
         u"Zakat Anda Jika Dalam Beras Adalah   {3.50}   Liter Beras Atau Uang Rp.  {10,500.00}"},
        {"no persons owe nothing", u"0", u"5,000", Accepted,
         u"Zakat Anda Jika Dalam Beras Adalah   {0.00}   Liter Beras Atau Uang Rp.  {0.00}"},
        {"2.5 persons count as the even two", u"2.5", u"1,000", Accepted,
         u"Zakat Anda Jika Dalam Beras Adalah   {7.00}   Liter Beras Atau Uang Rp.  {7,000.00}"},
        {"3.5 persons count as the even four", u"3.5", u"1,000", Accepted,
         u"Zakat Anda Jika Dalam Beras Adalah   {14.00}   Liter Beras Atau Uang Rp.  {14,000.00}"},
        {"a price with four decimals", u"1", u"1,234.5678", Accepted,
         u"Zakat Anda Jika Dalam Beras Adalah   {3.50}   Liter Beras Atau Uang Rp.  {4,320.99}"},
        {"the largest 16-bit household", u"32,767", u"1", Accepted,
         u"Zakat Anda Jika Dalam Beras Adalah   {114,684.50}   Liter Beras Atau Uang Rp.  "
         u"{114,684.50}"},
        {"a household beyond 16 bits is refused", u"32,768", u"1", 0, nullptr},
        {"persons in letters are refused", u"empat", u"2,500", 0, nullptr},
        {"a negative number of persons is refused", u"-1", u"2,500", 0, nullptr},
        {"a price in letters is refused", u"4", u"murah", 1, nullptr},
        {"a negative price is refused", u"4", u"-2,500", 1, nullptr},
        {"a price beyond the fixed-point range is refused", u"4", u"1,000,000,000,000,000", 1,
         nullptr},
        {"a price whose amount overflows is refused", u"1,000", u"900,000,000,000,000", 1, nullptr},
    };
    for (const QLocale& locale : {EnglishUs, Indonesian}) {
        for (const TwoFieldRow& row : rows) {
            QTest::addRow("%s (%s)", row.name, tag(locale))
                << locale << inLocale(row.first, locale) << inLocale(row.second, locale)
                << row.badField << (row.sentence ? expected(row.sentence, locale) : QString());
        }
    }
}

void ZakatRulesTest::fitrahIsThreeAndAHalfLitresPerPerson() {
    QFETCH(QLocale, locale);
    QFETCH(QString, dependants);
    QFETCH(QString, ricePrice);
    QFETCH(int, badField);
    QFETCH(QString, sentence);

    check(fitrahZakat(dependants, ricePrice, locale), badField, sentence);
}

void ZakatRulesTest::fitrahKeepsItsValues() {
    const auto result = std::get<FitrahResult>(fitrahZakat(u"3", u"1,234.5678", EnglishUs));
    QCOMPARE(result.dependants, std::int16_t{3});
    QCOMPARE(result.ricePrice, Money::fromUnits(12'345'678));
    QCOMPARE(result.riceLitres, 10.5);
    QCOMPARE(result.money, Money::fromUnits(129'629'619));
}

QTEST_GUILESS_MAIN(ZakatRulesTest)
#include "ZakatRulesTest.moc"
