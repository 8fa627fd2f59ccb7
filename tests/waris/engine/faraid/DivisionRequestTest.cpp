// A request as the front ends make it: the special cases under both laws side by side, what a
// case's deceased tells the relations, and the heirs a request may lack.

#include "waris/engine/faraid/DivisionRequest.h"

#include "SpecialCaseWords.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw::waris;

namespace {

DivisionRequest requestOf(const QString& heirs, const QString& cases) {
    DivisionRequest request;
    request.special = zw::test::specialOf(heirs, cases);
    request.input = request.special.input;
    return request;
}

// "Istri 1/8, Anak Pria 2 (hilang) 0; held 7/8": the living persons and what is held.
QString summaryOf(const SpecialResult& r) {
    QStringList persons;
    for (const SpecialPerson& p : r.persons) {
        if (!p.died)
            persons.append(p.name % u' ' % p.share.toString());
    }
    return persons.join(u", "_s) % u"; held "_s % r.held.toString();
}

} // namespace

class DivisionRequestTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bothLawsDivideTheSpecialCases_data();
    void bothLawsDivideTheSpecialCases();
    void theOtherLawsRefusalSaysWhich();
    void theCasesDeceasedTellsTheRelations_data();
    void theCasesDeceasedTellsTheRelations();
    void anOnlyUnbornChildIsAnHeir();
};

void DivisionRequestTest::bothLawsDivideTheSpecialCases_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("cases");
    QTest::addColumn<QString>("classical");
    QTest::addColumn<QString>("khi");
    // KHI: a daughter keeps the brother out (Supreme Court 86 K/AG/1994) and the radd reaches the
    // husband (art. 193), so nothing waits for the missing brother.
    QTest::newRow("a missing brother beside a daughter")
        << u"Suami AnakWanita SaudaraPriaSekandung"_s << u"missing=SaudaraPriaSekandung"_s
        << u"Suami 1/4, Saudara Pria Sekandung (hilang) 0, Anak Wanita 1/2; held 1/4"_s
        << u"Suami 1/3, Saudara Pria Sekandung (hilang) 0, Anak Wanita 2/3; held 0"_s;
    QTest::newRow("a pregnant widow beside both parents")
        << u"Istri Bapak Ibu"_s << u"unborn=child"_s
        << u"Bapak 4/27, Istri 1/9, Ibu 4/27, Kandungan 0; held 16/27"_s
        << u"Bapak 4/27, Istri 1/9, Ibu 4/27, Kandungan 0; held 16/27"_s;
    QTest::newRow("a khuntsa beside a son")
        << u"AnakPria=2"_s << u"intersex=AnakPria"_s
        << u"Anak Pria 1/2, Khuntsa (Anak Pria) 1/3; held 1/6"_s
        << u"Anak Pria 1/2, Khuntsa (Anak Pria) 1/3; held 1/6"_s;
    // KHI gives the son's widow her part of the radd of his estate (art. 193).
    QTest::newRow("a son dies leaving his widow and his mother")
        << u"Istri AnakPria"_s << u"then=AnakPria=Istri,Ibu"_s
        << u"Istri 25/32, Istri dari Anak Pria 7/32; held 0"_s
        << u"Istri 5/8, Istri dari Anak Pria 3/8; held 0"_s;
    QTest::newRow("a son died with the deceased")
        << u"Istri Bapak AnakPria=2"_s << u"together=AnakPria"_s
        << u"Bapak 1/6, Anak Pria 17/24, Istri 1/8; held 0"_s
        << u"Bapak 1/6, Anak Pria 17/24, Istri 1/8; held 0"_s;
}

void DivisionRequestTest::bothLawsDivideTheSpecialCases() {
    QFETCH(QString, heirs);
    QFETCH(QString, cases);
    QFETCH(QString, classical);
    QFETCH(QString, khi);
    DivisionRequest request = requestOf(heirs, cases);
    request.input.law = Law::Khi;
    request.compare = true;
    const DivisionOutcome outcome = divide(request);
    if (const auto* error = std::get_if<FaraidError>(&outcome))
        QFAIL(qPrintable(error->message));
    const auto& divided = std::get<DividedEstate>(outcome);
    QVERIFY(divided.special && divided.otherSpecial && divided.other);
    QCOMPARE(divided.special->first.law, Law::Khi);
    QCOMPARE(divided.otherSpecial->first.law, Law::Classical);
    QCOMPARE(divided.other->law, Law::Classical);
    QCOMPARE(summaryOf(*divided.special), khi);
    QCOMPARE(summaryOf(*divided.otherSpecial), classical);
}

void DivisionRequestTest::theOtherLawsRefusalSaysWhich() {
    DivisionRequest request = requestOf(u"Istri AnakWanita"_s, u"unborn=grandchild"_s);
    request.compare = true;
    const DivisionOutcome outcome = divide(request);
    QVERIFY(std::holds_alternative<FaraidError>(outcome));
    QCOMPARE(std::get<FaraidError>(outcome).message,
             u"Menurut Kompilasi Hukum Islam (KHI): Dalam KHI cucu mewarisi sebagai ahli waris "
             u"pengganti anak yang meninggal lebih dahulu (Pasal 185), bukan sebagai kandungan "
             u"cucu."_s);
}

// Without a spouse only the case's deceased tells whether a dead son's mother is the deceased
// herself and whether his uterine brother is her other son.
void DivisionRequestTest::theCasesDeceasedTellsTheRelations_data() {
    QTest::addColumn<QString>("cases");
    QTest::addColumn<int>("sex"); // -1: no deceased
    QTest::addColumn<QString>("outcome");
    QTest::newRow("a woman's son's mother is herself")
        << u"then=AnakPria=Ibu,SaudaraPriaSekandung"_s << int(Sex::Female)
        << u"Ahli waris Anak Pria 1: Ibu adalah pewaris pertama, yang telah meninggal."_s;
    QTest::newRow("a man's son's mother is another")
        << u"then=AnakPria=Ibu,SaudaraPriaSekandung"_s << int(Sex::Male)
        << u"Anak Pria 2 5/6, Ibu dari Anak Pria 1 1/6; held 0"_s;
    QTest::newRow("a woman's son's uterine brother is her other son")
        << u"then=AnakPria=SaudaraPriaSeIbu"_s << int(Sex::Female) << u"Anak Pria 2 1; held 0"_s;
    QTest::newRow("without a deceased the uterine brother is another")
        << u"then=AnakPria=SaudaraPriaSeIbu"_s << -1
        << u"Anak Pria 2 1/2, Saudara Pria Se-Ibu dari Anak Pria 1 1/2; held 0"_s;
}

void DivisionRequestTest::theCasesDeceasedTellsTheRelations() {
    QFETCH(QString, cases);
    QFETCH(int, sex);
    QFETCH(QString, outcome);
    DivisionRequest request = requestOf(u"AnakPria=2"_s, cases);
    if (sex >= 0)
        request.deceased.emplace().sex = static_cast<Sex>(sex);
    const DivisionOutcome divided = divide(request);
    if (const auto* error = std::get_if<FaraidError>(&divided))
        QCOMPARE(error->message, outcome);
    else
        QCOMPARE(summaryOf(*std::get<DividedEstate>(divided).special), outcome);
}

void DivisionRequestTest::anOnlyUnbornChildIsAnHeir() {
    DivisionRequest request = requestOf(u"-"_s, u"unborn=child"_s);
    QCOMPARE(check(request), std::nullopt);
    request.special.unborn.reset();
    QCOMPARE(check(request)->message, u"Belum ada ahli waris yang dipilih."_s);
}

QTEST_GUILESS_MAIN(DivisionRequestTest)
#include "DivisionRequestTest.moc"
