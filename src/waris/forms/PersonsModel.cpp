#include "waris/forms/PersonsModel.h"

#include "ui/ChoiceDelegate.h"
#include "waris/engine/kasus/KasusChoices.h"
#include "waris/forms/TypedDate.h"

#include <QGuiApplication>
#include <QPalette>
#include <QStringBuilder>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

// Who may be the heir of one who died after the deceased.
bool outlived(const Person& person) {
    return person.state != PersonState::Predeceased && person.state != PersonState::DiedTogether;
}

} // namespace

PersonsModel::PersonsModel(QObject* parent)
    : ValueTableModel({u"Nama"_s, u"Hubungan"_s, u"Keadaan"_s, u"Pengganti/ahli waris dari"_s,
                       u"Sama dengan"_s, u"NIK"_s, u"Tempat Lahir"_s, u"Tanggal Lahir"_s,
                       u"Alamat"_s},
                      parent) {}

QString PersonsModel::shownName(const Person& person) const {
    if (!person.particulars.name.isEmpty())
        return person.particulars.name;
    int number = 0;
    int count = 0;
    for (const Person& other : rows()) {
        if (other.relation != person.relation || other.of != person.of)
            continue;
        ++count;
        if (other.id == person.id)
            number = count;
    }
    const QString& kind = heirInfo(person.relation).name;
    return count > 1 ? kind % u' ' % QString::number(number) : kind;
}

void PersonsModel::setPersons(std::vector<Person> persons) {
    clear();
    m_nextId = 1;
    for (Person& person : persons) {
        m_nextId = std::max(m_nextId, person.id + 1);
        append(std::move(person));
    }
}

int PersonsModel::addPerson(Person person) {
    person.id = m_nextId++;
    return append(std::move(person));
}

void PersonsModel::removePerson(int row) {
    if (row < 0 || row >= rowCount())
        return;
    const int id = rowAt(row).id;
    removeRows(row, 1);
    for (int r = 0; r < rowCount(); ++r) {
        Person& person = rowAt(r);
        if (person.of == id || person.sameAs == id) {
            person.of = person.of == id ? 0 : person.of;
            person.sameAs = person.sameAs == id ? 0 : person.sameAs;
            Q_EMIT dataChanged(index(r, Of), index(r, SameAs));
        }
    }
}

const Person* PersonsModel::byId(int id) const {
    const auto& all = rows();
    const auto found =
        std::find_if(all.begin(), all.end(), [id](const Person& p) { return p.id == id; });
    return found == all.end() ? nullptr : &*found;
}

std::vector<int> PersonsModel::choiceIds(int column, const Person& person) const {
    std::vector<int> ids{0};
    const Person* dead = byId(person.of);
    for (const Person& other : rows()) {
        if (other.id == person.id)
            continue;
        const bool takes = column == Of
                               ? other.of == 0 && (other.state == PersonState::Predeceased ||
                                                   other.state == PersonState::DiedLater)
                               : dead && dead->state == PersonState::DiedLater && other.of == 0 &&
                                     other.id != dead->id && outlived(other);
        if (takes)
            ids.push_back(other.id);
    }
    return ids;
}

QStringList PersonsModel::choiceNames(int column, const Person& person) const {
    QStringList names;
    for (const int id : choiceIds(column, person)) {
        if (id == 0)
            names.append(column == Of ? u"(pewaris)"_s : u"(orang lain)"_s);
        else
            names.append(shownName(*byId(id)));
    }
    return names;
}

QVariant PersonsModel::choiceData(const Person& person, int column, int role) const {
    switch (column) {
    case Relation:
        if (role == ChoiceDelegate::ChoicesRole) {
            QStringList names;
            for (int k = 0; k < FaraidKindCount; ++k)
                names.append(heirInfo(heirKind(k)).name);
            return names;
        }
        return role == Qt::EditRole ? QVariant(waris::index(person.relation))
                                    : QVariant(heirInfo(person.relation).name);
    case State:
        if (role == ChoiceDelegate::ChoicesRole) {
            QStringList names;
            for (const Choice<PersonState>& state : choices::States.choices)
                names.append(state.label.toString());
            return names;
        }
        return role == Qt::EditRole ? QVariant(static_cast<int>(person.state))
                                    : QVariant(choices::States.label(person.state));
    default: {
        const int id = column == Of ? person.of : person.sameAs;
        if (role == ChoiceDelegate::ChoicesRole)
            return choiceNames(column, person);
        if (role == Qt::EditRole) {
            const std::vector<int> ids = choiceIds(column, person);
            const auto found = std::find(ids.begin(), ids.end(), id);
            return found == ids.end() ? 0 : static_cast<int>(found - ids.begin());
        }
        const Person* other = byId(id);
        return other ? shownName(*other) : QString();
    }
    }
}

QVariant PersonsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Person& person = rowAt(index.row());
    const int column = index.column();
    if (column == Relation || column == State || column == Of || column == SameAs) {
        if (role == Qt::DisplayRole || role == Qt::EditRole || role == ChoiceDelegate::ChoicesRole)
            return choiceData(person, column, role);
        return {};
    }
    // A name not yet typed shows as the placeholder of a field does.
    if (column == Name && role == Qt::ForegroundRole && person.particulars.name.isEmpty())
        return QGuiApplication::palette().color(QPalette::PlaceholderText);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const Particulars& p = person.particulars;
    switch (column) {
    case Name:
        return role == Qt::DisplayRole ? shownName(person) : p.name;
    case Nik:
        return p.nik;
    case BirthPlace:
        return p.birthPlace;
    case BirthDate:
        return typedDate(p.birthDate);
    default:
        return p.address;
    }
}

Qt::ItemFlags PersonsModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!index.isValid())
        return flags;
    const Person& person = rowAt(index.row());
    // The same person as one of the first division has that one's particulars.
    const bool own = person.sameAs == 0 || index.column() <= SameAs;
    const bool chosen = index.column() != SameAs || !choiceIds(SameAs, person).empty();
    return own && chosen ? flags | Qt::ItemIsEditable : flags & ~Qt::ItemIsEnabled;
}

bool PersonsModel::setChoice(const QModelIndex& index, int choice) {
    Person& person = rowAt(index.row());
    switch (index.column()) {
    case Relation:
        if (choice < 0 || choice >= FaraidKindCount)
            return false;
        return store(index, person.relation, heirKind(choice));
    case State:
        if (choice < 0 || choice >= static_cast<int>(choices::States.choices.size()))
            return false;
        return store(index, person.state, static_cast<PersonState>(choice));
    default: {
        const std::vector<int> ids = choiceIds(index.column(), person);
        if (choice < 0 || choice >= static_cast<int>(ids.size()))
            return false;
        const int id = ids[static_cast<std::size_t>(choice)];
        if (index.column() == SameAs)
            return store(index, person.sameAs, id);
        if (id == person.of)
            return true;
        person.sameAs = 0;
        store(index, person.of, id);
        Q_EMIT dataChanged(this->index(index.row(), SameAs), this->index(index.row(), SameAs));
        return true;
    }
    }
}

bool PersonsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int column = index.column();
    if (column == Relation || column == State || column == Of || column == SameAs) {
        bool whole = false;
        const int choice = value.toInt(&whole);
        return whole && setChoice(index, choice);
    }
    Particulars& p = rowAt(index.row()).particulars;
    const QString text = value.toString();
    switch (column) {
    case Name:
        return store(index, p.name, text);
    case Nik:
        return store(index, p.nik, text.trimmed());
    case BirthPlace:
        return store(index, p.birthPlace, text);
    case BirthDate: {
        const std::optional<QDate> date = readTypedDate(text);
        return date && store(index, p.birthDate, *date);
    }
    default:
        return store(index, p.address, text);
    }
}

} // namespace zw::waris
