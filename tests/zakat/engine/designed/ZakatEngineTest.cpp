#include "Golden.h"
#include "LocaleText.h"
#include "common/LineWriter.h"
#include "common/TextFileSink.h"
#include "zakat/engine/designed/ZakatReport.h"
#include "zakat/engine/designed/ZakatRules.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::zakat;
using zw::test::inLocale;

namespace {

const QLocale EnglishUs(QLocale::English, QLocale::UnitedStates);

// The sentence of an accepted entry, or which field was refused.
template<typename Result> QString outcome(const std::variant<Result, BadField>& result) {
    if (const auto* bad = std::get_if<BadField>(&result))
        return u"field %1 refused"_s.arg(bad->field);
    return std::get<Result>(result).sentence;
}

} // namespace

class ZakatEngineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void livestockFollowsTheBandEdgesAndTheLargeHerdRules_data();
    void livestockFollowsTheBandEdgesAndTheLargeHerdRules();
    void amountsAreReadAndShownWithTheLocaleMarks_data();
    void amountsAreReadAndShownWithTheLocaleMarks();
    void printedPageWrapsLongSentencesBeforeItsLastColumn();
};

// Each band's first and last herd; beyond the bands goats go by the hundred, cattle by 30 or 40.
void ZakatEngineTest::livestockFollowsTheBandEdgesAndTheLargeHerdRules_data() {
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("expected");

    const QString below = u"Jumlah Ternak Anda Belum Mencapai Nishab"_s;
    const auto goats = [](const char* count) {
        return u"Zakat Anda %1 Ekor Kambing"_s.arg(QLatin1String(count));
    };
    const auto cattle = [](const char* count, const char* age) {
        return u"Zakat Anda %1 Ekor Sapi Berumur %2 Tahun Lebih"_s.arg(QLatin1String(count),
                                                                       QLatin1String(age));
    };
    const QString mixed70 = u"Zakat Anda 2 (Dua) Ekor Sapi, Terdiri Dari 1 (Satu) Ekor Berumur "
                            u"Satu tahun Lebih dan 1 (Satu) Ekor Berumur Dua Tahun Lebih"_s;
    const QString mixed = u"Zakat Anda 3 (Tiga) Ekor Sapi Terdiri Dari 2 (Dua) Ekor Berumur %1 "
                          u"Tahun Lebih dan 1 (Satu) Ekor Berumur %2 Tahun Lebih"_s;
    const QList<std::pair<const char*, QString>> goatHerds{
        {"39", below},
        {"40", goats("1 (Satu)")},
        {"120", goats("1 (Satu)")},
        {"120.5", goats("2 (Dua)")},
        {"200", goats("2 (Dua)")},
        {"201", goats("3 (Tiga)")},
        {"399", goats("3 (Tiga)")},
        {"399.5", goats("4")},
        {"400", goats("4")},
        {"450", goats("4")},
        {"451", goats("5")},
        {"550", goats("6")},
        {"123456", goats("1,235")},
        {"empat puluh", u"field 0 refused"_s},
        {"1000000000000000", u"field 0 refused"_s}};
    for (const auto& [herd, expected] : goatHerds) {
        QTest::addRow("%s goats", herd)
            << outcome(livestockZakat(QString::fromLatin1(herd), Livestock::Goats, EnglishUs))
            << expected;
    }
    const QList<std::pair<const char*, QString>> cattleHerds{
        {"29", below},
        {"30", cattle("1 (Satu)", "Satu")},
        {"39", cattle("1 (Satu)", "Satu")},
        {"40", cattle("1 (Satu)", "Dua")},
        {"59", cattle("1 (Satu)", "Dua")},
        {"60", cattle("2 (Dua)", "Satu")},
        {"69", cattle("2 (Dua)", "Satu")},
        {"70", mixed70},
        {"79", mixed70},
        {"80", cattle("2 (Dua)", "Dua")},
        {"89", cattle("2 (Dua)", "Dua")},
        {"90", cattle("3 (Tiga)", "Satu")},
        {"99", cattle("3 (Tiga)", "Satu")},
        {"100", mixed.arg(u"Satu", u"Dua")},
        {"109", mixed.arg(u"Satu", u"Dua")},
        {"110", mixed.arg(u"Dua", u"Satu")},
        {"119.5", mixed.arg(u"Dua", u"Satu")},
        {"120", cattle("4", "Satu")},    // divisible by 30
        {"120.4", cattle("4", "Satu")},  // counted as 120 for divisibility
        {"124.999", cattle("5", "Dua")}, // 1.49997 is held as 1.5 and goes to the even 2
        {"125", cattle("5", "Dua")},
        {"150", cattle("5", "Satu")},
        {"155", cattle("5", "Dua")},  // 2.5 goes to the even 2
        {"160", cattle("5", "Dua")},  // divisible by 40 only
        {"240", cattle("8", "Satu")}, // divisible by both: the rule of 30
        {"100000", cattle("2,501", "Dua")},
        {"-0.5", u"field 0 refused"_s},
        {"3000000000", u"field 0 refused"_s}};
    for (const auto& [herd, expected] : cattleHerds) {
        QTest::addRow("%s cattle", herd)
            << outcome(livestockZakat(QString::fromLatin1(herd), Livestock::Cattle, EnglishUs))
            << expected;
    }
}

void ZakatEngineTest::livestockFollowsTheBandEdgesAndTheLargeHerdRules() {
    QFETCH(QString, sentence);
    QFETCH(QString, expected);
    QCOMPARE(sentence, expected);
}

// Inputs and expected sentences are written the US way and follow each locale.
void ZakatEngineTest::amountsAreReadAndShownWithTheLocaleMarks_data() {
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("expected");

    for (const QLocale& locale : {EnglishUs, QLocale(QLocale::Indonesian, QLocale::Indonesia)}) {
        const auto row = [&locale](const char* name, const QString& sentence, QStringView usText) {
            QTest::addRow("%s, %s", name, qPrintable(locale.name()))
                << sentence << inLocale(usText, locale);
        };
        const auto local = [&locale](QStringView usText) {
            return inLocale(usText, locale);
        };
        const auto harvest = [&](QStringView kg, Irrigation irrigation) {
            return outcome(harvestZakat(local(kg), irrigation, locale));
        };
        const auto wealth = [&](QStringView amount, QStringView goldPrice) {
            return outcome(wealthZakat(local(amount), local(goldPrice), locale));
        };
        const auto fitrah = [&](QStringView persons, QStringView ricePrice) {
            return outcome(fitrahZakat(local(persons), local(ricePrice), locale));
        };
        using enum Irrigation;
        const QString kg = u"Zakat Anda Sebanyak  %1  Kilogram"_s;
        const QString rp = u"Zakat Anda Sebesar  Rp. %1"_s;
        const QString rice =
            u"Zakat Anda Jika Dalam Beras Adalah   %1   Liter Beras Atau Uang Rp.  %2"_s;
        const QString poorHarvest = u"Hasil Pertanian Anda Belum Mencapai Nishab"_s;
        const QString poor = u"Harta Anda Belum Mencapai Nishab"_s;

        row("649.9 kg are below", harvest(u"649.9", Irrigated), poorHarvest);
        row("650 kg irrigated owe 65 kg", harvest(u"650", Irrigated), kg.arg(u"65"));
        row("650 kg not irrigated owe the even 32 kg", harvest(u"650", NotIrrigated),
            kg.arg(u"32"));
        row("670 kg not irrigated owe the even 34 kg", harvest(u"670", NotIrrigated),
            kg.arg(u"34"));
        row("12,345 kg irrigated owe 1,234 kg", harvest(u"12,345", Irrigated), kg.arg(u"1,234"));
        row("a negative harvest", harvest(u"-650", Irrigated), u"field 0 refused");
        row("wealth at 94 grams of gold", wealth(u"9,400,000", u"100,000"), rp.arg(u"235,000.00"));
        row("wealth a unit below", wealth(u"9,399,999.9999", u"100,000"), poor);
        row("2.5 percent", wealth(u"12,345,678.90", u"100,000"), rp.arg(u"308,641.97"));
        row("a fractional gold price", wealth(u"94,000.94", u"1,000.01"), rp.arg(u"2,350.02"));
        row("a gold price of 0", wealth(u"0", u"0"), rp.arg(u"0.00"));
        row("wealth in letters", wealth(u"sejuta", u"mahal"), u"field 0 refused");
        row("a negative gold price", wealth(u"100,000", u"-1"), u"field 1 refused");
        row("an overflowing threshold", wealth(u"1", u"100,000,000,000,000"), u"field 1 refused");
        row("four persons", fitrah(u"4", u"2,500"), rice.arg(u"14.00", u"35,000.00"));
        row("2.5 persons are the even 2", fitrah(u"2.5", u"1,000"), rice.arg(u"7.00", u"7,000.00"));
        row("3.5 persons are the even 4", fitrah(u"3.5", u"1,000"),
            rice.arg(u"14.00", u"14,000.00"));
        row("32,767 persons", fitrah(u"32,767", u"1"), rice.arg(u"114,684.50", u"114,684.50"));
        row("32,768 persons", fitrah(u"32,768", u"1"), u"field 0 refused");
        row("a negative rice price", fitrah(u"4", u"-2,500"), u"field 1 refused");
        row("an overflowing amount", fitrah(u"1,000", u"900,000,000,000,000"), u"field 1 refused");
    }
}

void ZakatEngineTest::amountsAreReadAndShownWithTheLocaleMarks() {
    QFETCH(QString, sentence);
    QFETCH(QString, expected);
    QCOMPARE(sentence, expected);
}

// The saved file goes through the forms; the page, whose sentences wrap, is checked here.
void ZakatEngineTest::printedPageWrapsLongSentencesBeforeItsLastColumn() {
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
    const QString difference = zw::test::goldenDifference(page.encoded(), u"zakat-print.txt"_s);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QTEST_GUILESS_MAIN(ZakatEngineTest)
#include "ZakatEngineTest.moc"
