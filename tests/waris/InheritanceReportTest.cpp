#include "waris/InheritanceReport.h"

#include "common/LineWriter.h"
#include "common/TextFileSink.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::waris;

namespace {

// Month, day, hour, minute and second all differ, so a swapped field shows.
const QDateTime Now(QDate(2024, 3, 4), QTime(7, 5, 9));

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);
const QLocale Indonesia(QLocale::Indonesian, QLocale::Indonesia);

InheritanceSheet sheet(bool indonesian) {
    InheritanceSheet s;
    s.title = u" HASIL PERHITUNGAN HARTA WARIS "_s;
    s.fieldNames = {u"N a m a               "_s, u"A l a m a t           "_s,
                    u"Tempat / Tgl. Lahir   "_s, u"Tempat / Tgl. Wafat   "_s,
                    u"Jenis Kelamin         "_s, u"Total Harta Waris    "_s};
    s.colons.fill(u":  "_s);
    s.fieldValues = {u"Ahmad"_s,
                     u"Jl. Mawar 5"_s,
                     u"Bandung, 1-2-1940"_s,
                     u"Jakarta, 3-4-2020"_s,
                     u"Laki - Laki"_s,
                     indonesian ? u"Rp 1.000.000,00"_s : u"Rp 1,000,000.00"_s};
    s.totalHeading = u"Jumlah Harta Waris "_s;
    s.dividedCaption = u"Yang Dibagikan"_s;
    s.dividedValue = indonesian ? u"Rp 750.000,00"_s : u"Rp 750,000.00"_s;
    s.remainderCaption = u"Sisa  Setelah Dibagi  "_s;
    s.remainderValue = indonesian ? u"Rp 250.000,00"_s : u"Rp 250,000.00"_s;
    s.detailHeadings = {u"Nama Ahli Waris"_s, u"Jumlah"_s, u"B a g i a n"_s,
                        u"K e t e r a n g a n"_s};
    s.rows[0] = {u"I b u                "_s, u"1"_s, indonesian ? u"166.666,67"_s : u"166,666.67"_s,
                 u"1 / 6 (Seperenam) Bagian"_s};
    s.rows[1] = {u"Anak Pria          "_s, u"02"_s, indonesian ? u"0,00"_s : u"0.00"_s,
                 u"-> Ashabah"_s};
    return s;
}

QStringList render(const InheritanceSheet& s, OutputLayout layout, const QLocale& locale) {
    TextFileSink sink;
    LineWriter writer(sink);
    renderInheritanceSheet(s, layout, Now, locale, writer);
    return sink.lines();
}

QString blanks(qsizetype count) {
    return QString(count, u' ');
}

} // namespace

class InheritanceReportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileLinesMatchTheLayout_data();
    void fileLinesMatchTheLayout();
    void fileEndsEveryLineWithCarriageReturnAndLineFeed();
    void detailAmountsAreShownAgainWithRupiah_data();
    void detailAmountsAreShownAgainWithRupiah();
    void printedCaptionsKeepTheirColonAndValueOnOneLine();
    void printedLinesFollowThePageColumns();
};

void InheritanceReportTest::fileLinesMatchTheLayout_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("expected");

    for (const bool indonesian : {false, true}) {
        const InheritanceSheet s = sheet(indonesian);
        QStringList lines{
            u"07:05:09  03-04-2024"_s,
            blanks(36) + u" HASIL PERHITUNGAN HARTA WARIS "_s,
            QString(),
            u"N a m a               :  Ahmad"_s,
            u"A l a m a t           :  Jl. Mawar 5"_s,
            u"Tempat / Tgl. Lahir   :  Bandung, 1-2-1940"_s,
            u"Tempat / Tgl. Wafat   :  Jakarta, 3-4-2020"_s,
            u"Jenis Kelamin         :  Laki - Laki"_s,
            u"Total Harta Waris     :  "_s + s.fieldValues[5],
            u"Jumlah Harta Waris "_s,
            u"Yang Dibagikan        :  "_s + s.dividedValue,
            u"Sisa  Setelah Dibagi  :  "_s + s.remainderValue,
            QString(),
            QString(),
            u"Nama Ahli Waris"_s + blanks(14) + u"Jumlah  B a g i a n"_s + blanks(14) +
                u"K e t e r a n g a n"_s,
            QString(),
            u"I b u                "_s + blanks(10) + u"1     "_s +
                (indonesian ? u"Rp 166.666,67"_s : u"Rp 166,666.67"_s) + blanks(12) +
                u"1 / 6 (Seperenam) Bagian"_s,
            u"Anak Pria          "_s + blanks(12) + u"02    "_s +
                (indonesian ? u"Rp 0,00"_s : u"Rp 0.00"_s) + blanks(18) + u"-> Ashabah"_s,
        };
        for (int row = 3; row <= DetailRowCount; ++row)
            lines.append(blanks(62));
        QTest::newRow(indonesian ? "Indonesian marks" : "US marks")
            << (indonesian ? Indonesia : UnitedStates) << lines;
    }
}

void InheritanceReportTest::fileLinesMatchTheLayout() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, expected);

    const bool indonesian = locale.language() == QLocale::Indonesian;
    const QStringList lines = render(sheet(indonesian), OutputLayout::File, locale);
    QCOMPARE(lines.size(), 37);
    for (qsizetype i = 0; i < lines.size(); ++i)
        QCOMPARE(lines[i], expected[i]);
}

void InheritanceReportTest::fileEndsEveryLineWithCarriageReturnAndLineFeed() {
    TextFileSink sink;
    LineWriter writer(sink);
    renderInheritanceSheet(sheet(false), OutputLayout::File, Now, UnitedStates, writer);
    const QByteArray bytes = sink.encoded();
    QCOMPARE(bytes.count("\r\n"), 37);
    QCOMPARE(bytes.count('\n'), 37);
    QVERIFY(bytes.endsWith("\r\n"));
}

void InheritanceReportTest::detailAmountsAreShownAgainWithRupiah_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("written");

    QTest::newRow("US grouping") << UnitedStates << u"500,000.00"_s << u"Rp 500,000.00"_s;
    QTest::newRow("Indonesian grouping") << Indonesia << u"500.000,00"_s << u"Rp 500.000,00"_s;
    QTest::newRow("zero") << UnitedStates << u"0.00"_s << u"Rp 0.00"_s;
    QTest::newRow("empty row stays empty") << UnitedStates << QString() << QString();
}

void InheritanceReportTest::detailAmountsAreShownAgainWithRupiah() {
    QFETCH(QLocale, locale);
    QFETCH(QString, amount);
    QFETCH(QString, written);

    InheritanceSheet s = sheet(false);
    s.rows[0].amount = amount;
    const QStringList lines = render(s, OutputLayout::File, locale);
    QCOMPARE(lines[16].mid(37, written.size()), written);
    QCOMPARE(lines[16].indexOf(u"1 / 6"_s), 62);
}

void InheritanceReportTest::printedCaptionsKeepTheirColonAndValueOnOneLine() {
    // Columns counted in characters, as on a page in a fixed-width font.
    const QStringList lines = render(sheet(false), OutputLayout::Print, UnitedStates);
    QCOMPARE(lines.size(), 37);
    QCOMPARE(lines[3], blanks(9) + u"N a m a               "_s + u":  Ahmad"_s);
    QCOMPARE(lines[8], blanks(9) + u"Total Harta Waris     :  Rp 1,000,000.00"_s);
    QCOMPARE(lines[9], blanks(9) + u"Jumlah Harta Waris "_s);
    QCOMPARE(lines[10], blanks(9) + u"Yang Dibagikan        :  Rp 750,000.00"_s);
    QCOMPARE(lines[11], blanks(9) + u"Sisa  Setelah Dibagi  :  Rp 250,000.00"_s);
}

void InheritanceReportTest::printedLinesFollowThePageColumns() {
    const QStringList lines = render(sheet(false), OutputLayout::Print, UnitedStates);
    QCOMPARE(lines[0], blanks(9) + u"07:05:09  03-04-2024"_s);
    QCOMPARE(lines[1], blanks(39) + u" HASIL PERHITUNGAN HARTA WARIS "_s);
    QCOMPARE(lines[14].indexOf(u"Nama Ahli Waris"_s), 9);
    QCOMPARE(lines[14].indexOf(u"Jumlah"_s), 36);
    QCOMPARE(lines[14].indexOf(u"B a g i a n"_s), 44);
    QCOMPARE(lines[14].indexOf(u"K e t e r a n g a n"_s), 67);
    QCOMPARE(lines[16], blanks(9) + u"I b u                "_s + blanks(8) + u"1     "_s +
                            u"Rp 166,666.67"_s + blanks(10) + u"1 / 6 (Seperenam) Bagian"_s);
    QCOMPARE(lines[36], blanks(67));
}

QTEST_GUILESS_MAIN(InheritanceReportTest)
#include "InheritanceReportTest.moc"
