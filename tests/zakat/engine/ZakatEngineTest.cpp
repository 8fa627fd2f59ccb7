#include "LocaleText.h"
#include "common/LineWriter.h"
#include "common/TextFileSink.h"
#include "zakat/engine/ZakatReport.h"
#include "zakat/engine/ZakatRules.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::zakat;
using zw::test::inLocale;

namespace {

const QLocale EnglishUs(QLocale::English, QLocale::UnitedStates);
const QLocale Indonesian(QLocale::Indonesian, QLocale::Indonesia);

// The sentence of an accepted entry, or which field was refused.
template<typename Result> QString outcome(const std::variant<Result, BadField>& result) {
    if (const auto* bad = std::get_if<BadField>(&result))
        return u"field %1 refused"_s.arg(bad->field);
    return std::get<Result>(result).sentence;
}

const auto BelowHerd = u"Jumlah Ternak Anda Belum Mencapai Nishab"_s;
const auto OneGoat = u"Zakat Anda 1 (Satu) Ekor Kambing"_s;
const auto TwoGoats = u"Zakat Anda 2 (Dua) Ekor Kambing"_s;
const auto ThreeGoats = u"Zakat Anda 3 (Tiga) Ekor Kambing"_s;
const auto Cattle30 = u"Zakat Anda 1 (Satu) Ekor Sapi Berumur Satu Tahun Lebih"_s;
const auto Cattle40 = u"Zakat Anda 1 (Satu) Ekor Sapi Berumur Dua Tahun Lebih"_s;
const auto Cattle60 = u"Zakat Anda 2 (Dua) Ekor Sapi Berumur Satu Tahun Lebih"_s;
const auto Cattle70 = u"Zakat Anda 2 (Dua) Ekor Sapi, Terdiri Dari 1 (Satu) Ekor Berumur Satu "
                      u"tahun Lebih dan 1 (Satu) Ekor Berumur Dua Tahun Lebih"_s;
const auto Cattle80 = u"Zakat Anda 2 (Dua) Ekor Sapi Berumur Dua Tahun Lebih"_s;
const auto Cattle90 = u"Zakat Anda 3 (Tiga) Ekor Sapi Berumur Satu Tahun Lebih"_s;
const auto Cattle100 = u"Zakat Anda 3 (Tiga) Ekor Sapi Terdiri Dari 2 (Dua) Ekor Berumur Satu "
                       u"Tahun Lebih dan 1 (Satu) Ekor Berumur Dua Tahun Lebih"_s;
const auto Cattle110 = u"Zakat Anda 3 (Tiga) Ekor Sapi Terdiri Dari 2 (Dua) Ekor Berumur Dua "
                       u"Tahun Lebih dan 1 (Satu) Ekor Berumur Satu Tahun Lebih"_s;

QString goats(int count) {
    return u"Zakat Anda %1 Ekor Kambing"_s.arg(count);
}
QString yearlings(int count) {
    return u"Zakat Anda %1 Ekor Sapi Berumur Satu Tahun Lebih"_s.arg(count);
}
QString twoYearOlds(int count) {
    return u"Zakat Anda %1 Ekor Sapi Berumur Dua Tahun Lebih"_s.arg(count);
}

} // namespace

class ZakatEngineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void livestockFollowsTheBandsAndTheLargeHerdRules_data();
    void livestockFollowsTheBandsAndTheLargeHerdRules();
    void amountsAreReadAndShownWithTheLocaleMarks_data();
    void amountsAreReadAndShownWithTheLocaleMarks();
    void printPutsItemsAtTheirColumnsAndWrapsLongTexts();
};

// Herds without grouping marks: one locale is enough.
void ZakatEngineTest::livestockFollowsTheBandsAndTheLargeHerdRules_data() {
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const QString& sentence, const QString& expected) {
        QTest::newRow(name) << sentence << expected;
    };
    const auto goatHerd = [](QStringView herd) {
        return outcome(livestockZakat(herd, Livestock::Goats, EnglishUs));
    };
    const auto cattleHerd = [](QStringView herd) {
        return outcome(livestockZakat(herd, Livestock::Cattle, EnglishUs));
    };
    row("39 goats are below the threshold", goatHerd(u"39"), BelowHerd);
    row("40 goats give one goat", goatHerd(u"40"), OneGoat);
    row("120 goats still give one goat", goatHerd(u"120"), OneGoat);
    row("120.5 goats give two goats", goatHerd(u"120.5"), TwoGoats);
    row("121 goats give two goats", goatHerd(u"121"), TwoGoats);
    row("200 goats still give two goats", goatHerd(u"200"), TwoGoats);
    row("201 goats give three goats", goatHerd(u"201"), ThreeGoats);
    row("399 goats still give three goats", goatHerd(u"399"), ThreeGoats);
    row("399.5 goats go by the hundred and give four", goatHerd(u"399.5"), goats(4));
    row("400 goats give four", goatHerd(u"400"), goats(4));
    row("450 goats give four, the half going to even", goatHerd(u"450"), goats(4));
    row("451 goats give five", goatHerd(u"451"), goats(5));
    row("550 goats give six, the half going to even", goatHerd(u"550"), goats(6));

    row("29 cattle are below the threshold", cattleHerd(u"29"), BelowHerd);
    row("30 cattle give one yearling", cattleHerd(u"30"), Cattle30);
    row("39 cattle still give one yearling", cattleHerd(u"39"), Cattle30);
    row("40 cattle give one two-year-old", cattleHerd(u"40"), Cattle40);
    row("59 cattle still give one two-year-old", cattleHerd(u"59"), Cattle40);
    row("60 cattle give two yearlings", cattleHerd(u"60"), Cattle60);
    row("69 cattle still give two yearlings", cattleHerd(u"69"), Cattle60);
    row("70 cattle give one of each age", cattleHerd(u"70"), Cattle70);
    row("79 cattle still give one of each age", cattleHerd(u"79"), Cattle70);
    row("80 cattle give two two-year-olds", cattleHerd(u"80"), Cattle80);
    row("89 cattle still give two two-year-olds", cattleHerd(u"89"), Cattle80);
    row("90 cattle give three yearlings", cattleHerd(u"90"), Cattle90);
    row("99 cattle still give three yearlings", cattleHerd(u"99"), Cattle90);
    row("100 cattle give two yearlings and a two-year-old", cattleHerd(u"100"), Cattle100);
    row("109 cattle still give two yearlings and a two-year-old", cattleHerd(u"109"), Cattle100);
    row("110 cattle give two two-year-olds and a yearling", cattleHerd(u"110"), Cattle110);
    row("119 cattle still give two two-year-olds and a yearling", cattleHerd(u"119"), Cattle110);
    row("119.5 cattle stay in the last band", cattleHerd(u"119.5"), Cattle110);
    row("120 cattle are divisible by 30 and give four yearlings", cattleHerd(u"120"), yearlings(4));
    row("120.4 cattle count as 120 for divisibility", cattleHerd(u"120.4"), yearlings(4));
    row("124.999 cattle: 1.49997 is held as 1.5 and goes to two", cattleHerd(u"124.999"),
        twoYearOlds(5));
    row("125 cattle: 1.5 goes to the even two", cattleHerd(u"125"), twoYearOlds(5));
    row("130 cattle divide by neither and give five", cattleHerd(u"130"), twoYearOlds(5));
    row("150 cattle are divisible by 30 and give five yearlings", cattleHerd(u"150"), yearlings(5));
    row("155 cattle: 2.5 goes to the even two", cattleHerd(u"155"), twoYearOlds(5));
    row("160 cattle are divisible by 40 only and give five", cattleHerd(u"160"), twoYearOlds(5));
    row("240 cattle divisible by both take the rule of 30", cattleHerd(u"240"), yearlings(8));

    row("goats written in letters are refused", goatHerd(u"empat puluh"), u"field 0 refused"_s);
    row("a negative herd is refused", cattleHerd(u"-0.5"), u"field 0 refused"_s);
    row("a herd beyond the fixed-point range is refused", goatHerd(u"1000000000000000"),
        u"field 0 refused"_s);
    row("cattle beyond a 32-bit count are refused", cattleHerd(u"3000000000"),
        u"field 0 refused"_s);
}

void ZakatEngineTest::livestockFollowsTheBandsAndTheLargeHerdRules() {
    QFETCH(QString, sentence);
    QFETCH(QString, expected);
    QCOMPARE(sentence, expected);
}

// Inputs and expected sentences are written the US way and follow each locale.
void ZakatEngineTest::amountsAreReadAndShownWithTheLocaleMarks_data() {
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("expected");

    for (const QLocale& locale : {EnglishUs, Indonesian}) {
        const auto row = [&locale](const char* name, const QString& sentence, QStringView usText) {
            QTest::addRow("%s, %s", name, qPrintable(locale.name()))
                << sentence << inLocale(usText, locale);
        };
        const auto herd = [&locale](QStringView count, Livestock livestock) {
            return outcome(livestockZakat(inLocale(count, locale), livestock, locale));
        };
        const auto harvest = [&locale](QStringView kg, Irrigation irrigation) {
            return outcome(harvestZakat(inLocale(kg, locale), irrigation, locale));
        };
        const auto wealth = [&locale](QStringView amount, QStringView goldPrice) {
            return outcome(
                wealthZakat(inLocale(amount, locale), inLocale(goldPrice, locale), locale));
        };
        const auto fitrah = [&locale](QStringView persons, QStringView ricePrice) {
            return outcome(
                fitrahZakat(inLocale(persons, locale), inLocale(ricePrice, locale), locale));
        };
        using enum Irrigation;
        const auto belowHarvest = u"Hasil Pertanian Anda Belum Mencapai Nishab";
        const auto belowWealth = u"Harta Anda Belum Mencapai Nishab";
        const auto harvestOf = [](QStringView kg) -> QString {
            return u"Zakat Anda Sebanyak  "_s + kg + u"  Kilogram"_s;
        };
        const auto wealthOf = [](QStringView amount) -> QString {
            return u"Zakat Anda Sebesar  Rp. "_s + amount;
        };
        const auto fitrahOf = [](QStringView litres, QStringView money) -> QString {
            return u"Zakat Anda Jika Dalam Beras Adalah   "_s + litres +
                   u"   Liter Beras Atau Uang Rp.  "_s + money;
        };

        row("123,456 goats give a grouped count", herd(u"123,456", Livestock::Goats),
            u"Zakat Anda 1,235 Ekor Kambing");
        row("100,000 cattle give a grouped count", herd(u"100,000", Livestock::Cattle),
            u"Zakat Anda 2,501 Ekor Sapi Berumur Dua Tahun Lebih");

        row("649.9 kg irrigated are below", harvest(u"649.9", Irrigated), belowHarvest);
        row("649.9 kg not irrigated are below", harvest(u"649.9", NotIrrigated), belowHarvest);
        row("650 kg irrigated owe 65 kg", harvest(u"650", Irrigated), harvestOf(u"65"));
        row("650 kg not irrigated owe the even 32 kg", harvest(u"650", NotIrrigated),
            harvestOf(u"32"));
        row("670 kg irrigated owe 67 kg", harvest(u"670", Irrigated), harvestOf(u"67"));
        row("670 kg not irrigated owe the even 34 kg", harvest(u"670", NotIrrigated),
            harvestOf(u"34"));
        row("12,345 kg irrigated owe 1,234 kg", harvest(u"12,345", Irrigated), harvestOf(u"1,234"));
        row("12,345 kg not irrigated owe 617 kg", harvest(u"12,345", NotIrrigated),
            harvestOf(u"617"));
        row("a negative harvest is refused", harvest(u"-650", Irrigated), u"field 0 refused");

        row("wealth at 94 grams of gold owes zakat", wealth(u"9,400,000", u"100,000"),
            wealthOf(u"235,000.00"));
        row("wealth above the threshold owes 2.5 percent", wealth(u"12,345,678.90", u"100,000"),
            wealthOf(u"308,641.97"));
        row("wealth a unit below the threshold owes nothing", wealth(u"9,399,999.9999", u"100,000"),
            belowWealth);
        row("a fractional gold price sets an exact threshold", wealth(u"94,000.94", u"1,000.01"),
            wealthOf(u"2,350.02"));
        row("a unit below a fractional threshold owes nothing", wealth(u"94,000.9399", u"1,000.01"),
            belowWealth);
        row("a gold price of 0 taxes a wealth of 0", wealth(u"0", u"0"), wealthOf(u"0.00"));
        row("a negative wealth is below a threshold of 0", wealth(u"-0.01", u"0"), belowWealth);
        row("wealth in letters is refused first", wealth(u"sejuta", u"mahal"), u"field 0 refused");
        row("a negative gold price is refused", wealth(u"100,000", u"-1"), u"field 1 refused");
        row("a gold price whose 94-fold overflows is refused",
            wealth(u"100,000", u"100,000,000,000,000"), u"field 1 refused");

        row("four persons", fitrah(u"4", u"2,500"), fitrahOf(u"14.00", u"35,000.00"));
        row("one person", fitrah(u"1", u"1,234.5678"), fitrahOf(u"3.50", u"4,320.99"));
        row("no persons", fitrah(u"0", u"5,000"), fitrahOf(u"0.00", u"0.00"));
        row("2.5 persons count as the even two", fitrah(u"2.5", u"1,000"),
            fitrahOf(u"7.00", u"7,000.00"));
        row("3.5 persons count as the even four", fitrah(u"3.5", u"1,000"),
            fitrahOf(u"14.00", u"14,000.00"));
        row("the largest 16-bit household", fitrah(u"32,767", u"1"),
            fitrahOf(u"114,684.50", u"114,684.50"));
        row("a household beyond 16 bits is refused", fitrah(u"32,768", u"1"), u"field 0 refused");
        row("a negative household is refused", fitrah(u"-1", u"2,500"), u"field 0 refused");
        row("a negative rice price is refused", fitrah(u"4", u"-2,500"), u"field 1 refused");
        row("a rice price whose amount overflows is refused",
            fitrah(u"1,000", u"900,000,000,000,000"), u"field 1 refused");
    }
}

void ZakatEngineTest::amountsAreReadAndShownWithTheLocaleMarks() {
    QFETCH(QString, sentence);
    QFETCH(QString, expected);
    QCOMPARE(sentence, expected);
}

// The saved layout is compared line by line through the result form (ZakatFormsTest).
void ZakatEngineTest::printPutsItemsAtTheirColumnsAndWrapsLongTexts() {
    ZakatSheet sheet;
    sheet.particulars = {QString(60, u'x'), u"Jl. Merdeka 17, Bandung"_s, u"022-123456"_s,
                         u"Bandung, 1 Mei 1970"_s, u"Pedagang"_s};
    sheet.rows[0] = {u"T e r n a k"_s, u"Zakat Anda 3 (Tiga) Ekor Sapi Terdiri Dari 2 (Dua) Ekor "
                                       u"Berumur Satu Tahun Lebih dan 1 (Satu) Ekor Berumur Dua "
                                       u"Tahun Lebih"_s};
    sheet.rows[1] = {u"Pertanian"_s, u"Zakat Anda Sebanyak  65  Kilogram"_s};

    TextFileSink page;
    LineWriter writer(page);
    // Month, day, hour, minute and second all differ, so a swapped field shows.
    renderZakatSheet(sheet, OutputLayout::Print, QDateTime(QDate(2024, 3, 4), QTime(7, 5, 9)),
                     writer);

    const QString margin(9, u' ');
    const QString under(21, u' ');
    const QStringList expected{
        margin + u"07:05:09  03-04-2024"_s,
        QString(35, u' ') + u" HASIL  PERHITUNGAN ZAKAT "_s,
        QString(),
        margin + u"N a m a             : "_s + QString(49, u'x'),
        QString(31, u' ') + QString(11, u'x'),
        margin + u"A l a m a t         : Jl. Merdeka 17, Bandung"_s,
        margin + u"T e l e p o n       : 022-123456"_s,
        margin + u"Tempat/Tgl. Lahir   : Bandung, 1 Mei 1970"_s,
        margin + u"P e k e r j a a n   : Pedagang"_s,
        QString(),
        QString(),
        margin + u"Jenis Zakat Keterangan"_s,
        QString(),
        margin + u"T e r n a k Zakat Anda 3 (Tiga) Ekor Sapi Terdiri Dari 2 (Dua) Ekor"_s,
        under + u"Berumur Satu Tahun Lebih dan 1 (Satu) Ekor Berumur Dua"_s,
        under + u"Tahun Lebih"_s,
        margin + u"Pertanian   Zakat Anda Sebanyak  65  Kilogram"_s,
        under,
        under,
    };
    QCOMPARE(page.lines(), expected);
}

QTEST_GUILESS_MAIN(ZakatEngineTest)
#include "ZakatEngineTest.moc"
