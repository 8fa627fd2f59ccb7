#include "waris/engine/render/DivisionPersons.h"

#include "waris/engine/faraid/DistantKin.h"
#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/render/PersonWords.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

// Whether the classical law counts these children of a predeceased heir as persons of `kind`.
bool countedAs(const PredeceasedChild& child, bool daughters, HeirKind kind) {
    const int persons = daughters ? child.daughters : child.sons;
    return persons > 0 && !distantChildren(child.replaces, daughters) &&
           childKind(child.replaces, daughters) == kind;
}

} // namespace

DivisionPersons::DivisionPersons(const FaraidResult& result, const PersonNames& names, int estate)
    : m_result(result)
    , m_names(names)
    , m_estate(estate)
    , m_named(waris::anyNamed(names)) {}

int DivisionPersons::branchPersons(const FaraidHeir& heir) const {
    if (m_result.law != Law::Classical || heir.inBranch())
        return 0;
    int persons = 0;
    for (const PredeceasedChild& child : m_result.predeceased) {
        for (const bool daughters : {false, true}) {
            if (countedAs(child, daughters, heir.kind))
                persons += daughters ? child.daughters : child.sons;
        }
    }
    return persons;
}

PersonKey DivisionPersons::key(const FaraidHeir& heir, int person) const {
    if (heir.inBranch())
        return {m_estate, heir.kind, heir.branch, heir.branchDaughters, person + 1};
    const int entered = heir.count - branchPersons(heir);
    if (person < entered)
        return {m_estate, heir.kind, 0, false, person + 1};
    int rest = person - entered;
    int branch = 0;
    for (const PredeceasedChild& child : m_result.predeceased) {
        ++branch;
        for (const bool daughters : {false, true}) {
            if (!countedAs(child, daughters, heir.kind))
                continue;
            const int persons = daughters ? child.daughters : child.sons;
            if (rest < persons)
                return {m_estate, child.replaces, branch, daughters, rest + 1};
            rest -= persons;
        }
    }
    return {m_estate, heir.kind, 0, false, person + 1};
}

const NamedPerson* DivisionPersons::find(const FaraidHeir& heir, int person) const {
    return m_named ? namedPerson(m_names, key(heir, person)) : nullptr;
}

QString DivisionPersons::relation(const FaraidHeir& heir) const {
    const QString kind = faraidHeirName(heir);
    if (!heir.inBranch() || !m_named)
        return kind;
    const NamedPerson* parent = namedPerson(m_names, {m_estate, heir.kind, heir.branch, false, 0});
    if (!parent || parent->particulars.name.isEmpty())
        return kind;
    const QString place = heirInfo(heir.kind).name % u" ke-"_s % QString::number(heir.branch);
    return QString(kind).replace(place, parent->particulars.name);
}

QString DivisionPersons::name(const FaraidHeir& heir, int person) const {
    if (const NamedPerson* named = find(heir, person))
        return named->particulars.name;
    const QString kind = relation(heir);
    return heir.count > 1 ? kind % u' ' % QString::number(person + 1) : kind;
}

bool DivisionPersons::anyNamed(const FaraidHeir& heir) const {
    for (int p = 0; m_named && p < heir.count; ++p) {
        if (find(heir, p))
            return true;
    }
    return false;
}

QString DivisionPersons::label(const FaraidHeir& heir) const {
    if (!anyNamed(heir))
        return relation(heir);
    QStringList names;
    for (int p = 0; p < heir.count; ++p)
        names.append(name(heir, p));
    return namedGroup(names, relation(heir));
}

HeirNaming DivisionPersons::naming() const {
    return [this](const FaraidHeir& heir) {
        return label(heir);
    };
}

} // namespace zw::waris
