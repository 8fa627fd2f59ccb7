#include "zakat/engine/complete/CompleteZakat.h"

#include "DataTable.h"
#include "zakat/engine/complete/CompleteReport.h"
#include "zakat/engine/complete/ZakatWorking.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::zakat::complete;

namespace {

// The command line's option names, so that the tables read like the command.
const QStringList FieldKeys{u"year"_s,         u"gold-price"_s,   u"silver-price"_s,
                            u"income"_s,       u"income-other"_s, u"income-deductions"_s,
                            u"cash"_s,         u"securities"_s,   u"receivables"_s,
                            u"debts"_s,        u"gold-grams"_s,   u"gold-karat"_s,
                            u"silver-grams"_s, u"trade-assets"_s, u"trade-receivables"_s,
                            u"trade-debts"_s,  u"harvest-kg"_s,   u"harvest-price"_s,
                            u"camels"_s,       u"cattle"_s,       u"goats"_s,
                            u"rikaz"_s,        u"mining"_s,       u"fitrah-persons"_s,
                            u"fitrah-value"_s};

// "income=7640144 period=year" as an entry; the choices mark their kind like the command does.
ZakatEntry entryOf(const QString& options) {
    ZakatEntry entry;
    for (const QString& option : options.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = option.section(u'=', 0, 0);
        const QString value = option.section(u'=', 1);
        if (const qsizetype field = FieldKeys.indexOf(key); field >= 0) {
            entry.texts[static_cast<std::size_t>(field)] = value;
        } else if (key == u"nishab") {
            entry.basis = static_cast<NishabBasis>(
                QStringList{u"baznas"_s, u"gold"_s, u"silver"_s}.indexOf(value));
        } else if (key == u"period") {
            entry.period = value == u"year" ? Period::Year : Period::Month;
        } else if (key == u"haul") {
            entry.haulComplete = value == u"yes";
        } else if (key == u"irrigation") {
            entry.irrigation = static_cast<Irrigation>(
                QStringList{u"rain"_s, u"paid"_s, u"mixed"_s}.indexOf(value));
        } else if (key == u"fitrah-in") {
            entry.fitrahForm = static_cast<FitrahForm>(
                QStringList{u"money"_s, u"rice-kg"_s, u"rice-litre"_s}.indexOf(value));
            entry.given.set(static_cast<std::size_t>(Kind::Fitrah));
        } else {
            qFatal("unknown option %s", qPrintable(key));
        }
    }
    return entry;
}

const ReferenceValues& shipped() {
    return std::get<ReferenceValues>(ReferenceValues::shipped());
}

std::variant<ZakatResult, Refusal> calculate(const QString& options) {
    const auto input = readZakatEntry(entryOf(options), std::nullopt);
    if (const auto* refusal = std::get_if<Refusal>(&input))
        return *refusal;
    return calculateZakat(std::get<ZakatInput>(input), shipped());
}

QString inKindOf(const KindResult& kind) {
    QStringList items;
    for (const InKind& item : kind.dueInKind)
        items.append(item.count.toPlainDecimal() % u' ' % inKindName(item.unit));
    return items.isEmpty() ? u"-"_s : items.join(u" dan "_s);
}

} // namespace

class CompleteZakatTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachKindFollowsItsRule_data();
    void eachKindFollowsItsRule();
    void badEntriesAreRefusedNamingTheField_data();
    void badEntriesAreRefusedNamingTheField();
    void theShippedReferenceValuesAreReadWithTheLatestYearFirst();
    void aBrokenReferenceFileIsRefused_data();
    void aBrokenReferenceFileIsRefused();
    void typedAmountsFollowTheLocaleAndTheReportAddsThemUp();
};

void CompleteZakatTest::eachKindFollowsItsRule_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("reached");
    QTest::addColumn<QString>("due");
    QTest::addColumn<QString>("inKind");
    for (const QStringList& row : test::dataTable(u"zakat-complete.txt"_s, 6))
        QTest::newRow(qPrintable(row[0]))
            << row[1] << row[2] << (row[3] == u"true") << row[4] << row[5];
}

void CompleteZakatTest::eachKindFollowsItsRule() {
    QFETCH(QString, entry);
    QFETCH(QString, kind);
    QFETCH(bool, reached);
    QFETCH(QString, due);
    QFETCH(QString, inKind);
    const auto outcome = calculate(entry);
    if (const auto* refusal = std::get_if<Refusal>(&outcome))
        QFAIL(qPrintable(refusal->message));
    const ZakatResult& result = std::get<ZakatResult>(outcome);
    QCOMPARE(result.kinds.size(), std::size_t{1});
    const KindResult& r = result.kinds.front();
    QCOMPARE(kindKey(r.kind), kind);
    QCOMPARE(r.reached, reached);
    QCOMPARE(r.dueAmount ? r.dueAmount->toPlainDecimal() : u"null"_s, due);
    QCOMPARE(inKindOf(r), inKind);
    QCOMPARE(result.total, r.dueAmount.value_or(Rupiah()));
}

void CompleteZakatTest::badEntriesAreRefusedNamingTheField_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("message");
    for (const QStringList& row : test::dataTable(u"zakat-complete-refusals.txt"_s, 4))
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3];
}

void CompleteZakatTest::badEntriesAreRefusedNamingTheField() {
    QFETCH(QString, entry);
    QFETCH(QString, field);
    QFETCH(QString, message);
    const auto outcome = calculate(entry);
    QVERIFY(std::holds_alternative<Refusal>(outcome));
    const Refusal& refusal = std::get<Refusal>(outcome);
    QCOMPARE(FieldKeys.value(static_cast<qsizetype>(refusal.field.value())), field);
    QCOMPARE(refusal.message, message);
}

void CompleteZakatTest::theShippedReferenceValuesAreReadWithTheLatestYearFirst() {
    const ReferenceValues& values = shipped();
    QCOMPARE(values.years().size(), std::size_t{3});
    QCOMPARE(values.latest().year, 2026);
    QCOMPARE(values.latest().nishabMonth, Rupiah::fromSen(764014400));
    QCOMPARE(values.latest().fitrah, Rupiah::fromSen(5000000));
    QVERIFY(!values.find(2024)->fitrah);
    QCOMPARE(values.find(2025)->nishabYear, Rupiah::fromSen(8568597200));

    const auto result = calculate(u"income=1"_s);
    QCOMPARE(std::get<ZakatResult>(result).year.year, 2026);
}

void CompleteZakatTest::aBrokenReferenceFileIsRefused_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    for (const QStringList& row : test::dataTable(u"zakat-reference-broken.txt"_s, 3)) {
        QString file = row[1];
        QString message = row[2];
        QTest::newRow(qPrintable(row[0]))
            << file.replace(u';', u'|').replace(u'/', u'\n') << message.replace(u';', u'|');
    }
}

void CompleteZakatTest::aBrokenReferenceFileIsRefused() {
    QFETCH(QString, file);
    QFETCH(QString, message);
    const auto values = ReferenceValues::parse(file);
    QVERIFY(std::holds_alternative<QString>(values));
    QCOMPARE(std::get<QString>(values), message);
}

// The window reads "1.234,5" in Indonesian; the summary adds every rupiah due, once.
void CompleteZakatTest::typedAmountsFollowTheLocaleAndTheReportAddsThemUp() {
    const QLocale indonesian(QLocale::Indonesian, QLocale::Indonesia);
    ZakatEntry entry = entryOf(u"rikaz=1.000.000,05 fitrah-persons=2 gold-grams=100,5"_s);
    const auto input = readZakatEntry(entry, indonesian);
    QVERIFY(std::holds_alternative<ZakatInput>(input));
    const auto result =
        std::get<ZakatResult>(calculateZakat(std::get<ZakatInput>(input), shipped()));
    QCOMPARE(result.total.toPlainDecimal(), u"300000.01"_s); // 200000.01 + 100000.00
    const CompleteReport report(result, u"Fulan"_s, indonesian);
    QCOMPARE(report.total(), u"Rp 300.000,01 (tiga ratus ribu rupiah satu sen)"_s);
    const report::Row& total = report.summary().rows.back();
    QVERIFY(total.total);
    QCOMPARE(total.cells.value(6), u"Rp 300.000,01"_s);
    QCOMPARE(report.summary().rows.front().cells.value(7), u"2,52 gram emas"_s);
    QVERIFY(report.steps().constLast().startsWith(u"Jumlah zakat dalam uang: Rp 200.000,01 + "_s));

    QCOMPARE(fieldProblem(Field::Cash, u"1,000.5", indonesian)->message,
             u"Uang tunai dan tabungan bukan angka yang sah: 1,000.5"_s);
    QVERIFY(!fieldProblem(Field::Cash, u"", indonesian));
}

QTEST_GUILESS_MAIN(CompleteZakatTest)
#include "CompleteZakatTest.moc"
