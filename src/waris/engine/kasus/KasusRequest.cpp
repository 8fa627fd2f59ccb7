#include "waris/engine/kasus/KasusRequest.h"

#include "waris/engine/kasus/KasusCheck.h"
#include "waris/engine/kasus/OneLine.h"

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;

void addKind(std::vector<KindPersons>& list, HeirKind kind) {
    const auto it = std::ranges::find(list, kind, &KindPersons::kind);
    if (it == list.end())
        list.push_back({kind, 1});
    else
        ++it->count;
}

// The case's persons as the request counts them. Numbers follow Persons.h: entered order within
// a kind, the missing after the others and those who died together after them (the engine counts
// them out first), the unborn and the khuntsa number 0.
class KasusReading {
public:
    explicit KasusReading(const Kasus& kasus)
        : m_kasus(kasus) {
        for (std::size_t i = 0; i < kasus.persons.size(); ++i) {
            m_children[kasus.persons[i].of].push_back(i);
            m_byId[kasus.persons[i].id] = i;
        }
    }

    DivisionRequest request(std::optional<Rupiah> estate) {
        readFirstDivision();
        readBranches();
        readDeaths();
        readSettings();
        m_request.input.estate = estate;
        return std::move(m_request);
    }

private:
    const Person& person(std::size_t i) const { return m_kasus.persons[i]; }
    std::vector<std::size_t> childrenOf(int id) const {
        const auto it = m_children.find(id);
        return it == m_children.end() ? std::vector<std::size_t>() : it->second;
    }
    void name(const PersonKey& key, std::size_t i) {
        m_request.names.add(key, {person(i).particulars, person(i).id});
    }

    void readFirstDivision() {
        FaraidPerKind<std::vector<std::size_t>> plain, missing, together;
        SpecialInput& special = m_request.special;
        for (const std::size_t i : childrenOf(0)) {
            const Person& p = person(i);
            if (p.state != PersonState::Predeceased && p.state != PersonState::Unborn)
                ++m_request.input.counts[p.relation];
            switch (p.state) {
            case PersonState::Living:
            case PersonState::DiedLater:
                plain[p.relation].push_back(i);
                break;
            case PersonState::Missing:
                addKind(special.missing, p.relation);
                missing[p.relation].push_back(i);
                break;
            case PersonState::DiedTogether:
                addKind(special.diedTogether, p.relation);
                together[p.relation].push_back(i);
                break;
            case PersonState::UnknownSex:
                special.intersex = p.relation;
                name({.kind = p.relation, .number = 0}, i);
                break;
            case PersonState::Unborn:
                special.unborn = std::get<UnbornKind>(unbornKindOf(p.relation));
                name({.kind = p.relation, .number = 0}, i);
                break;
            case PersonState::Predeceased:
                break;
            }
        }
        for (int k = 0; k < FaraidKindCount; ++k) {
            const HeirKind kind = heirKind(k);
            numberKind(kind, {&plain[kind], &missing[kind], &together[kind]});
        }
    }

    void numberKind(HeirKind kind, std::initializer_list<const std::vector<std::size_t>*> groups) {
        int number = 0;
        for (const std::vector<std::size_t>* group : groups) {
            for (const std::size_t i : *group) {
                name({.kind = kind, .number = ++number}, i);
                m_number[i] = number;
            }
        }
    }

    // A predeceased heir who left children: a branch, in the order entered.
    void readBranches() {
        for (const std::size_t i : childrenOf(0)) {
            const Person& dead = person(i);
            const std::vector<std::size_t> children = childrenOf(dead.id);
            if (dead.state != PersonState::Predeceased || children.empty())
                continue;
            PredeceasedChild branch{dead.relation, 0, 0};
            const int b = static_cast<int>(m_request.input.predeceased.size()) + 1;
            name({.kind = dead.relation, .branch = b, .number = 0}, i);
            for (const std::size_t c : children) {
                const bool daughter = person(c).relation == AnakWanita;
                const int number = daughter ? ++branch.daughters : ++branch.sons;
                name({.kind = dead.relation, .branch = b, .daughters = daughter, .number = number},
                     c);
            }
            m_request.input.predeceased.push_back(branch);
        }
    }

    // Each later death in the order entered. Its heirs who are persons of the first division come
    // first within their kind, as the engine matches them; they keep that person's name.
    void readDeaths() {
        for (const std::size_t i : childrenOf(0)) {
            const Person& dead = person(i);
            if (dead.state != PersonState::DiedLater)
                continue;
            LaterDeath death{dead.relation, m_number[i], {}};
            const int d = static_cast<int>(m_request.special.deaths.size()) + 1;
            std::vector<std::size_t> heirs = childrenOf(dead.id);
            std::stable_partition(heirs.begin(), heirs.end(),
                                  [this](std::size_t h) { return person(h).sameAs != 0; });
            for (const std::size_t h : heirs) {
                const Person& heir = person(h);
                const int number = ++death.heirs[heir.relation];
                name({.estate = d, .kind = heir.relation, .number = number},
                     heir.sameAs != 0 ? m_byId.at(heir.sameAs) : h);
            }
            m_request.special.deaths.push_back(death);
        }
    }

    void readSettings() {
        FaraidInput& in = m_request.input;
        in.law = m_kasus.law;
        in.jointProperty = m_kasus.jointProperty;
        in.funeral = m_kasus.funeral;
        in.zakat = m_kasus.zakat;
        in.debts = m_kasus.debts;
        in.bequest = m_kasus.bequest;
        in.obligatoryBequest = m_kasus.obligatoryBequest;
        in.obligatoryBequestTo = m_kasus.obligatoryBequestTo;
        in.options = m_kasus.options;
        SpecialInput& special = m_request.special;
        special.reserve = m_kasus.reserve;
        special.unbornMax = m_kasus.unbornMax;
        special.intersexView = m_kasus.intersexView;
        m_request.compare = m_kasus.compare;
        m_request.deceased = m_kasus.deceased;
    }

    const Kasus& m_kasus;
    DivisionRequest m_request;
    std::map<int, std::vector<std::size_t>> m_children; // by the id of `of`; 0: the first
    std::map<int, std::size_t> m_byId;
    std::map<std::size_t, int> m_number; // within the kind, of the first division's persons
};

// The estate given, or the sum of its items.
std::variant<std::optional<Rupiah>, FaraidError> estateOf(const Kasus& kasus) {
    if (kasus.estateItems.empty())
        return kasus.estate;
    Rupiah sum;
    for (std::size_t i = 0; i < kasus.estateItems.size(); ++i) {
        const EstateItem& item = kasus.estateItems[i];
        const QString label =
            u"Rincian harta ke-"_s % QString::number(i + 1) %
            (item.description.isEmpty() ? QString() : u" ("_s % item.description % u')');
        if (item.value < Rupiah())
            return FaraidError{label % u": nilai tidak boleh negatif."_s};
        if (item.value > Rupiah::max() - sum)
            return FaraidError{u"Jumlah rincian harta terlalu besar (paling banyak "_s %
                               Rupiah::max().toPlainDecimal() % u")."_s};
        sum += item.value;
    }
    return std::optional(sum);
}

QString numbered(HeirKind kind, int number, int count) {
    return count > 1 ? heirInfo(kind).name % u' ' % QString::number(number) : heirInfo(kind).name;
}

// The relation an unborn child of `kind` would have as a boy.
HeirKind unbornRelation(UnbornKind kind) {
    switch (kind) {
    case UnbornKind::Child:
        return AnakPria;
    case UnbornKind::Grandchild:
        return CucuPria;
    case UnbornKind::FullSibling:
        return SaudaraPriaSekandung;
    case UnbornKind::PaternalSibling:
        return SaudaraPriaSeBapak;
    case UnbornKind::UterineSibling:
        return SaudaraPriaSeIbu;
    }
    return AnakPria;
}

// One person for each counted person of a request, in kind order, then the unborn, the
// predeceased heirs each with their children and the heirs of each later death.
class KasusWriting {
public:
    explicit KasusWriting(const DivisionRequest& request)
        : m_request(request) {}

    Kasus kasus() {
        writeSettings();
        writeFirstDivision();
        writeUnborn();
        writeBranches();
        writeDeaths();
        return std::move(m_kasus);
    }

private:
    // The particulars the request's names give the person, with `fallback` for a name.
    Particulars particulars(const PersonKey& key, const QString& fallback) const {
        const NamedPerson* named = m_request.names.find(key);
        Particulars p = named ? named->particulars : Particulars();
        if (p.name.isEmpty())
            p.name = fallback;
        return p;
    }

    Person& add(HeirKind relation, PersonState state, Particulars particulars, int of = 0) {
        Person p;
        p.id = static_cast<int>(m_kasus.persons.size()) + 1;
        p.relation = relation;
        p.state = state;
        p.particulars = std::move(particulars);
        p.of = of;
        return m_kasus.persons.emplace_back(std::move(p));
    }

    // The persons of the kind and its predeceased, for the names.
    int total(HeirKind kind) const {
        const auto& predeceased = m_request.input.predeceased;
        return m_request.input.counts[kind] +
               static_cast<int>(std::ranges::count(predeceased, kind, &PredeceasedChild::replaces));
    }

    static int countOf(const std::vector<KindPersons>& list, HeirKind kind) {
        const auto it = std::ranges::find(list, kind, &KindPersons::kind);
        return it == list.end() ? 0 : it->count;
    }

    // The khuntsa first, then the others, the missing and those who died together last.
    std::vector<PersonState> statesOf(HeirKind kind) const {
        const SpecialInput& special = m_request.special;
        const int count = m_request.input.counts[kind];
        std::vector<PersonState> states(static_cast<std::size_t>(std::max(count, 0)),
                                        PersonState::Living);
        int together = countOf(special.diedTogether, kind);
        int missing = countOf(special.missing, kind);
        for (auto it = states.rbegin(); it != states.rend(); ++it) {
            if (together > 0) {
                *it = PersonState::DiedTogether;
                --together;
            } else if (missing > 0) {
                *it = PersonState::Missing;
                --missing;
            }
        }
        if (special.intersex == kind && !states.empty() && states.front() == PersonState::Living)
            states.front() = PersonState::UnknownSex;
        return states;
    }

    void writeFirstDivision() {
        for (int k = 0; k < FaraidKindCount; ++k) {
            const HeirKind kind = heirKind(k);
            int position = 0;
            int number = 0;
            for (const PersonState state : statesOf(kind)) {
                const bool khuntsa = state == PersonState::UnknownSex;
                const PersonKey key{.kind = kind, .number = khuntsa ? 0 : ++number};
                const Person& p =
                    add(kind, state, particulars(key, numbered(kind, ++position, total(kind))));
                if (state == PersonState::Living)
                    m_plain[kind].push_back(p.id);
            }
            m_position[kind] = position;
        }
    }

    void writeUnborn() {
        if (!m_request.special.unborn)
            return;
        const HeirKind relation = unbornRelation(*m_request.special.unborn);
        add(relation, PersonState::Unborn,
            particulars({.kind = relation, .number = 0}, u"Kandungan"_s));
    }

    void writeBranches() {
        const auto& predeceased = m_request.input.predeceased;
        for (std::size_t b = 0; b < predeceased.size(); ++b) {
            const PredeceasedChild& child = predeceased[b];
            const HeirKind kind = child.replaces;
            const Particulars named =
                particulars({.kind = kind, .branch = static_cast<int>(b) + 1, .number = 0},
                            numbered(kind, ++m_position[kind], total(kind)));
            const int id = add(kind, PersonState::Predeceased, named).id;
            const QString of = u" dari "_s % named.name;
            for (const auto& [daughters, count] :
                 {std::pair{false, child.sons}, std::pair{true, child.daughters}}) {
                const HeirKind relation = daughters ? AnakWanita : AnakPria;
                for (int n = 1; n <= count; ++n) {
                    const PersonKey key{.kind = kind,
                                        .branch = static_cast<int>(b) + 1,
                                        .daughters = daughters,
                                        .number = n};
                    add(relation, PersonState::Living,
                        particulars(key, numbered(relation, n, count) % of), id);
                }
            }
        }
    }

    void writeDeaths() {
        const auto& deaths = m_request.special.deaths;
        for (std::size_t d = 0; d < deaths.size(); ++d) {
            const LaterDeath& death = deaths[d];
            const std::vector<int>& plain = m_plain[death.kind];
            if (death.person < 1 || death.person > static_cast<int>(plain.size()))
                continue;
            Person& dead = m_kasus.persons[static_cast<std::size_t>(
                plain[static_cast<std::size_t>(death.person) - 1] - 1)];
            dead.state = PersonState::DiedLater;
            const int id = dead.id;
            const QString of = u" dari "_s % dead.particulars.name;
            for (int k = 0; k < FaraidKindCount; ++k) {
                const HeirKind kind = heirKind(k);
                const int count = death.heirs[kind];
                for (int n = 1; n <= count; ++n) {
                    const PersonKey key{
                        .estate = static_cast<int>(d) + 1, .kind = kind, .number = n};
                    add(kind, PersonState::Living, particulars(key, numbered(kind, n, count) % of),
                        id);
                }
            }
        }
    }

    void writeSettings() {
        const FaraidInput& in = m_request.input;
        m_kasus.estate = in.estate;
        m_kasus.jointProperty = in.jointProperty;
        m_kasus.funeral = in.funeral;
        m_kasus.zakat = in.zakat;
        m_kasus.debts = in.debts;
        m_kasus.bequest = in.bequest;
        m_kasus.obligatoryBequest = in.obligatoryBequest;
        m_kasus.obligatoryBequestTo = in.obligatoryBequestTo;
        m_kasus.law = in.law;
        m_kasus.compare = m_request.compare;
        m_kasus.options = in.options;
        const SpecialInput& special = m_request.special;
        m_kasus.reserve = special.reserve;
        m_kasus.unbornMax = special.unbornMax;
        m_kasus.intersexView = special.intersexView;
        if (m_request.deceased)
            m_kasus.deceased = *m_request.deceased;
        else if (in.counts[Suami] > 0)
            m_kasus.deceased.sex = Sex::Female;
    }

    const DivisionRequest& m_request;
    Kasus m_kasus;
    FaraidPerKind<std::vector<int>> m_plain; // the ids of the living, a later death's candidates
    FaraidPerKind<int> m_position{};         // persons of the kind named so far
};

} // namespace

std::variant<DivisionRequest, FaraidError> kasusRequest(const Kasus& kasus) {
    if (auto error = checkKasus(kasus))
        return *error;
    auto estate = estateOf(kasus);
    if (auto* error = std::get_if<FaraidError>(&estate))
        return std::move(*error);
    return KasusReading(kasus).request(std::get<std::optional<Rupiah>>(estate));
}

Kasus kasusFromRequest(const DivisionRequest& request) {
    return KasusWriting(request).kasus();
}

} // namespace zw::waris
