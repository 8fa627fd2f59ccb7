#include "zakat/engine/complete/CompleteReport.h"
#include "zakat/engine/complete/CompleteZakat.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw::zakat::complete;

namespace {

const QLocale Indonesian(QLocale::Indonesian, QLocale::Indonesia);

// Every kind given, each reaching its nishab, as the window reads it.
ZakatEntry everyKind() {
    ZakatEntry e;
    const std::pair<Field, const char16_t*> texts[] = {{Field::GoldPrice, u"1.500.000"},
                                                       {Field::SilverPrice, u"15.000"},
                                                       {Field::Income, u"12.500.000"},
                                                       {Field::IncomeOther, u"1.250.000"},
                                                       {Field::IncomeDeductions, u"3.000.000"},
                                                       {Field::Cash, u"95.000.000"},
                                                       {Field::Securities, u"20.000.000"},
                                                       {Field::Receivables, u"5.000.000"},
                                                       {Field::Debts, u"4.000.000"},
                                                       {Field::GoldGrams, u"120,5"},
                                                       {Field::Carat, u"22"},
                                                       {Field::SilverGrams, u"700"},
                                                       {Field::TradeAssets, u"150.000.000"},
                                                       {Field::TradeReceivables, u"10.000.000"},
                                                       {Field::TradeDebts, u"20.000.000"},
                                                       {Field::HarvestKg, u"2.400,5"},
                                                       {Field::HarvestPrice, u"6.500"},
                                                       {Field::Camels, u"130"},
                                                       {Field::Cattle, u"120"},
                                                       {Field::Goats, u"450"},
                                                       {Field::Rikaz, u"10.000.000"},
                                                       {Field::Mining, u"200.000.000"},
                                                       {Field::FitrahPersons, u"5"}};
    for (const auto& [field, text] : texts)
        e[field] = QString::fromUtf16(text);
    e.basis = NishabBasis::Gold;
    e.irrigation = Irrigation::Mixed;
    return e;
}

const ReferenceValues& values() {
    return std::get<ReferenceValues>(ReferenceValues::shipped());
}

} // namespace

// One complete calculation with every kind (target < 20 µs), and the texts around it.
class CompleteZakatBenchmark : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void calculationWithEveryKind() {
        const ZakatInput input = std::get<ZakatInput>(readZakatEntry(everyKind(), Indonesian));
        QBENCHMARK {
            const auto result = calculateZakat(input, values());
            QVERIFY(std::holds_alternative<ZakatResult>(result));
        }
    }
    void readingTheTypedEntry() {
        const ZakatEntry entry = everyKind();
        QBENCHMARK {
            const auto input = readZakatEntry(entry, Indonesian);
            Q_UNUSED(input);
        }
    }
    void workingAndReport() {
        const ZakatInput input = std::get<ZakatInput>(readZakatEntry(everyKind(), Indonesian));
        const ZakatResult result = std::get<ZakatResult>(calculateZakat(input, values()));
        QBENCHMARK {
            const CompleteReport report(result, u"Siti Aminah"_s, Indonesian);
            Q_UNUSED(report);
        }
    }
};

QTEST_GUILESS_MAIN(CompleteZakatBenchmark)
#include "CompleteZakatBenchmark.moc"
