// The command line of the complete zakat, run as a separate process without any display.
#include "zakat/engine/complete/ZakatChoices.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class ZakatCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandLine_data();
    void commandLine();
    void jsonHasTheKeysAndKindsInOrder();
    void everyWordOfAChoiceIsInTheHelpAndTheManPage_data();
    void everyWordOfAChoiceIsInTheHelpAndTheManPage();
};

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

Run run(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZW_APP_PATH), QStringList{u"zakat"_s} + arguments);
    if (!process.waitForFinished(30000))
        return {-1, {}, {}};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The words a document lists for `option` on the line that begins with `lead` and the option:
// "  --haul yes|no   harta..." in the help, .BR \-\-haul " yes|no" in the man page.
QStringList listedWords(const QString& document, const QString& lead, const QString& option) {
    const QString start = lead + option + u' ';
    for (const QString& line : document.split(u'\n')) {
        if (line.startsWith(start)) {
            const QString list = line.mid(start.size()).remove(u'"').trimmed();
            return list.section(u' ', 0, 0).split(u'|');
        }
    }
    return {};
}

} // namespace

void ZakatCommandTest::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("expected"); // a line of standard output, or all of standard error
    QTest::newRow("the total in figures and words")
        << QStringList{u"--income"_s, u"10000000"_s, u"--fitrah-persons=2"_s} << 0
        << u"8. Jumlah zakat dalam uang: Rp 250.000,00 + Rp 100.000,00 = Rp 350.000,00 (tiga "
           u"ratus lima puluh ribu rupiah)."_s;
    QTest::newRow("help lists the options")
        << QStringList{u"--help"_s} << 0 << u"  --fitrah-in money|rice-kg|rice-litre"_s;
    QTest::newRow("an unknown option")
        << QStringList{u"--income"_s, u"1"_s, u"--bonus"_s, u"5"_s} << 2
        << u"zakat-waris zakat: Pilihan tidak dikenal: --bonus (lihat --help).\n"_s;
    QTest::newRow("an option without its value")
        << QStringList{u"--cash"_s} << 2
        << u"zakat-waris zakat: Pilihan --cash memerlukan nilai.\n"_s;
    QTest::newRow("a choice that is not one")
        << QStringList{u"--period"_s, u"week"_s} << 2
        << u"zakat-waris zakat: --period harus month, year.\n"_s;
    QTest::newRow("an amount in the window's format")
        << QStringList{u"--income"_s, u"1.000.000"_s} << 2
        << u"zakat-waris zakat: Penghasilan bukan angka yang sah: 1.000.000 (--income)\n"_s;
    QTest::newRow("a refusal of the rules names its option")
        << QStringList{u"--nishab"_s, u"gold"_s, u"--cash"_s, u"1"_s} << 2
        << u"zakat-waris zakat: Dasar nishab emas memerlukan harga emas per gram. "
           u"(--gold-price)\n"_s;
}

void ZakatCommandTest::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, expected);
    const Run result = run(arguments);
    QCOMPARE(result.status, status);
    if (status != 0) {
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err, expected);
        return;
    }
    QVERIFY(result.err.isEmpty());
    QVERIFY2(result.out.split(u'\n').contains(expected), qPrintable(result.out));
}

void ZakatCommandTest::jsonHasTheKeysAndKindsInOrder() {
    const Run result = run({u"--format"_s, u"json"_s, u"--camels"_s, u"200"_s, u"--income"_s,
                            u"10000000"_s, u"--nishab"_s, u"silver"_s, u"--silver-price"_s,
                            u"15000"_s, u"--haul"_s, u"no"_s, u"--irrigation"_s, u"paid"_s});
    QCOMPARE(result.status, 0);
    const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8()).object();
    QCOMPARE(root.keys(), (QStringList{u"kinds"_s, u"nishabBasis"_s, u"nishabMonth"_s,
                                       u"nishabYear"_s, u"steps"_s, u"totalDue"_s, u"year"_s}));
    QCOMPARE(root[u"year"_s].toInt(), 2026);
    QCOMPARE(root[u"nishabBasis"_s].toString(), u"silver"_s);
    QCOMPARE(root[u"nishabYear"_s].toString(), u"8925000.00"_s);
    QCOMPARE(root[u"nishabMonth"_s].toString(), u"743750.00"_s);
    QCOMPARE(root[u"totalDue"_s].toString(), u"250000.00"_s);

    const QJsonArray kinds = root[u"kinds"_s].toArray();
    QStringList order;
    for (const QJsonValue& kind : kinds) {
        QCOMPARE(kind.toObject().keys(),
                 (QStringList{u"base"_s, u"due"_s, u"dueInKind"_s, u"haul"_s, u"kind"_s,
                              u"nishab"_s, u"note"_s, u"rate"_s, u"reached"_s, u"unit"_s}));
        order.append(kind[u"kind"_s].toString());
    }
    QCOMPARE(order, (QStringList{u"penghasilan"_s, u"pertanian"_s, u"unta"_s}));

    const QJsonObject income = kinds[0].toObject();
    QCOMPARE(income[u"base"_s].toString(), u"10000000.00"_s);
    QCOMPARE(income[u"nishab"_s].toString(), u"743750.00"_s);
    QVERIFY(income[u"haul"_s].isNull());
    QCOMPARE(income[u"rate"_s].toString(), u"1/40"_s);
    QCOMPARE(income[u"note"_s].toString(),
             u"Dengan dasar BAZNAS: wajib; dengan dasar emas: harga emas belum diisi"_s);

    const QJsonObject harvest = kinds[1].toObject();
    QCOMPARE(harvest[u"base"_s].toString(), u"0"_s);
    QCOMPARE(harvest[u"nishab"_s].toString(), u"653"_s);
    QCOMPARE(harvest[u"rate"_s].toString(), u"1/20"_s);
    QVERIFY(harvest[u"due"_s].isNull());

    const QJsonObject camels = kinds[2].toObject();
    QCOMPARE(camels[u"unit"_s].toString(), u"ekor"_s);
    QCOMPARE(camels[u"haul"_s].toBool(true), false);
    QVERIFY(camels[u"rate"_s].isNull());
    QVERIFY(camels[u"dueInKind"_s].toArray().isEmpty());
    QCOMPARE(camels[u"note"_s].toString(), u"Haul belum genap: belum wajib sekarang"_s);
}

void ZakatCommandTest::everyWordOfAChoiceIsInTheHelpAndTheManPage_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("word");
    for (const auto& option : zw::zakat::complete::choiceWords()) {
        for (const QString& word : option.words) {
            const QString name = option.option.toString();
            QTest::addRow("--%s %s", qPrintable(name), qPrintable(word)) << name << word;
        }
    }
}

void ZakatCommandTest::everyWordOfAChoiceIsInTheHelpAndTheManPage() {
    QFETCH(QString, option);
    QFETCH(QString, word);
    const Run help = run({u"--help"_s});
    QCOMPARE(help.status, 0);
    QFile manPage(QStringLiteral(ZW_MAN_PAGE));
    QVERIFY(manPage.open(QIODevice::ReadOnly));
    const QString man = QString::fromUtf8(manPage.readAll());
    QVERIFY(listedWords(help.out, u"  --"_s, option).contains(word));
    QVERIFY(listedWords(man, uR"(.BR \-\-)"_s, option).contains(word));
}

QTEST_GUILESS_MAIN(ZakatCommandTest)
#include "tst_zakatcommand.moc"
