#include "../engine/kasus/KasusCases.h"
#include "ui/ChoiceDelegate.h"
#include "waris/forms/EstateItemsModel.h"
#include "waris/forms/PersonsModel.h"

#include <QTest>

using namespace Qt::StringLiterals;
using zw::waris::Person;
using zw::waris::PersonsModel;
using zw::waris::PersonState;
using zw::waris::test::person;
using enum zw::waris::HeirKind;

namespace {

// A widow, a son who died later, a son who died before, and the later son's own daughter.
std::vector<Person> family() {
    return {person(1, u"Siti"_s, Istri), person(2, u"Umar"_s, AnakPria, PersonState::DiedLater),
            person(3, u"Ali"_s, AnakPria, PersonState::Predeceased),
            person(4, u"Zainab"_s, AnakWanita, PersonState::Living, 2)};
}

QStringList choices(const PersonsModel& model, int row, int column) {
    return model.index(row, column).data(zw::ChoiceDelegate::ChoicesRole).toStringList();
}

} // namespace

// The persons of Pembagian as edited through their model.
class EntryModelsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void whoseAndWhoChoicesFollowTheStates_data();
    void whoseAndWhoChoicesFollowTheStates();
    void removingAPersonLeavesNoReferenceToIt();
    void editsAreCheckedAndNewPersonsGetNewIds_data();
    void editsAreCheckedAndNewPersonsGetNewIds();
    void estateItemsAddUpAndRefuseWhatIsNoAmount();
};

void EntryModelsTest::whoseAndWhoChoicesFollowTheStates_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("whose place: the predeceased and the later dead, not the living")
        << 0 << int(PersonsModel::Of) << QStringList{u"(pewaris)"_s, u"Umar"_s, u"Ali"_s};
    QTest::newRow("no one is his own")
        << 1 << int(PersonsModel::Of) << QStringList{u"(pewaris)"_s, u"Ali"_s};
    QTest::newRow("an heir of the later dead may be a person of the first division")
        << 3 << int(PersonsModel::SameAs) << QStringList{u"(orang lain)"_s, u"Siti"_s};
    QTest::newRow("an heir of the deceased is no one else")
        << 0 << int(PersonsModel::SameAs) << QStringList{u"(orang lain)"_s};
}

void EntryModelsTest::whoseAndWhoChoicesFollowTheStates() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QStringList, expected);

    PersonsModel model(nullptr);
    model.setPersons(family());
    QCOMPARE(choices(model, row, column), expected);
    QCOMPARE(model.index(3, PersonsModel::Of).data().toString(), u"Umar"_s);
}

void EntryModelsTest::removingAPersonLeavesNoReferenceToIt() {
    PersonsModel model(nullptr);
    std::vector<Person> persons = family();
    persons[3].sameAs = 1;
    model.setPersons(persons);
    model.removePerson(0);
    QCOMPARE(model.rows()[2].sameAs, 0);
    model.removePerson(0);
    QCOMPARE(model.rows()[1].of, 0);
    QCOMPARE(model.rowCount(), 2);
}

void EntryModelsTest::editsAreCheckedAndNewPersonsGetNewIds_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a name in any script")
        << int(PersonsModel::Name) << QVariant(u"عائشة 李 😀"_s) << true << u"عائشة 李 😀"_s;
    QTest::newRow("a date as typed here")
        << int(PersonsModel::BirthDate) << QVariant(u"7/3/1980"_s) << true << u"07-03-1980"_s;
    QTest::newRow("a date that is none")
        << int(PersonsModel::BirthDate) << QVariant(u"31-02-1980"_s) << false << QString();
    QTest::newRow("a relationship beyond the kinds")
        << int(PersonsModel::Relation) << QVariant(99) << false << u"Istri"_s;
    QTest::newRow("a state beyond the states")
        << int(PersonsModel::State) << QVariant(-1) << false << u"Hidup"_s;
    QTest::newRow("the unborn") << int(PersonsModel::State) << QVariant(6) << true
                                << u"Dalam kandungan (haml)"_s;
}

void EntryModelsTest::editsAreCheckedAndNewPersonsGetNewIds() {
    QFETCH(int, column);
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    QFETCH(QString, shown);

    PersonsModel model(nullptr);
    model.setPersons(family());
    const int row = model.addPerson(person(0, {}, Istri));
    QCOMPARE(model.rows()[static_cast<std::size_t>(row)].id, 5);
    QCOMPARE(model.setData(model.index(row, column), value), accepted);
    QCOMPARE(model.index(row, column).data().toString(), shown);
}

void EntryModelsTest::estateItemsAddUpAndRefuseWhatIsNoAmount() {
    zw::waris::EstateItemsModel items(QLocale(QLocale::Indonesian), nullptr);
    items.append({});
    items.append({});
    QVERIFY(items.setData(items.index(0, 1), u"250.000.000"_s));
    QVERIFY(items.setData(items.index(1, 1), u"1.500,50"_s));
    QVERIFY(!items.setData(items.index(1, 1), u"-5"_s));
    QVERIFY(!items.setData(items.index(1, 1), u"sawah"_s));
    QCOMPARE(items.total(), zw::Rupiah::fromSen(25'000'150'050));
    QCOMPARE(items.index(1, 1).data().toString(), u"1.500,50"_s);
}

QTEST_MAIN(EntryModelsTest)
#include "EntryModelsTest.moc"
