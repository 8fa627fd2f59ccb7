#include "ui/ChoiceDelegate.h"
#include "waris/forms/LaterDeathModel.h"
#include "waris/forms/PredeceasedModel.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using zw::waris::HeirKind;
using enum zw::waris::HeirKind;

namespace {

using Kinds = QList<HeirKind>;
using Edit = QVariantList; // row, column, value
using Edits = QList<Edit>;

QStringList texts(const zw::waris::PredeceasedModel& model) {
    QStringList rows;
    for (const zw::waris::PredeceasedChild& child : model.rows())
        rows.append(zw::waris::heirInfo(child.replaces).name % u' ' % QString::number(child.sons) %
                    u' ' % QString::number(child.daughters));
    return rows;
}

zw::waris::PerKind<int> counts(const Kinds& persons) {
    zw::waris::PerKind<int> counts{};
    for (const HeirKind kind : persons)
        ++counts[kind];
    return counts;
}

} // namespace

// The rows of the entry tables of Pembagian as edited through their models.
class EntryModelsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void predeceasedRowsGiveTheirValuesBack_data();
    void predeceasedRowsGiveTheirValuesBack();
    void laterDeathRowsFollowThePersons_data();
    void laterDeathRowsFollowThePersons();
};

void EntryModelsTest::predeceasedRowsGiveTheirValuesBack_data() {
    QTest::addColumn<Kinds>("added");
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<int>("removed"); // -1: none
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("changes");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("added rows start with one son")
        << Kinds{AnakPria, AnakWanita} << Edits{} << -1 << true << 0
        << QStringList{u"Anak Pria 1 0"_s, u"Anak Wanita 1 0"_s};
    QTest::newRow("counts typed as numbers or digits")
        << Kinds{AnakPria} << Edits{{0, 1, 3}, {0, 2, u"4"_s}} << -1 << true << 2
        << QStringList{u"Anak Pria 3 4"_s};
    QTest::newRow("a count out of range kept for the division to refuse")
        << Kinds{AnakWanita} << Edits{{0, 2, -1}} << -1 << true << 1
        << QStringList{u"Anak Wanita 1 -1"_s};
    QTest::newRow("the same count again changes nothing")
        << Kinds{AnakPria} << Edits{{0, 1, 1}} << -1 << true << 0
        << QStringList{u"Anak Pria 1 0"_s};
    QTest::newRow("letters refused") << Kinds{AnakPria} << Edits{{0, 1, u"dua"_s}} << -1 << false
                                     << 0 << QStringList{u"Anak Pria 1 0"_s};
    QTest::newRow("the kind refused") << Kinds{AnakPria} << Edits{{0, 0, 5}} << -1 << false << 0
                                      << QStringList{u"Anak Pria 1 0"_s};
    QTest::newRow("a row beyond the table refused")
        << Kinds{AnakPria} << Edits{{1, 1, 2}} << -1 << false << 0
        << QStringList{u"Anak Pria 1 0"_s};
    QTest::newRow("the row removed, the others kept in order")
        << Kinds{AnakPria, AnakWanita, SaudaraPriaSekandung} << Edits{{2, 1, 2}} << 0 << true << 1
        << QStringList{u"Anak Wanita 1 0"_s, u"Saudara Pria Sekandung 2 0"_s};
}

void EntryModelsTest::predeceasedRowsGiveTheirValuesBack() {
    QFETCH(Kinds, added);
    QFETCH(Edits, edits);
    QFETCH(int, removed);
    QFETCH(bool, accepted);
    QFETCH(int, changes);
    QFETCH(QStringList, rows);

    zw::waris::PredeceasedModel model(nullptr);
    for (const HeirKind kind : added)
        model.append({kind, 1, 0});
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    for (const Edit& edit : edits)
        QCOMPARE(model.setData(model.index(edit[0].toInt(), edit[1].toInt()), edit[2]), accepted);
    if (removed >= 0)
        QVERIFY(model.removeRow(removed));
    QCOMPARE(changed.size(), changes);
    QCOMPARE(texts(model), rows);
    QCOMPARE(model.rowCount(), rows.size());
}

void EntryModelsTest::laterDeathRowsFollowThePersons_data() {
    QTest::addColumn<Kinds>("persons");
    QTest::addColumn<QVariant>("choice"); // of the first row; nothing: no choice made
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<Kinds>("later"); // the persons after the counts changed
    QTest::addColumn<QString>("who");
    QTest::addColumn<QStringList>("choices");

    QTest::newRow("a new row takes the first person")
        << Kinds{AnakPria, Istri} << QVariant() << true << Kinds{AnakPria, Istri} << u"Anak Pria"_s
        << QStringList{u"Anak Pria"_s, u"Istri"_s};
    QTest::newRow("the person chosen stays, numbered once there are several")
        << Kinds{AnakPria, Istri} << QVariant(0) << true << Kinds{AnakPria, AnakPria, Istri}
        << u"Anak Pria 1"_s << QStringList{u"Anak Pria 1"_s, u"Anak Pria 2"_s, u"Istri"_s};
    QTest::newRow("a person gone falls back to the first")
        << Kinds{AnakPria, AnakPria, Istri} << QVariant(1) << true << Kinds{AnakPria, Istri}
        << u"Anak Pria"_s << QStringList{u"Anak Pria"_s, u"Istri"_s};
    QTest::newRow("nobody while the division has no heirs")
        << Kinds{Istri} << QVariant() << true << Kinds{} << QString() << QStringList{};
    QTest::newRow("a choice beyond the list refused")
        << Kinds{Istri, Bapak} << QVariant(2) << false << Kinds{Istri, Bapak} << u"Bapak"_s
        << QStringList{u"Bapak"_s, u"Istri"_s};
    QTest::newRow("a name for a choice refused")
        << Kinds{Istri, Bapak} << QVariant(u"Istri"_s) << false << Kinds{Istri, Bapak} << u"Bapak"_s
        << QStringList{u"Bapak"_s, u"Istri"_s};
}

// Two rows, the first one's person chosen and its heirs typed, the second removed.
void EntryModelsTest::laterDeathRowsFollowThePersons() {
    QFETCH(Kinds, persons);
    QFETCH(QVariant, choice);
    QFETCH(bool, accepted);
    QFETCH(Kinds, later);
    QFETCH(QString, who);
    QFETCH(QStringList, choices);
    using Model = zw::waris::LaterDeathModel;

    Model model(nullptr);
    model.setPersons(counts(persons));
    for (int row = 0; row < 2; ++row)
        model.append(zw::waris::LaterDeathRow(model.firstPerson()));
    const QModelIndex first = model.index(0, Model::Who);
    if (choice.isValid())
        QCOMPARE(model.setData(first, choice), accepted);
    QVERIFY(model.setData(model.index(0, Model::Heirs), u"Istri, AnakPria=2"_s));
    QVERIFY(model.removeRow(1));
    model.setPersons(counts(later));

    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(first.data().toString(), who);
    QCOMPARE(model.rows().front().who.has_value(), !who.isEmpty());
    QCOMPARE(first.data(zw::ChoiceDelegate::ChoicesRole).toStringList(), choices);
    QCOMPARE(first.data(Qt::EditRole).toInt(), choices.indexOf(who));
    QCOMPARE(model.rows().front().heirs, u"Istri, AnakPria=2"_s);
}

QTEST_MAIN(EntryModelsTest)
#include "EntryModelsTest.moc"
