// A case on disk: every case comes back as it was and is written again byte for byte, the format
// is pinned by a file kept under tests/data, and damaged or foreign files are refused with the
// line that says what is wrong and where.

#include "waris/engine/kasus/KasusFile.h"

#include "Golden.h"
#include "KasusCases.h"

#include <QTemporaryDir>
#include <QTest>

using namespace zw;
using namespace zw::waris;
using namespace zw::waris::test;

Q_DECLARE_METATYPE(zw::waris::Kasus)

namespace {

QDate date(int y, int m, int d) {
    return QDate(y, m, d);
}

// Every field set, none at its default, names in several scripts.
Kasus fullKasus() {
    Kasus k = kasusOf(
        {person(1, u"عبد الله بن عمر"_s, AnakPria, DiedLater),
         person(2, u"Siti Nurhaliza"_s, AnakWanita, Missing),
         person(3, u"王小明"_s, AnakPria, Predeceased),
         person(4, u"Rahmat 🌙"_s, AnakPria, Living, 3),
         person(5, u"Ñusantara"_s, AnakWanita, UnknownSex), person(6, u"Janin"_s, AnakPria, Unborn),
         person(7, u"Umar"_s, Bapak, DiedTogether), person(8, u"Dewi"_s, Istri, Living, 1),
         person(9, u"(Siti)"_s, SaudaraWanitaSekandung, Living, 1, 2)},
        Sex::Female);
    k.deceased.particulars = {u"Fatimah az-Zahra"_s, u"3174012345678901"_s, u"Bandung"_s,
                              date(1950, 2, 28), u"Jl. Merdeka No. 1\nBandung"_s};
    k.deceased.deathPlace = u"Jakarta"_s;
    k.deceased.deathDate = date(2024, 1, 31);
    k.deceased.deathCertificate = u"AKT-001/2024"_s;
    k.persons[0].particulars.nik = u"3174"_s;
    k.persons[0].particulars.birthDate = date(1975, 12, 1);
    k.persons[0].particulars.birthPlace = u"Mekkah"_s;
    k.persons[0].particulars.address = u"\"Rumah\" \\ 2"_s;
    k.estate = Rupiah::fromSen(150'000'000'00);
    k.estateItems = {{u"Rumah"_s, Rupiah::fromSen(100'000'000'00)},
                     {u"Tabungan"_s, Rupiah::fromSen(50'000'000'00)},
                     {QString(), Rupiah()}};
    k.jointProperty = Rupiah::fromSen(20'000'000'00);
    k.funeral = Rupiah::fromSen(5'000'000'50);
    k.zakat = Rupiah::fromSen(1);
    k.debts = Rupiah::max();
    k.bequest = Rupiah();
    k.obligatoryBequest = Rupiah::fromSen(1'000'00);
    k.obligatoryBequestTo = BequestRecipient::NonMuslimRelative;
    k.law = Law::Khi;
    k.compare = true;
    k.options = {GrandfatherRule::Hanafi,       MushtarakaRule::None,   GrandmotherSide::Paternal,
                 SpouseAloneRule::RestToSpouse, DaughterRule::Majority, KhiRadd::Blood,
                 DistantKinRule::Hanbali};
    k.reserve = UnbornReserve::Hanafi;
    k.unbornMax = 1;
    k.intersexView = IntersexView::Hanafi;
    k.notes = u"Dibagi di Pengadilan Agama.\nSaksi: \"dua orang\"."_s;
    return k;
}

QByteArray goldenBytes() {
    QFile file(QStringLiteral(ZW_TEST_DATA "/kasus/lengkap.waris"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return file.readAll();
}

QByteArray replaced(QByteArray bytes, const QByteArray& from, const QByteArray& to) {
    if (!bytes.contains(from))
        qFatal("not in the file: %s", from.constData());
    return bytes.replace(from, to);
}

} // namespace

class KasusFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void caseComesBackByteForByte_data();
    void caseComesBackByteForByte();
    void keptFileReadsAsTheFullCase();
    void damagedFileIsRefused_data();
    void damagedFileIsRefused();
    void savedCaseOpensAgain();
    void fileThatCannotBeOpenedIsRefused();
};

void KasusFileTest::caseComesBackByteForByte_data() {
    QTest::addColumn<Kasus>("kasus");
    for (const KasusCase& c : kasusCases())
        QTest::newRow(c.name) << c.kasus;
    QTest::newRow("every field set") << fullKasus();
    QTest::newRow("an empty case") << Kasus();
    QTest::newRow("names of every kind")
        << kasusOf({person(1, u"A"_s.repeated(20000), AnakPria), person(2, u"אברהם"_s, AnakPria),
                    person(3, u"Nguyễn Thị"_s, AnakWanita),
                    person(4, u"tab\there, line\nthere, nul \u0000 end"_s, AnakWanita),
                    person(5, u" spaced "_s, AnakWanita)});
}

void KasusFileTest::caseComesBackByteForByte() {
    QFETCH(Kasus, kasus);
    const QByteArray bytes = kasusJson(kasus);
    const auto read = readKasus(bytes);
    if (const auto* problem = std::get_if<QString>(&read))
        QFAIL(qPrintable(*problem));
    QVERIFY(std::get<Kasus>(read) == kasus);
    QCOMPARE(kasusJson(std::get<Kasus>(read)), bytes);
}

// The format as it was first written; a change to it shows here.
void KasusFileTest::keptFileReadsAsTheFullCase() {
    const QString difference =
        zw::test::goldenDifference(kasusJson(fullKasus()), u"kasus/lengkap.waris"_s);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    const auto read = readKasus(goldenBytes());
    QVERIFY(std::holds_alternative<Kasus>(read));
    QVERIFY(std::get<Kasus>(read) == fullKasus());
}

void KasusFileTest::damagedFileIsRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray good = goldenBytes();
    const auto row = [](const char* name, const QByteArray& bytes, const QString& message) {
        QTest::newRow(name) << bytes << message;
    };
    const QString damaged = u"Berkas kasus rusak: "_s;
    row("empty", QByteArray(), u"Berkas kasus kosong."_s);
    row("blank lines", "\n  \r\n", u"Berkas kasus kosong."_s);
    row("binary", QByteArray("PK\x03\x04\x00\x00", 6),
        damaged % u"berisi data biner, bukan teks."_s);
    row("not UTF-8", "{\"format\": \"\xff\xfe\"}", damaged % u"berisi data biner, bukan teks."_s);
    // At a line's end: a cut inside a letter of many bytes is no text at all.
    row("cut in half", good.left(good.indexOf('\n', good.size() / 2)),
        damaged % u"terpotong; berakhir sebelum waktunya."_s);
    row("cut before the last brace", good.left(good.lastIndexOf('}')),
        damaged % u"terpotong; berakhir sebelum waktunya."_s);
    row("a stray character", "{\"format\" x}", damaged % u"JSON tidak sah pada bita ke-11."_s);
    row("a list", "[1, 2]", damaged % u"isinya bukan objek JSON."_s);
    row("another program's JSON", "{\"name\": \"x\"}",
        u"Bukan berkas kasus Zakat & Waris: formatnya tidak disebut."_s);
    row("a saved division", replaced(good, "\"zakat-waris-kasus\"", "\"zakat-waris-hasil\""),
        u"Bukan berkas kasus Zakat & Waris: format 'zakat-waris-hasil'."_s);
    row("a newer version", replaced(good, "\"version\": 1", "\"version\": 2"),
        u"Berkas kasus versi 2 dibuat oleh program yang lebih baru; program ini membaca sampai "
        u"versi 1."_s);
    row("version nought", replaced(good, "\"version\": 1", "\"version\": 0"),
        damaged % u"versinya tidak ada atau tidak sah."_s);
    row("version as text", replaced(good, "\"version\": 1", "\"version\": \"1\""),
        damaged % u"versinya tidak ada atau tidak sah."_s);
    row("an unknown relation",
        replaced(good, "\"relation\": \"Istri\"", "\"relation\": \"Menantu\""),
        damaged % u"orang ke-8: hubungan 'Menantu' tidak dikenal."_s);
    row("a relation over two lines",
        replaced(good, "\"relation\": \"Istri\"", "\"relation\": \"Istri\\nKedua\""),
        damaged % u"orang ke-8: hubungan 'Istri Kedua' tidak dikenal."_s);
    row("a long word",
        replaced(good, "\"law\": \"khi\"", "\"law\": \"" + QByteArray(99, 'k') + "\""),
        damaged % u"hukum '"_s % QString(60, u'k') % u"…' tidak dikenal."_s);
    row("an unknown state", replaced(good, "\"died-together\"", "\"asleep\""),
        damaged % u"orang ke-7: keadaan 'asleep' tidak dikenal."_s);
    row("a person without a relation", replaced(good, "\"relation\": \"Bapak\",", ""),
        damaged % u"orang ke-7: hubungan tidak ada."_s);
    row("an id as text", replaced(good, "\"id\": 4,", "\"id\": \"4\","),
        damaged % u"orang ke-4: nomor harus bilangan bulat."_s);
    row("of as a fraction", replaced(good, "\"of\": 3,", "\"of\": 2.5,"),
        damaged % u"orang ke-4: dari harus bilangan bulat."_s);
    row("a person as a number", replaced(good, "\"persons\": [", "\"persons\": [ 7,"),
        damaged % u"orang ke-1 harus objek."_s);
    row("persons not a list", replaced(good, "\"persons\": [", "\"persons\": \"-\", \"x\": ["),
        damaged % u"orang harus daftar."_s);
    row("an unknown key", replaced(good, "\"notes\":", "\"catatan\": \"\", \"notes\":"),
        damaged % u"kunci 'catatan' tidak dikenal."_s);
    row("an unknown key of a person", replaced(good, "\"id\": 6,", "\"id\": 6, \"umur\": 3,"),
        damaged % u"orang ke-6: kunci 'umur' tidak dikenal."_s);
    row("an unknown law", replaced(good, "\"law\": \"khi\"", "\"law\": \"syafii\""),
        damaged % u"hukum 'syafii' tidak dikenal."_s);
    row("an unknown option word",
        replaced(good, "\"grandfather\": \"hanafi\"", "\"grandfather\": \"umar\""),
        damaged % u"pilihan: kakek bersama saudara 'umar' tidak dikenal."_s);
    row("the deceased as text", replaced(good, "\"deceased\": {", "\"deceased\": \"x\", \"y\": {"),
        damaged % u"pewaris harus objek."_s);
    row("a sex unknown", replaced(good, "\"female\"", "\"other\""),
        damaged % u"pewaris: jenis kelamin 'other' tidak dikenal."_s);
    row("a date of no calendar", replaced(good, "\"1950-02-28\"", "\"1950-02-30\""),
        damaged % u"pewaris: tanggal lahir '1950-02-30' bukan tanggal TTTT-BB-HH."_s);
    row("a date as people write it", replaced(good, "\"2024-01-31\"", "\"31/01/2024\""),
        damaged % u"pewaris: tanggal meninggal '31/01/2024' bukan tanggal TTTT-BB-HH."_s);
    row("an amount with a comma", replaced(good, "\"20000000.00\"", "\"20.000.000,00\""),
        damaged % u"harta bersama '20.000.000,00' bukan jumlah uang yang sah."_s);
    row("an amount as a number", replaced(good, "\"20000000.00\"", "20000000"),
        damaged % u"harta bersama harus teks."_s);
    row("an estate that is not its items' sum",
        replaced(good, "\"estateItems\"", "\"estate\": \"1.00\", \"estateItems\""),
        damaged % u"harta peninggalan 1.00 tidak sama dengan jumlah rincian harta 150000000.00."_s);
    row("a negative amount", replaced(good, "\"5000000.50\"", "\"-5\""),
        damaged % u"biaya pengurusan jenazah tidak boleh negatif."_s);
    row("an amount too large", replaced(good, "\"999999999999999.99\"", "\"1000000000000000\""),
        damaged % u"utang terlalu besar."_s);
    row("an item without a value", replaced(good, "\"value\": \"0.00\"", "\"uraian\": \"x\""),
        damaged % u"rincian harta ke-3: nilai tidak ada."_s);
    row("compare as a word", replaced(good, "\"compare\": true", "\"compare\": \"ya\""),
        damaged % u"perbandingan kedua hukum harus true atau false."_s);
    row("a lone surrogate in a name", replaced(good, "\"Umar\"", "\"\\ud800\""),
        damaged % u"orang ke-7: nama berisi karakter yang tidak sah."_s);
}

void KasusFileTest::damagedFileIsRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const auto read = readKasus(bytes);
    QVERIFY(std::holds_alternative<QString>(read));
    QCOMPARE(std::get<QString>(read), message);
}

void KasusFileTest::savedCaseOpensAgain() {
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"kasus.waris"_s);
    QCOMPARE(saveKasus(path, kasusCases().front().kasus), std::nullopt);
    QCOMPARE(saveKasus(path, fullKasus()), std::nullopt); // replaces the first
    const auto opened = openKasus(path);
    QVERIFY(std::holds_alternative<Kasus>(opened));
    QVERIFY(std::get<Kasus>(opened) == fullKasus());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"kasus.waris"_s});
}

void KasusFileTest::fileThatCannotBeOpenedIsRefused() {
    const QTemporaryDir dir;
    const QString missing = dir.filePath(u"tidak-ada.waris"_s);
    QCOMPARE(std::get<QString>(openKasus(missing)), u"Berkas kasus tidak ada: "_s % missing);
    QCOMPARE(std::get<QString>(openKasus(dir.path())),
             u"Berkas kasus tidak dapat dibuka: "_s % dir.path());
    const QString large = dir.filePath(u"besar.waris"_s);
    QFile file(large);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(MaxKasusFileSize + 1));
    file.close();
    QCOMPARE(std::get<QString>(openKasus(large)),
             u"Berkas kasus terlalu besar (lebih dari 1 MB): "_s % large);
    const QString nowhere = dir.filePath(u"tidak/ada/kasus.waris"_s);
    QCOMPARE(saveKasus(nowhere, Kasus()), u"Berkas kasus tidak dapat disimpan: "_s % nowhere);
}

QTEST_GUILESS_MAIN(KasusFileTest)
#include "KasusFileTest.moc"
