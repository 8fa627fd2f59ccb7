// The command line of the full division, run as a separate process without a display.
#include "DataTable.h"
#include "Golden.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

Run faraid(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(ZW_APP_PATH), QStringList{u"faraid"_s} + arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class FaraidCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void jsonMatchesItsGoldenFile_data();
    void jsonMatchesItsGoldenFile();
    void commandLine_data();
    void commandLine();
};

void FaraidCommandTest::jsonMatchesItsGoldenFile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("golden");
    for (const QStringList& row : zw::test::dataTable(u"faraid-json.txt"_s, 3))
        QTest::newRow(qPrintable(row[0])) << row[1].split(u' ') << row[2];
}

void FaraidCommandTest::jsonMatchesItsGoldenFile() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, golden);
    const Run run = faraid(arguments);
    QCOMPARE(run.status, 0);
    const QString difference = zw::test::goldenDifference(run.out, u"faraid-json/"_s + golden);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void FaraidCommandTest::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("expected"); // in standard output
    QTest::newRow("text table")
        << QStringList{u"suami"_s, u"AnakWanita=2"_s, u"--estate"_s, u"1200"_s} << 0
        << u"Anak Wanita      2  fard 2/3  3/4     3/8             900.00          450.00"_s;
    QTest::newRow("unknown heir") << QStringList{u"Sepupu"_s} << 2 << QString();
    QTest::newRow("three decimals")
        << QStringList{u"AnakPria"_s, u"--estate"_s, u"1.005"_s} << 2 << QString();
    QTest::newRow("help") << QStringList{u"--help"_s} << 0
                          << u"--spouse-alone treasury|rest-to-spouse"_s;
}

void FaraidCommandTest::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, expected);
    const Run run = faraid(arguments);
    QCOMPARE(run.status, status);
    if (status != 0) {
        QCOMPARE(run.err.count(u'\n'), 1);
        QVERIFY(run.out.isEmpty());
        return;
    }
    QVERIFY2(QString::fromUtf8(run.out).contains(expected), run.out.constData());
}

QTEST_GUILESS_MAIN(FaraidCommandTest)
#include "tst_faraidcommand.moc"
