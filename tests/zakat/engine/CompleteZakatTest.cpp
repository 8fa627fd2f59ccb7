#include "zakat/engine/complete/CompleteZakat.h"

#include "DataTable.h"
#include "zakat/engine/complete/CompleteReport.h"
#include "zakat/engine/complete/ZakatWorking.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::zakat::complete;

namespace {

// "income=7640144 period=year" as an entry, read as the command reads its options.
ZakatEntry entryOf(const QString& options) {
    ZakatEntry entry;
    for (const QString& option : options.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = option.section(u'=', 0, 0);
        const QString value = option.section(u'=', 1);
        if (const auto field = fieldOfOption(key))
            entry[*field] = value;
        else if (!entry.choose(key, value))
            qFatal("unknown option %s", qPrintable(option));
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
    void aChoiceGivenAloneBringsItsKind_data();
    void aChoiceGivenAloneBringsItsKind();
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

void CompleteZakatTest::aChoiceGivenAloneBringsItsKind_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("kinds"); // the kinds of the result, or "refused"
    QTest::newRow("a period is an income of nothing")
        << u"period"_s << u"year"_s << u"penghasilan"_s;
    QTest::newRow("an irrigation is a harvest of 0 kg")
        << u"irrigation"_s << u"paid"_s << u"pertanian"_s;
    QTest::newRow("a way to pay is a zakat fitrah of nobody")
        << u"fitrah-in"_s << u"rice-kg"_s << u"fitrah"_s;
    QTest::newRow("a word in capitals") << u"fitrah-in"_s << u" RICE-Litre "_s << u"fitrah"_s;
    QTest::newRow("the haul brings no kind") << u"haul"_s << u"no"_s << QString();
    QTest::newRow("the basis brings no kind") << u"nishab"_s << u"baznas"_s << QString();
    QTest::newRow("a word the option does not take") << u"period"_s << u"week"_s << u"refused"_s;
    QTest::newRow("a word of another option") << u"irrigation"_s << u"month"_s << u"refused"_s;
    QTest::newRow("an option that is no choice") << u"income"_s << u"month"_s << u"refused"_s;
}

void CompleteZakatTest::aChoiceGivenAloneBringsItsKind() {
    QFETCH(QString, option);
    QFETCH(QString, word);
    QFETCH(QString, kinds);
    ZakatEntry entry;
    if (!entry.choose(option, word)) {
        QCOMPARE(u"refused"_s, kinds);
        QVERIFY(entry.given.none());
        return;
    }
    const auto input = readZakatEntry(entry, std::nullopt);
    const auto result =
        std::get<ZakatResult>(calculateZakat(std::get<ZakatInput>(input), shipped()));
    QStringList keys;
    for (const KindResult& kind : result.kinds)
        keys.append(kindKey(kind.kind));
    QCOMPARE(keys.join(u' '), kinds);
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
    QCOMPARE(fieldOption(refusal.field.value()), field);
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
