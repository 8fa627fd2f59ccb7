#include "waris/engine/faraid/FaraidText.h"

#include "waris/engine/designed/ShareRules.h"
#include "waris/engine/faraid/DistantKin.h"
#include "waris/engine/faraid/FaraidChoices.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;

QString basisText(const FaraidHeir& heir) {
    const QString fard = heir.fard.toString();
    switch (heir.basisCode) {
    case FaraidBasis::Blocked:
        break;
    case FaraidBasis::SpouseAlone:
        return fard % u" karena tidak ada keturunan"_s;
    case FaraidBasis::SpouseWithDescendant:
        return fard % u" karena ada keturunan"_s;
    case FaraidBasis::FatherSixth:
        return u"1/6 karena ada keturunan laki-laki"_s;
    case FaraidBasis::FatherSixthAndResidue:
        return u"1/6 ditambah sisa (ashabah) karena hanya ada keturunan perempuan"_s;
    case FaraidBasis::FatherResidue:
        return u"ashabah (sisa) karena tidak ada keturunan"_s;
    case FaraidBasis::MotherThird:
        return u"1/3 karena tidak ada keturunan dan saudara kurang dari dua"_s;
    case FaraidBasis::MotherSixthDescendant:
        return u"1/6 karena ada keturunan"_s;
    case FaraidBasis::MotherSixthSiblings:
        return u"1/6 karena ada dua saudara atau lebih (yang terhalang pun dihitung)"_s;
    case FaraidBasis::MotherUmariyyatain:
        return u"1/3 dari sisa setelah bagian suami/istri (umariyyatain) = "_s % fard;
    case FaraidBasis::GrandmotherSixth:
        return heir.fard == Fraction::of(1, 6)
                   ? u"1/6"_s
                   : u"1/6 dibagi rata di antara kedua nenek = "_s % fard;
    case FaraidBasis::OneHalf:
        return u"1/2 karena seorang diri"_s;
    case FaraidBasis::TwoThirds:
        return u"2/3 bersama-sama karena dua orang atau lebih"_s;
    case FaraidBasis::SixthCompletion:
        return heir.kind == CucuWanita
                   ? u"1/6 penyempurna 2/3 bersama seorang Anak Wanita"_s
                   : u"1/6 penyempurna 2/3 bersama seorang Saudara Wanita Sekandung"_s;
    case FaraidBasis::UterineSixth:
        return u"1/6 karena saudara seibu hanya seorang"_s;
    case FaraidBasis::UterineThird:
        return u"1/3 dibagi rata di antara saudara seibu, laki-laki sama dengan perempuan"_s;
    case FaraidBasis::MushtarakaShare:
        return u"ikut berbagi 1/3 saudara seibu sama rata (musytarakah)"_s;
    case FaraidBasis::ResidueNearest:
        return u"ashabah bin nafsih: ahli waris laki-laki terdekat"_s;
    case FaraidBasis::ResidueWithMale:
        return u"ashabah bil ghair bersama saudara laki-lakinya, laki-laki dua kali perempuan"_s;
    case FaraidBasis::ResidueBesideDaughters:
        return u"ashabah ma'al ghair bersama anak/cucu wanita"_s;
    case FaraidBasis::GrandfatherMuqasamah:
        return u"berbagi bersama saudara seperti seorang saudara laki-laki (muqasamah), itu yang terbaik baginya"_s;
    case FaraidBasis::GrandfatherThird:
        return u"1/3 seluruh harta, lebih baik daripada muqasamah"_s;
    case FaraidBasis::GrandfatherThirdOfRest:
        return u"1/3 sisa setelah bagian tetap = "_s % fard %
               u", lebih baik daripada muqasamah dan 1/6"_s;
    case FaraidBasis::GrandfatherSixth:
        return u"1/6 seluruh harta, yang terbaik baginya"_s;
    case FaraidBasis::SiblingWithGrandfather:
        return u"ashabah bersama kakek (jadd wal ikhwah, cara Zaid)"_s;
    case FaraidBasis::Akdariyyah:
        return u"akdariyyah: bagian kakek (1/6) dan saudara wanita (1/2) digabung lalu dibagi 2 : 1"_s;
    case FaraidBasis::Substitute:
        return u"ahli waris pengganti (Pasal 185 KHI): bagian seorang "_s %
               heirInfo(heir.kind).name.toLower() %
               u" dibagi kepada anak-anaknya, laki-laki dua kali perempuan"_s;
    case FaraidBasis::DistantKin:
        break;
    }
    return {};
}

bool distantRule(const FaraidResult& result, DistantKinRule rule) {
    return result.distant && result.distant->rule == rule;
}

// "dzawil arham (anak dari anak wanita)", or "dzawil arham" for a distant kind.
QString distantWho(const FaraidHeir& heir) {
    return heir.inBranch()
               ? QString(u"dzawil arham (anak dari "_s % heirInfo(heir.kind).name.toLower() % u')')
               : u"dzawil arham"_s;
}

// Where a distant relative stands: the place of the parent, or of the mother or the father.
QString placeWords(const FaraidHeir& heir) {
    if (heir.inBranch())
        return heirInfo(heir.kind).male ? u"ayahnya"_s : u"ibunya"_s;
    return heirInfo(placeOf(heir.kind)).name.toLower();
}

QString distantBasis(const FaraidHeir& heir, const FaraidResult& result) {
    const QString who = distantWho(heir);
    if (distantRule(result, DistantKinRule::Qarabah))
        return who % u": kerabat terdekat menurut golongan, derajat dan kekuatan hubungan "
                     u"(qarabah, Abu Yusuf), laki-laki dua kali perempuan, karena tidak ada "
                     u"ashabul furudh atau ashabah"_s;
    return who % u": mewarisi di tempat "_s % placeWords(heir) %
           u" karena tidak ada ashabul furudh atau ashabah"_s %
           (distantRule(result, DistantKinRule::Hanbali)
                ? u" (tanzil Hanbali: laki-laki sama dengan perempuan)"_s
                : QString());
}

// "Anak Wanita", or "Anak Wanita (pengganti)" when only a predeceased daughter stands for it.
QString blockerNames(HeirSet kinds, const FaraidResult& result) {
    QString names = faraidKindNames(kinds);
    for (const HeirKind k : kinds) {
        if (result.heir(k) == nullptr)
            names.replace(heirInfo(k).name, heirInfo(k).name % u" (pengganti)"_s);
    }
    return names;
}

QString fullBasis(const FaraidHeir& heir, const FaraidResult& result) {
    const bool khi = result.law == Law::Khi;
    if (heir.status == FaraidStatus::Blocked && result.distant) {
        const QString who = distantWho(heir);
        if (distantRule(result, DistantKinRule::Qarabah))
            return who % u": terhalang oleh kerabat yang lebih dekat (qarabah): "_s %
                   distantKinNames(heir.blockedBy, u"anak dari ");
        if (heir.blockedBy.intersects(distantKinds()))
            return who % u": di tempat "_s % placeWords(heir) % u" terhalang oleh "_s %
                   faraidKindNames(heir.blockedBy) % u", seperti bapak menghalangi saudara"_s;
        return who % u": tempat "_s % placeWords(heir) % u" terhalang oleh tempat "_s %
               faraidKindNames(heir.blockedBy) % u" (tanzil)"_s;
    }
    if (heir.status == FaraidStatus::Blocked) {
        const QString by = u"terhalang oleh "_s % blockerNames(heir.blockedBy, result);
        if (heir.inBranch() || distantKinds().contains(heir.kind))
            return distantWho(heir) %
                   u": tidak mewarisi selama ada ashabul furudh selain suami/istri atau "
                   u"ashabah, "_s %
                   by;
        if (heir.kind == SaudaraPriaSeBapak || heir.kind == SaudaraWanitaSeBapak) {
            if (result.has(SpecialCase::Muaddah))
                return u"dihitung untuk mengurangi bagian kakek (mu'addah), lalu "_s % by;
        }
        const HeirSet afterChildren =
            HeirSet{SaudaraPriaSekandung, SaudaraWanitaSekandung, SaudaraPriaSeBapak,
                    SaudaraWanitaSeBapak} |
            HeirSet::range(AnakPriaSaudaraSekandung, AnakPriaPamanSeBapak);
        if (khi && heir.blockedBy.contains(AnakWanita) && afterChildren.contains(heir.kind))
            return by % u" (anak menghijab saudara, Putusan MA 86 K/AG/1994)"_s;
        return by;
    }
    if (heir.basisCode == FaraidBasis::DistantKin)
        return distantBasis(heir, result);
    QString text = basisText(heir);
    if (khi && heir.kind == Bapak && !heir.inBranch())
        text += u" (Pasal 177 KHI menurut SEMA No. 2 Tahun 1994)"_s;
    if (heir.status == FaraidStatus::Ashabah && heir.share.isZero())
        text += u"; sisa habis, tidak mendapat apa-apa"_s;
    if (heir.receivesRadd)
        text += HeirSet{Suami, Istri}.contains(heir.kind) && khi
                    ? u"; ditambah radd (Pasal 193 KHI)"_s
                    : u"; ditambah radd"_s;
    if (heir.exceedsLivingChild)
        text += u"; melebihi bagian seorang anak yang sederajat (Pasal 185 ayat 2 KHI)"_s;
    return text;
}

// What the rule table or the full division gives, in a few words.
QString tableWords(ShareNote note) {
    switch (note) {
    case ShareNote::Eighth:
        return u"bagian tetap 1/8"_s;
    case ShareNote::Quarter:
        return u"bagian tetap 1/4"_s;
    case ShareNote::Third:
        return u"bagian tetap 1/3"_s;
    case ShareNote::Sixth:
        return u"bagian tetap 1/6"_s;
    case ShareNote::Half:
        return u"bagian tetap 1/2"_s;
    case ShareNote::TwoThirds:
        return u"bagian tetap 2/3"_s;
    default:
        break;
    }
    if (note >= ShareNote::TerhalangSuamiBapak)
        return u"terhalang"_s;
    return u"ashabah"_s;
}

std::optional<Fraction> tableFraction(ShareNote note) {
    switch (note) {
    case ShareNote::Eighth:
        return Fraction::of(1, 8);
    case ShareNote::Quarter:
        return Fraction::of(1, 4);
    case ShareNote::Third:
        return Fraction::of(1, 3);
    case ShareNote::Sixth:
        return Fraction::of(1, 6);
    case ShareNote::Half:
        return Fraction::of(1, 2);
    case ShareNote::TwoThirds:
        return Fraction::of(2, 3);
    default:
        return std::nullopt;
    }
}

QString engineWords(const FaraidHeir& heir) {
    if (heir.status == FaraidStatus::Blocked)
        return u"terhalang"_s;
    if (heir.status == FaraidStatus::Ashabah)
        return heir.fard.isZero() ? u"ashabah"_s : heir.fard.toString() % u" ditambah sisa"_s;
    return u"bagian tetap "_s % heir.fard.toString();
}

QString difference(const FaraidHeir& heir, ShareNote note) {
    const bool tableBlocked = note >= ShareNote::TerhalangSuamiBapak;
    const bool blocked = heir.status == FaraidStatus::Blocked;
    const auto fraction = tableFraction(note);
    bool same = false;
    if (tableBlocked || blocked)
        same = tableBlocked == blocked;
    else if (fraction)
        same = heir.status == FaraidStatus::Fard && heir.fard == *fraction;
    else
        same = heir.status == FaraidStatus::Ashabah && heir.fard.isZero();
    if (same)
        return {};
    return u"Di tabel "_s % tableWords(note) % u", di sini "_s % engineWords(heir) % u": "_s %
           heir.basis % u'.';
}

// The kind as the rule table knows it: one grandmother for both sides.
HeirKind tableKind(HeirKind kind) {
    return index(kind) < HeirKindCount ? kind : Nenek;
}

} // namespace

QString distantKinNames(HeirSet kinds, QStringView childrenOf) {
    QStringList names;
    for (const HeirKind k : kinds)
        names.append(distantKinds().contains(k) ? heirInfo(k).name : childrenOf % heirInfo(k).name);
    return joinNames(names);
}

QString joinNames(const QStringList& names) {
    if (names.size() > 1)
        return names.mid(0, names.size() - 1).join(u", "_s) % u" dan "_s % names.back();
    return names.join(QString());
}

QString faraidKindNames(HeirSet kinds) {
    QStringList names;
    for (const HeirKind k : kinds)
        names.append(heirInfo(k).name);
    return joinNames(names);
}

QString specialCaseName(SpecialCase c) {
    switch (c) {
    case SpecialCase::Umariyyatain:
        return u"umariyyatain"_s;
    case SpecialCase::Mushtaraka:
        return u"mushtaraka"_s;
    case SpecialCase::Akdariyyah:
        return u"akdariyyah"_s;
    case SpecialCase::Muaddah:
        return u"muaddah"_s;
    case SpecialCase::JaddWalIkhwah:
        return u"jadd-wal-ikhwah"_s;
    }
    return {};
}

QStringList specialCaseNames(const FaraidResult& result) {
    QStringList names;
    for (int c = 0; c < SpecialCaseCount; ++c) {
        if (result.has(static_cast<SpecialCase>(c)))
            names.append(specialCaseName(static_cast<SpecialCase>(c)));
    }
    return names;
}

QString bequestRecipientName(BequestRecipient recipient) {
    QString name = choices::Recipient.label(recipient);
    name[0] = name[0].toLower();
    return name;
}

QString bequestRecipientText(BequestRecipient recipient) {
    return choices::Recipient.of(recipient).toolTip.toString();
}

QString faraidHeirName(const FaraidHeir& heir) {
    if (!heir.inBranch())
        return heirInfo(heir.kind).name;
    const bool grandchild = heir.kind == AnakPria || heir.kind == AnakWanita;
    const QString child = grandchild ? (heir.branchDaughters ? u"Cucu Wanita"_s : u"Cucu Pria"_s)
                                     : (heir.branchDaughters ? u"Anak Wanita"_s : u"Anak Pria"_s);
    const QString parent = heirInfo(heir.kind).name % u" ke-"_s % QString::number(heir.branch);
    return heir.basisCode == FaraidBasis::Substitute ? child % u" pengganti "_s % parent
                                                     : child % u" dari "_s % parent;
}

QString faraidStatusText(const FaraidHeir& heir, const FaraidResult& result) {
    const auto receiving = [&result](FaraidStatus status) {
        HeirSet kinds;
        for (const FaraidHeir& h : result.heirs) {
            if (h.status == status)
                kinds |= HeirSet{h.kind};
        }
        return kinds;
    };
    if (heir.status == FaraidStatus::Blocked && result.distant)
        return distantRule(result, DistantKinRule::Qarabah)
                   ? QString(u"Dzawil arham, terhalang oleh "_s %
                             distantKinNames(heir.blockedBy, u"anak dari "))
               : heir.blockedBy.intersects(distantKinds())
                   ? QString(u"Dzawil arham, terhalang oleh "_s % faraidKindNames(heir.blockedBy))
                   : QString(u"Dzawil arham, tempat "_s % faraidKindNames(heir.blockedBy) %
                             u" lebih berhak"_s);
    if (heir.status == FaraidStatus::Blocked)
        return (heir.inBranch() || distantKinds().contains(heir.kind)
                    ? u"Dzawil arham, terhalang oleh "_s
                    : u"Terhalang oleh "_s) %
               blockerNames(heir.blockedBy, result);
    if (heir.basisCode == FaraidBasis::Substitute)
        return u"Pengganti (Pasal 185 KHI)"_s;
    if (heir.basisCode == FaraidBasis::DistantKin)
        return distantRule(result, DistantKinRule::Qarabah)
                   ? u"Dzawil arham terdekat (qarabah)"_s
                   : QString(u"Dzawil arham di tempat "_s % placeWords(heir));
    if (heir.basisCode == FaraidBasis::MushtarakaShare)
        return u"Berbagi 1/3 bersama "_s %
               faraidKindNames(receiving(FaraidStatus::Fard) &
                               HeirSet{SaudaraPriaSeIbu, SaudaraWanitaSeIbu});
    if (heir.status == FaraidStatus::Fard)
        return u"Fard "_s % heir.fard.toString() % (heir.receivesRadd ? u" + radd"_s : QString());

    QString text = heir.fard.isZero() ? u"Ashabah"_s : heir.fard.toString() % u" + ashabah"_s;
    HeirSet with = receiving(FaraidStatus::Ashabah) - HeirSet{heir.kind};
    if (heir.residuary == Residuary::MaalGhair)
        with = receiving(FaraidStatus::Fard) & HeirSet{AnakWanita, CucuWanita};
    if (!with.empty())
        text += u" bersama "_s % faraidKindNames(with);
    return text;
}

void describeHeirs(FaraidResult& result) {
    ShareInput table;
    for (const FaraidHeir& heir : result.heirs) {
        if (heir.inBranch() || distantKinds().contains(heir.kind))
            continue;
        table.ticked |= kindBit(tableKind(heir.kind));
        table.counts[tableKind(heir.kind)] = heir.count;
    }
    table.estate = 1200.0;
    const auto shares = computeShares(table);
    for (FaraidHeir& heir : result.heirs) {
        heir.basis = fullBasis(heir, result);
        if (shares && !heir.inBranch() && !distantKinds().contains(heir.kind))
            heir.tableDifference = difference(heir, shares->notes[tableKind(heir.kind)]);
    }
}

} // namespace zw::waris
