#include "TestApp.h"
#include "waris/forms/HeirSelectionForm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace zw;

// "&Lanjutkan" with every kind a male deceased can leave, counts answered at once, up to Hasil
// shown; and the save of the resulting sheet.
class WarisFormsBenchmark : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void calculateTwentyOneKinds();
    void saveResult();

private:
    void click(const QString& formName, const QString& buttonName);

    std::unique_ptr<test::TestApp> m_app;
};

void WarisFormsBenchmark::init() {
    m_app = std::make_unique<test::TestApp>();
    m_app->form(u"Awal"_s).show();
    click(u"Awal"_s, u"Command4"_s);
    m_app->child<QLineEdit>(u"Data"_s, u"Text1"_s).setText(u"Ahmad"_s);
    m_app->child<QLineEdit>(u"Data"_s, u"Text5"_s).setText(u"987654321"_s);
    m_app->child<QRadioButton>(u"Data"_s, u"Option1"_s).setChecked(true);
    click(u"Data"_s, u"Command1"_s);
    for (int kind = 1; kind < waris::HeirKindCount; ++kind)
        m_app->child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(kind)).setChecked(true);
    m_app->registry.get<waris::HeirSelectionForm>(FormName(u"Ahli_Waris"_s))
        .setCountAsker([](waris::HeirKind) { return std::optional<QString>(u"3"_s); });
}

void WarisFormsBenchmark::cleanup() {
    m_app.reset();
}

void WarisFormsBenchmark::click(const QString& formName, const QString& buttonName) {
    m_app->child<QPushButton>(formName, buttonName).click();
}

void WarisFormsBenchmark::calculateTwentyOneKinds() {
    Form& selection = m_app->form(u"Ahli_Waris"_s);
    Form& result = m_app->form(u"Hasil"_s);
    QBENCHMARK {
        result.hide();
        selection.show();
        click(u"Ahli_Waris"_s, u"Command4"_s);
    }
    QVERIFY(result.isVisible());
    QVERIFY(m_app->dialogs.messages.isEmpty());
}

void WarisFormsBenchmark::saveResult() {
    click(u"Ahli_Waris"_s, u"Command4"_s);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"WARIS.TXT"_s);
    QBENCHMARK {
        m_app->dialogs.answerSave(path);
        click(u"Hasil"_s, u"Command1"_s);
    }
    QVERIFY(m_app->dialogs.messages.isEmpty());
}

QTEST_MAIN(WarisFormsBenchmark)
#include "WarisFormsBenchmark.moc"
