#include <QTest>

class ZakatEngineBenchmark : public QObject {
    Q_OBJECT
};

QTEST_GUILESS_MAIN(ZakatEngineBenchmark)
#include "ZakatEngineBenchmark.moc"
