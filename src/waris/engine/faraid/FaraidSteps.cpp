#include "waris/engine/faraid/FaraidSteps.h"

#include "common/NumberFormat.h"
#include "waris/engine/faraid/FaraidText.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

QString num(std::int64_t n) {
    return decimalText(n);
}

void moneySteps(const FaraidMoney& m, const MoneyText& rp, QStringList& steps) {
    if (m.funeral > Rupiah() || m.debts > Rupiah())
        steps.append(u"Harta peninggalan "_s % rp(m.estate) %
                     u", dikurangi biaya pengurusan jenazah "_s % rp(m.funeral) % u" dan utang "_s %
                     rp(m.debts) % u" = "_s % rp(m.estate - m.funeral - m.debts) % u'.');
    if (m.bequestCut) {
        steps.append(u"Wasiat "_s % rp(m.bequestAsked) %
                     u" melebihi sepertiga, maka dibatasi menjadi "_s % rp(m.bequest) %
                     u" (1/3 dari "_s % rp(m.estate - m.funeral - m.debts) % u")."_s);
    } else if (m.bequest > Rupiah()) {
        steps.append(u"Wasiat "_s % rp(m.bequest) % u" (tidak melebihi sepertiga)."_s);
    }
    steps.append(u"Harta bersih yang dibagi kepada ahli waris: "_s % rp(m.net) % u'.');
}

QString groupLine(const FaraidGroup& g, const FaraidResult& r) {
    const QString names = faraidKindNames(g.kinds);
    const std::int64_t fardParts = (g.fard * r.base).num();
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

// "Rp 5" when every person gets as much, else "Rp 6 (2 orang) dan Rp 5 (1 orang)".
QString personAmounts(const FaraidHeir& h, const MoneyText& rp) {
    if (h.personsWithExtraSen == 0)
        return rp(h.personAmount);
    return rp(h.amountOfPerson(0)) % u" ("_s % num(h.personsWithExtraSen) % u" orang) dan "_s %
           rp(h.personAmount) % u" ("_s % num(h.count - h.personsWithExtraSen) % u" orang)"_s;
}

// The heirs whose persons' parts are not whole in the base: "Anak Wanita (3 orang)", "Kakek".
QString brokenParts(const FaraidResult& r, std::int64_t base) {
    QStringList broken;
    for (const FaraidHeir& h : r.heirs) {
        if (h.status == FaraidStatus::Blocked || (h.perPerson * base).isInteger())
            continue;
        broken.append(heirInfo(h.kind).name %
                      (h.count > 1 ? u" ("_s % num(h.count) % u" orang)"_s : QString()));
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

QStringList faraidSteps(const FaraidResult& r, const MoneyText& rp) {
    QStringList steps;
    steps.reserve(2 * HeirKindCount + 12);
    if (r.money)
        moneySteps(*r.money, rp, steps);
    for (const FaraidHeir& h : r.heirs) {
        if (h.status == FaraidStatus::Blocked)
            steps.append(heirInfo(h.kind).name % u": "_s % h.basis % u'.');
    }

    bool anyFard = false;
    for (const FaraidGroup& g : r.groups)
        anyFard = anyFard || !g.fard.isZero();
    steps.append(anyFard ? u"Asal masalah: "_s % num(r.base) %
                               u" (kelipatan persekutuan terkecil penyebut bagian tetap)."_s
                         : u"Asal masalah: "_s % num(r.base) %
                               u" (jumlah kepala ashabah, laki-laki dihitung dua)."_s);
    for (const FaraidGroup& g : r.groups)
        steps.append(groupLine(g, r));

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
        const bool spouseOnly = r.raddTo.intersects({HeirKind::Suami, HeirKind::Istri});
        steps.append(u"Jumlah bagian "_s % num(given) % u" kurang dari asal masalah "_s %
                     num(r.base) % u" dan tidak ada ashabah: sisa "_s % num(r.base - given) %
                     u" bagian dikembalikan (radd) kepada "_s % faraidKindNames(r.raddTo) %
                     (spouseOnly
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

    const std::int64_t multiplier = effective > 0 ? r.finalBase / effective : 1;
    if (multiplier > 1) {
        steps.append(u"Tashih: bagian "_s % brokenParts(r, effective) %
                     u" tidak habis dibagi per orang; asal masalah "_s % num(effective) %
                     u" dikalikan "_s % num(multiplier) % u" menjadi "_s % num(r.finalBase) % u'.');
    } else {
        steps.append(u"Tidak perlu tashih: bagian setiap orang sudah bulat dari "_s %
                     num(r.finalBase) % u'.');
    }

    for (const FaraidHeir& h : r.heirs) {
        if (h.status == FaraidStatus::Blocked)
            continue;
        QString line = heirInfo(h.kind).name % u": "_s % num(h.parts()) % u'/' % num(r.finalBase);
        if (h.share.den() != r.finalBase)
            line += u" = "_s % h.share.toString();
        if (h.count > 1)
            line +=
                u", per orang "_s % num(h.partsPerPerson) % u'/' % num(r.finalBase) %
                (h.perPerson.den() != r.finalBase ? u" = "_s % h.perPerson.toString() : QString());
        if (r.money) {
            line += u"; "_s % rp(h.amount);
            if (h.count > 1)
                line += u", per orang "_s % personAmounts(h, rp);
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
    return steps;
}

} // namespace zw::waris
