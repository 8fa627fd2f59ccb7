#include "ModalGuard.h"
#include "TestApp.h"
#include "ZakatRun.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using zw::test::TestApp;

class ZakatChainTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void everyChoiceOfKindsIsAskedInOrderAndFillsRowsFromTheLast_data();
    void everyChoiceOfKindsIsAskedInOrderAndFillsRowsFromTheLast();
    void payerFormRefusesToStartWithoutNameOrKind_data();
    void payerFormRefusesToStartWithoutNameOrKind();
    void aSecondRunWithoutStartingAgainFillsTheSheetAfresh();
    void cancellingAKindFormEndsTheRunWithoutARow_data();
    void cancellingAKindFormEndsTheRunWithoutARow();
    void kindFormAsksForWhatIsMissing_data();
    void kindFormAsksForWhatIsMissing();
    void refusedFieldKeepsEveryEntryAndTakesTheFocus_data();
    void refusedFieldKeepsEveryEntryAndTakesTheFocus();
    void resultLocksTheFormUntilItIsShownAgain_data();
    void resultLocksTheFormUntilItIsShownAgain();

private:
    QString rowKind(int row) {
        return app->child<QLabel>(u"Form8"_s, u"Label14(%1)"_s.arg(row)).text();
    }
    QString rowSentence(int row) {
        return app->child<QLabel>(u"Form8"_s, u"Label19(%1)"_s.arg(row)).text();
    }
    bool anyKindFormVisible() {
        for (const QString& name : zw::test::askingOrder) {
            if (app->form(name).isVisible())
                return true;
        }
        return false;
    }

    std::unique_ptr<TestApp> app;
    std::unique_ptr<zw::test::ModalWatchdog> watchdog;
    const QStringList particulars{u"Ahmad Fauzi"_s, u"Jl. Merdeka 17"_s, u"022-123456"_s,
                                  u"Bandung, 1 Januari 1970"_s, u"Guru"_s};
};

void ZakatChainTest::init() {
    app = std::make_unique<TestApp>();
    watchdog = std::make_unique<zw::test::ModalWatchdog>();
    app->form(u"Form2"_s).show();
}

void ZakatChainTest::cleanup() {
    QVERIFY2(!watchdog->fired(), "a modal window stayed open");
    QCOMPARE(app->dialogs.unexpected, 0);
    watchdog.reset();
    app.reset();
}

void ZakatChainTest::everyChoiceOfKindsIsAskedInOrderAndFillsRowsFromTheLast_data() {
    QTest::addColumn<QStringList>("asked");
    const QStringList kindNames{u"harta"_s, u"tani"_s, u"fitrah"_s, u"ternak"_s};
    for (int mask = 1; mask < 16; ++mask) {
        QStringList forms;
        QStringList names;
        for (int i = 0; i < 4; ++i) {
            if (mask & (1 << i)) {
                forms.append(zw::test::askingOrder[i]);
                names.append(kindNames[i]);
            }
        }
        QTest::addRow("%s", qPrintable(names.join(u" + "_s))) << forms;
    }
}

void ZakatChainTest::everyChoiceOfKindsIsAskedInOrderAndFillsRowsFromTheLast() {
    QFETCH(QStringList, asked);

    // Ticking the boxes in the order of the form, not of asking, must not change the order.
    QStringList seen;
    zw::test::answerKindForms(*app, seen, int(asked.size()));
    zw::test::startRun(*app, particulars, asked);

    QCOMPARE(seen, asked);
    QCOMPARE(app->state.zakatRowCount, asked.size());
    QVERIFY(app->form(u"Form8"_s).isVisible());
    QVERIFY(app->form(u"Form2"_s).isVisible());
    QVERIFY(!anyKindFormVisible());
    QVERIFY(app->dialogs.messages.isEmpty());
    for (int row = 1; row <= 4; ++row) {
        const int askedIndex = int(asked.size()) - row;
        const QString form = askedIndex >= 0 ? asked[askedIndex] : QString();
        QCOMPARE(rowKind(row), form.isEmpty() ? QString() : zw::test::kindRowText(form));
        QCOMPARE(rowSentence(row), form.isEmpty()
                                       ? QString()
                                       : zw::test::kindSample(form, app->context.locale).sentence);
    }
    for (int i = 0; i < particulars.size(); ++i)
        QCOMPARE(app->child<QLabel>(u"Form8"_s, u"Label%1"_s.arg(6 + i)).text(), particulars[i]);
}

void ZakatChainTest::payerFormRefusesToStartWithoutNameOrKind_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("kinds");
    QTest::newRow("empty name with every kind ticked") << QString() << zw::test::askingOrder;
    QTest::newRow("name without any kind ticked") << u"Ahmad"_s << QStringList();
}

void ZakatChainTest::payerFormRefusesToStartWithoutNameOrKind() {
    QFETCH(QString, name);
    QFETCH(QStringList, kinds);

    auto& address = app->child<QLineEdit>(u"Form2"_s, u"Text3"_s);
    address.setFocus();
    zw::test::startRun(*app, {name, u"Jl. Merdeka"_s}, kinds);

    const QList<zw::test::RecordedMessage> expected{
        {u"Belum Lengkap ..."_s, u"Anda Belum Lengkap Mengisikan Data...!"_s}};
    QCOMPARE(app->dialogs.messages, expected);
    QCOMPARE(app->form(u"Form2"_s).focusWidget(), &app->child<QLineEdit>(u"Form2"_s, u"Text1"_s));
    QCOMPARE(app->child<QLineEdit>(u"Form2"_s, u"Text2"_s).text(), u"Jl. Merdeka"_s);
    QCOMPARE(app->child<QCheckBox>(u"Form2"_s, u"Check1"_s).isChecked(), !kinds.isEmpty());
    QVERIFY(!app->form(u"Form8"_s).isVisible());
    QVERIFY(!anyKindFormVisible());
}

void ZakatChainTest::aSecondRunWithoutStartingAgainFillsTheSheetAfresh() {
    QStringList seen;
    zw::test::answerKindForms(*app, seen, 4);
    zw::test::startRun(*app, particulars, zw::test::askingOrder);
    QCOMPARE(app->state.zakatRowCount, 4);

    // The payer form stays open beneath the sheet; the kind forms left locked must open fresh.
    seen.clear();
    zw::test::answerKindForms(*app, seen, 2);
    zw::test::startRun(*app, {u"Siti"_s}, {u"Form5"_s, u"Form7"_s});

    QCOMPARE(seen, (QStringList{u"Form5"_s, u"Form7"_s}));
    QCOMPARE(app->state.zakatRowCount, 2);
    QCOMPARE(rowKind(1), u"F i t r a h"_s);
    QCOMPARE(rowKind(2), u"Pertanian"_s);
    QCOMPARE(rowKind(3), QString());
    QCOMPARE(rowSentence(4), QString());
    QCOMPARE(app->child<QLabel>(u"Form8"_s, u"Label6"_s).text(), u"Siti"_s);
    QCOMPARE(app->child<QLabel>(u"Form8"_s, u"Label7"_s).text(), QString());
    QVERIFY(app->form(u"Form8"_s).isVisible());
}

void ZakatChainTest::cancellingAKindFormEndsTheRunWithoutARow_data() {
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<zw::test::CancelBy>("cancelBy");
    const QString harta = u"Form4"_s, tani = u"Form5"_s, ternak = u"Form6"_s, fitrah = u"Form7"_s;
    QTest::newRow("closing the first of three kind forms")
        << QStringList{harta, tani, ternak} << 0 << zw::test::CancelBy::WindowClose;
    QTest::newRow("escape on the second of three kind forms")
        << QStringList{harta, fitrah, ternak} << 1 << zw::test::CancelBy::Escape;
    QTest::newRow("closing the last of all four kind forms")
        << zw::test::askingOrder << 3 << zw::test::CancelBy::WindowClose;
    QTest::newRow("escape on the only kind form")
        << QStringList{ternak} << 0 << zw::test::CancelBy::Escape;
}

void ZakatChainTest::cancellingAKindFormEndsTheRunWithoutARow() {
    QFETCH(QStringList, kinds);
    QFETCH(int, cancelAt);
    QFETCH(zw::test::CancelBy, cancelBy);

    QStringList seen;
    zw::test::answerKindForms(*app, seen, cancelAt + 1, cancelAt, cancelBy);
    zw::test::startRun(*app, particulars, kinds);

    QCOMPARE(seen, kinds.mid(0, cancelAt + 1));
    QCOMPARE(app->state.zakatRowCount, 0);
    QVERIFY(!app->form(u"Form8"_s).isVisible());
    QVERIFY(!anyKindFormVisible());
    QVERIFY(app->form(u"Form2"_s).isVisible());
    for (int row = 1; row <= 4; ++row)
        QCOMPARE(rowKind(row), QString());
    QCOMPARE(app->child<QLineEdit>(u"Form2"_s, u"Text1"_s).text(), particulars[0]);
    QCOMPARE(app->child<QCheckBox>(u"Form2"_s, u"Check3"_s).isChecked(),
             kinds.contains(u"Form6"_s));

    // The payer's entries are kept, so the same run can simply be started again.
    seen.clear();
    zw::test::answerKindForms(*app, seen, int(kinds.size()));
    app->child<QPushButton>(u"Form2"_s, u"Command1"_s).click();
    QCOMPARE(seen, kinds);
    QCOMPARE(app->state.zakatRowCount, kinds.size());
    QVERIFY(app->form(u"Form8"_s).isVisible());
}

void ZakatChainTest::kindFormAsksForWhatIsMissing_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("focusAfter"); // empty: the focus stays where it was

    QTest::newRow("wealth without a gold price sends the focus to the wealth")
        << u"Form4"_s << u"1000"_s << QString() << QString() << u"Text1"_s;
    QTest::newRow("gold price without wealth sends the focus to the wealth")
        << u"Form4"_s << QString() << u"1000"_s << QString() << u"Text1"_s;
    QTest::newRow("irrigation without a harvest sends the focus to the harvest")
        << u"Form5"_s << QString() << QString() << u"Option1"_s << u"Text1"_s;
    QTest::newRow("harvest without irrigation leaves the focus")
        << u"Form5"_s << u"650"_s << QString() << QString() << QString();
    QTest::newRow("herd without a kind of animal sends the focus to the herd")
        << u"Form6"_s << QString() << QString() << QString() << u"Text1"_s;
    QTest::newRow("kind of animal without a herd leaves the focus")
        << u"Form6"_s << QString() << QString() << u"Option2"_s << QString();
    QTest::newRow("persons without a rice price sends the focus to the persons")
        << u"Form7"_s << u"4"_s << QString() << QString() << u"Text1"_s;
}

void ZakatChainTest::kindFormAsksForWhatIsMissing() {
    QFETCH(QString, form);
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(QString, option);
    QFETCH(QString, focusAfter);

    QWidget& kindForm = app->form(form);
    kindForm.show();
    app->child<QLineEdit>(form, u"Text1"_s).setText(text1);
    if (auto* second = kindForm.findChild<QLineEdit*>(u"Text2"_s))
        second->setText(text2);
    if (!option.isEmpty())
        app->child<QRadioButton>(form, option).setChecked(true);
    auto& compute = app->child<QPushButton>(form, u"Command2"_s);
    compute.setFocus();
    compute.click();

    const QList<zw::test::RecordedMessage> expected{
        {u"Belum Lengkap ..."_s, u"Anda Belum Lengkap Mengisikan Data...!"_s}};
    QCOMPARE(app->dialogs.messages, expected);
    QWidget* focus = focusAfter.isEmpty() ? &compute : kindForm.findChild<QWidget*>(focusAfter);
    QCOMPARE(kindForm.focusWidget(), focus);
    QCOMPARE(app->child<QLineEdit>(form, u"Text1"_s).text(), text1);
    QVERIFY(!app->child<QLineEdit>(form, u"Text1"_s).isReadOnly());
    QVERIFY(compute.isEnabled());
    QVERIFY(!app->child<QPushButton>(form, u"Command1"_s).isEnabled());
}

void ZakatChainTest::refusedFieldKeepsEveryEntryAndTakesTheFocus_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("refused");

    QTest::newRow("wealth that is not a number")
        << u"Form4"_s << u"seratus"_s << u"100,000"_s << QString() << u"Text1"_s;
    QTest::newRow("negative gold price")
        << u"Form4"_s << u"100,000"_s << u"-5"_s << QString() << u"Text2"_s;
    QTest::newRow("gold price whose threshold overflows")
        << u"Form4"_s << u"1"_s << u"900,000,000,000,000"_s << QString() << u"Text2"_s;
    QTest::newRow("negative harvest")
        << u"Form5"_s << u"-650"_s << QString() << u"Option1"_s << u"Text1"_s;
    QTest::newRow("herd that is not a number")
        << u"Form6"_s << u"empat puluh"_s << QString() << u"Option1"_s << u"Text1"_s;
    QTest::newRow("more persons than a 16-bit count holds")
        << u"Form7"_s << u"40,000"_s << u"2,500"_s << QString() << u"Text1"_s;
    QTest::newRow("rice price that is not a number")
        << u"Form7"_s << u"4"_s << u"2.500,-"_s << QString() << u"Text2"_s;
}

void ZakatChainTest::refusedFieldKeepsEveryEntryAndTakesTheFocus() {
    QFETCH(QString, form);
    QFETCH(QString, text1);
    QFETCH(QString, text2);
    QFETCH(QString, option);
    QFETCH(QString, refused);

    app->state.fitrahText = u"earlier sentence"_s;
    QWidget& kindForm = app->form(form);
    kindForm.show();
    auto& first = app->child<QLineEdit>(form, u"Text1"_s);
    auto* second = kindForm.findChild<QLineEdit*>(u"Text2"_s);
    first.setText(text1);
    if (second)
        second->setText(text2);
    if (!option.isEmpty())
        app->child<QRadioButton>(form, option).setChecked(true);
    app->child<QPushButton>(form, u"Command2"_s).click();

    const QList<zw::test::RecordedMessage> expected{
        {u"ERROR ..."_s, u"Anda Salah Mengisikan Data ...!"_s}};
    QCOMPARE(app->dialogs.messages, expected);
    QCOMPARE(kindForm.focusWidget(), kindForm.findChild<QWidget*>(refused));
    QCOMPARE(first.text(), text1);
    QVERIFY(!first.isReadOnly());
    if (second)
        QCOMPARE(second->text(), text2);
    if (!option.isEmpty())
        QVERIFY(app->child<QRadioButton>(form, option).isChecked());
    QVERIFY(app->child<QPushButton>(form, u"Command2"_s).isEnabled());
    QVERIFY(!app->child<QPushButton>(form, u"Command1"_s).isEnabled());
    QCOMPARE(app->state.fitrahText, u"earlier sentence"_s);
}

void ZakatChainTest::resultLocksTheFormUntilItIsShownAgain_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("resultLabel");
    QTest::addColumn<QString>("emptyResult");
    QTest::newRow("wealth") << u"Form4"_s << u"Label3"_s << QString();
    QTest::newRow("harvest") << u"Form5"_s << u"Label5"_s << u" "_s;
    QTest::newRow("livestock") << u"Form6"_s << u"Label4"_s << u" "_s;
    QTest::newRow("fitrah") << u"Form7"_s << u"Label5"_s << u" "_s;
}

void ZakatChainTest::resultLocksTheFormUntilItIsShownAgain() {
    QFETCH(QString, form);
    QFETCH(QString, resultLabel);
    QFETCH(QString, emptyResult);

    QWidget& kindForm = app->form(form);
    const QList<QLineEdit*> inputs = kindForm.findChildren<QLineEdit*>();
    const QList<QRadioButton*> options = kindForm.findChildren<QRadioButton*>();
    auto& compute = app->child<QPushButton>(form, u"Command2"_s);
    auto& next = app->child<QPushButton>(form, u"Command1"_s);
    auto& result = app->child<QLabel>(form, resultLabel);
    const zw::test::KindSample sample = zw::test::kindSample(form, app->context.locale);

    kindForm.show();
    zw::test::enterAndCompute(kindForm, sample);

    QCOMPARE(result.text(), sample.sentence);
    for (const QLineEdit* input : inputs)
        QVERIFY(input->isReadOnly());
    for (const QRadioButton* choice : options)
        QCOMPARE(choice->isEnabled(), form != u"Form6");
    QVERIFY(!compute.isEnabled());
    QVERIFY(next.isEnabled() && next.isDefault() && !compute.isDefault());
    QCOMPARE(app->state.fitrahText, form == u"Form7" ? sample.sentence : QString());

    kindForm.hide();
    kindForm.show();

    QCOMPARE(result.text(), emptyResult);
    for (const QLineEdit* input : inputs)
        QVERIFY(input->text().isEmpty() && !input->isReadOnly());
    for (const QRadioButton* choice : options)
        QVERIFY(choice->isEnabled() && !choice->isChecked());
    QVERIFY(compute.isEnabled() && compute.isDefault());
    QVERIFY(!next.isEnabled());

    // Typed again and confirmed with Enter: "&Hasilnya..." is the default button.
    QTest::keyClicks(inputs.first(), sample.text1);
    if (!sample.text2.isEmpty())
        QTest::keyClicks(kindForm.findChild<QLineEdit*>(u"Text2"_s), sample.text2);
    if (!sample.optionName.isEmpty())
        app->child<QRadioButton>(form, sample.optionName).setChecked(true);
    QTest::keyClick(inputs.first(), Qt::Key_Return);
    QCOMPARE(result.text(), sample.sentence);
    QVERIFY(app->dialogs.messages.isEmpty());
}

QTEST_MAIN(ZakatChainTest)
#include "ZakatChainTest.moc"
