#include "WarisSteps.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace zw::test {

void WarisTest::init() {
    m_watchdog = std::make_unique<ModalWatchdog>();
}

void WarisTest::cleanup() {
    QVERIFY(!m_watchdog->fired());
    if (m_app)
        QCOMPARE(m_app->dialogs.unexpected, 0);
    m_app.reset();
    m_watchdog.reset();
}

void WarisTest::start(const QLocale& locale) {
    m_app = std::make_unique<TestApp>(locale);
}

void WarisTest::openEntry() {
    m_app->form(u"Awal"_s).show();
    click(u"Awal"_s, u"Command4"_s);
}

void WarisTest::fill(const DeceasedEntry& entry) {
    const QStringList texts{entry.name, entry.address, entry.birth, entry.death, entry.estate};
    for (int i = 0; i < texts.size(); ++i)
        m_app->child<QLineEdit>(u"Data"_s, u"Text%1"_s.arg(i + 1)).setText(texts[i]);
    if (entry.male) {
        const QString option = *entry.male ? u"Option1"_s : u"Option2"_s;
        m_app->child<QRadioButton>(u"Data"_s, option).setChecked(true);
    }
}

void WarisTest::enterDeceased(const DeceasedEntry& entry) {
    openEntry();
    fill(entry);
    click(u"Data"_s, u"Command1"_s);
}

void WarisTest::tick(const QList<waris::HeirKind>& kinds) {
    for (const waris::HeirKind kind : kinds)
        m_app->child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(index(kind))).setChecked(true);
}

void WarisTest::calculate(const QList<CountAnswer>& answers) {
    m_questions.clear();
    if (!answers.isEmpty())
        answer(answers);
    click(u"Ahli_Waris"_s, u"Command4"_s);
}

void WarisTest::run(const DeceasedEntry& entry, const QList<waris::HeirKind>& kinds,
                    const QList<CountAnswer>& answers) {
    enterDeceased(entry);
    tick(kinds);
    calculate(answers);
}

void WarisTest::answer(QList<CountAnswer> answers) {
    whenModalOpens([this, answers](QWidget* modal) mutable {
        m_questions.append(TestApp::findOrFail<QLabel>(*modal, u"Label4"_s)->text());
        const CountAnswer next = answers.takeFirst();
        if (!answers.isEmpty())
            answer(answers);
        if (const auto* typed = std::get_if<QString>(&next)) {
            TestApp::findOrFail<QLineEdit>(*modal, u"Text1"_s)->setText(*typed);
            TestApp::findOrFail<QPushButton>(*modal, u"Command2"_s)->click();
        } else if (std::get<Cancel>(next) == Cancel::Escape) {
            QTest::keyClick(modal, Qt::Key_Escape);
        } else {
            modal->close();
        }
    });
}

void WarisTest::click(const QString& formName, const QString& buttonName) {
    m_app->child<QPushButton>(formName, buttonName).click();
}

QString WarisTest::caption(const QString& formName, const QString& labelName) {
    return m_app->child<QLabel>(formName, labelName).text();
}

QString WarisTest::fieldText(const QString& formName, const QString& fieldName) {
    return m_app->child<QLineEdit>(formName, fieldName).text();
}

QStringList WarisTest::detailRow(int row) {
    QStringList texts;
    for (const QString& array : {u"Label4"_s, u"Label5"_s, u"Label6"_s, u"Label7"_s})
        texts.append(caption(u"Detail"_s, u"%1(%2)"_s.arg(array).arg(row)));
    return texts;
}

Boxes WarisTest::tickedBoxes() {
    Boxes boxes;
    for (int box = 0; box < waris::HeirKindCount; ++box) {
        if (m_app->child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(box)).isChecked())
            boxes.append(box);
    }
    return boxes;
}

Boxes WarisTest::enabledBoxes() {
    Boxes boxes;
    for (int box = 0; box < waris::HeirKindCount; ++box) {
        if (m_app->child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(box)).isEnabled())
            boxes.append(box);
    }
    return boxes;
}

QList<bool> WarisTest::presetsEnabled() {
    QList<bool> states;
    for (const QString& preset : {u"Command1"_s, u"Command2"_s, u"Command3"_s})
        states.append(m_app->child<QPushButton>(u"Ahli_Waris"_s, preset).isEnabled());
    return states;
}

Boxes range(int first, int last) {
    Boxes boxes;
    for (int box = first; box <= last; ++box)
        boxes.append(box);
    return boxes;
}

} // namespace zw::test
