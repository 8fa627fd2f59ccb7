#include "waris/engine/faraid/FaraidSteps.h"

#include "common/NumberFormat.h"
#include "waris/engine/faraid/DistantKin.h"
#include "waris/engine/faraid/FaraidText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

QString num(std::int64_t n) {
    return decimalText(n);
}

// "Rp 5" when every one of `persons` gets as much of `amount`, else "Rp 6 (2 orang) dan Rp 5
// (1 orang)".
QString sharedAmount(Rupiah amount, int persons, const MoneyText& rp) {
    const Rupiah each = *amount.scaled(1, persons, Rupiah::Rounding::Down);
    const std::int64_t extra = (amount - each * persons).sen();
    if (extra == 0)
        return rp(each);
    return rp(each + Rupiah::fromSen(1)) % u" ("_s % num(extra) % u" orang) dan "_s % rp(each) %
           u" ("_s % num(persons - extra) % u" orang)"_s;
}

void jointPropertyStep(const FaraidMoney& m, const FaraidResult& r, const MoneyText& rp,
                       const HeirNaming& name, QStringList& steps) {
    const FaraidHeir* spouse = r.heir(HeirKind::Suami);
    if (spouse == nullptr)
        spouse = r.heir(HeirKind::Istri);
    if (spouse == nullptr || m.jointProperty == Rupiah())
        return;
    // A named spouse by name, else the kind in the sentence's lower case.
    const QString owner = name(*spouse);
    QString line =
        u"Harta bersama "_s % rp(m.jointProperty) % u": separuhnya "_s % rp(m.spouseJointShare) %
        u" milik "_s % (owner == faraidHeirName(*spouse) ? owner.toLower() : owner) %
        u" dan dibayarkan lebih dahulu"_s % (r.law == Law::Khi ? u" (Pasal 96 KHI)"_s : QString());
    if (spouse->count > 1)
        line += u", dibagi rata di antara "_s % num(spouse->count) % u" istri, masing-masing "_s %
                sharedAmount(m.spouseJointShare, spouse->count, rp);
    steps.append(line % u"; separuh lainnya "_s % rp(m.jointProperty - m.spouseJointShare) %
                 u" masuk harta peninggalan, menjadi "_s % rp(m.gross()) % u'.');
}

void moneySteps(const FaraidMoney& m, const FaraidResult& r, const MoneyText& rp,
                const HeirNaming& name, QStringList& steps) {
    jointPropertyStep(m, r, rp, name, steps);
    const Rupiah none;
    if (m.funeral > none || m.zakat > none || m.debts > none) {
        QString deductions = u"biaya pengurusan jenazah "_s % rp(m.funeral);
        if (m.zakat > none)
            deductions += u", zakat yang belum dibayar "_s % rp(m.zakat);
        steps.append(u"Harta peninggalan "_s % rp(m.gross()) % u", dikurangi "_s % deductions %
                     u" dan utang "_s % rp(m.debts) % u" = "_s % rp(m.afterDebts()) % u'.');
    }
    const QString third = u"1/3 dari "_s % rp(m.afterDebts());
    if (m.obligatoryAsked > none) {
        const QString to = u"Wasiat wajibah untuk "_s % bequestRecipientText(m.obligatoryTo);
        if (m.obligatoryCut())
            steps.append(to % u' ' % rp(m.obligatoryAsked) %
                         u" melebihi sepertiga, maka dibatasi menjadi "_s % rp(m.obligatory) %
                         u" ("_s % third % u")."_s);
        else
            steps.append(to % u' ' % rp(m.obligatory) % u", didahulukan dari wasiat biasa."_s);
        if (m.bequestCut())
            steps.append(u"Wasiat "_s % rp(m.bequestAsked) %
                         u" bersama wasiat wajibah melebihi sepertiga, maka dibatasi menjadi sisa "
                         u"sepertiga "_s %
                         rp(m.bequest) % u" ("_s % third % u")."_s);
        else if (m.bequest > none)
            steps.append(u"Wasiat "_s % rp(m.bequest) %
                         u" (bersama wasiat wajibah tidak melebihi sepertiga)."_s);
    } else if (m.bequestCut()) {
        steps.append(u"Wasiat "_s % rp(m.bequestAsked) %
                     u" melebihi sepertiga, maka dibatasi menjadi "_s % rp(m.bequest) % u" ("_s %
                     third % u")."_s);
    } else if (m.bequest > none) {
        steps.append(u"Wasiat "_s % rp(m.bequest) % u" (tidak melebihi sepertiga)."_s);
    }
    steps.append(u"Harta bersih yang dibagi kepada ahli waris: "_s % rp(m.net) % u'.');
}

bool distantKinInherit(const FaraidResult& r) {
    return std::ranges::any_of(r.heirs, [](const FaraidHeir& h) {
        return h.basisCode == FaraidBasis::DistantKin && h.status != FaraidStatus::Blocked;
    });
}

// How each predeceased heir is counted.
void predeceasedSteps(const FaraidResult& r, QStringList& steps) {
    const bool distantKin = distantKinInherit(r);
    const bool daughters = onlyDaughtersChildren(r);
    int branch = 0;
    for (const PredeceasedChild& child : r.predeceased) {
        const QString who = heirInfo(child.replaces).name % u" ke-"_s % num(++branch) %
                            u" yang meninggal lebih dahulu"_s;
        QStringList sexes;
        if (child.sons > 0)
            sexes.append(num(child.sons) % u" pria"_s);
        if (child.daughters > 0)
            sexes.append(num(child.daughters) % u" wanita"_s);
        const QString children = sexes.join(u" dan "_s);
        if (r.law == Law::Khi)
            steps.append(who % u" digantikan oleh anak-anaknya ("_s % children %
                         u") dan dihitung sebagai seorang "_s %
                         heirInfo(child.replaces).name.toLower() % u" (Pasal 185 KHI)."_s);
        else if (child.replaces == HeirKind::AnakPria)
            steps.append(u"Anak-anak "_s % who % u" ("_s % children %
                         u") dihitung sebagai Cucu Pria dan Cucu Wanita."_s);
        else if (child.sons > 0 && !distantChildren(child.replaces, false))
            steps.append(u"Anak pria "_s % who % u" dihitung sebagai "_s %
                         heirInfo(childKind(child.replaces, false)).name %
                         (child.daughters > 0 ? u"; anak wanitanya dzawil arham."_s : u"."_s));
        else if (distantKin && !daughters)
            steps.append(u"Anak-anak "_s % who % u" ("_s % children % u") adalah dzawil arham."_s);
        else if (distantKin)
            steps.append(u"Tidak ada ashabah dan tidak ada ashabul furudh selain suami/istri: "
                         u"anak-anak "_s %
                         who % u" ("_s % children %
                         u") mewarisi sisa harta sebagai dzawil arham di tempat ibunya, sebelum "
                         u"Baitul Mal; setiap anak wanita yang digantikan dihitung satu bagian."_s);
    }
}

// The rule by which distant kin divide what they receive.
void distantSteps(const FaraidResult& r, QStringList& steps) {
    if (!r.distant || onlyDaughtersChildren(r))
        return;
    const DistantDivision& d = *r.distant;
    const bool spouse = std::ranges::any_of(r.heirs, [](const FaraidHeir& h) {
        return h.kind == HeirKind::Suami || h.kind == HeirKind::Istri;
    });
    steps.append(u"Tidak ada ashabah dan tidak ada ashabul furudh selain suami/istri: dzawil arham "
                 u"mewarisi sebelum Baitul Mal"_s %
                 (spouse ? u"; suami/istri mengambil bagiannya seperti tanpa keturunan dan sisanya "
                           u"dibagi kepada dzawil arham seakan-akan seluruh harta."_s
                         : u"."_s));
    if (r.law == Law::Khi)
        steps.append(u"KHI tidak menyebut kerabat ini sebagai ahli waris (Pasal 174) dan Baitul "
                     u"Mal hanya bila tidak ada ahli waris sama sekali (Pasal 191); mereka dibagi "
                     u"dengan cara tanzil, sejalan dengan penggantian Pasal 185."_s);
    if (d.rule == DistantKinRule::Qarabah) {
        steps.append(u"Cara qarabah (Hanafi, Abu Yusuf): golongan terdekat didahulukan (keturunan "
                     u"pewaris, lalu leluhurnya, lalu keturunan orang tuanya, lalu keturunan "
                     u"kakek dan neneknya), lalu derajat terdekat, lalu hubungan terkuat "
                     u"(sekandung, sebapak, seibu); di antara saudara bapak dan saudara ibu pihak "
                     u"bapak mendapat 2/3 dan pihak ibu 1/3; laki-laki dua kali perempuan."_s);
        return;
    }
    QStringList places;
    for (int k = 0; k < FaraidKindCount; ++k) {
        const HeirKind place = heirKind(k);
        if (d.places[place] == 0)
            continue;
        places.append(
            heirInfo(place).name %
            (d.places[place] > 1 ? u" ("_s % num(d.places[place]) % u" orang)"_s : QString()) %
            u' ' % d.placeShares[place].toString());
    }
    steps.append(u"Cara tanzil: setiap dzawil arham menempati tempat ahli waris yang "
                 u"menghubungkannya, dan tempat-tempat itu dibagi seperti ahli waris: "_s %
                 places.join(u", "_s) % u'.');
    steps.append(
        d.rule == DistantKinRule::Hanbali
            ? u"Bagian setiap tempat dibagi kepada yang menempatinya, laki-laki sama "
              u"dengan perempuan (Hanbali); Kakek dari Ibu menghalangi saudara ibu, "
              u"saudara bapak berbagi seperti ahli waris bapak."_s
            : u"Bagian setiap tempat dibagi kepada yang menempatinya, laki-laki dua kali "
              u"perempuan kecuali garis saudara seibu (Syafi'i); Kakek dari Ibu "
              u"menghalangi saudara ibu, saudara bapak berbagi seperti ahli waris bapak."_s);
}

QString groupLine(const FaraidGroup& g, const FaraidResult& r, bool distantKin) {
    const std::int64_t fardParts = (g.fard * r.base).num();
    if (distantKin && g.kinds == HeirSet{HeirKind::AnakWanita} && onlyDaughtersChildren(r))
        return u"Anak-anak Anak Wanita yang meninggal lebih dahulu (dzawil arham): mendapat sisa "_s %
               num(g.baseParts - fardParts) % u" bagian."_s;
    if (r.distant && g.takesResidue)
        return u"Dzawil arham ("_s % distantKinNames(g.kinds, u"anak-anak ") %
               u"): mendapat sisa "_s % num(g.baseParts - fardParts) % u" bagian."_s;
    const QString names = faraidKindNames(g.kinds);
    if (!g.takesResidue)
        return names % u": "_s % g.fard.toString() % u" × "_s % num(r.base) % u" = "_s %
               num(fardParts) % u" bagian."_s;
    const std::int64_t residue = g.baseParts - fardParts;
    if (g.fard.isZero())
        return names % u": ashabah, mendapat sisa "_s % num(residue) % u" bagian."_s;
    return names % u": "_s % g.fard.toString() % u" × "_s % num(r.base) % u" = "_s %
           num(fardParts) % u" bagian, ditambah sisa "_s % num(residue) % u" bagian = "_s %
           num(g.baseParts) % u" bagian."_s;
}

void specialSteps(const FaraidResult& r, QStringList& steps) {
    if (r.has(SpecialCase::Umariyyatain))
        steps.append(u"Kasus umariyyatain: ibu mendapat 1/3 dari sisa setelah bagian suami/istri, "
                     u"bukan 1/3 seluruh harta, agar bapak tetap mendapat dua kali ibu."_s);
    if (r.has(SpecialCase::Mushtaraka)) {
        const FaraidHeir* brother = r.heir(HeirKind::SaudaraPriaSekandung);
        const bool shared = brother != nullptr && brother->status == FaraidStatus::Fard;
        steps.append(shared
                         ? u"Kasus musytarakah: saudara sekandung ikut berbagi 1/3 bersama saudara "
                           u"seibu sama rata, karena mereka seibu juga."_s
                         : u"Kasus musytarakah (pilihan tanpa berbagi): bagian tetap sudah habis, "
                           u"saudara sekandung sebagai ashabah tidak mendapat apa-apa."_s);
    }
    if (r.has(SpecialCase::Akdariyyah))
        steps.append(u"Kasus akdariyyah: saudara wanita diberi 1/2 dan kakek 1/6 dengan 'aul, lalu "
                     u"bagian keduanya digabung dan dibagi 2 : 1 untuk kakek."_s);
    if (r.has(SpecialCase::Muaddah))
        steps.append(
            u"Mu'addah: saudara se-bapak ikut dihitung untuk mengurangi bagian kakek, lalu "
            u"mengalah kepada saudara sekandung."_s);
    if (r.has(SpecialCase::JaddWalIkhwah)) {
        const FaraidHeir* kakek = r.heir(HeirKind::Kakek);
        const bool zayd = kakek != nullptr && kakek->basisCode >= FaraidBasis::GrandfatherMuqasamah;
        steps.append(zayd ? u"Kakek bersama saudara (jadd wal ikhwah), cara Zaid bin Tsabit: kakek "
                            u"mengambil yang terbaik dari muqasamah, 1/3 (sisa) dan 1/6."_s
                          : u"Kakek bersama saudara (jadd wal ikhwah), pendapat Hanafi: kakek "
                            u"menghalangi saudara seperti bapak."_s);
    }
}

// "anak wanita", "saudara pria sekandung": the living heir of a substitute's sex and the
// replaced heir's degree.
QString sameDegreeName(const FaraidHeir& h) {
    for (const auto& [man, woman] : SexPairs) {
        if (h.kind == man || h.kind == woman)
            return heirInfo(h.branchDaughters ? woman : man).name.toLower();
    }
    return heirInfo(h.kind).name.toLower();
}

// What KHI says beside the shares: the father's article, a substitute beyond a child's share.
void khiSteps(const FaraidResult& r, const HeirNaming& name, QStringList& steps) {
    if (r.law != Law::Khi)
        return;
    if (const FaraidHeir* father = r.heir(HeirKind::Bapak);
        father != nullptr && father->status != FaraidStatus::Blocked)
        steps.append(u"Bagian bapak menurut Pasal 177 KHI sebagaimana dibaca SEMA No. 2 Tahun "
                     u"1994: 1/6 bila ada anak, sisa (ashabah) bila tidak ada anak, sama dengan "
                     u"fikih klasik."_s);
    for (const FaraidHeir& h : r.heirs) {
        if (h.exceedsLivingChild)
            steps.append(u"Pasal 185 ayat (2) KHI: bagian "_s % name(h) % u" ("_s %
                         h.perPerson.toString() % u" per orang) melebihi bagian seorang "_s %
                         sameDegreeName(h) %
                         u" yang sederajat; bagian ini tetap seperti dihitung."_s);
    }
}

// The heirs whose persons' parts are not whole in the base: "Anak Wanita (3 orang)", "Kakek".
QString brokenParts(const FaraidResult& r, std::int64_t base, const HeirNaming& name) {
    QStringList broken;
    for (const FaraidHeir& h : r.heirs) {
        if (h.status == FaraidStatus::Blocked || (h.perPerson * base).isInteger())
            continue;
        broken.append(name(h) % (h.count > 1 ? u" ("_s % num(h.count) % u" orang)"_s : QString()));
    }
    return broken.join(u", "_s);
}

} // namespace

MoneyText plainMoney() {
    return [](Rupiah amount) -> QString {
        return u"Rp "_s % amount.toPlainDecimal();
    };
}

MoneyText moneyIn(const QLocale& locale) {
    return [locale](Rupiah amount) {
        return formatRupiah(amount, locale);
    };
}

QStringList faraidSteps(const FaraidResult& r, const MoneyText& rp, const HeirNaming& name) {
    QStringList steps;
    steps.reserve(2 * FaraidKindCount + 12);
    if (r.money)
        moneySteps(*r.money, r, rp, name, steps);
    if (r.heirs.empty()) {
        steps.append(u"Tidak ada ahli waris sama sekali: seluruh harta diserahkan ke Baitul Mal "
                     u"(Pasal 191 KHI)."_s);
        return steps;
    }
    predeceasedSteps(r, steps);
    distantSteps(r, steps);
    for (const FaraidHeir& h : r.heirs) {
        if (h.status == FaraidStatus::Blocked)
            steps.append(name(h) % u": "_s % h.basis % u'.');
    }

    bool anyFard = false;
    for (const FaraidGroup& g : r.groups)
        anyFard = anyFard || !g.fard.isZero();
    const bool distantKin = distantKinInherit(r);
    steps.append(u"Asal masalah: "_s % num(r.base) %
                 (anyFard ? u" (kelipatan persekutuan terkecil penyebut bagian tetap)."_s
                  : onlyDaughtersChildren(r)
                      ? u" (satu bagian untuk setiap anak wanita yang digantikan)."_s
                  : r.distant ? u" (kelipatan persekutuan terkecil penyebut bagian dzawil arham)."_s
                              : u" (jumlah kepala ashabah, laki-laki dihitung dua)."_s));
    for (const FaraidGroup& g : r.groups)
        steps.append(groupLine(g, r, distantKin));

    std::int64_t effective = r.base;
    if (r.awl) {
        effective = r.awlBase;
        steps.append(u"Jumlah bagian "_s % num(r.awlBase) % u" melebihi asal masalah "_s %
                     num(r.base) % u": terjadi 'aul, asal masalah dinaikkan menjadi "_s %
                     num(r.awlBase) % u" dan setiap bagian mengecil sebanding."_s);
    } else if (r.radd) {
        effective = r.raddBase;
        std::int64_t given = 0;
        for (const FaraidGroup& g : r.groups)
            given += g.baseParts;
        const bool toSpouse = r.raddTo.intersects({HeirKind::Suami, HeirKind::Istri});
        steps.append(u"Jumlah bagian "_s % num(given) % u" kurang dari asal masalah "_s %
                     num(r.base) % u" dan tidak ada ashabah: sisa "_s % num(r.base - given) %
                     u" bagian dikembalikan (radd) kepada "_s % faraidKindNames(r.raddTo) %
                     (toSpouse && r.law == Law::Khi && r.raddTo.size() == 1 ? u" (Pasal 193 KHI)."_s
                      : toSpouse && r.law == Law::Khi
                          ? u" sebanding bagian mereka, suami/istri termasuk (Pasal 193 KHI)."_s
                      : toSpouse
                          ? u" (pilihan: sisa untuk suami/istri)."_s
                          : u" sebanding bagian mereka; suami/istri tidak menerima radd."_s));
        QStringList parts;
        for (const FaraidGroup& g : r.groups)
            parts.append(faraidKindNames(g.kinds) % u' ' % num((g.share * r.raddBase).num()));
        steps.append(u"Setelah radd asal masalah menjadi "_s % num(r.raddBase) % u": "_s %
                     parts.join(u", "_s) % u" bagian."_s);
    } else if (!r.unassigned.isZero()) {
        steps.append(u"Hanya suami/istri yang mewarisi: sisa "_s % r.unassigned.toString() %
                     u" tidak diberikan kepada ahli waris, melainkan diserahkan ke Baitul Mal "
                     u"(kas umum/negara)."_s);
    }

    const bool wholeParts = r.finalBase > 0;
    const std::int64_t multiplier = wholeParts && effective > 0 ? r.finalBase / effective : 1;
    if (!wholeParts) {
        steps.append(u"Tashih: asal masalah yang membuat bagian setiap orang bulat melampaui batas "
                     u"angka; bagian ditulis sebagai pecahan dari seluruh harta."_s);
    } else if (multiplier > 1) {
        steps.append(u"Tashih: bagian "_s % brokenParts(r, effective, name) %
                     u" tidak habis dibagi per orang; asal masalah "_s % num(effective) %
                     u" dikalikan "_s % num(multiplier) % u" menjadi "_s % num(r.finalBase) % u'.');
    } else {
        steps.append(u"Tidak perlu tashih: bagian setiap orang sudah bulat dari "_s %
                     num(r.finalBase) % u'.');
    }

    for (const FaraidHeir& h : r.heirs) {
        if (h.status == FaraidStatus::Blocked)
            continue;
        QString line = name(h) % u": "_s;
        if (!wholeParts) {
            line += h.share.toString();
            if (h.count > 1)
                line += u", per orang "_s % h.perPerson.toString();
        } else {
            line += num(h.parts()) % u'/' % num(r.finalBase);
            if (h.share.den() != r.finalBase)
                line += u" = "_s % h.share.toString();
            if (h.count > 1)
                line += u", per orang "_s % num(h.partsPerPerson) % u'/' % num(r.finalBase) %
                        (h.perPerson.den() != r.finalBase ? u" = "_s % h.perPerson.toString()
                                                          : QString());
        }
        if (r.money) {
            line += u"; "_s % rp(h.amount);
            if (h.count > 1)
                line += u", per orang "_s % sharedAmount(h.amount, h.count, rp);
        }
        steps.append(line % u'.');
    }
    if (r.money) {
        QString line = u"Jumlah seluruh bagian = "_s % rp(r.money->net - r.unassignedAmount);
        if (r.unassignedAmount > Rupiah())
            line += u", ditambah "_s % rp(r.unassignedAmount) % u" untuk Baitul Mal"_s;
        steps.append(line % u" = harta bersih "_s % rp(r.money->net) % u'.');
    }
    specialSteps(r, steps);
    khiSteps(r, name, steps);
    return steps;
}

} // namespace zw::waris
