#include "waris/engine/kasus/KasusCheck.h"

#include "waris/engine/faraid/DistantKin.h"
#include "waris/engine/kasus/OneLine.h"

#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;

// The persons by id, once the ids are known to be sound.
class Persons {
public:
    explicit Persons(const Kasus& kasus)
        : m_kasus(kasus) {}

    std::optional<FaraidError> readIds() {
        const std::vector<Person>& persons = m_kasus.persons;
        if (persons.size() > static_cast<std::size_t>(MaxKasusPersons))
            return FaraidError{u"Kasus paling banyak "_s % QString::number(MaxKasusPersons) %
                               u" orang."_s};
        for (std::size_t i = 0; i < persons.size(); ++i) {
            const int id = persons[i].id;
            if (id <= 0)
                return refusal(i, u"nomor orang harus bilangan bulat positif."_s);
            if (const auto [at, added] = m_at.emplace(id, i); !added)
                return refusal(i, u"nomor "_s % QString::number(id) % u" sudah dipakai "_s %
                                      label(at->second) % u'.');
        }
        return std::nullopt;
    }

    const Person& at(std::size_t i) const { return m_kasus.persons[i]; }
    std::size_t size() const { return m_kasus.persons.size(); }
    std::optional<std::size_t> find(int id) const {
        const auto it = m_at.find(id);
        return it == m_at.end() ? std::nullopt : std::optional(it->second);
    }
    const Deceased& deceased() const { return m_kasus.deceased; }

    // Within a sentence.
    QString label(std::size_t i) const {
        QString text = personLabel(m_kasus, i);
        text[0] = text[0].toLower();
        return text;
    }
    FaraidError refusal(std::size_t i, const QString& problem) const {
        return FaraidError{personLabel(m_kasus, i) % u": "_s % problem};
    }

private:
    const Kasus& m_kasus;
    std::map<int, std::size_t> m_at;
};

bool isDead(PersonState state) {
    return state == PersonState::Predeceased || state == PersonState::DiedLater;
}

// `of`: a living son or daughter of one who died before, or a living heir of one who died later,
// always a person of the deceased's own heirs.
std::optional<FaraidError> checkOf(const Persons& persons, std::size_t i) {
    const Person& p = persons.at(i);
    if (p.of == 0)
        return std::nullopt;
    if (p.of == p.id)
        return persons.refusal(i, u"merujuk dirinya sendiri."_s);
    const auto target = persons.find(p.of);
    if (!target)
        return persons.refusal(i, u"orang yang dirujuk (nomor "_s % QString::number(p.of) %
                                      u") tidak ada."_s);
    const Person& t = persons.at(*target);
    if (t.of != 0)
        return persons.refusal(i, u"merujuk "_s % persons.label(*target) %
                                      u", yang sendiri merujuk orang lain."_s);
    if (!isDead(t.state))
        return persons.refusal(i, persons.label(*target) %
                                      u" tidak meninggal lebih dahulu atau kemudian; hanya yang "
                                      u"meninggal mempunyai pengganti atau ahli waris."_s);
    if (p.state == PersonState::DiedLater)
        return persons.refusal(i, u"hanya ahli waris pewaris yang dapat meninggal kemudian."_s);
    if (p.state != PersonState::Living)
        return persons.refusal(i, u"pengganti dan ahli waris dari yang meninggal kemudian hanya "
                                  u"dapat dicatat hidup."_s);
    if (t.state == PersonState::Predeceased && p.relation != AnakPria && p.relation != AnakWanita)
        return persons.refusal(i, u"anak dari "_s % persons.label(*target) %
                                      u" harus Anak Pria atau Anak Wanita."_s);
    return std::nullopt;
}

// `sameAs`: an heir of one who died later who is a living person of the first division.
std::optional<FaraidError> checkSameAs(const Persons& persons, std::size_t i) {
    const Person& p = persons.at(i);
    if (p.sameAs == 0)
        return std::nullopt;
    const auto dead = persons.find(p.of);
    if (!dead || persons.at(*dead).state != PersonState::DiedLater)
        return persons.refusal(i, u"'sama dengan' hanya untuk ahli waris dari yang meninggal "
                                  u"kemudian."_s);
    if (p.sameAs == p.id)
        return persons.refusal(i, u"sama dengan dirinya sendiri."_s);
    const auto same = persons.find(p.sameAs);
    if (!same)
        return persons.refusal(i, u"orang yang dirujuk (nomor "_s % QString::number(p.sameAs) %
                                      u") tidak ada."_s);
    if (*same == *dead)
        return persons.refusal(i,
                               u"sama dengan "_s % persons.label(*dead) % u", yang diwarisinya."_s);
    const Person& s = persons.at(*same);
    if (s.of != 0)
        return persons.refusal(i, u"sama dengan "_s % persons.label(*same) %
                                      u", yang bukan ahli waris pewaris."_s);
    if (s.state == PersonState::Predeceased || s.state == PersonState::DiedTogether ||
        s.state == PersonState::Unborn)
        return persons.refusal(i, u"sama dengan "_s % persons.label(*same) %
                                      u", yang tidak dapat mewarisi."_s);
    return std::nullopt;
}

// The persons related to one deceased: the first, or one who died later.
struct Family {
    FaraidPerKind<int> counts{};
    std::set<int> sameAs;
};

class FamilyCheck {
public:
    explicit FamilyCheck(const Persons& persons)
        : m_persons(persons) {}

    std::optional<FaraidError> add(std::size_t i) {
        const Person& p = m_persons.at(i);
        const std::optional<std::size_t> owner = p.of == 0 ? std::nullopt : m_persons.find(p.of);
        if (owner && m_persons.at(*owner).state != PersonState::DiedLater)
            return std::nullopt; // a predeceased heir's child: checked with `of`
        if (p.state == PersonState::Unborn)
            return std::nullopt;
        const bool male = owner ? heirInfo(m_persons.at(*owner).relation).male
                                : m_persons.deceased().sex == Sex::Male;
        const QString whose = owner ? m_persons.label(*owner) : u"pewaris"_s;
        if (p.relation == Suami && male)
            return m_persons.refusal(i, whose % u" laki-laki, tidak mempunyai suami."_s);
        if (p.relation == Istri && !male)
            return m_persons.refusal(i, whose % u" perempuan, tidak mempunyai istri."_s);
        Family& family = m_families[p.of];
        const int n = ++family.counts[p.relation];
        if (p.relation == Istri && n > 4)
            return m_persons.refusal(i, u"istri kelima; istri paling banyak empat."_s);
        if (!heirInfo(p.relation).several && n > 1)
            return m_persons.refusal(i, whose % u" hanya mempunyai satu "_s %
                                            heirInfo(p.relation).name % u'.');
        if (p.sameAs != 0 && !family.sameAs.insert(p.sameAs).second)
            return m_persons.refusal(i, m_persons.label(*m_persons.find(p.sameAs)) %
                                            u" sudah disebut sebagai ahli waris "_s % whose % u'.');
        return std::nullopt;
    }

private:
    const Persons& m_persons;
    std::map<int, Family> m_families;
};

// A person of the first division in a state that needs more than its relation.
class StateCheck {
public:
    explicit StateCheck(const Persons& persons)
        : m_persons(persons) {}

    std::optional<FaraidError> add(std::size_t i) {
        const Person& p = m_persons.at(i);
        if (p.of != 0)
            return std::nullopt;
        switch (p.state) {
        case PersonState::Predeceased:
            if (!isPredeceasedPlace(p.relation))
                return m_persons.refusal(i, heirInfo(p.relation).name %
                                                u" yang meninggal lebih dahulu tidak mempunyai "
                                                u"pengganti."_s);
            break;
        case PersonState::Unborn:
            if (const auto kind = unbornKindOf(p.relation); std::holds_alternative<QString>(kind))
                return m_persons.refusal(i, std::get<QString>(kind));
            if (++m_unborn > 1)
                return m_persons.refusal(i, u"hanya satu kandungan yang dapat dicatat; jumlah "
                                            u"bayi diatur pada kandungan."_s);
            break;
        case PersonState::UnknownSex:
            if (!mayBeIntersex(p.relation))
                return m_persons.refusal(i, u"khuntsa hanya anak, cucu atau saudara."_s);
            if (++m_intersex > 1)
                return m_persons.refusal(i, u"hanya satu khuntsa yang dapat dihitung."_s);
            break;
        case PersonState::Living:
        case PersonState::DiedLater:
        case PersonState::Missing:
        case PersonState::DiedTogether:
            break;
        }
        return std::nullopt;
    }

private:
    const Persons& m_persons;
    int m_unborn = 0;
    int m_intersex = 0;
};

} // namespace

QString personLabel(const Kasus& kasus, std::size_t index) {
    const QString& name = kasus.persons[index].particulars.name;
    return u"Orang ke-"_s % QString::number(index + 1) %
           (name.isEmpty() ? QString() : u" ("_s % oneLine(name) % u')');
}

std::variant<UnbornKind, QString> unbornKindOf(HeirKind relation) {
    switch (relation) {
    // Its sex is not known yet: either kind of a class names it.
    case AnakPria:
    case AnakWanita:
        return UnbornKind::Child;
    case CucuPria:
    case CucuWanita:
        return UnbornKind::Grandchild;
    case SaudaraPriaSekandung:
    case SaudaraWanitaSekandung:
        return UnbornKind::FullSibling;
    case SaudaraPriaSeBapak:
    case SaudaraWanitaSeBapak:
        return UnbornKind::PaternalSibling;
    case SaudaraPriaSeIbu:
    case SaudaraWanitaSeIbu:
        return UnbornKind::UterineSibling;
    default:
        return u"kandungan hanya anak, cucu dari anak pria atau saudara."_s;
    }
}

std::optional<FaraidError> checkKasus(const Kasus& kasus) {
    Persons persons(kasus);
    if (auto error = persons.readIds())
        return error;
    FamilyCheck families(persons);
    StateCheck states(persons);
    for (std::size_t i = 0; i < persons.size(); ++i) {
        if (auto error = checkOf(persons, i))
            return error;
        if (auto error = checkSameAs(persons, i))
            return error;
        if (auto error = families.add(i))
            return error;
        if (auto error = states.add(i))
            return error;
    }
    return std::nullopt;
}

} // namespace zw::waris
