#include "waris/engine/render/SpecialCasesText.h"

#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/faraid/OutcomeName.h"
#include "waris/engine/faraid/SpecialCaseParts.h"
#include "waris/engine/render/SpecialPersonNames.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum SpecialNoteKind;
using parts::kindName;

struct FixedNote {
    SpecialNoteKind kind;
    QStringView text;
};

constexpr FixedNote FixedNotes[] = {
    {IntersexAverage, u"Pandangan Hanbali dan Maliki: setiap ahli waris menerima rata-rata "
                      u"bagiannya dari kedua kemungkinan; tidak ada yang ditangguhkan."},
    {MissingHeld, u"Bagian ahli waris yang hilang ditangguhkan sampai hakim memutuskan "
                  u"kematiannya atau ia kembali."},
    {MissingHeldKhi, u"Bagian ahli waris yang hilang ditangguhkan sampai Pengadilan Agama "
                     u"menetapkan kematiannya atau ia kembali (Pasal 171 KHI: ahli waris adalah "
                     u"yang hidup pada saat pewaris meninggal, dan kematian yang hilang "
                     u"berdasarkan putusan Pengadilan)."},
    {IntersexShafii, u"Pandangan Syafi'i: khuntsa dan setiap ahli waris menerima bagian yang "
                     u"lebih kecil dari kedua kemungkinan; sisanya ditangguhkan sampai jelas."},
    {LaterDeaths, u"Pembagian di atas adalah pembagian harta pewaris; bagian ahli waris yang "
                  u"meninggal kemudian dibagi lagi di bawah."},
    {IntersexHanafiEach, u"Pandangan Hanafi: pada setiap kemungkinan lainnya khuntsa menerima "
                         u"bagian yang lebih kecil dari kedua jenis kelamin dan ahli waris lain "
                         u"mengikutinya; yang bergantung pada kemungkinan lain ditangguhkan."},
    {IntersexAverageEach, u"Pandangan Hanbali dan Maliki: pada setiap kemungkinan lainnya setiap "
                          u"ahli waris menerima rata-rata bagiannya bila khuntsa pria dan bila "
                          u"wanita; pembagian di atas adalah kemungkinan pertama dengan khuntsa "
                          u"sebagai pria."},
    {DeathsEachOutcome, u"Harta ahli waris yang meninggal kemudian dibagi lagi pada setiap "
                        u"kemungkinan; pembagiannya di bawah adalah untuk kemungkinan pertama, dan "
                        u"jami'ah akhir membuat bulat bagian yang diberikan sekarang."},
    {NoHeirs, u"Bila tidak ada ahli waris sama sekali, harta diserahkan ke Baitul Mal (Pasal 191 "
              u"KHI)."},
};

// Per UnbornReserve.
constexpr QStringView Reserves[] = {
    u"pendapat Hanbali: paling banyak dua anak, pria atau wanita, mana yang lebih besar",
    u"pendapat Syafi'i: saudara kandungan tidak menerima apa-apa sampai kelahiran",
    u"pendapat Hanafi (Abu Yusuf): satu anak pria atau wanita",
};

QString fixedNote(SpecialNoteKind kind) {
    for (const FixedNote& note : FixedNotes) {
        if (note.kind == kind)
            return note.text.toString();
    }
    return QString();
}

QString sameHeirsNote(const SpecialPersonNames& who, const SpecialNote& note) {
    QStringList same;
    for (const std::size_t i : note.persons)
        same.append(who.label(i));
    return kindName(note.heir) % u" dari "_s % who.label(note.person) % u" adalah "_s %
           same.join(u", "_s) % u" pada pembagian pertama."_s;
}

QString noteText(const SpecialResult& r, const SpecialPersonNames& who, const SpecialNote& note) {
    switch (note.kind) {
    case DiedTogether:
        return QString::number(note.count) % u' ' % kindName(note.heir) %
               u" meninggal bersama pewaris tanpa diketahui siapa yang lebih dahulu; mereka "
               u"tidak saling mewarisi, maka tidak dihitung sebagai ahli waris."_s;
    case FirstOutcome:
        return u"Pembagian di atas berlaku bila "_s % outcomeName(r.outcomes.front().fates) %
               u"; yang diterima sekarang dan yang ditangguhkan ada di bawah."_s;
    case IntersexHanafi:
        return u"Pandangan Hanafi: khuntsa menerima bagian yang lebih kecil ("_s %
               outcomeName(r.outcomes[note.outcome].fates) %
               u"), ahli waris lain mengikutinya; tidak ada yang ditangguhkan."_s;
    case UnbornHeld:
        return u"Bagian kandungan ditangguhkan sampai kelahiran; cadangan menurut "_s %
               Reserves[static_cast<std::size_t>(note.reserve)] % u'.';
    case SameHeirs:
        return sameHeirsNote(who, note);
    default:
        return fixedNote(note.kind);
    }
}

// "Anak Pria 2 1/4, Baitul Mal 1/8": the persons `value` gives something, and the treasury's.
template<typename Value>
QString personsText(const SpecialResult& r, const SpecialPersonNames& who, Value value,
                    const QString& treasury) {
    QStringList parts;
    for (std::size_t i = 0; i < r.persons.size(); ++i) {
        if (const QString v = value(i); !v.isEmpty())
            parts.append(who.label(i) % u' ' % v);
    }
    if (!treasury.isEmpty())
        parts.append(u"Baitul Mal "_s % treasury);
    return parts.join(u", "_s);
}

QString unlessZero(Fraction share) {
    return share.isZero() ? QString() : share.toString();
}

QString outcomeStep(const SpecialResult& r, const SpecialPersonNames& who,
                    const SpecialOutcome& o) {
    const auto share = [&](std::size_t i) {
        return unlessZero(o.shares[i]);
    };
    return u"Bila "_s % outcomeName(o.fates) % u": "_s %
           personsText(r, who, share, unlessZero(o.treasury)) % u'.';
}

QString givenNowStep(const SpecialResult& r, const SpecialPersonNames& who) {
    const auto share = [&](std::size_t i) {
        return r.persons[i].share.toString();
    };
    return u"Yang diberikan sekarang: "_s % personsText(r, who, share, QString()) %
           u"; ditangguhkan "_s % r.held.toString() % u'.';
}

QString deathStep(const SpecialResult& r, const SpecialPersonNames& who, std::size_t d) {
    const SpecialDeath& death = r.deaths[d];
    QStringList heirs;
    for (const FaraidHeir& h : death.division.heirs) {
        const QString named = who.heirLabel(d, h);
        heirs.append(named != faraidHeirName(h) || h.count == 1
                         ? named
                         : named % u' ' % QString::number(h.count) % u" orang"_s);
    }
    return who.label(death.person) % u" meninggal sebelum harta dibagi; bagiannya "_s %
           death.share.toString() % u" (" % QString::number(death.shareParts) % u" dari "_s %
           QString::number(death.jamiah / death.factor) %
           u" bagian) menjadi harta pembagian ke-"_s % QString::number(d + 2) %
           u", dibagi kepada "_s % heirs.join(u", "_s) % u"; asal masalah setelah tashih "_s %
           QString::number(death.division.finalBase) % u'.';
}

QString matchText(const SpecialDeath& death) {
    const QString parts = QString::number(death.shareParts);
    const std::int64_t base = death.division.finalBase;
    const QString jamiah = QString::number(death.jamiah);
    const QString grown = QString::number(death.jamiah / death.factor) % u" × "_s %
                          QString::number(death.factor) % u" = "_s % jamiah;
    switch (death.match) {
    case BaseMatch::Same:
        return u"bagian "_s % parts % u" sama dengan asal masalah "_s % QString::number(base) %
               u" (tamatsul), jami'ah tetap "_s % jamiah;
    case BaseMatch::Divides:
        return u"bagian "_s % parts % u" habis dibagi asal masalah "_s % QString::number(base) %
               u", jami'ah tetap "_s % jamiah;
    case BaseMatch::Agree:
        return u"bagian "_s % parts % u" dan asal masalah "_s % QString::number(base) %
               u" sepadan (tawafuq) dengan faktor "_s % QString::number(base / death.factor) %
               u", jami'ah "_s % grown;
    case BaseMatch::Differ:
        return u"bagian "_s % parts % u" dan asal masalah "_s % QString::number(base) %
               u" berbeda (tabayun), jami'ah "_s % grown;
    }
    return QString();
}

QString commonBaseStep(const SpecialResult& r, const SpecialPersonNames& who) {
    const auto parts = [&](std::size_t i) {
        const SpecialPerson& p = r.persons[i];
        return p.died || p.share.isZero() ? QString() : QString::number(p.parts);
    };
    const QString treasury = (r.treasury * Fraction(r.jamiah)).toString();
    return u"Jami'ah "_s % QString::number(r.jamiah) % u": "_s %
           personsText(r, who, parts, r.treasury.isZero() ? QString() : treasury) % u'.';
}

QStringList laterDeathSteps(const SpecialResult& r, const SpecialPersonNames& who) {
    QStringList steps{u"Pembagian pertama, harta pewaris: asal masalah setelah tashih "_s %
                      QString::number(r.first.finalBase) % u'.'};
    for (std::size_t d = 0; d < r.deaths.size(); ++d) {
        steps.append(deathStep(r, who, d));
        steps.append(u"Perbandingan pembagian ke-"_s % QString::number(d + 2) % u": "_s %
                     matchText(r.deaths[d]) % u'.');
    }
    steps.append(commonBaseStep(r, who));
    return steps;
}

} // namespace

QStringList specialNotes(const SpecialResult& result, const PersonNames& names) {
    const SpecialPersonNames who(result, names);
    QStringList notes;
    for (const SpecialNote& note : result.notes)
        notes.append(noteText(result, who, note));
    return notes;
}

QStringList specialSteps(const SpecialResult& result, const PersonNames& names) {
    const SpecialPersonNames who(result, names);
    QStringList steps;
    for (const SpecialOutcome& o : result.outcomes)
        steps.append(outcomeStep(result, who, o));
    if (!result.outcomes.empty())
        steps.append(givenNowStep(result, who));
    if (!result.deaths.empty())
        steps += laterDeathSteps(result, who);
    return steps;
}

} // namespace zw::waris
