#include "WarisSteps.h"

#include "ModalGuard.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace zw::test {

void WarisSteps::enterDeceased(const DeceasedEntry& entry) {
    m_app.form(u"Awal"_s).show();
    click(u"Awal"_s, u"Command4"_s);
    const QStringList texts{entry.name, entry.address, entry.birth, entry.death, entry.estate};
    for (int i = 0; i < texts.size(); ++i)
        m_app.child<QLineEdit>(u"Data"_s, u"Text"_s + QString::number(i + 1)).setText(texts[i]);
    m_app.child<QRadioButton>(u"Data"_s, entry.male ? u"Option1"_s : u"Option2"_s).setChecked(true);
    click(u"Data"_s, u"Command1"_s);
}

void WarisSteps::tick(const QList<waris::HeirKind>& kinds) {
    for (waris::HeirKind kind : kinds) {
        m_app.child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(waris::index(kind)))
            .setChecked(true);
    }
}

void WarisSteps::calculate(const QList<CountAnswer>& answers) {
    questions.clear();
    if (!answers.isEmpty())
        answer(answers);
    click(u"Ahli_Waris"_s, u"Command4"_s);
}

void WarisSteps::run(const DeceasedEntry& entry, const QList<waris::HeirKind>& kinds,
                     const QList<CountAnswer>& answers) {
    enterDeceased(entry);
    tick(kinds);
    calculate(answers);
}

void WarisSteps::answer(QList<CountAnswer> answers) {
    whenModalOpens([this, answers](QWidget* modal) mutable {
        questions.append(TestApp::findOrFail<QLabel>(*modal, u"Label4"_s)->text());
        const CountAnswer count = answers.takeFirst();
        if (!answers.isEmpty())
            answer(answers);
        if (!count) {
            QTest::keyClick(modal, Qt::Key_Escape);
            return;
        }
        TestApp::findOrFail<QLineEdit>(*modal, u"Text1"_s)->setText(*count);
        TestApp::findOrFail<QPushButton>(*modal, u"Command2"_s)->click();
    });
}

void WarisSteps::click(const QString& formName, const QString& buttonName) {
    m_app.child<QPushButton>(formName, buttonName).click();
}

QString WarisSteps::caption(const QString& formName, const QString& labelName) {
    return m_app.child<QLabel>(formName, labelName).text();
}

QStringList WarisSteps::detailRow(int row) {
    QStringList texts;
    for (const QString& array : {u"Label4"_s, u"Label5"_s, u"Label6"_s, u"Label7"_s})
        texts.append(caption(u"Detail"_s, u"%1(%2)"_s.arg(array).arg(row)));
    return texts;
}

bool WarisSteps::ticked(int kind) {
    return m_app.child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(kind)).isChecked();
}

bool WarisSteps::enabled(int kind) {
    return m_app.child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(kind)).isEnabled();
}

} // namespace zw::test
