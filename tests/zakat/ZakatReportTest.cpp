#include <QTest>

class ZakatReportTest : public QObject {
    Q_OBJECT
};

QTEST_GUILESS_MAIN(ZakatReportTest)
#include "ZakatReportTest.moc"
