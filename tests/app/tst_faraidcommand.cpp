// The command line of the full division, run as a separate process without a display.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class FaraidCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandLine_data();
    void commandLine();
};

void FaraidCommandTest::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("expected"); // in standard output, or the JSON heirs' shares
    QTest::newRow("text table")
        << QStringList{u"suami"_s, u"AnakWanita=2"_s, u"--estate"_s, u"1200"_s} << 0
        << u"Anak Wanita      2  fard 2/3  3/4     3/8             900.00          450.00"_s;
    QTest::newRow("json") << QStringList{u"--format"_s, u"json"_s, u"Istri"_s, u"Ibu"_s, u"Bapak"_s}
                          << 0 << u"Bapak 1/2, Istri 1/4, Ibu 1/4"_s;
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
    QProcess process;
    process.start(QStringLiteral(ZW_APP_PATH), QStringList{u"faraid"_s} + arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), status);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    if (status != 0) {
        QCOMPARE(err.count(u'\n'), 1);
        QVERIFY(out.isEmpty());
        return;
    }
    if (!arguments.contains(u"json"_s)) {
        QVERIFY2(out.contains(expected), qPrintable(out));
        return;
    }
    const QJsonObject root = QJsonDocument::fromJson(out.toUtf8()).object();
    const QStringList keys{
        u"awl"_s,  u"awlBase"_s, u"base"_s,  u"bequest"_s,    u"heirs"_s,           u"netEstate"_s,
        u"radd"_s, u"special"_s, u"steps"_s, u"unassigned"_s, u"unassignedAmount"_s};
    QCOMPARE(root.keys(), keys);
    QStringList shares;
    for (const QJsonValue& heir : root[u"heirs"_s].toArray()) {
        QCOMPARE(heir.toObject().keys().size(), 11);
        shares.append(heir[u"kind"_s].toString() % u' ' % heir[u"share"_s].toString());
    }
    QCOMPARE(shares.join(u", "_s), expected);
    QCOMPARE(root[u"special"_s].toArray().first().toString(), u"umariyyatain"_s);
}

QTEST_GUILESS_MAIN(FaraidCommandTest)
#include "tst_faraidcommand.moc"
