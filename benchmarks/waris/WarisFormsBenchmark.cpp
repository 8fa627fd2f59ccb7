#include "TestApp.h"
#include "waris/forms/HeirSelectionForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace zw;

// "&Lanjutkan" with every kind a male deceased can leave, three persons each, counts answered at
// once, up to Hasil shown; the save of the resulting sheet; and Pembagian open on that case, from
// a changed deduction or option to the table updated, and to the whole window painted again.
class WarisFormsBenchmark : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void calculateTwentyOneKinds();
    void saveResult();
    void deductionChanged();
    void optionChanged();
    void deductionChangedAndPainted();

private:
    void click(const QString& formName, const QString& buttonName);
    void openDivision();

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

void WarisFormsBenchmark::openDivision() {
    click(u"Ahli_Waris"_s, u"Command4"_s);
    click(u"Hasil"_s, u"Command8"_s);
}

void WarisFormsBenchmark::deductionChanged() {
    openDivision();
    auto& debts = m_app->child<QLineEdit>(u"Pembagian"_s, u"Utang"_s);
    int sen = 0;
    QBENCHMARK {
        debts.setText(u"1,000.%1"_s.arg(++sen % 100, 2, 10, QChar(u'0')));
    }
    QCOMPARE(m_app->child<QTableWidget>(u"Pembagian"_s, u"Tabel"_s).rowCount(), 22);
}

void WarisFormsBenchmark::optionChanged() {
    openDivision();
    auto& nenek = m_app->child<QComboBox>(u"Pembagian"_s, u"Nenek"_s);
    int choice = 0;
    QBENCHMARK {
        nenek.setCurrentIndex(++choice % 2);
    }
    QVERIFY(m_app->dialogs.messages.isEmpty());
}

void WarisFormsBenchmark::deductionChangedAndPainted() {
    openDivision();
    auto& debts = m_app->child<QLineEdit>(u"Pembagian"_s, u"Utang"_s);
    int sen = 0;
    QBENCHMARK {
        debts.setText(u"1,000.%1"_s.arg(++sen % 100, 2, 10, QChar(u'0')));
        QCoreApplication::processEvents();
    }
    QVERIFY(m_app->dialogs.messages.isEmpty());
}

QTEST_MAIN(WarisFormsBenchmark)
#include "WarisFormsBenchmark.moc"
