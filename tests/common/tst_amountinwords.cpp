#include "common/AmountInWords.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;
using namespace zw;

class AmountInWordsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsWholeNumbers_data();
    void readsWholeNumbers();
    void readsRupiahAndSen_data();
    void readsRupiahAndSen();
};

void AmountInWordsTest::readsWholeNumbers_data() {
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("words");

    QTest::newRow("zero") << 0LL << u"nol"_s;
    QTest::newRow("ten is sepuluh") << 10LL << u"sepuluh"_s;
    QTest::newRow("eleven is sebelas") << 11LL << u"sebelas"_s;
    QTest::newRow("twelve takes belas") << 12LL << u"dua belas"_s;
    QTest::newRow("twenty") << 20LL << u"dua puluh"_s;
    QTest::newRow("ninety-nine") << 99LL << u"sembilan puluh sembilan"_s;
    QTest::newRow("hundred is seratus") << 100LL << u"seratus"_s;
    QTest::newRow("hundred and one") << 101LL << u"seratus satu"_s;
    QTest::newRow("hundred and eleven") << 111LL << u"seratus sebelas"_s;
    QTest::newRow("thousand is seribu") << 1000LL << u"seribu"_s;
    QTest::newRow("thousand and one") << 1001LL << u"seribu satu"_s;
    QTest::newRow("thousand one hundred and eleven") << 1111LL << u"seribu seratus sebelas"_s;
    QTest::newRow("two thousand") << 2000LL << u"dua ribu"_s;
    QTest::newRow("a thousands group ending in one keeps satu")
        << 101000LL << u"seratus satu ribu"_s;
    QTest::newRow("million keeps satu") << 1000000LL << u"satu juta"_s;
    QTest::newRow("million and a thousand") << 1001000LL << u"satu juta seribu"_s;
    QTest::newRow("million and a quarter") << 1250000LL << u"satu juta dua ratus lima puluh ribu"_s;
    QTest::newRow("milliard") << 1000000000LL << u"satu miliar"_s;
    QTest::newRow("trillion") << 1000000000000LL << u"satu triliun"_s;
    QTest::newRow("lowest value has no positive counterpart")
        << std::numeric_limits<qint64>::min()
        << u"minus sembilan kuintiliun dua ratus dua puluh tiga kuadriliun tiga ratus tujuh puluh "
           u"dua triliun tiga puluh enam miliar delapan ratus lima puluh empat juta tujuh ratus "
           u"tujuh puluh lima ribu delapan ratus delapan"_s;
}

void AmountInWordsTest::readsWholeNumbers() {
    QFETCH(qint64, number);
    QFETCH(QString, words);
    QCOMPARE(numberInWords(number), words);
}

void AmountInWordsTest::readsRupiahAndSen_data() {
    QTest::addColumn<qint64>("sen");
    QTest::addColumn<QString>("words");

    QTest::newRow("nothing") << 0LL << u"nol rupiah"_s;
    QTest::newRow("a thousand rupiah") << 100000LL << u"seribu rupiah"_s;
    QTest::newRow("sen follow the rupiah") << 100050LL << u"seribu rupiah lima puluh sen"_s;
    QTest::newRow("half a rupiah is read in sen alone") << 50LL << u"lima puluh sen"_s;
    QTest::newRow("one sen") << 1LL << u"satu sen"_s;
    QTest::newRow("largest amount in trillions")
        << 99999999999999999LL
        << u"sembilan ratus sembilan puluh sembilan triliun sembilan ratus sembilan puluh sembilan "
           u"miliar sembilan ratus sembilan puluh sembilan juta sembilan ratus sembilan puluh "
           u"sembilan ribu sembilan ratus sembilan puluh sembilan rupiah sembilan puluh sembilan "
           u"sen"_s;
    QTest::newRow("a thousand trillion") << 100000000000000000LL << u"satu kuadriliun rupiah"_s;
    QTest::newRow("negative rupiah and sen") << -150LL << u"minus satu rupiah lima puluh sen"_s;
    QTest::newRow("negative sen alone") << -50LL << u"minus lima puluh sen"_s;
}

void AmountInWordsTest::readsRupiahAndSen() {
    QFETCH(qint64, sen);
    QFETCH(QString, words);
    QCOMPARE(amountInWords(sen), words);
}

QTEST_APPLESS_MAIN(AmountInWordsTest)
#include "tst_amountinwords.moc"
