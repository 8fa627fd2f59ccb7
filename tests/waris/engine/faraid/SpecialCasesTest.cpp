// The special cases of the full division: the worked cases of tests/data/special-cases.txt, the
// refusals, and a sweep of the invariants every special division keeps.

#include "waris/engine/faraid/SpecialCases.h"

#include "DataTable.h"
#include "SpecialCaseWords.h"
#include "waris/engine/faraid/OutcomeName.h"
#include "waris/engine/render/SpecialCasesText.h"

#include <QRegularExpression>
#include <QTest>

#include <set>

using namespace Qt::StringLiterals;
using namespace zw::waris;
using zw::test::specialOf;

namespace {

QString personsOf(const SpecialResult& r) {
    QStringList parts;
    for (const SpecialPerson& p : r.persons) {
        if (!p.died)
            parts.append(p.name % u' ' % p.share.toString());
    }
    return parts.join(u", "_s);
}

QString summaryOf(const SpecialResult& r) {
    QStringList parts;
    if (!r.deaths.empty())
        parts.append(u"jamiah "_s % QString::number(r.jamiah));
    if (!r.outcomes.empty())
        parts.append(u"held "_s % r.held.toString());
    return parts.isEmpty() ? u"-"_s : parts.join(u' ');
}

// "0/AnakPria/0/s/1": estate, kind, branch, sons or daughters, number.
QString keyText(const PersonKey& key) {
    return QString::number(key.estate) % u'/' % heirInfo(key.kind).identifier % u'/' %
           QString::number(key.branch) % (key.daughters ? u"/d/"_s : u"/s/"_s) %
           QString::number(key.number);
}

// The invariants of a special division; empty when they hold.
QString checkInvariants(const SpecialResult& r) {
    Fraction total = r.held + r.treasury;
    std::set<QString> names;
    for (const SpecialPerson& p : r.persons) {
        if (!names.insert(p.name).second)
            return p.name % u" twice"_s;
        if (p.share < Fraction(0))
            return p.name % u" below nothing"_s;
        total += p.share;
        if (!r.deaths.empty() && !p.died && !(p.share * Fraction(r.jamiah) == Fraction(p.parts)))
            return p.name % u" not whole in the common base"_s;
    }
    if (total != Fraction(1))
        return u"shares and held add up to "_s % total.toString();
    if (r.held < Fraction(0))
        return u"negative hold"_s;
    for (const SpecialOutcome& o : r.outcomes) {
        Fraction sum = o.treasury;
        for (std::size_t i = 0; i < o.shares.size(); ++i) {
            sum += o.shares[i];
            if (!r.held.isZero() && o.shares[i] < r.persons[i].share)
                return outcomeName(o.fates) % u": "_s % r.persons[i].name %
                       u" below what was given"_s;
        }
        if (sum != Fraction(1))
            return outcomeName(o.fates) % u" adds up to "_s % sum.toString();
    }
    if (r.first.money) {
        zw::Rupiah amounts = r.heldAmount + r.treasuryAmount;
        for (const SpecialPerson& p : r.persons)
            amounts += p.amount;
        if (amounts != r.first.money->net)
            return u"amounts do not add up to the net estate"_s;
        for (const SpecialOutcome& o : r.outcomes) {
            zw::Rupiah sum = o.treasuryAmount;
            for (const zw::Rupiah a : o.amounts)
                sum += a;
            if (sum != r.first.money->net)
                return outcomeName(o.fates) % u": amounts do not add up"_s;
        }
    }
    return {};
}

} // namespace

class SpecialCasesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedCase_data();
    void workedCase();
    void badInputIsRefused_data();
    void badInputIsRefused();
    void theCaseIsWorded_data();
    void theCaseIsWorded();
    void everyPersonCarriesItsKey_data();
    void everyPersonCarriesItsKey();
    void amountsAddUpWithTheHeld_data();
    void amountsAddUpWithTheHeld();
    void everySelectionKeepsTheInvariants_data();
    void everySelectionKeepsTheInvariants();
};

void SpecialCasesTest::workedCase_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("cases");
    QTest::addColumn<QString>("persons");
    QTest::addColumn<QString>("summary");
    for (const QStringList& row : zw::test::dataTable(u"special-cases.txt"_s, 5))
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3] << row[4];
}

void SpecialCasesTest::workedCase() {
    QFETCH(QString, heirs);
    QFETCH(QString, cases);
    QFETCH(QString, persons);
    QFETCH(QString, summary);
    const SpecialOutcomeOrError divided = divideSpecial(specialOf(heirs, cases));
    if (const auto* error = std::get_if<FaraidError>(&divided))
        QFAIL(qPrintable(error->message));
    const auto& result = std::get<SpecialResult>(divided);
    QCOMPARE(personsOf(result), persons);
    QCOMPARE(summaryOf(result), summary);
    QCOMPARE(checkInvariants(result), QString());
    QVERIFY(!result.deaths.empty() || !result.outcomes.empty() || !result.notes.empty());
}

void SpecialCasesTest::badInputIsRefused_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("cases");
    QTest::addColumn<QString>("message");
    QTest::newRow("a later death of a kind not among the heirs")
        << u"Istri AnakPria"_s << u"then=Bapak=AnakPria"_s
        << u"Bapak yang meninggal kemudian tidak ada di antara ahli waris."_s;
    QTest::newRow("the third of two sons dies later")
        << u"Istri AnakPria=2"_s << u"then=AnakPria:3=SaudaraPriaSekandung"_s
        << u"Anak Pria ke-3 yang meninggal kemudian tidak ada (hanya 2 orang)."_s;
    QTest::newRow("the same son dies twice")
        << u"Istri AnakPria=2"_s
        << u"then=AnakPria=SaudaraPriaSekandung then=AnakPria=SaudaraPriaSekandung"_s
        << u"Anak Pria 1 disebut meninggal kemudian lebih dari sekali."_s;
    QTest::newRow("a dead son's father is the deceased himself")
        << u"Istri AnakPria"_s << u"then=AnakPria=Bapak,Ibu"_s
        << u"Ahli waris Anak Pria: Bapak adalah pewaris pertama, yang telah meninggal."_s;
    QTest::newRow("a dead grandson's paternal grandmother is the deceased herself")
        << u"Suami CucuPria"_s << u"then=CucuPria=NenekDariBapak"_s
        << u"Ahli waris Cucu Pria: Nenek dari Bapak adalah pewaris pertama, yang telah "
           u"meninggal."_s;
    QTest::newRow("a dead son leaves a husband")
        << u"Istri AnakPria"_s << u"then=AnakPria=Suami"_s
        << u"Ahli waris Anak Pria: seorang pria tidak meninggalkan suami."_s;
    QTest::newRow("the missing son cannot die later")
        << u"Istri AnakPria=2"_s << u"missing=AnakPria then=AnakPria:2=Ibu"_s
        << u"Anak Pria ke-2 hilang; yang hilang tidak diketahui kapan meninggal, maka tidak dapat "
           u"disebut meninggal kemudian."_s;
    QTest::newRow("a later death leaving husband and wife")
        << u"Ibu AnakPria"_s << u"then=AnakPria=Suami,Istri"_s
        << u"Ahli waris Anak Pria: Suami dan istri tidak dapat bersama-sama menjadi ahli waris."_s;
    QTest::newRow("an unborn grandchild beside a son")
        << u"AnakPria"_s << u"unborn=grandchild"_s
        << u"Kandungan cucu tidak mewarisi selama ada Anak Pria; tidak ada yang perlu "
           u"ditangguhkan."_s;
    QTest::newRow("an unborn grandchild under KHI")
        << u"Istri AnakWanita"_s << u"unborn=grandchild law=khi"_s
        << u"Dalam KHI cucu mewarisi sebagai ahli waris pengganti anak yang meninggal lebih "
           u"dahulu (Pasal 185), bukan sebagai kandungan cucu."_s;
    QTest::newRow("an unborn full brother beside the father")
        << u"Bapak Ibu"_s << u"unborn=full-sibling"_s
        << u"Kandungan saudara tidak mewarisi selama ada Bapak; tidak ada yang perlu "
           u"ditangguhkan."_s;
    QTest::newRow("an unborn uterine sister beside a daughter")
        << u"Ibu AnakWanita"_s << u"unborn=uterine-sibling"_s
        << u"Kandungan saudara tidak mewarisi selama ada Anak Wanita; tidak ada yang perlu "
           u"ditangguhkan."_s;
    QTest::newRow("five unborn") << u"Istri"_s << u"unborn=child max=5"_s
                                 << u"Jumlah bayi dalam kandungan yang diperhitungkan harus "
                                    u"antara 1 dan 4."_s;
    QTest::newRow("the Hanafi reserve with two unborn")
        << u"Istri"_s << u"unborn=child reserve=hanafi max=2"_s
        << u"Cadangan Hanafi menahan bagian satu anak; jumlah bayi tidak dapat diubah."_s;
    QTest::newRow("two missing of one brother")
        << u"Ibu SaudaraPriaSekandung"_s << u"missing=SaudaraPriaSekandung:2"_s
        << u"Ahli waris yang hilang: Saudara Pria Sekandung hanya 1 orang."_s;
    QTest::newRow("an intersex father") << u"Bapak AnakPria"_s << u"intersex=Bapak"_s
                                        << u"Khuntsa hanya anak, cucu atau saudara."_s;
    QTest::newRow("the intersex son is the missing one")
        << u"Istri AnakPria"_s << u"missing=AnakPria intersex=AnakPria"_s
        << u"Khuntsa harus salah satu Anak Pria yang dimasukkan dan tidak hilang."_s;
    QTest::newRow("the son who died with the deceased cannot die after him")
        << u"Istri AnakPria=2"_s << u"together=AnakPria then=AnakPria:2=SaudaraPriaSekandung"_s
        << u"Anak Pria ke-2 yang meninggal kemudian tidak ada (hanya 1 orang)."_s;
    QTest::newRow("more died together than there are")
        << u"Istri AnakPria"_s << u"together=AnakPria:2"_s
        << u"Yang meninggal bersama pewaris: Anak Pria hanya 1 orang."_s;
    QTest::newRow("too many outcomes")
        << u"Istri AnakPria=9 SaudaraPriaSekandung=9"_s
        << u"unborn=child max=4 missing=AnakPria:9 intersex=SaudaraPriaSekandung"_s
        << u"Terlalu banyak kemungkinan untuk dihitung (lebih dari 64)."_s;
    QTest::newRow("many missing kinds are counted before they are divided")
        << u"AnakPria=99 AnakWanita=99 CucuPria=99 CucuWanita=99 SaudaraPriaSekandung=99"_s
        << u"missing=AnakPria:99 missing=AnakWanita:99 missing=CucuPria:99 missing=CucuWanita:99 "
           u"missing=SaudaraPriaSekandung:99"_s
        << u"Terlalu banyak kemungkinan untuk dihitung (lebih dari 64)."_s;
}

void SpecialCasesTest::badInputIsRefused() {
    QFETCH(QString, heirs);
    QFETCH(QString, cases);
    QFETCH(QString, message);
    const SpecialOutcomeOrError divided = divideSpecial(specialOf(heirs, cases));
    QVERIFY(std::holds_alternative<FaraidError>(divided));
    QCOMPARE(std::get<FaraidError>(divided).message, message);
}

// One sentence of the notes or the working, written from the numbers the division keeps.
void SpecialCasesTest::theCaseIsWorded_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("cases");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("the Hanafi view names the khuntsa's lesser outcome")
        << u"Ibu AnakPria AnakWanita"_s << u"intersex=AnakWanita view=hanafi"_s
        << u"Pandangan Hanafi: khuntsa menerima bagian yang lebih kecil (khuntsa sebagai wanita), "
           u"ahli waris lain mengikutinya; tidak ada yang ditangguhkan."_s;
    QTest::newRow("two sons who died with the deceased are counted")
        << u"Istri AnakPria=3 Bapak"_s << u"together=AnakPria:2"_s
        << u"2 Anak Pria meninggal bersama pewaris tanpa diketahui siapa yang lebih dahulu; "
           u"mereka tidak saling mewarisi, maka tidak dihitung sebagai ahli waris."_s;
    QTest::newRow("a dead daughter's sisters are both of the first division")
        << u"Istri=2 AnakWanita=3 AnakPria"_s
        << u"then=AnakWanita=Ibu,SaudaraWanitaSekandung=2,SaudaraPriaSeBapak"_s
        << u"Saudara Wanita Sekandung dari Anak Wanita 1 adalah Anak Wanita 2, Anak Wanita 3 pada "
           u"pembagian pertama."_s;
    QTest::newRow("the outcome where the missing daughter died gives the treasury half")
        << u"Suami AnakWanita"_s << u"missing=AnakWanita"_s
        << u"Bila Anak Wanita yang hilang telah meninggal: Suami 1/2, Baitul Mal 1/2."_s;
    QTest::newRow("several missing sons are counted alive")
        << u"Istri AnakPria=3 AnakWanita=2"_s << u"missing=AnakPria:2"_s
        << u"Bila 0 dari 2 Anak Pria yang hilang masih hidup: Anak Pria 1 7/16, Istri 1/8, Anak "
           u"Wanita 1 7/32, Anak Wanita 2 7/32."_s;
    QTest::newRow("an unborn grandchild is born a granddaughter")
        << u"Istri Ibu AnakWanita Bapak"_s << u"unborn=grandchild reserve=shafii"_s
        << u"Bila lahir 1 cucu wanita: Bapak 4/27, Istri 1/9, Ibu 4/27, Anak Wanita 4/9, "
           u"Kandungan 4/27."_s;
    QTest::newRow("what is given now names everyone, the unborn's nothing too")
        << u"Istri Ibu AnakWanita Bapak"_s << u"unborn=grandchild reserve=shafii"_s
        << u"Yang diberikan sekarang: Bapak 4/27, Istri 1/9, Ibu 4/27, Anak Wanita 4/9, "
           u"Kandungan 0; ditangguhkan 4/27."_s;
    QTest::newRow("the parts divide by the base, which stays")
        << u"Suami Ibu AnakPria AnakWanita"_s << u"then=Suami=AnakPria,AnakWanita"_s
        << u"Perbandingan pembagian ke-2: bagian 9 habis dibagi asal masalah 3, jami'ah tetap "
           u"36."_s;
    QTest::newRow("the parts and the base agree by 4: the base doubles")
        << u"Istri Bapak AnakPria"_s << u"then=Bapak=Istri=2,Ibu"_s
        << u"Perbandingan pembagian ke-2: bagian 4 dan asal masalah 8 sepadan (tawafuq) dengan "
           u"faktor 4, jami'ah 24 × 2 = 48."_s;
    QTest::newRow("the parts equal the base")
        << u"Suami Bapak"_s << u"then=Suami=AnakPria then=Bapak=Ibu,Istri"_s
        << u"Perbandingan pembagian ke-2: bagian 1 sama dengan asal masalah 1 (tamatsul), "
           u"jami'ah tetap 2."_s;
    QTest::newRow("the second death's base differs: the base grows by all of it")
        << u"Suami Bapak"_s << u"then=Suami=AnakPria then=Bapak=Ibu,Istri"_s
        << u"Perbandingan pembagian ke-3: bagian 1 dan asal masalah 4 berbeda (tabayun), jami'ah "
           u"2 × 4 = 8."_s;
    QTest::newRow("no one left when the only son died with the deceased")
        << u"AnakPria"_s << u"together=AnakPria"_s
        << u"Bila tidak ada ahli waris sama sekali, harta diserahkan ke Baitul Mal (Pasal 191 "
           u"KHI)."_s;
    QTest::newRow("the only heir missing and dead leaves all to the treasury")
        << u"AnakPria"_s << u"missing=AnakPria"_s
        << u"Bila Anak Pria yang hilang telah meninggal: Baitul Mal 1."_s;
    QTest::newRow("a later death that a missing heir would inherit is divided in each outcome")
        << u"Istri AnakPria=2"_s << u"missing=AnakPria then=AnakPria=Ibu,SaudaraPriaSekandung"_s
        << u"Harta ahli waris yang meninggal kemudian dibagi lagi pada setiap kemungkinan; "
           u"pembagiannya di bawah adalah untuk kemungkinan pertama, dan jami'ah akhir membuat "
           u"bulat bagian yang diberikan sekarang."_s;
    QTest::newRow("the Hanafi khuntsa beside the unborn takes the lesser in each outcome")
        << u"Istri AnakPria=2"_s << u"unborn=child intersex=AnakPria view=hanafi"_s
        << u"Pandangan Hanafi: pada setiap kemungkinan lainnya khuntsa menerima bagian yang lebih "
           u"kecil dari kedua jenis kelamin dan ahli waris lain mengikutinya; yang bergantung pada "
           u"kemungkinan lain ditangguhkan."_s;
    QTest::newRow("the mean of the khuntsa beside a missing son")
        << u"Istri AnakPria=2 AnakWanita"_s
        << u"missing=AnakPria intersex=AnakWanita view=average"_s
        << u"Bila Anak Pria yang hilang telah meninggal; khuntsa rata-rata sebagai pria dan "
           u"wanita: Anak Pria 1 49/96, Istri 1/8, Khuntsa (Anak Wanita) 35/96."_s;
    QTest::newRow("an unborn paternal sister brings the 'aul to 9")
        << u"Suami Ibu SaudaraPriaSeIbu=2"_s << u"unborn=paternal-sibling"_s
        << u"Bila lahir 1 saudara wanita se-bapak: Suami 1/3, Saudara Pria Se-Ibu 1 1/9, "
           u"Saudara Pria Se-Ibu 2 1/9, Ibu 1/9, Kandungan 1/3."_s;
    QTest::newRow("the mother's son is the deceased's brother")
        << u"Ibu SaudaraPriaSekandung=2 SaudaraWanitaSekandung"_s
        << u"then=Ibu=AnakPria=2,AnakWanita"_s
        << u"Anak Pria dari Ibu adalah Saudara Pria Sekandung 1, Saudara Pria Sekandung 2 pada "
           u"pembagian pertama."_s;
    QTest::newRow("the merged division in parts of the common base")
        << u"Istri AnakPria AnakWanita"_s << u"then=AnakPria=Ibu,SaudaraWanitaSekandung"_s
        << u"Jami'ah 120: Istri 43, Anak Wanita 77."_s;
}

void SpecialCasesTest::theCaseIsWorded() {
    QFETCH(QString, heirs);
    QFETCH(QString, cases);
    QFETCH(QString, sentence);
    const SpecialOutcomeOrError divided = divideSpecial(specialOf(heirs, cases));
    if (const auto* error = std::get_if<FaraidError>(&divided))
        QFAIL(qPrintable(error->message));
    const auto& result = std::get<SpecialResult>(divided);
    const QStringList words = specialNotes(result) + specialSteps(result);
    if (!words.contains(sentence))
        QFAIL(qPrintable(u"not among:\n"_s % words.join(u'\n')));
}

// The key of every person, living or dead, in the order of the persons: what a case's names are
// found by.
void SpecialCasesTest::everyPersonCarriesItsKey_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("cases");
    QTest::addColumn<QString>("keys");
    QTest::newRow("the missing last of their kind, the khuntsa number 0")
        << u"Istri AnakPria=3"_s << u"missing=AnakPria intersex=AnakPria"_s
        << u"0/AnakPria/0/s/1 0/AnakPria/0/s/2 0/Istri/0/s/1 0/AnakPria/0/s/0"_s;
    QTest::newRow("the unborn apart from a khuntsa son")
        << u"Istri AnakPria"_s << u"unborn=child intersex=AnakPria"_s
        << u"0/Istri/0/s/1 0/AnakPria/0/d/0 0/AnakPria/0/s/0"_s;
    QTest::newRow("a predeceased son's children counted as grandsons keep their branch")
        << u"Istri CucuPria"_s << u"pre=SaudaraPriaSekandung:1,0 pre=AnakPria:2,1 unborn=child"_s
        << u"0/CucuPria/0/s/1 0/AnakPria/2/s/1 0/AnakPria/2/s/2 0/SaudaraPriaSekandung/1/s/1 "
           u"0/Istri/0/s/1 0/AnakPria/2/d/1 0/AnakPria/0/d/0"_s;
    QTest::newRow("KHI substitutes in their branch")
        << u"Istri AnakPria"_s << u"pre=AnakPria:1,2 missing=AnakPria law=khi"_s
        << u"0/AnakPria/0/s/1 0/AnakPria/1/s/1 0/AnakPria/1/d/1 0/AnakPria/1/d/2 0/Istri/0/s/1"_s;
    QTest::newRow("those who died together are left out before numbering")
        << u"Istri AnakPria=3"_s << u"together=AnakPria then=AnakPria:2=Ibu,SaudaraPriaSekandung"_s
        << u"0/AnakPria/0/s/1 0/AnakPria/0/s/2 0/Istri/0/s/1"_s;
    QTest::newRow("a later death's new heir numbered after those matched")
        << u"Ibu SaudaraPriaSekandung"_s << u"then=Ibu=AnakPria=2,Suami"_s
        << u"0/SaudaraPriaSekandung/0/s/1 0/Ibu/0/s/1 1/Suami/0/s/1 1/AnakPria/0/s/2"_s;
    QTest::newRow("the second death's heirs in its own estate")
        << u"Suami AnakPria"_s << u"then=Suami=Istri,AnakPria then=AnakPria=Istri=2"_s
        << u"0/Suami/0/s/1 0/AnakPria/0/s/1 1/Istri/0/s/1 2/Istri/0/s/1 2/Istri/0/s/2"_s;
}

void SpecialCasesTest::everyPersonCarriesItsKey() {
    QFETCH(QString, heirs);
    QFETCH(QString, cases);
    QFETCH(QString, keys);
    const SpecialOutcomeOrError divided = divideSpecial(specialOf(heirs, cases));
    if (const auto* error = std::get_if<FaraidError>(&divided))
        QFAIL(qPrintable(error->message));
    QStringList all;
    std::set<PersonKey> distinct;
    for (const SpecialPerson& p : std::get<SpecialResult>(divided).persons) {
        all.append(keyText(p.key));
        distinct.insert(p.key);
    }
    QCOMPARE(all.join(u' '), keys);
    QCOMPARE(distinct.size(), static_cast<std::size_t>(all.size()));
}

void SpecialCasesTest::amountsAddUpWithTheHeld_data() {
    QTest::addColumn<QString>("heirs");
    QTest::addColumn<QString>("cases");
    QTest::addColumn<QString>("amounts"); // each person's amount, then the treasury and the held
    QTest::newRow("pregnant widow beside both parents: the held takes the odd sen")
        << u"Istri Bapak Ibu"_s << u"unborn=child estate=1000000"_s
        << u"148148.15 111111.11 148148.15 0.00 | 0.00 592592.59"_s;
    QTest::newRow("a son dies leaving his mother and sister: each estate's part in sen")
        << u"Istri AnakPria AnakWanita"_s
        << u"then=AnakPria=Ibu,SaudaraWanitaSekandung estate=100"_s
        << u"0.00+0.00 12.50+23.33 29.17+35.00 | 0.00 0.00"_s;
    QTest::newRow("lone wife's missing son: nothing is certain for the treasury")
        << u"Istri AnakPria"_s << u"missing=AnakPria estate=10.01"_s << u"0.00 1.25 | 0.00 8.76"_s;
}

void SpecialCasesTest::amountsAddUpWithTheHeld() {
    QFETCH(QString, heirs);
    QFETCH(QString, cases);
    QFETCH(QString, amounts);
    const SpecialOutcomeOrError divided = divideSpecial(specialOf(heirs, cases));
    if (const auto* error = std::get_if<FaraidError>(&divided))
        QFAIL(qPrintable(error->message));
    const auto& r = std::get<SpecialResult>(divided);
    QStringList persons;
    for (const SpecialPerson& p : r.persons) {
        QStringList from;
        for (const zw::Rupiah a : p.amountsFrom)
            from.append(a.toPlainDecimal());
        persons.append(from.join(u'+'));
    }
    QCOMPARE(persons.join(u' ') % u" | "_s % r.treasuryAmount.toPlainDecimal() % u' ' %
                 r.heldAmount.toPlainDecimal(),
             amounts);
    QCOMPARE(checkInvariants(r), QString());
}

void SpecialCasesTest::everySelectionKeepsTheInvariants_data() {
    QTest::addColumn<QString>("cases");
    QTest::newRow("unborn child, two") << u"unborn=child"_s;
    QTest::newRow("unborn child, four, Shafi'i") << u"unborn=child max=4 reserve=shafii"_s;
    QTest::newRow("missing brother") << u"missing=SaudaraPriaSekandung"_s;
    QTest::newRow("intersex daughter") << u"intersex=AnakWanita"_s;
    QTest::newRow("intersex sister, the mean") << u"intersex=SaudaraWanitaSeBapak view=average"_s;
    QTest::newRow("unborn child and a missing son under KHI")
        << u"unborn=child missing=AnakPria law=khi"_s;
    QTest::newRow("the wife then a son die")
        << u"then=Istri=AnakPria,AnakWanita,Bapak then=AnakPria=SaudaraPriaSekandung,Ibu"_s;
    QTest::newRow("unborn child and a son who dies later")
        << u"unborn=child then=AnakPria=Ibu,SaudaraPriaSekandung,SaudaraWanitaSekandung"_s;
    QTest::newRow("missing brother and the wife who dies later")
        << u"missing=SaudaraPriaSekandung then=Istri=AnakPria,AnakWanita,Suami"_s;
    QTest::newRow("intersex daughter beside the unborn, Hanafi")
        << u"intersex=AnakWanita unborn=child view=hanafi"_s;
    QTest::newRow("intersex daughter beside a missing son, the mean")
        << u"intersex=AnakWanita missing=AnakPria view=average"_s;
    QTest::newRow("every state at once under KHI")
        << u"unborn=child missing=SaudaraPriaSekandung intersex=AnakWanita together=AnakPria "
           u"then=Istri=AnakPria,AnakWanita law=khi"_s;
}

// Every selection of a sample, with a wife, a son, a daughter, a brother, a paternal sister and
// the father always among the heirs so that each case applies; amounts on an odd estate.
void SpecialCasesTest::everySelectionKeepsTheInvariants() {
    QFETCH(QString, cases);
    const HeirSet always{HeirKind::Istri, HeirKind::AnakPria, HeirKind::AnakWanita,
                         HeirKind::SaudaraPriaSekandung, HeirKind::SaudaraWanitaSeBapak};
    const std::uint32_t step = qEnvironmentVariableIsSet("ZW_SANITIZED") ? 16381 : 4099;
    SpecialInput special = specialOf(QString(), cases);
    for (std::uint32_t choice = 0; choice < std::uint32_t{1} << HeirKindCount; choice += step) {
        const HeirSet ticked = (HeirSet::fromBits(choice) - HeirSet{HeirKind::Suami}) | always;
        for (int k = 0; k < HeirKindCount; ++k) {
            const HeirKind kind = heirKind(k);
            special.input.counts[kind] =
                ticked.contains(kind) ? (heirInfo(kind).several ? 1 + int(choice % 3) : 1) : 0;
        }
        if (special.input.law == Law::Khi)
            special.input.counts[HeirKind::CucuPria] = special.input.counts[HeirKind::CucuWanita] =
                0;
        special.input.estate = zw::Rupiah::fromSen(987'654'321 + choice);
        const SpecialOutcomeOrError divided = divideSpecial(special);
        if (const auto* error = std::get_if<FaraidError>(&divided))
            QFAIL(qPrintable(QString::number(choice) % u": "_s % error->message));
        if (const QString problem = checkInvariants(std::get<SpecialResult>(divided));
            !problem.isEmpty())
            QFAIL(qPrintable(QString::number(choice) % u": "_s % problem));
    }
}

QTEST_GUILESS_MAIN(SpecialCasesTest)
#include "SpecialCasesTest.moc"
