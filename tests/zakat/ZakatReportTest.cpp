#include "zakat/ZakatReport.h"

#include "common/LineWriter.h"
#include "common/TextFileSink.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::zakat;

namespace {

// Month, day, hour, minute and second all differ, so a swapped field shows.
const QDateTime Now(QDate(2024, 3, 4), QTime(7, 5, 9));

const QString LongCattleSentence =
    u"Zakat Anda 3 (Tiga) Ekor Sapi Terdiri Dari 2 (Dua) Ekor Berumur Satu Tahun Lebih dan 1 "
    u"(Satu) Ekor Berumur Dua Tahun Lebih"_s;
const QString FitrahSentence =
    u"Zakat Anda Jika Dalam Beras Adalah   14.00   Liter Beras Atau Uang Rp.  35,000.00"_s;

ZakatSheet sheet(std::initializer_list<std::pair<QString, QString>> rows) {
    ZakatSheet s;
    s.title = u" HASIL  PERHITUNGAN ZAKAT "_s;
    s.fieldNames = {u"N a m a"_s, u"A l a m a t"_s, u"T e l e p o n "_s, u"Tempat/Tgl. Lahir"_s,
                    u"P e k e r j a a n "_s};
    s.colons.fill(u":"_s);
    s.values = {u"Ahmad Fauzi"_s, u"Jl. Merdeka 17, Bandung"_s, u"022-123456"_s,
                u"Bandung, 1 Mei 1970"_s, u"Pedagang"_s};
    s.kindHeading = u"Jenis Zakat"_s;
    s.noteHeading = u"Keterangan"_s;
    std::size_t n = 0;
    for (const auto& [kind, sentence] : rows) {
        s.rowKinds[n] = kind;
        s.rowSentences[n] = sentence;
        ++n;
    }
    return s;
}

QStringList render(const ZakatSheet& s, OutputLayout layout) {
    TextFileSink sink;
    LineWriter writer(sink);
    renderZakatSheet(s, layout, Now, writer);
    return sink.lines();
}

QString blanks(qsizetype count) {
    return QString(count, u' ');
}

} // namespace

class ZakatReportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileLinesMatchTheLayout_data();
    void fileLinesMatchTheLayout();
    void fileKeepsALongValueOnOneLine();
    void printPutsEveryItemAtItsColumn();
    void printWrapsALongSentenceUnderItsColumn();
    void printCutsAWordLongerThanTheLine();
};

void ZakatReportTest::fileLinesMatchTheLayout_data() {
    QTest::addColumn<ZakatSheet>("sheet");
    QTest::addColumn<QStringList>("rowLines");

    QTest::newRow("one row, the other three of 14 blanks")
        << sheet({{u"H a r t a"_s, u"Zakat Anda Sebesar  Rp. 2,500,000.00"_s}})
        << QStringList{u"H a r t a     Zakat Anda Sebesar  Rp. 2,500,000.00"_s, blanks(14),
                       blanks(14), blanks(14)};
    QTest::newRow("four rows, a long sentence unbroken")
        << sheet({{u"T e r n a k"_s, LongCattleSentence},
                  {u"F i t r a h"_s, FitrahSentence},
                  {u"Pertanian"_s, u"Zakat Anda Sebanyak  65  Kilogram"_s},
                  {u"H a r t a"_s, u"Harta Anda Belum Mencapai Nishab"_s}})
        << QStringList{u"T e r n a k   "_s + LongCattleSentence,
                       u"F i t r a h   "_s + FitrahSentence,
                       u"Pertanian     Zakat Anda Sebanyak  65  Kilogram"_s,
                       u"H a r t a     Harta Anda Belum Mencapai Nishab"_s};
}

void ZakatReportTest::fileLinesMatchTheLayout() {
    QFETCH(ZakatSheet, sheet);
    QFETCH(QStringList, rowLines);

    const QStringList expected =
        QStringList{
            u"07:05:09  03-04-2024"_s,
            blanks(25) + u" HASIL  PERHITUNGAN ZAKAT "_s,
            QString(),
            u"N a m a           :  Ahmad Fauzi"_s,
            u"A l a m a t       :  Jl. Merdeka 17, Bandung"_s,
            u"T e l e p o n     :  022-123456"_s,
            u"Tempat/Tgl. Lahir :  Bandung, 1 Mei 1970"_s,
            u"P e k e r j a a n :  Pedagang"_s,
            QString(),
            QString(),
            u"Jenis Zakat   Keterangan"_s,
            QString(),
        } +
        rowLines;

    const QStringList lines = render(sheet, OutputLayout::File);
    QCOMPARE(lines.size(), 16);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QVERIFY2(lines[i] == expected[i],
                 qPrintable(u"line %1: '%2'"_s.arg(QString::number(i + 1), lines[i])));
    }
    for (qsizetype i = 3; i < 8; ++i) {
        QCOMPARE(lines[i].indexOf(u':'), 18);
        QCOMPARE(lines[i].at(21), sheet.values[static_cast<std::size_t>(i - 3)].at(0));
    }
}

void ZakatReportTest::fileKeepsALongValueOnOneLine() {
    ZakatSheet s = sheet({{u"H a r t a"_s, LongCattleSentence}});
    const QString address = QStringList(20, u"Jl. Panjang Sekali"_s).join(u' ');
    s.values[1] = address;

    const QStringList lines = render(s, OutputLayout::File);
    QCOMPARE(lines.size(), 16);
    QCOMPARE(lines[4], u"A l a m a t       :  "_s + address);
    QCOMPARE(lines[12], u"H a r t a     "_s + LongCattleSentence);
}

void ZakatReportTest::printPutsEveryItemAtItsColumn() {
    const QStringList lines = render(
        sheet({{u"Pertanian"_s, u"Zakat Anda Sebanyak  65  Kilogram"_s}}), OutputLayout::Print);

    const QStringList expected{
        blanks(9) + u"07:05:09  03-04-2024"_s,
        blanks(35) + u" HASIL  PERHITUNGAN ZAKAT "_s,
        QString(),
        blanks(9) + u"N a m a             : Ahmad Fauzi"_s,
        blanks(9) + u"A l a m a t         : Jl. Merdeka 17, Bandung"_s,
        blanks(9) + u"T e l e p o n       : 022-123456"_s,
        blanks(9) + u"Tempat/Tgl. Lahir   : Bandung, 1 Mei 1970"_s,
        blanks(9) + u"P e k e r j a a n   : Pedagang"_s,
        QString(),
        QString(),
        blanks(9) + u"Jenis Zakat Keterangan"_s,
        QString(),
        blanks(9) + u"Pertanian   Zakat Anda Sebanyak  65  Kilogram"_s,
        blanks(21),
        blanks(21),
        blanks(21),
    };
    QCOMPARE(lines, expected);
    QCOMPARE(lines[3].indexOf(u':'), 29);
}

void ZakatReportTest::printWrapsALongSentenceUnderItsColumn() {
    const QStringList lines =
        render(sheet({{u"T e r n a k"_s, LongCattleSentence}, {u"F i t r a h"_s, FitrahSentence}}),
               OutputLayout::Print);

    const QStringList rows = lines.mid(12);
    const QStringList expected{
        blanks(9) + u"T e r n a k Zakat Anda 3 (Tiga) Ekor Sapi Terdiri Dari 2 (Dua) Ekor"_s,
        blanks(21) + u"Berumur Satu Tahun Lebih dan 1 (Satu) Ekor Berumur Dua"_s,
        blanks(21) + u"Tahun Lebih"_s,
        blanks(9) + u"F i t r a h Zakat Anda Jika Dalam Beras Adalah   14.00   Liter Beras"_s,
        blanks(21) + u"Atau Uang Rp.  35,000.00"_s,
        blanks(21),
        blanks(21),
    };
    QCOMPARE(rows, expected);
    for (const QString& line : lines)
        QVERIFY2(line.size() <= PrintLastColumn, qPrintable(line));
}

void ZakatReportTest::printCutsAWordLongerThanTheLine() {
    ZakatSheet s = sheet({});
    s.values[0] = QString(60, u'x');

    const QStringList lines = render(s, OutputLayout::Print);
    QCOMPARE(lines[3], blanks(9) + u"N a m a             : "_s + QString(49, u'x'));
    QCOMPARE(lines[4], blanks(31) + QString(11, u'x'));
    QCOMPARE(lines[5], blanks(9) + u"A l a m a t         : Jl. Merdeka 17, Bandung"_s);
}

QTEST_GUILESS_MAIN(ZakatReportTest)
#include "ZakatReportTest.moc"
