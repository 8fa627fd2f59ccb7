// The command line of the full division, run as a separate process without a display.
#include "DataTable.h"
#include "Golden.h"
#include "cli/FaraidArguments.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

// Under an Indonesian locale, so that the text shows "Rp 1.000.000,00" and the JSON proves it
// does not follow the locale.
Run faraid(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"LC_ALL"_s, u"id_ID.UTF-8"_s);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZW_APP_PATH), QStringList{u"faraid"_s} + arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// What a division gives, without who the persons are: every share and amount in the JSON's
// order, so that a division of a case and of the same counts compare equal whatever names they
// carry.
void collectShares(const QJsonValue& value, const QString& key, QStringList& found) {
    static const QStringList kept{
        u"share"_s,         u"shares"_s,       u"perPerson"_s, u"amount"_s,   u"amounts"_s,
        u"personAmounts"_s, u"personShares"_s, u"netEstate"_s, u"treasury"_s, u"treasuryAmount"_s,
        u"base"_s,          u"jamiah"_s,       u"kind"_s,      u"count"_s,    u"law"_s};
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            collectShares(it.value(), it.key(), found);
    } else if (value.isArray() && !value.toArray().isEmpty() &&
               value.toArray().first().isObject()) {
        for (const QJsonValue& item : value.toArray())
            collectShares(item, key, found);
    } else if (kept.contains(key)) {
        found.append(
            key % u'=' %
            QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)));
    }
}

QStringList sharesOf(const QByteArray& json) {
    QStringList found;
    collectShares(QJsonDocument::fromJson(json).object(), QString(), found);
    return found;
}

} // namespace

class FaraidCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void outputMatchesItsGoldenFile_data();
    void outputMatchesItsGoldenFile();
    void refusalIsOneIndonesianLine_data();
    void refusalIsOneIndonesianLine();
    void helpAndManPageNameEveryWord();
    void helpAndManPageNameEveryOption();
    void savedCaseDividesAlike_data();
    void savedCaseDividesAlike();
    void optionsGivenReplaceTheCase();
    void caseRefusalIsOneLine_data();
    void caseRefusalIsOneLine();
    void refusedDivisionSavesNoCase();
};

void FaraidCommandTest::outputMatchesItsGoldenFile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("golden");
    for (const QStringList& row : zw::test::dataTable(u"faraid-command.txt"_s, 3))
        QTest::newRow(qPrintable(row[0])) << row[1].split(u' ') << row[2];
}

void FaraidCommandTest::outputMatchesItsGoldenFile() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, golden);
    const Run run = faraid(arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    const QString difference = zw::test::goldenDifference(run.out, u"faraid-command/"_s + golden);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void FaraidCommandTest::refusalIsOneIndonesianLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const QString& arguments, const QString& message) {
        QTest::newRow(name) << arguments.split(u' ') << message;
    };
    row("unknown heir", u"Sepupu"_s, u"Ahli waris tidak dikenal: Sepupu (lihat --help)."_s);
    row("a hundred predeceased daughters",
        u"--law khi Istri"_s + u" --predeceased daughter:1,1"_s.repeated(100),
        u"Anak Wanita yang meninggal lebih dahulu paling banyak 99 orang."_s);
    row("unknown option", u"AnakPria --estat 5"_s,
        u"Pilihan tidak dikenal: --estat (lihat --help)."_s);
    row("option without its value", u"AnakPria --estate"_s,
        u"Pilihan --estate memerlukan nilai."_s);
    row("flag with a value", u"--help=ya"_s, u"Pilihan --help tidak memakai nilai."_s);
    row("option given twice", u"AnakPria --estate 5 --estate=6"_s,
        u"Pilihan --estate disebut lebih dari sekali."_s);
    row("three decimals", u"AnakPria --estate 1.005"_s,
        u"Jumlah --estate bukan angka yang sah (angka dengan titik desimal, paling banyak dua "
        u"desimal): 1.005"_s);
    row("negative debts", u"AnakPria --estate 9 --debts -5"_s,
        u"Jumlah --debts tidak boleh negatif: -5"_s);
    row("estate beyond the range", u"AnakPria --estate 1000000000000000"_s,
        u"Jumlah --estate terlalu besar (paling banyak 999999999999999.99): 1000000000000000"_s);
    row("bequest without an estate", u"AnakPria --bequest 5"_s,
        u"Harta bersama, biaya, zakat, utang dan wasiat memerlukan harta peninggalan."_s);
    row("unknown law", u"AnakPria --law syafii"_s, u"--law harus classical atau khi."_s);
    row("KHI radd under the classical law", u"Istri --khi-radd blood"_s,
        u"Pilihan anak wanita dan saudara serta radd dalam KHI hanya berlaku dalam KHI; pilih KHI "
        u"atau bandingkan kedua hukum."_s);
    row("obligatory bequest under the classical law alone",
        u"Istri AnakPria --estate 1000 --obligatory-bequest 100 --obligatory-bequest-to "
        u"adopted-child"_s,
        u"Wasiat wajibah hanya dikenal dalam KHI; pilih KHI atau bandingkan kedua hukum."_s);
    row("obligatory bequest without its recipient",
        u"AnakPria --law khi --estate 9 --obligatory-bequest 1"_s,
        u"--obligatory-bequest dan --obligatory-bequest-to harus diberikan bersama."_s);
    row("predeceased child without counts", u"Istri --predeceased son:2"_s,
        u"--predeceased harus son:PUTRA,PUTRI, daughter:PUTRA,PUTRI atau JENIS:PUTRA,PUTRI (lihat "
        u"--help), misalnya son:2,1: son:2"_s);
    row("a predeceased heir of a kind that leaves no place", u"Istri --predeceased Bapak:1,0"_s,
        u"--predeceased harus son:PUTRA,PUTRI, daughter:PUTRA,PUTRI atau JENIS:PUTRA,PUTRI (lihat "
        u"--help), misalnya son:2,1: Bapak:1,0"_s);
    row("an unknown distant kin rule", u"SaudaraWanitaBapak --distant-kin hanafi"_s,
        u"--distant-kin harus tanzil, hanbali atau qarabah."_s);
    row("predeceased child who left no child", u"Istri --predeceased daughter:0,0"_s,
        u"Anak yang meninggal lebih dahulu harus meninggalkan sedikitnya seorang anak."_s);
    row("grandson as a kind under KHI", u"--law khi CucuPria"_s,
        u"Dalam KHI cucu tidak dimasukkan sebagai Cucu Pria atau Cucu Wanita, melainkan sebagai "
        u"anak dari anak yang meninggal lebih dahulu."_s);
    row("joint property without a spouse", u"AnakPria --estate 5 --joint-property 5"_s,
        u"Harta bersama memerlukan suami atau istri yang masih hidup."_s);
    row("unknown grandfather rule", u"Kakek --grandfather umar"_s,
        u"--grandfather harus zayd atau hanafi."_s);
    row("count that is no number", u"AnakPria=dua"_s,
        u"Jumlah Anak Pria bukan bilangan bulat: dua"_s);
    row("hundred sons", u"AnakPria=100"_s, u"Jumlah Anak Pria harus antara 1 dan 99."_s);
    row("a grandmother of no side beside the maternal one", u"Nenek NenekDariIbu AnakPria"_s,
        u"Nenek tidak dapat disebut bersama Nenek dari Ibu atau Nenek dari Bapak; sebutkan kedua "
        u"nenek itu secara terpisah."_s);
    row("heir named twice", u"Ibu ibu"_s, u"Ibu disebut lebih dari sekali."_s);
    row("husband beside a wife", u"Suami Istri"_s,
        u"Suami dan istri tidak dapat bersama-sama menjadi ahli waris."_s);
    row("debts above the estate", u"AnakPria --estate 5 --debts 6"_s,
        u"Biaya pengurusan jenazah dan utang melebihi harta peninggalan."_s);
    row("later death without heirs", u"Istri AnakPria --then-dies AnakPria"_s,
        u"--then-dies harus JENIS[:N]=AHLIWARIS,..., misalnya Suami=AnakPria,AnakWanita: "
        u"AnakPria"_s);
    row("later death of an unknown heir", u"Istri AnakPria --then-dies AnakPria=Sepupu"_s,
        u"--then-dies AnakPria: Ahli waris tidak dikenal: Sepupu (lihat --help)."_s);
    row("later death of a kind not present", u"Istri AnakPria --then-dies Bapak=Istri"_s,
        u"Bapak yang meninggal kemudian tidak ada di antara ahli waris."_s);
    row("later death beyond the count", u"AnakPria=2 --then-dies AnakPria:3=Ibu"_s,
        u"Anak Pria ke-3 yang meninggal kemudian tidak ada (hanya 2 orang)."_s);
    row("unborn brother beside the father", u"Bapak Ibu --unborn full-sibling"_s,
        u"Kandungan saudara tidak mewarisi selama ada Bapak; tidak ada yang perlu "
        u"ditangguhkan."_s);
    row("unknown unborn", u"Istri --unborn sibling"_s,
        u"--unborn harus child, grandchild, full-sibling, paternal-sibling atau "
        u"uterine-sibling."_s);
    row("unborn count beyond four", u"Istri --unborn child --unborn-max 5"_s,
        u"--unborn-max harus bilangan bulat 1 sampai 4: 5"_s);
    row("reserve without an unborn", u"Istri AnakPria --reserve hanafi"_s,
        u"--reserve memerlukan --unborn."_s);
    row("Hanafi reserve with a count", u"Istri --unborn child --reserve hanafi --unborn-max 2"_s,
        u"Cadangan Hanafi menahan bagian satu anak; jumlah bayi tidak dapat diubah."_s);
    row("missing beyond the count", u"Ibu AnakPria --missing AnakPria:2"_s,
        u"Ahli waris yang hilang: Anak Pria hanya 1 orang."_s);
    row("missing without a number", u"Ibu AnakPria --missing AnakPria:x"_s,
        u"--missing harus JENIS atau JENIS:N, misalnya AnakPria:2: AnakPria:x"_s);
    row("intersex mother", u"Ibu AnakPria --intersex Ibu"_s,
        u"Khuntsa hanya anak, cucu atau saudara."_s);
    row("intersex view without a khuntsa", u"AnakPria --intersex-view average"_s,
        u"--intersex-view memerlukan --intersex."_s);
    row("unborn grandchild beside KHI", u"Istri AnakWanita --unborn grandchild --compare"_s,
        u"Menurut Kompilasi Hukum Islam (KHI): Dalam KHI cucu mewarisi sebagai ahli waris "
        u"pengganti anak yang meninggal lebih dahulu (Pasal 185), bukan sebagai kandungan "
        u"cucu."_s);
    row("the missing son dies later",
        u"Istri AnakPria=2 --then-dies AnakPria:2=Ibu --missing AnakPria"_s,
        u"Anak Pria ke-2 hilang; yang hilang tidak diketahui kapan meninggal, maka tidak dapat "
        u"disebut meninggal kemudian."_s);
    row("no heir and no unborn", u"--estate 100"_s, u"Belum ada ahli waris yang dipilih."_s);
}

void FaraidCommandTest::refusalIsOneIndonesianLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = faraid(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.err, u"zakat-waris faraid: "_s % message % u'\n');
    QVERIFY(run.out.isEmpty());
}

// Each golden's arguments saved as a case with --save-case, then the case divided with --case:
// the same shares and amounts.
void FaraidCommandTest::savedCaseDividesAlike_data() {
    QTest::addColumn<QStringList>("arguments");
    for (const QStringList& row : zw::test::dataTable(u"faraid-command.txt"_s, 3)) {
        QStringList arguments = row[1].split(u' ');
        if (arguments.contains(u"--help"_s))
            continue;
        if (!arguments.contains(u"--format"_s))
            arguments << u"--format"_s << u"json"_s;
        QTest::newRow(qPrintable(row[0])) << arguments;
    }
}

void FaraidCommandTest::savedCaseDividesAlike() {
    QFETCH(QStringList, arguments);
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"kasus.waris"_s);
    const Run saved = faraid(arguments + QStringList{u"--save-case"_s, path});
    QCOMPARE(saved.err, QString());
    const Run divided = faraid({u"--case"_s, path, u"--format"_s, u"json"_s});
    QCOMPARE(divided.err, QString());
    QCOMPARE(divided.status, 0);
    const QStringList shares = sharesOf(divided.out);
    QVERIFY(shares.size() > 3);
    QCOMPARE(shares, sharesOf(saved.out));
}

// The options given beside --case replace the file's and the output says which; the division is
// that of the counts with those options.
void FaraidCommandTest::optionsGivenReplaceTheCase() {
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"kasus.waris"_s);
    const QStringList heirs{u"Suami"_s, u"AnakWanita"_s, u"SaudaraPriaSekandung"_s};
    QCOMPARE(faraid(heirs + QStringList{u"--estate"_s, u"100"_s, u"--save-case"_s, path}).status,
             0);
    const QStringList given{u"--law"_s, u"khi"_s, u"--estate"_s, u"1200"_s};
    const Run text = faraid(QStringList{u"--case"_s, path} + given);
    QCOMPARE(text.status, 0);
    QVERIFY(text.out.startsWith("Pilihan dari baris perintah menggantikan berkas: --estate, "
                                "--law\n"));
    const Run json = faraid(QStringList{u"--case"_s, path, u"--format"_s, u"json"_s} + given);
    const QJsonObject object = QJsonDocument::fromJson(json.out).object();
    QCOMPARE(object.value(u"caseOverrides"_s).toArray(), (QJsonArray{u"--estate"_s, u"--law"_s}));
    QCOMPARE(sharesOf(json.out),
             sharesOf(faraid(heirs + given + QStringList{u"--format"_s, u"json"_s}).out));
    const Run plain = faraid({u"--case"_s, path});
    QVERIFY(!plain.out.startsWith("Pilihan"));
}

void FaraidCommandTest::caseRefusalIsOneLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    const QByteArray sound = R"({"format": "zakat-waris-kasus", "version": 1, "persons": [
        {"id": 1, "name": "Ali", "relation": "Suami", "state": "living"}]})";
    const QString persons = u"Dengan --case ahli waris diambil dari berkas; AHLIWARIS, "
                            u"--predeceased, --then-dies, --unborn, --missing, --intersex dan "
                            u"--died-together tidak dapat diberikan."_s;
    QTest::newRow("heirs beside a case") << QStringList{u"AnakPria"_s} << sound << persons;
    QTest::newRow("a special case beside a case")
        << QStringList{u"--missing"_s, u"AnakPria"_s} << sound << persons;
    QTest::newRow("a husband of a man")
        << QStringList() << sound
        << u"Orang ke-1 (Ali): pewaris laki-laki, tidak mempunyai suami."_s;
    QTest::newRow("a damaged file")
        << QStringList() << QByteArray(R"({"format": "zakat-waris-kasus", )")
        << u"Berkas kasus rusak: terpotong; berakhir sebelum waktunya."_s;
    QTest::newRow("no file") << QStringList() << QByteArray() << QString();
}

void FaraidCommandTest::caseRefusalIsOneLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    const QTemporaryDir dir;
    QString path = dir.filePath(u"kasus.waris"_s);
    if (file.isEmpty())
        message = u"Berkas kasus tidak ada: "_s % path;
    QFile written(path);
    QVERIFY(file.isEmpty() || (written.open(QIODevice::WriteOnly) && written.write(file) > 0));
    written.close();
    const Run run = faraid(QStringList{u"--case"_s, path} + arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.err, u"zakat-waris faraid: "_s % message % u'\n');
    QVERIFY(run.out.isEmpty());
}

void FaraidCommandTest::refusedDivisionSavesNoCase() {
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"kasus.waris"_s);
    const Run run = faraid({u"Suami"_s, u"Istri"_s, u"--save-case"_s, path});
    QCOMPARE(run.status, 2);
    QVERIFY(!QFile::exists(path));
    const QString nowhere = dir.filePath(u"tidak/ada.waris"_s);
    QCOMPARE(faraid({u"Suami"_s, u"--save-case"_s, nowhere}).err,
             u"zakat-waris faraid: Berkas kasus tidak dapat disimpan: "_s % nowhere % u'\n');
}

// Every option the command reads, in --help and in the man page.
void FaraidCommandTest::helpAndManPageNameEveryOption() {
    const QString help = QString::fromUtf8(faraid({u"--help"_s}).out);
    QFile manFile(QStringLiteral(ZW_MAN_PAGE));
    QVERIFY(manFile.open(QIODevice::ReadOnly));
    const QString man = QString::fromUtf8(manFile.readAll()).replace(u"\\-"_s, u"-"_s);
    for (const QString& name : zw::faraidOptionNames()) {
        const QString option = (name.size() == 1 ? u"-"_s : u"--"_s) % name;
        QVERIFY2(help.contains(option), qPrintable(u"--help: "_s + option));
        QVERIFY2(man.contains(option), qPrintable(u"man page: "_s + option));
    }
}

QTEST_GUILESS_MAIN(FaraidCommandTest)
// Each choice option with its words, as the parser reads them, in --help and in the man page.
void FaraidCommandTest::helpAndManPageNameEveryWord() {
    const QString help = QString::fromUtf8(faraid({u"--help"_s}).out);
    QFile manFile(QStringLiteral(ZW_MAN_PAGE));
    QVERIFY(manFile.open(QIODevice::ReadOnly));
    const QString man = QString::fromUtf8(manFile.readAll()).replace(u"\\-"_s, u"-"_s);
    for (const auto& [option, words] : zw::choiceWords()) {
        const QString line = u"--"_s % option % u' ' % words.join(u'|');
        QVERIFY2(help.contains(line), qPrintable(u"--help: "_s + line));
        QVERIFY2(man.contains(u"--"_s % option % u" \" "_s % words.join(u'|') % u'"'),
                 qPrintable(u"man page: "_s + line));
    }
}

#include "tst_faraidcommand.moc"
