// A case's persons read into the division's request: the counts, branches and special cases with
// who each counted person is, the way back for a request of counts, and the relationships refused.

#include "KasusCases.h"
#include "waris/engine/kasus/KasusRequest.h"

#include <QTest>

using namespace zw;
using namespace zw::waris;
using namespace zw::waris::test;

Q_DECLARE_METATYPE(zw::waris::Kasus)

namespace {

DivisionRequest requestOf(const Kasus& kasus) {
    auto read = kasusRequest(kasus);
    if (const auto* error = std::get_if<FaraidError>(&read))
        qFatal("refused: %s", qPrintable(error->message));
    return std::get<DivisionRequest>(std::move(read));
}

} // namespace

class KasusTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void requestFromCase_data();
    void requestFromCase();
    void caseFromRequestGivesItBack_data();
    void caseFromRequestGivesItBack();
    void everyCaseDivides_data();
    void everyCaseDivides();
    void caseOfCountsNamesByKindAndNumber();
    void impossibleRelationshipIsRefused_data();
    void impossibleRelationshipIsRefused();
};

void KasusTest::requestFromCase_data() {
    QTest::addColumn<Kasus>("kasus");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("names");
    for (const KasusCase& c : kasusCases())
        QTest::newRow(c.name) << c.kasus << c.request << c.names;
}

void KasusTest::requestFromCase() {
    QFETCH(Kasus, kasus);
    QFETCH(QString, request);
    QFETCH(QString, names);
    kasus.deceased.particulars.name = u"Almarhum"_s;
    const DivisionRequest read = requestOf(kasus);
    QCOMPARE(describe(read), request);
    QCOMPARE(describeNames(read.names), names);
    QVERIFY(read.deceased);
    QCOMPARE(read.deceased->particulars.name, u"Almarhum"_s);
}

void KasusTest::caseFromRequestGivesItBack_data() {
    requestFromCase_data();
}

// The names come back too: the case of a request takes the particulars its names give.
void KasusTest::caseFromRequestGivesItBack() {
    QFETCH(Kasus, kasus);
    const DivisionRequest request = requestOf(kasus);
    const DivisionRequest back = requestOf(kasusFromRequest(request));
    QCOMPARE(describe(back), describe(request));
    QCOMPARE(describeNames(back.names), describeNames(request.names));
}

void KasusTest::everyCaseDivides_data() {
    requestFromCase_data();
}

void KasusTest::everyCaseDivides() {
    QFETCH(Kasus, kasus);
    const DivisionOutcome outcome = divide(requestOf(kasus));
    if (const auto* error = std::get_if<FaraidError>(&outcome))
        QFAIL(qPrintable(error->message));
    QCOMPARE(std::get<DividedEstate>(outcome).names.all().size(),
             requestOf(kasus).names.all().size());
}

// The command line's counts saved as a case: a predeceased son numbered after the living ones,
// his children and a later death's heirs named after him.
void KasusTest::caseOfCountsNamesByKindAndNumber() {
    DivisionRequest request;
    request.input.law = Law::Khi;
    request.input.counts[Istri] = 1;
    request.input.counts[AnakPria] = 2;
    request.input.predeceased = {{AnakPria, 1, 2}};
    request.special.deaths.push_back({Istri, 1, {}});
    request.special.deaths.back().heirs[Ibu] = 1;
    const Kasus kasus = kasusFromRequest(request);
    QStringList names;
    for (const Person& p : kasus.persons)
        names.append(p.particulars.name % u'#' % QString::number(p.of));
    QCOMPARE(names.join(u", "_s),
             u"Anak Pria 1#0, Anak Pria 2#0, Istri#0, Anak Pria 3#0, Anak Pria dari Anak Pria 3#4, "
             u"Anak Wanita 1 dari Anak Pria 3#4, Anak Wanita 2 dari Anak Pria 3#4, Ibu dari "
             u"Istri#3"_s);
    QCOMPARE(kasus.persons[2].state, DiedLater);
    QCOMPARE(kasus.persons[3].state, Predeceased);
}

void KasusTest::impossibleRelationshipIsRefused_data() {
    QTest::addColumn<Kasus>("kasus");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const Kasus& kasus, const QString& message) {
        QTest::newRow(name) << kasus << message;
    };
    std::vector<Person> crowd;
    for (int id = 1; id <= MaxKasusPersons + 1; ++id)
        crowd.push_back(person(id, QString(), AnakPria));
    row("more than five hundred persons", kasusOf(crowd), u"Kasus paling banyak 500 orang."_s);
    row("an id of nought", kasusOf({person(0, u"Ahmad"_s, AnakPria)}),
        u"Orang ke-1 (Ahmad): nomor orang harus bilangan bulat positif."_s);
    row("an id twice", kasusOf({person(1, u"Ahmad"_s, AnakPria), person(1, u"Budi"_s, AnakPria)}),
        u"Orang ke-2 (Budi): nomor 1 sudah dipakai orang ke-1 (Ahmad)."_s);
    row("a husband of a man", kasusOf({person(1, u"Ali"_s, Suami)}),
        u"Orang ke-1 (Ali): pewaris laki-laki, tidak mempunyai suami."_s);
    row("a name over two lines", kasusOf({person(1, u"Ali\nbin Umar"_s, Suami)}),
        u"Orang ke-1 (Ali bin Umar): pewaris laki-laki, tidak mempunyai suami."_s);
    row("a wife of a woman", kasusOf({person(1, u"Siti"_s, Istri)}, Sex::Female),
        u"Orang ke-1 (Siti): pewaris perempuan, tidak mempunyai istri."_s);
    row("two fathers", kasusOf({person(1, u"Umar"_s, Bapak), person(2, QString(), Bapak)}),
        u"Orang ke-2: pewaris hanya mempunyai satu Bapak."_s);
    row("two mothers", kasusOf({person(1, u"A"_s, Ibu), person(2, u"B"_s, Ibu)}),
        u"Orang ke-2 (B): pewaris hanya mempunyai satu Ibu."_s);
    row("two husbands",
        kasusOf({person(1, u"A"_s, Suami), person(2, u"B"_s, Suami, DiedTogether)}, Sex::Female),
        u"Orang ke-2 (B): pewaris hanya mempunyai satu Suami."_s);
    row("a fifth wife",
        kasusOf({person(1, u"A"_s, Istri), person(2, u"B"_s, Istri), person(3, u"C"_s, Istri),
                 person(4, u"D"_s, Istri), person(5, u"E"_s, Istri)}),
        u"Orang ke-5 (E): istri kelima; istri paling banyak empat."_s);
    row("a substitute of a living son",
        kasusOf({person(1, u"Ahmad"_s, AnakPria), person(2, u"Cucu"_s, AnakPria, Living, 1)}),
        u"Orang ke-2 (Cucu): orang ke-1 (Ahmad) tidak meninggal lebih dahulu atau kemudian; "
        u"hanya yang meninggal mempunyai pengganti atau ahli waris."_s);
    row("a predeceased father",
        kasusOf(
            {person(1, u"Umar"_s, Bapak, Predeceased), person(2, u"Paman"_s, AnakPria, Living, 1)}),
        u"Orang ke-1 (Umar): Bapak yang meninggal lebih dahulu tidak mempunyai pengganti."_s);
    row("a predeceased son's wife",
        kasusOf(
            {person(1, u"Yusuf"_s, AnakPria, Predeceased), person(2, u"Dewi"_s, Istri, Living, 1)}),
        u"Orang ke-2 (Dewi): anak dari orang ke-1 (Yusuf) harus Anak Pria atau Anak Wanita."_s);
    row("a later death of a later heir",
        kasusOf(
            {person(1, u"Siti"_s, Istri, DiedLater), person(2, u"Fatimah"_s, Ibu, DiedLater, 1)}),
        u"Orang ke-2 (Fatimah): hanya ahli waris pewaris yang dapat meninggal kemudian."_s);
    row("a missing substitute",
        kasusOf({person(1, u"Yusuf"_s, AnakPria, Predeceased),
                 person(2, u"Rahmat"_s, AnakPria, Missing, 1)}),
        u"Orang ke-2 (Rahmat): pengganti dan ahli waris dari yang meninggal kemudian hanya dapat "
        u"dicatat hidup."_s);
    row("of an unknown id", kasusOf({person(1, u"Rahmat"_s, AnakPria, Living, 9)}),
        u"Orang ke-1 (Rahmat): orang yang dirujuk (nomor 9) tidak ada."_s);
    row("of itself", kasusOf({person(1, u"Rahmat"_s, AnakPria, Predeceased, 1)}),
        u"Orang ke-1 (Rahmat): merujuk dirinya sendiri."_s);
    row("of in a circle",
        kasusOf({person(1, u"A"_s, AnakPria, Predeceased, 2),
                 person(2, u"B"_s, AnakPria, DiedLater, 1)}),
        u"Orang ke-1 (A): merujuk orang ke-2 (B), yang sendiri merujuk orang lain."_s);
    row("same as beside no later death",
        kasusOf({person(1, u"A"_s, AnakPria), person(2, u"B"_s, AnakPria, Living, 0, 1)}),
        u"Orang ke-2 (B): 'sama dengan' hanya untuk ahli waris dari yang meninggal kemudian."_s);
    row("same as an unknown id",
        kasusOf({person(1, u"Ali"_s, Suami, DiedLater), person(2, u"B"_s, AnakPria, Living, 1, 7)},
                Sex::Female),
        u"Orang ke-2 (B): orang yang dirujuk (nomor 7) tidak ada."_s);
    row("same as itself",
        kasusOf({person(1, u"Ali"_s, Suami, DiedLater), person(2, u"B"_s, AnakPria, Living, 1, 2)},
                Sex::Female),
        u"Orang ke-2 (B): sama dengan dirinya sendiri."_s);
    row("same as the one who died",
        kasusOf({person(1, u"Ali"_s, Suami, DiedLater), person(2, u"B"_s, AnakPria, Living, 1, 1)},
                Sex::Female),
        u"Orang ke-2 (B): sama dengan orang ke-1 (Ali), yang diwarisinya."_s);
    row("same as another's heir",
        kasusOf({person(1, u"Ali"_s, Suami, DiedLater), person(2, u"B"_s, AnakPria, Living, 1),
                 person(3, u"C"_s, AnakPria, Living, 1, 2)},
                Sex::Female),
        u"Orang ke-3 (C): sama dengan orang ke-2 (B), yang bukan ahli waris pewaris."_s);
    row("same as one who died first",
        kasusOf({person(1, u"Ali"_s, Suami, DiedLater), person(2, u"B"_s, AnakPria, Predeceased),
                 person(3, u"C"_s, AnakPria, Living, 1, 2)},
                Sex::Female),
        u"Orang ke-3 (C): sama dengan orang ke-2 (B), yang tidak dapat mewarisi."_s);
    row("one person twice among a dead man's heirs",
        kasusOf({person(1, u"Ali"_s, Suami, DiedLater), person(2, u"Budi"_s, AnakPria),
                 person(3, u"C"_s, AnakPria, Living, 1, 2),
                 person(4, u"D"_s, AnakPria, Living, 1, 2)},
                Sex::Female),
        u"Orang ke-4 (D): orang ke-2 (Budi) sudah disebut sebagai ahli waris orang ke-1 (Ali)."_s);
    row("a husband of a husband who died later",
        kasusOf({person(1, u"Ali"_s, Suami, DiedLater), person(2, u"X"_s, Suami, Living, 1)},
                Sex::Female),
        u"Orang ke-2 (X): orang ke-1 (Ali) laki-laki, tidak mempunyai suami."_s);
    row("two unborn",
        kasusOf({person(1, u"Siti"_s, Istri), person(2, u"A"_s, AnakPria, Unborn),
                 person(3, u"B"_s, AnakPria, Unborn)}),
        u"Orang ke-3 (B): hanya satu kandungan yang dapat dicatat; jumlah bayi diatur pada "
        u"kandungan."_s);
    row("an unborn father", kasusOf({person(1, u"A"_s, Bapak, Unborn)}),
        u"Orang ke-1 (A): kandungan hanya anak, cucu dari anak pria atau saudara."_s);
    row("two khuntsa",
        kasusOf(
            {person(1, u"A"_s, AnakPria, UnknownSex), person(2, u"B"_s, AnakWanita, UnknownSex)}),
        u"Orang ke-2 (B): hanya satu khuntsa yang dapat dihitung."_s);
    row("a khuntsa mother", kasusOf({person(1, u"A"_s, Ibu, UnknownSex)}),
        u"Orang ke-1 (A): khuntsa hanya anak, cucu atau saudara."_s);
    Kasus negative = kasusOf({person(1, u"A"_s, AnakPria)});
    negative.estateItems = {{u"Rumah"_s, Rupiah::fromSen(5)}, {u"Mobil"_s, Rupiah::fromSen(-5)}};
    row("an item of a negative value", negative,
        u"Rincian harta ke-2 (Mobil): nilai tidak boleh negatif."_s);
    Kasus large = kasusOf({person(1, u"A"_s, AnakPria)});
    large.estateItems = {{QString(), Rupiah::max()}, {QString(), Rupiah::fromSen(1)}};
    row("items above the largest amount", large,
        u"Jumlah rincian harta terlalu besar (paling banyak 999999999999999.99)."_s);
}

void KasusTest::impossibleRelationshipIsRefused() {
    QFETCH(Kasus, kasus);
    QFETCH(QString, message);
    const auto read = kasusRequest(kasus);
    QVERIFY(std::holds_alternative<FaraidError>(read));
    QCOMPARE(std::get<FaraidError>(read).message, message);
}

QTEST_GUILESS_MAIN(KasusTest)
#include "KasusTest.moc"
