// The reports of a division whose persons a case named: a row per person in the tables, the names
// in the working, the deceased's particulars at the head, the names in the JSON; and a case that
// typed no name gives the report it gave before.

#include "common/LineWriter.h"
#include "common/NumberFormat.h"
#include "common/TextFileSink.h"
#include "common/report/ReportText.h"
#include "waris/engine/faraid/DivisionRequest.h"
#include "waris/engine/render/DivisionJson.h"
#include "waris/engine/render/DivisionReport.h"
#include "waris/engine/render/SpecialCasesReport.h"
#include "waris/engine/render/SpecialCasesText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <map>

using namespace Qt::StringLiterals;
using namespace zw::waris;

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);

// "AnakPria.2": the second son; "AnakPria.b1d.1": the first daughter of the first predeceased
// heir's branch; "Istri@1.1": the first wife among the first later deceased's own heirs.
PersonKey keyOf(const QString& text) {
    PersonKey key;
    QString rest = text;
    if (const qsizetype at = rest.indexOf(u'@'); at >= 0) {
        key.estate = rest.mid(at + 1).section(u'.', 0, 0).toInt();
        rest = rest.left(at) % u'.' % rest.mid(at + 1).section(u'.', 1);
    }
    const QStringList parts = rest.split(u'.');
    key.kind = *heirKindNamed(parts[0]);
    if (parts.size() == 3) {
        key.branch = parts[1].mid(1, parts[1].size() - 2).toInt();
        key.daughters = parts[1].endsWith(u'd');
    }
    key.number = parts.back().toInt();
    return key;
}

PersonNames namesOf(const QStringList& entries) {
    PersonNames names;
    int id = 0;
    for (const QString& entry : entries) {
        const qsizetype equals = entry.indexOf(u'=');
        NamedPerson person;
        person.particulars.name = entry.mid(equals + 1);
        person.id = ++id;
        names.add(keyOf(entry.left(equals)), person);
    }
    return names;
}

// Heirs "Istri AnakPria=2"; options "law=khi estate=1200 joint=400 predeceased=AnakPria:1,1
// compare then=AnakPria:Istri,AnakPria missing=AnakPria:1".
DivisionRequest requestOf(const QString& heirs, const QString& options,
                          const QStringList& names = {}) {
    DivisionRequest request;
    for (const QString& word : heirs.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = word.split(u'=');
        request.input.counts[*heirKindNamed(parts[0])] = parts.value(1, u"1"_s).toInt();
    }
    for (const QString& word : options.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = word.section(u'=', 0, 0);
        const QString value = word.section(u'=', 1);
        if (key == u"law") {
            request.input.law = value == u"khi" ? Law::Khi : Law::Classical;
        } else if (key == u"estate") {
            request.input.estate = std::get<zw::Rupiah>(zw::readPlainAmount(value));
        } else if (key == u"predeceased") {
            const QStringList parts = value.split(u':');
            const QStringList children = parts[1].split(u',');
            request.input.predeceased.push_back(
                {*heirKindNamed(parts[0]), children[0].toInt(), children[1].toInt()});
        } else if (key == u"joint") {
            request.input.jointProperty = std::get<zw::Rupiah>(zw::readPlainAmount(value));
        } else if (key == u"compare") {
            request.compare = true;
        } else if (key == u"then") {
            LaterDeath death{*heirKindNamed(value.section(u':', 0, 0)), 1, {}};
            for (const QString& heir : value.section(u':', 1).split(u','))
                death.heirs[*heirKindNamed(heir)] = 1;
            request.special.deaths.push_back(death);
        } else if (key == u"missing") {
            request.special.missing.push_back(
                {*heirKindNamed(value.section(u':', 0, 0)), value.section(u':', 1).toInt()});
        }
    }
    request.names = namesOf(names);
    return request;
}

// The keys the division gives the special cases' persons: the kind's persons of each estate
// numbered in order.
void keySpecialPersons(SpecialResult& special) {
    std::map<std::pair<int, HeirKind>, int> seen;
    for (SpecialPerson& p : special.persons) {
        const int estate = std::max(p.estate, 0);
        p.key = {estate, p.kind, 0, false, p.unknown ? 0 : ++seen[{estate, p.kind}]};
    }
}

DividedEstate dividedOf(const DivisionRequest& request) {
    DivisionOutcome outcome = divide(request);
    if (const auto* error = std::get_if<FaraidError>(&outcome))
        qFatal("%s", qPrintable(error->message));
    DividedEstate divided = std::get<DividedEstate>(std::move(outcome));
    if (divided.special)
        keySpecialPersons(*divided.special);
    return divided;
}

QStringList linesOf(const zw::report::Report& report) {
    zw::TextFileSink sink;
    zw::LineWriter writer(sink);
    zw::report::writeReport(report, writer);
    return sink.lines();
}

QStringList textOf(const DividedEstate& divided) {
    const DivisionReport report(DivisionCase{QString(), QString(), divided.input}, divided,
                                English);
    return linesOf(fullReport(report, divided, English));
}

qsizetype columnOf(const zw::report::Table& table, const QString& heading) {
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (table.columns[c].heading == heading)
            return static_cast<qsizetype>(c);
    }
    return -1;
}

// Each expected "name|relation|amount" stands in exactly one row, and no person is left over.
void verifyPersonRows(const zw::report::Table& table, const QStringList& expected,
                      const QString& amountHeading, int rowsBesidePersons) {
    QCOMPARE(table.columns[0].heading, u"Nama"_s);
    QCOMPARE(table.columns[1].heading, u"Ahli Waris"_s);
    const qsizetype amount = columnOf(table, amountHeading);
    QVERIFY(amount > 1);
    for (const QString& row : expected) {
        const QStringList want = row.split(u'|');
        int found = 0;
        for (const zw::report::Row& r : table.rows) {
            if (r.cells[0] != want[0])
                continue;
            ++found;
            QCOMPARE(r.cells[1], want[1]);
            QCOMPARE(r.cells[amount], want[2]);
        }
        QVERIFY2(found == 1, qPrintable(want[0] % u": "_s % QString::number(found)));
    }
    QCOMPARE(qsizetype(table.rows.size()), expected.size() + rowsBesidePersons);
}

} // namespace

class NamedReportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tableHasARowPerPerson_data();
    void tableHasARowPerPerson();
    void comparisonHasARowPerPerson();
    void workingAndWordsCallPersonsByName_data();
    void workingAndWordsCallPersonsByName();
    void headerCarriesTheDeceased_data();
    void headerCarriesTheDeceased();
    void untypedNamesChangeNothing_data();
    void untypedNamesChangeNothing();
    void jsonCarriesTheParticulars();
    void laterDeathsCallHeirsByTheDeadsName();
    void missingPersonKeepsItsMark();
};

void NamedReportTest::tableHasARowPerPerson_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("wife, two sons and a daughter")
        << u"Istri AnakPria=2 AnakWanita"_s << u"estate=1200000"_s
        << QStringList{u"Istri.1=Siti Aminah"_s, u"AnakPria.1=Ahmad"_s, u"AnakPria.2=Budi"_s,
                       u"AnakWanita.1=Citra"_s}
        << QStringList{u"Siti Aminah|Istri|150,000.00"_s, u"Ahmad|Anak Pria|420,000.00"_s,
                       u"Budi|Anak Pria|420,000.00"_s, u"Citra|Anak Wanita|210,000.00"_s};
    QTest::newRow("the first of three sons gets the sen left over")
        << u"AnakPria=3"_s << u"estate=100"_s
        << QStringList{u"AnakPria.1=Ahmad"_s, u"AnakPria.2=Budi"_s, u"AnakPria.3=Citra"_s}
        << QStringList{u"Ahmad|Anak Pria|33.34"_s, u"Budi|Anak Pria|33.33"_s,
                       u"Citra|Anak Pria|33.33"_s};
    QTest::newRow("the unnamed son by his number")
        << u"Istri AnakPria=2"_s << u"estate=800"_s << QStringList{u"AnakPria.2=Budi"_s}
        << QStringList{u"Istri|Istri|100.00"_s, u"Anak Pria 1|Anak Pria|350.00"_s,
                       u"Budi|Anak Pria|350.00"_s};
    QTest::newRow("KHI: a predeceased son's children in his place")
        << u"AnakPria"_s << u"law=khi estate=300 predeceased=AnakPria:1,1"_s
        << QStringList{u"AnakPria.1=Ahmad"_s, u"AnakPria.b1s.1=Umar"_s, u"AnakPria.b1d.1=Aisyah"_s}
        << QStringList{u"Ahmad|Anak Pria|150.00"_s,
                       u"Umar|Cucu Pria pengganti Anak Pria ke-1|100.00"_s,
                       u"Aisyah|Cucu Wanita pengganti Anak Pria ke-1|50.00"_s};
    QTest::newRow("classical: a predeceased son's son after the grandson entered")
        << u"CucuPria"_s << u"estate=200 predeceased=AnakPria:1,0"_s
        << QStringList{u"CucuPria.1=Hasan"_s, u"AnakPria.b1s.1=Umar"_s}
        << QStringList{u"Hasan|Cucu Pria|100.00"_s, u"Umar|Cucu Pria|100.00"_s};
    const QString longName = u"Muhammad "_s.repeated(60).trimmed();
    QTest::newRow("names of any script and length")
        << u"Istri AnakPria=2 Ibu"_s << u"estate=2400"_s
        << QStringList{u"Istri.1=سيتي عائشة"_s, u"AnakPria.1=李小龙"_s, u"AnakPria.2=Budi 🌙"_s,
                       u"Ibu.1="_s + longName}
        << QStringList{u"سيتي عائشة|Istri|300.00"_s, u"李小龙|Anak Pria|850.00"_s,
                       u"Budi 🌙|Anak Pria|850.00"_s, longName + u"|Ibu|400.00"_s};
}

void NamedReportTest::tableHasARowPerPerson() {
    QFETCH(QString, heirs);
    QFETCH(QString, options);
    QFETCH(QStringList, names);
    QFETCH(QStringList, rows);
    const DividedEstate divided = dividedOf(requestOf(heirs, options, names));
    const DivisionReport report(DivisionCase{QString(), QString(), divided.input}, divided,
                                English);
    verifyPersonRows(report.table, rows, u"Jumlah (Rp)"_s, 1);
    // The report's text carries each name as given.
    const QString text = textOf(divided).join(u'\n');
    for (const QString& row : rows)
        QVERIFY2(text.contains(row.section(u'|', 0, 0)), qPrintable(row));
}

void NamedReportTest::comparisonHasARowPerPerson() {
    const DividedEstate divided = dividedOf(
        requestOf(u"Istri AnakPria"_s, u"law=khi compare estate=800 predeceased=AnakPria:1,1"_s,
                  {u"Istri.1=Siti"_s, u"AnakPria.1=Ahmad"_s, u"AnakPria.b1s.1=Umar"_s,
                   u"AnakPria.b1d.1=Aisyah"_s}));
    const DivisionReport report(DivisionCase{QString(), QString(), divided.input}, divided,
                                English);
    QVERIFY(report.comparison);
    // Classical: the son's son and daughter are a son's children, beside the son nothing.
    verifyPersonRows(*report.comparison,
                     {u"Siti|Istri|100.00"_s, u"Ahmad|Anak Pria|350.00"_s,
                      u"Umar|Cucu Pria pengganti Anak Pria ke-1|233.33"_s,
                      u"Aisyah|Cucu Wanita pengganti Anak Pria ke-1|116.67"_s},
                     u"KHI (Rp)"_s, 1);
    const qsizetype classical = columnOf(*report.comparison, u"Klasik (Rp)"_s);
    for (const zw::report::Row& row : report.comparison->rows) {
        if (row.cells[0] == u"Umar" || row.cells[0] == u"Aisyah")
            QCOMPARE(row.cells[classical], u"0.00"_s);
        if (row.cells[0] == u"Ahmad")
            QCOMPARE(row.cells[classical], u"700.00"_s);
    }
}

void NamedReportTest::workingAndWordsCallPersonsByName_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("words");
    QTest::newRow("one wife") << u"Istri AnakPria"_s << u"estate=800"_s
                              << QStringList{u"Istri.1=Siti Aminah"_s}
                              << u"Siti Aminah (Istri): 1/8; Rp 100.00."_s
                              << u"Siti Aminah (Istri) Rp 100.00: Seratus rupiah"_s;
    QTest::newRow("the wife's half of the joint property")
        << u"Istri AnakPria"_s << u"estate=800 joint=400"_s << QStringList{u"Istri.1=Siti Aminah"_s}
        << u"Harta bersama Rp 400.00: separuhnya Rp 200.00 milik Siti Aminah (Istri) dan "
           u"dibayarkan lebih dahulu; separuh lainnya Rp 200.00 masuk harta peninggalan, menjadi "
           u"Rp 1,000.00."_s
        << u"Separuh untuk Siti Aminah (Istri) :  Rp 200.00"_s;
    QTest::newRow("two sons, one named")
        << u"AnakPria=2"_s << u"estate=200"_s << QStringList{u"AnakPria.1=Ahmad"_s}
        << u"Ahmad dan Anak Pria 2 (Anak Pria): 2/2 = 1, per orang 1/2; Rp 200.00, per orang "
           u"Rp 100.00."_s
        << u"Anak Pria 2 Rp 100.00: Seratus rupiah"_s;
    QTest::newRow("the blocked by name")
        << u"AnakPria SaudaraPriaSekandung"_s << QString()
        << QStringList{u"SaudaraPriaSekandung.1=Yusuf"_s}
        << u"Yusuf (Saudara Pria Sekandung): terhalang oleh Anak Pria."_s << QString();
    QTest::newRow("KHI substitute")
        << u"AnakPria"_s << u"law=khi estate=300 predeceased=AnakPria:1,0"_s
        << QStringList{u"AnakPria.b1s.1=Umar"_s}
        << u"Umar (Cucu Pria pengganti Anak Pria ke-1): 1/2; Rp 150.00."_s
        << u"Umar (Cucu Pria pengganti Anak Pria ke-1) Rp 150.00: Seratus lima puluh rupiah"_s;
}

void NamedReportTest::workingAndWordsCallPersonsByName() {
    QFETCH(QString, heirs);
    QFETCH(QString, options);
    QFETCH(QStringList, names);
    QFETCH(QString, step);
    QFETCH(QString, words);
    const DividedEstate divided = dividedOf(requestOf(heirs, options, names));
    const DivisionReport report(DivisionCase{QString(), QString(), divided.input}, divided,
                                English);
    QVERIFY2(report.steps.contains(step), qPrintable(report.steps.join(u'\n')));
    const QStringList text = textOf(divided);
    if (!words.isEmpty())
        QVERIFY2(text.contains(words), qPrintable(text.join(u'\n')));
}

void NamedReportTest::headerCarriesTheDeceased_data() {
    QTest::addColumn<QString>("caseName");
    QTest::addColumn<bool>("full");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("every particular")
        << QString() << true
        << QStringList{u"Nama|Ahmad bin Abdullah"_s,
                       u"NIK|3171234567890001"_s,
                       u"Jenis Kelamin|Laki-laki"_s,
                       u"Tempat/Tanggal Lahir|Bandung, 17 Agustus 1950"_s,
                       u"Tempat/Tanggal Wafat|Jakarta, 3 Maret 2025"_s,
                       u"No. Akta Kematian|3171-KM-03032025-0001"_s,
                       u"Alamat|Jl. Melati No. 5, Jakarta"_s,
                       u"Total Harta Waris|Rp 800.00"_s};
    QTest::newRow("a woman by the case's name, dates without places")
        << u"Fatimah"_s << false
        << QStringList{u"Nama|Fatimah"_s, u"Jenis Kelamin|Perempuan"_s,
                       u"Tempat/Tanggal Lahir|1 Januari 1960"_s,
                       u"Tempat/Tanggal Wafat|31 Desember 2024"_s,
                       u"Total Harta Waris|Rp 800.00"_s};
}

void NamedReportTest::headerCarriesTheDeceased() {
    QFETCH(QString, caseName);
    QFETCH(bool, full);
    QFETCH(QStringList, fields);
    DivisionRequest request = requestOf(u"Istri AnakPria"_s, u"estate=800"_s);
    Deceased deceased;
    if (full) {
        deceased.particulars = {u"Ahmad bin Abdullah"_s, u"3171234567890001"_s, u"Bandung"_s,
                                QDate(1950, 8, 17), u"Jl. Melati No. 5, Jakarta"_s};
        deceased.deathPlace = u"Jakarta"_s;
        deceased.deathDate = QDate(2025, 3, 3);
        deceased.deathCertificate = u"3171-KM-03032025-0001"_s;
    } else {
        request.input.counts[HeirKind::Istri] = 0;
        request.input.counts[HeirKind::Suami] = 1;
        deceased.sex = Sex::Female;
        deceased.particulars.birthDate = QDate(1960, 1, 1);
        deceased.deathDate = QDate(2024, 12, 31);
    }
    request.deceased = deceased;
    const DividedEstate divided = dividedOf(request);
    const DivisionReport report(DivisionCase{caseName, u"Rp 800.00"_s, divided.input}, divided,
                                English);
    const zw::report::Report whole = report.report();
    const auto& header = std::get<zw::report::Fields>(whole.sections.front().blocks.front());
    QStringList got;
    for (const zw::report::Field& field : header.fields)
        got.append(field.caption % u'|' % field.value);
    QCOMPARE(got, fields);
}

void NamedReportTest::untypedNamesChangeNothing_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("options");
    QTest::newRow("plain") << u"Istri AnakPria=2 AnakWanita"_s << u"estate=1200"_s;
    QTest::newRow("compared, with branches")
        << u"Istri AnakPria"_s << u"law=khi compare estate=800 predeceased=AnakPria:1,1"_s;
    QTest::newRow("a later death")
        << u"Suami Ibu AnakPria"_s << u"estate=1200 then=AnakPria:Istri,AnakPria,Bapak"_s;
    QTest::newRow("a missing son") << u"Istri AnakPria=2"_s << u"estate=800 missing=AnakPria:1"_s;
}

// Particulars without a name are no name: the reports stay as without any.
void NamedReportTest::untypedNamesChangeNothing() {
    QFETCH(QString, heirs);
    QFETCH(QString, options);
    DividedEstate plain = dividedOf(requestOf(heirs, options));
    DividedEstate untyped = plain;
    NamedPerson nikOnly;
    nikOnly.particulars.nik = u"3171234567890001"_s;
    untyped.names.add(PersonKey{0, HeirKind::AnakPria, 0, false, 1}, nikOnly);
    untyped.names.add(PersonKey{0, HeirKind::Istri, 0, false, 1}, nikOnly);
    QCOMPARE(textOf(untyped), textOf(plain));
    QCOMPARE(divisionJson(untyped), divisionJson(plain));
    if (plain.special) {
        QCOMPARE(specialNotes(*untyped.special, untyped.names), specialNotes(*plain.special));
        QCOMPARE(specialSteps(*untyped.special, untyped.names), specialSteps(*plain.special));
        QCOMPARE(specialFinalTable(*untyped.special, English, untyped.names).rows.size(),
                 specialFinalTable(*plain.special, English).rows.size());
    }
    const QByteArray json = QJsonDocument(divisionJson(plain)).toJson();
    QVERIFY(!json.contains("\"deceased\""));
    QVERIFY(!json.contains("\"nik\""));
    QVERIFY(!json.contains("\"relation\""));
}

void NamedReportTest::jsonCarriesTheParticulars() {
    DivisionRequest request = requestOf(u"Istri AnakPria=2"_s, u"estate=800"_s,
                                        {u"Istri.1=Siti Aminah"_s, u"AnakPria.2=李小龙 🌙"_s});
    NamedPerson siti = *request.names.find(keyOf(u"Istri.1"_s));
    siti.particulars = {u"Siti Aminah"_s, u"3171000000000002"_s, u"Bogor"_s, QDate(1955, 4, 9),
                        u"Jl. Mawar 1"_s};
    request.names.add(keyOf(u"Istri.1"_s), siti);
    Deceased deceased;
    deceased.particulars.name = u"Ahmad"_s;
    deceased.deathDate = QDate(2025, 3, 3);
    request.deceased = deceased;
    const QJsonObject json = divisionJson(dividedOf(request));

    const QJsonObject dead = json[u"deceased"_s].toObject();
    QCOMPARE(dead[u"name"_s].toString(), u"Ahmad"_s);
    QCOMPARE(dead[u"sex"_s].toString(), u"male"_s);
    QCOMPARE(dead[u"deathDate"_s].toString(), u"2025-03-03"_s);
    QVERIFY(dead[u"birthDate"_s].isNull());

    QJsonObject wife;
    QJsonArray sons;
    for (const QJsonValue heir : json[u"heirs"_s].toArray()) {
        const QJsonArray persons = heir[u"persons"_s].toArray();
        if (heir[u"kind"_s] == u"Istri"_s)
            wife = persons[0].toObject();
        else
            sons = persons;
    }
    QCOMPARE(wife[u"name"_s].toString(), u"Siti Aminah"_s);
    QCOMPARE(wife[u"nik"_s].toString(), u"3171000000000002"_s);
    QCOMPARE(wife[u"birthPlace"_s].toString(), u"Bogor"_s);
    QCOMPARE(wife[u"birthDate"_s].toString(), u"1955-04-09"_s);
    QCOMPARE(wife[u"address"_s].toString(), u"Jl. Mawar 1"_s);
    QCOMPARE(sons.size(), 2);
    QCOMPARE(sons[0].toObject(), QJsonObject({{u"name"_s, u"Anak Pria 1"_s}}));
    QCOMPARE(sons[1].toObject()[u"name"_s].toString(), u"李小龙 🌙"_s);
    QVERIFY(json[u"steps"_s].toArray().contains(u"Siti Aminah (Istri): 2/16 = 1/8; Rp 100.00."_s));
}

// The husband's son dies after her, leaving his wife and son, and his father, her husband.
void NamedReportTest::laterDeathsCallHeirsByTheDeadsName() {
    const DividedEstate divided = dividedOf(
        requestOf(u"Suami Ibu AnakPria"_s, u"estate=1200 then=AnakPria:Istri,AnakPria,Bapak"_s,
                  {u"Suami.1=Ahmad"_s, u"AnakPria.1=Budi"_s, u"Istri@1.1=Siti Aminah"_s}));
    const SpecialResult& special = *divided.special;
    QCOMPARE(special.persons.size(), std::size_t(5)); // the son's father is her husband
    const auto row = [&](const QString& who, std::size_t person) -> QString {
        return who % u'|' %
               zw::formatNumber(special.persons[person].amount, zw::NumberPattern::Amount, English);
    };
    verifyPersonRows(specialFinalTable(special, English, divided.names),
                     {row(u"Ahmad|Suami"_s, 0), row(u"Ibu|Ibu"_s, 2),
                      row(u"Siti Aminah|Istri dari Budi"_s, 4),
                      row(u"Anak Pria dari Budi|Anak Pria dari Budi"_s, 3)},
                     u"Jumlah"_s, 1);

    const QStringList text = textOf(divided);
    QVERIFY2(text.contains(u"Pembagian ke-2: harta Budi (Anak Pria) (7/12)"_s),
             qPrintable(text.join(u'\n')));
    QVERIFY(text.join(u'\n').contains(u"Siti Aminah (istri Budi): "_s));
    const QStringList notes = specialNotes(special, divided.names);
    QVERIFY2(notes.contains(u"Bapak dari Budi (Anak Pria) adalah Ahmad (Suami) pada pembagian "
                            u"pertama."_s),
             qPrintable(notes.join(u'\n')));
    const QString steps = specialSteps(special, divided.names).join(u'\n');
    QVERIFY2(steps.contains(u"Budi (Anak Pria) meninggal sebelum harta dibagi"_s),
             qPrintable(steps));
    QVERIFY(steps.contains(
        u"dibagi kepada Ahmad (bapak Budi), Anak Pria, Siti Aminah (istri Budi);"_s));
    const QJsonObject json = divisionJson(divided);
    const QJsonObject wife = json[u"persons"_s].toArray()[4].toObject();
    QCOMPARE(wife[u"name"_s].toString(), u"Siti Aminah"_s);
    QCOMPARE(wife[u"relation"_s].toString(), u"Istri dari Budi"_s);
    QCOMPARE(json[u"deaths"_s].toArray()[0].toObject()[u"person"_s].toString(),
             u"Budi (Anak Pria)"_s);
}

void NamedReportTest::missingPersonKeepsItsMark() {
    const DividedEstate divided = dividedOf(requestOf(
        u"Istri AnakPria=2"_s, u"estate=800 missing=AnakPria:1"_s, {u"AnakPria.2=Budi"_s}));
    const zw::report::Table table = specialFinalTable(*divided.special, English, divided.names);
    QStringList who;
    for (const zw::report::Row& row : table.rows)
        who.append(row.cells[0] % u'|' % row.cells[1]);
    QVERIFY2(who.contains(u"Budi|Anak Pria (hilang)"_s), qPrintable(who.join(u", "_s)));
    QVERIFY(who.contains(u"Anak Pria 1|Anak Pria"_s));
    const QString steps = heldAmountSteps(*divided.special, English, divided.names).join(u'\n');
    QVERIFY2(steps.contains(u"Budi (Anak Pria, hilang) Rp"_s), qPrintable(steps));
}

QTEST_GUILESS_MAIN(NamedReportTest)
#include "NamedReportTest.moc"
