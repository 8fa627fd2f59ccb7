#include <QTest>

class ZakatRulesTest : public QObject {
    Q_OBJECT
};

QTEST_GUILESS_MAIN(ZakatRulesTest)
#include "ZakatRulesTest.moc"
