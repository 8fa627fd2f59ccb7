#include "ZakatRun.h"

#include "ModalGuard.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace zw::test {

KindSample kindSample(const QString& formName, const QLocale& locale) {
    const bool indonesian = locale.language() == QLocale::Indonesian;
    const auto pick = [indonesian](const QString& english, const QString& indonesia) {
        return indonesian ? indonesia : english;
    };
    if (formName == u"Form4")
        return {pick(u"100,000,000"_s, u"100.000.000"_s),
                pick(u"100,000"_s, u"100.000"_s),
                {},
                u"Zakat Anda Sebesar  Rp. "_s + pick(u"2,500,000.00"_s, u"2.500.000,00"_s)};
    if (formName == u"Form5")
        return {pick(u"12,345"_s, u"12.345"_s),
                {},
                u"Option1"_s,
                u"Zakat Anda Sebanyak  "_s + pick(u"1,234"_s, u"1.234"_s) + u"  Kilogram"_s};
    if (formName == u"Form6")
        return {u"75"_s,
                {},
                u"Option2"_s,
                u"Zakat Anda 2 (Dua) Ekor Sapi, Terdiri Dari 1 (Satu) Ekor Berumur Satu tahun "
                u"Lebih dan 1 (Satu) Ekor Berumur Dua Tahun Lebih"_s};
    return {u"4"_s,
            pick(u"2,500"_s, u"2.500"_s),
            {},
            u"Zakat Anda Jika Dalam Beras Adalah   "_s + pick(u"14.00"_s, u"14,00"_s) +
                u"   Liter Beras Atau Uang Rp.  "_s + pick(u"35,000.00"_s, u"35.000,00"_s)};
}

QString kindRowText(const QString& formName) {
    if (formName == u"Form4")
        return u"H a r t a"_s;
    if (formName == u"Form5")
        return u"Pertanian"_s;
    if (formName == u"Form6")
        return u"T e r n a k"_s;
    return u"F i t r a h"_s;
}

void enterAndCompute(QWidget& kindForm, const KindSample& sample) {
    // Typed, not set: a locked field would refuse the keys.
    QTest::keyClicks(TestApp::findOrFail<QLineEdit>(kindForm, u"Text1"_s), sample.text1);
    if (!sample.text2.isEmpty())
        QTest::keyClicks(TestApp::findOrFail<QLineEdit>(kindForm, u"Text2"_s), sample.text2);
    if (!sample.optionName.isEmpty())
        TestApp::findOrFail<QRadioButton>(kindForm, sample.optionName)->setChecked(true);
    TestApp::findOrFail<QPushButton>(kindForm, u"Command2"_s)->click();
}

void answerKindForms(TestApp& app, QStringList& asked, int count, int cancelAt, CancelBy cancelBy) {
    whenModalOpens([&app, &asked, count, cancelAt, cancelBy](QWidget* modal) {
        asked.append(modal->objectName());
        const int position = int(asked.size()) - 1;
        if (position == cancelAt) {
            if (cancelBy == CancelBy::Escape)
                QTest::keyClick(modal, Qt::Key_Escape);
            else
                modal->close();
            return;
        }
        // The next form opens inside the click below, so its answer is armed first.
        if (position + 1 < count)
            answerKindForms(app, asked, count, cancelAt, cancelBy);
        enterAndCompute(*modal, kindSample(modal->objectName(), app.context.locale));
        TestApp::findOrFail<QPushButton>(*modal, u"Command1"_s)->click();
    });
}

void startRun(TestApp& app, const QStringList& particulars, const QStringList& kindForms) {
    for (int i = 0; i < 5; ++i)
        app.child<QLineEdit>(u"Form2"_s, u"Text%1"_s.arg(i + 1)).setText(particulars.value(i));
    const QStringList checkOrder{u"Form4"_s, u"Form5"_s, u"Form6"_s, u"Form7"_s};
    for (int i = 0; i < checkOrder.size(); ++i)
        app.child<QCheckBox>(u"Form2"_s, u"Check%1"_s.arg(i + 1))
            .setChecked(kindForms.contains(checkOrder[i]));
    app.child<QPushButton>(u"Form2"_s, u"Command1"_s).click();
}

} // namespace zw::test
