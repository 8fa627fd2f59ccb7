#pragma once

// Cases as a clerk keeps them, each with the request its persons describe written out by hand:
// the special states, both laws, comparison, distant kin, predeceased branches and later deaths
// with heirs who are persons of the first division.

#include "waris/engine/faraid/DivisionRequest.h"
#include "waris/engine/faraid/FaraidChoices.h"
#include "waris/engine/kasus/Kasus.h"

#include <QStringList>

#include <vector>

namespace zw::waris::test {

using namespace Qt::StringLiterals;
using enum HeirKind;
using enum PersonState;

inline Person person(int id, const QString& name, HeirKind relation, PersonState state = Living,
                     int of = 0, int sameAs = 0) {
    Person p;
    p.id = id;
    p.particulars.name = name;
    p.relation = relation;
    p.state = state;
    p.of = of;
    p.sameAs = sameAs;
    return p;
}

inline Kasus kasusOf(std::vector<Person> persons, Sex sex = Sex::Male) {
    Kasus kasus;
    kasus.deceased.sex = sex;
    kasus.persons = std::move(persons);
    return kasus;
}

inline QString kindsText(const FaraidPerKind<int>& counts, QStringView joiner) {
    QStringList words;
    for (int k = 0; k < FaraidKindCount; ++k) {
        if (counts[k] != 0)
            words.append(heirInfo(heirKind(k)).identifier % u'=' % QString::number(counts[k]));
    }
    return words.join(joiner);
}

inline QString kindPersonsText(const std::vector<KindPersons>& list) {
    QStringList words;
    for (const KindPersons& persons : list)
        words.append(heirInfo(persons.kind).identifier % u':' % QString::number(persons.count));
    return words.join(u',');
}

// The request in a line: "AnakPria=2 Istri=1 law=khi pre=AnakPria:1,0 ...", the defaults left out.
inline QString describe(const DivisionRequest& r) {
    const FaraidInput& in = r.input;
    QStringList words{kindsText(in.counts, u" ")};
    if (in.law != Law::Classical)
        words.append(u"law="_s % choices::Laws.word(in.law));
    if (r.compare)
        words.append(u"compare"_s);
    for (const PredeceasedChild& child : in.predeceased)
        words.append(u"pre="_s % heirInfo(child.replaces).identifier % u':' %
                     QString::number(child.sons) % u',' % QString::number(child.daughters));
    for (const LaterDeath& death : r.special.deaths)
        words.append(u"dies="_s % heirInfo(death.kind).identifier % u':' %
                     QString::number(death.person) % u'=' % kindsText(death.heirs, u"+"));
    if (r.special.unborn)
        words.append(u"unborn="_s % choices::Unborn.word(*r.special.unborn));
    if (!r.special.missing.empty())
        words.append(u"missing="_s % kindPersonsText(r.special.missing));
    if (!r.special.diedTogether.empty())
        words.append(u"together="_s % kindPersonsText(r.special.diedTogether));
    if (r.special.intersex)
        words.append(u"intersex="_s % heirInfo(*r.special.intersex).identifier);
    if (r.special.unbornMax)
        words.append(u"max="_s % QString::number(*r.special.unbornMax));
    if (r.special.reserve != UnbornReserve::Hanbali)
        words.append(u"reserve="_s % choices::Reserve.word(r.special.reserve));
    if (r.special.intersexView != IntersexView::Shafii)
        words.append(u"view="_s % choices::Intersex.word(r.special.intersexView));
    if (in.options.distantKin != DistantKinRule::Tanzil)
        words.append(u"distant="_s % choices::DistantKin.word(in.options.distantKin));
    for (const auto& [name, amount] : {std::pair{u"estate", in.estate},
                                       {u"joint", in.jointProperty},
                                       {u"funeral", in.funeral},
                                       {u"zakat", in.zakat},
                                       {u"debts", in.debts},
                                       {u"bequest", in.bequest},
                                       {u"obligatory", in.obligatoryBequest}}) {
        if (amount)
            words.append(QString::fromUtf16(name) % u'=' % amount->toPlainDecimal());
    }
    return words.join(u' ');
}

// "0/AnakPria/1=Ahmad 0/AnakPria/b1d2=Siti 1/Istri/1=Zainab", in key order.
inline QString describeNames(const PersonNames& names) {
    QStringList words;
    for (const auto& [key, named] : names.all()) {
        const QString number = key.branch == 0 ? QString::number(key.number)
                                               : u'b' % QString::number(key.branch) %
                                                     (key.daughters ? u'd' : u's') %
                                                     QString::number(key.number);
        words.append(QString::number(key.estate) % u'/' % heirInfo(key.kind).identifier % u'/' %
                     number % u'=' % named.particulars.name);
    }
    return words.join(u' ');
}

struct KasusCase {
    const char* name;
    Kasus kasus;
    QString request; // describe()
    QString names;   // describeNames()
};

inline std::vector<KasusCase> kasusCases() {
    std::vector<KasusCase> cases;
    cases.push_back({"living heirs of a man",
                     kasusOf({person(1, u"Siti"_s, Istri), person(2, u"Ahmad"_s, AnakPria),
                              person(3, u"Umar"_s, Bapak), person(4, u"Budi"_s, AnakPria),
                              person(5, u"Citra"_s, AnakWanita)}),
                     u"Bapak=1 AnakPria=2 Istri=1 AnakWanita=1"_s,
                     u"0/Bapak/1=Umar 0/AnakPria/1=Ahmad 0/AnakPria/2=Budi 0/Istri/1=Siti "
                     u"0/AnakWanita/1=Citra"_s});

    Kasus khi = kasusOf(
        {person(1, u"Siti"_s, Istri), person(2, u"Aisyah"_s, AnakWanita, Predeceased),
         person(3, u"Rahmat"_s, AnakPria, Living, 2), person(4, u"Rina"_s, AnakWanita, Living, 2),
         person(5, u"Yusuf"_s, AnakPria, Predeceased), person(6, u"Hadi"_s, AnakPria, Predeceased),
         person(7, u"Fajar"_s, AnakPria, Living, 6), person(8, u"Galih"_s, AnakPria, Living, 6)});
    khi.law = Law::Khi;
    cases.push_back({"KHI branches in the order entered, a childless one left out", khi,
                     u"Istri=1 law=khi pre=AnakWanita:1,1 pre=AnakPria:2,0"_s,
                     u"0/AnakPria/b2s0=Hadi 0/AnakPria/b2s1=Fajar 0/AnakPria/b2s2=Galih "
                     u"0/Istri/1=Siti 0/AnakWanita/b1s0=Aisyah 0/AnakWanita/b1s1=Rahmat "
                     u"0/AnakWanita/b1d1=Rina"_s});

    cases.push_back(
        {"the missing numbered last of their kind",
         kasusOf({person(1, u"Amir"_s, AnakPria, Missing), person(2, u"Bakri"_s, AnakPria),
                  person(3, u"Cahyo"_s, AnakPria), person(4, u"Fatimah"_s, Ibu)}),
         u"AnakPria=3 Ibu=1 missing=AnakPria:1"_s,
         u"0/AnakPria/1=Bakri 0/AnakPria/2=Cahyo 0/AnakPria/3=Amir 0/Ibu/1=Fatimah"_s});

    cases.push_back({"those who died together after the missing",
                     kasusOf({person(1, u"Umar"_s, Bapak, DiedTogether),
                              person(2, u"Xaver"_s, AnakPria, DiedTogether),
                              person(3, u"Yanto"_s, AnakPria, Missing),
                              person(4, u"Zaki"_s, AnakPria), person(5, u"Siti"_s, Istri)}),
                     u"Bapak=1 AnakPria=3 Istri=1 missing=AnakPria:1 together=Bapak:1,AnakPria:1"_s,
                     u"0/Bapak/1=Umar 0/AnakPria/1=Zaki 0/AnakPria/2=Yanto 0/AnakPria/3=Xaver "
                     u"0/Istri/1=Siti"_s});

    Kasus khuntsa = kasusOf({person(1, u"Kamal"_s, AnakWanita, UnknownSex),
                             person(2, u"Luthfi"_s, AnakPria), person(3, u"Laila"_s, AnakWanita)});
    khuntsa.intersexView = IntersexView::Average;
    cases.push_back({"a khuntsa numbered 0 beside the others of its kind", khuntsa,
                     u"AnakPria=1 AnakWanita=2 intersex=AnakWanita view=average"_s,
                     u"0/AnakPria/1=Luthfi 0/AnakWanita/0=Kamal 0/AnakWanita/1=Laila"_s});

    Kasus unborn = kasusOf({person(1, u"Siti"_s, Istri), person(2, u"Janin"_s, AnakPria, Unborn),
                            person(3, u"Umar"_s, Bapak)});
    unborn.unbornMax = 3;
    unborn.reserve = UnbornReserve::Shafii;
    cases.push_back({"an unborn child is not counted", unborn,
                     u"Bapak=1 Istri=1 unborn=child max=3 reserve=shafii"_s,
                     u"0/Bapak/1=Umar 0/AnakPria/0=Janin 0/Istri/1=Siti"_s});

    cases.push_back({"an unborn grandchild",
                     kasusOf({person(1, u"Fatimah"_s, Ibu), person(2, u"Cucu"_s, CucuPria, Unborn),
                              person(3, u"Wulan"_s, CucuWanita)}),
                     u"Ibu=1 CucuWanita=1 unborn=grandchild"_s,
                     u"0/CucuPria/0=Cucu 0/Ibu/1=Fatimah 0/CucuWanita/1=Wulan"_s});

    cases.push_back(
        {"later deaths with heirs who are persons of the first division",
         kasusOf({person(1, u"Ali"_s, Suami, DiedLater), person(2, u"Ahmad"_s, AnakPria, DiedLater),
                  person(3, u"Budi"_s, AnakPria), person(4, u"Fatimah"_s, Ibu),
                  person(5, u"Hamid"_s, Bapak, Living, 1),
                  person(6, u"(Budi)"_s, AnakPria, Living, 1, 3),
                  person(7, u"(Ahmad)"_s, AnakPria, Living, 1, 2),
                  person(8, u"(Budi)"_s, SaudaraPriaSekandung, Living, 2, 3),
                  person(9, u"Dewi"_s, Istri, Living, 2)},
                 Sex::Female),
         u"Suami=1 AnakPria=2 Ibu=1 dies=Suami:1=Bapak=1+AnakPria=2 "
         u"dies=AnakPria:1=SaudaraPriaSekandung=1+Istri=1"_s,
         u"0/Suami/1=Ali 0/AnakPria/1=Ahmad 0/AnakPria/2=Budi 0/Ibu/1=Fatimah "
         u"1/Bapak/1=Hamid 1/AnakPria/1=Budi 1/AnakPria/2=Ahmad "
         u"2/SaudaraPriaSekandung/1=Budi 2/Istri/1=Dewi"_s});

    Kasus distant =
        kasusOf({person(1, u"Siti"_s, Istri), person(2, u"Karim"_s, KakekDariIbu),
                 person(3, u"Nur"_s, SaudaraWanitaIbu), person(4, u"Nia"_s, SaudaraWanitaIbu),
                 person(5, u"Maryam"_s, SaudaraWanitaSekandung, Predeceased),
                 person(6, u"Iqbal"_s, AnakPria, Living, 5)});
    distant.options.distantKin = DistantKinRule::Qarabah;
    distant.estate = Rupiah::fromSen(800'000'000);
    cases.push_back({"distant kin beside a wife", distant,
                     u"Istri=1 KakekDariIbu=1 SaudaraWanitaIbu=2 "
                     u"pre=SaudaraWanitaSekandung:1,0 distant=qarabah estate=8000000.00"_s,
                     u"0/Istri/1=Siti 0/SaudaraWanitaSekandung/b1s0=Maryam "
                     u"0/SaudaraWanitaSekandung/b1s1=Iqbal 0/KakekDariIbu/1=Karim "
                     u"0/SaudaraWanitaIbu/1=Nur 0/SaudaraWanitaIbu/2=Nia"_s});

    Kasus compared = kasusOf({person(1, u"Hasan"_s, Suami), person(2, u"Nisa"_s, AnakWanita),
                              person(3, u"Rudi"_s, SaudaraPriaSekandung)},
                             Sex::Female);
    compared.law = Law::Khi;
    compared.compare = true;
    compared.estate = Rupiah::fromSen(30'075);
    compared.estateItems = {{u"Rumah"_s, Rupiah::fromSen(10'050)},
                            {u"Tabungan"_s, Rupiah::fromSen(20'025)}};
    compared.jointProperty = Rupiah::fromSen(50'000);
    compared.debts = Rupiah::fromSen(1'000);
    cases.push_back({"both laws with the estate as the sum of its items", compared,
                     u"Suami=1 SaudaraPriaSekandung=1 AnakWanita=1 law=khi compare "
                     u"estate=300.75 joint=500.00 debts=10.00"_s,
                     u"0/Suami/1=Hasan 0/SaudaraPriaSekandung/1=Rudi 0/AnakWanita/1=Nisa"_s});
    return cases;
}

} // namespace zw::waris::test
