#include "DataTable.h"
#include "common/AmountInWords.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;

class AmountInWordsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsNumbersAndAmounts_data();
    void readsNumbersAndAmounts();
};

void AmountInWordsTest::readsNumbersAndAmounts_data() {
    QTest::addColumn<QString>("reading");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("words");

    for (const QStringList& row : zw::test::dataTable(u"amount-in-words.txt"_s, 4)) {
        bool isNumber = false;
        const qint64 value = row[2].toLongLong(&isNumber);
        QVERIFY2(isNumber && (row[1] == u"number" || row[1] == u"sen"), qPrintable(row.join(u'|')));
        QTest::newRow(qPrintable(row[0])) << row[1] << value << row[3];
    }
}

void AmountInWordsTest::readsNumbersAndAmounts() {
    QFETCH(QString, reading);
    QFETCH(qint64, value);
    QFETCH(QString, words);
    QCOMPARE(reading == u"sen" ? amountInWords(Rupiah::fromSen(value)) : numberInWords(value),
             words);
}

QTEST_APPLESS_MAIN(AmountInWordsTest)
#include "tst_amountinwords.moc"
