#include "FileLimit.h"
#include "Golden.h"
#include "ModalGuard.h"
#include "TestApp.h"
#include "cli/FaraidCommand.h"
#include "ui/ChoiceDelegate.h"
#include "waris/engine/HeirKind.h"
#include "waris/engine/render/DivisionJson.h"
#include "waris/forms/DivisionForm.h"
#include "waris/forms/PersonsModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw::test;
using enum zw::waris::HeirKind;

namespace {

const RecordedMessage Incomplete{u"Belum Lengkap ..."_s,
                                 u"Anda Belum Lengkap Mengisikan Data...!"_s};
const RecordedMessage Wrong{u"ERROR ..."_s, u"Anda Salah Mengisikan Data ...!"_s};
const QString Escape = u"<Escape>"_s; // a count answer that cancels the question
const QString Close = u"<close>"_s;
const QString Division = u"Pembagian"_s;

struct Deceased {
    QString name = u"Ahmad"_s;
    QString estate = u"1000000"_s;
    std::optional<bool> male = false; // nothing: no sex chosen
};

using Boxes = QList<int>;
using Kinds = QList<zw::waris::HeirKind>;

QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(u"pdftotext"_s), {u"-layout"_s, path, u"-"_s});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The words of a page's text; the preview's paper may break lines and pages elsewhere and so
// number its pages differently.
QStringList words(const QString& text) {
    static const QRegularExpression blanks(u"\\s+"_s);
    static const QRegularExpression pageNumber(u"^\\d+$"_s);
    QStringList all = text.split(blanks, Qt::SkipEmptyParts);
    all.removeIf([](const QString& word) { return pageNumber.match(word).hasMatch(); });
    return all;
}

} // namespace

// The inheritance road on the real widgets, as a user goes through it, up to the full division.
class WarisFormsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_watchdog = std::make_unique<ModalWatchdog>(); }
    void cleanup();
    void okRefusesAnIncompleteOrUnusableEntry_data();
    void okRefusesAnIncompleteOrUnusableEntry();
    void excludedSpouseStaysOutThroughReset_data();
    void excludedSpouseStaysOutThroughReset();
    void refusedOrCancelledCountGivesBackTheSelection_data();
    void refusedOrCancelledCountGivesBackTheSelection();
    void rowsBeyondASmallerCalculationStayUntilStartingOver();
    void savedSheetMatchesItsGoldenFile_data();
    void savedSheetMatchesItsGoldenFile();
    void divisionFollowsHasilThroughOptionsAndDeductions();
    void divisionUnderKhiWithSubstitutesSideBySide();
    void divisionReportMatchesItsGoldenFile();
    void divisionPdfAndPreviewShowTheSameWholeReport();
    void fiveHundredPersonsDivideAndOneMoreIsRefused();
    void divisionEntryRefused_data();
    void divisionEntryRefused();
    void divisionOutputFails_data();
    void divisionOutputFails();
    void specialCaseDividesInTheWindow_data();
    void specialCaseDividesInTheWindow();
    void specialCaseRefusedKeepsTheEntry_data();
    void specialCaseRefusedKeepsTheEntry();
    void newCalculationEmptiesTheSpecialCases();
    void distantKinDivideInTheWindow_data();
    void distantKinDivideInTheWindow();
    void windowAndCommandDivideAlike_data();
    void windowAndCommandDivideAlike();

private:
    void enterDeceased(const Deceased& entry, bool confirm = true);
    // Ticks the kinds and presses "&Lanjutkan", answering the count questions in order.
    void calculate(const Kinds& kinds, const QStringList& answers);
    void answer(QStringList answers);
    void click(const QString& form, const QString& button) {
        m_app->child<QPushButton>(form, button).click();
    }
    QCheckBox& box(int kind) {
        return m_app->child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(kind));
    }
    Boxes boxes(bool (QCheckBox::*state)() const);
    QStringList detailRow(int row);
    // A woman leaving her husband, her mother, three daughters and a son's son on 1,000,000,
    // with 10,000 funeral costs and a bequest above a third: 'aul, a sen split among the
    // daughters, a kind the rule table blocks, a bequest cut.
    void openDivisionExample();
    void type(const QString& field, const QString& text);
    QString cell(int row, int column);
    // A cell of an entry table (DaftarAhliWaris) as the user edits it.
    QAbstractItemModel& entries(const QString& table) {
        return *m_app->child<QAbstractItemView>(Division, table).model();
    }
    void edit(const QString& table, int row, int column, const QVariant& value) {
        QAbstractItemModel& model = entries(table);
        QVERIFY(model.setData(model.index(row, column), value));
    }
    int rowCount() { return m_app->child<QTableWidget>(Division, u"Rincian"_s).rowCount(); }
    // The persons of Pembagian's tab Ahli Waris, by the name in their row.
    int personRow(const QString& name);
    void setPerson(const QString& name, int column, const QVariant& value);
    void setState(const QString& name, zw::waris::PersonState state) {
        setPerson(name, zw::waris::PersonsModel::State, static_cast<int>(state));
    }
    // A person added by Tambah Orang; `of`: the name of the person whose place or estate.
    void addPerson(const QString& name, zw::waris::HeirKind relation,
                   zw::waris::PersonState state = zw::waris::PersonState::Living,
                   const QString& of = {});
    // Sets one special case on the persons: "MeninggalKemudian" takes "Suami=Anak Pria,Istri"
    // (the kinds of the dead person's heirs by their names), "Hilang" "Saudara Pria
    // Sekandung:2" (the last two of the kind), "Kandungan" and "Khuntsa" a kind's name,
    // "MeninggalBersama" a person; any other control is a combo box set to the text of a choice.
    void setSpecial(const QString& control, const QString& value);
    QStringList firstColumn();
    // The command's JSON output, compact.
    static QByteArray commandJson(const QStringList& command);

    std::unique_ptr<TestApp> m_app = std::make_unique<TestApp>();
    std::unique_ptr<ModalWatchdog> m_watchdog;
    QStringList m_questions;
    QStringList m_countsAtOpening;
};

void WarisFormsTest::cleanup() {
    QVERIFY(!m_watchdog->fired());
    QCOMPARE(m_app->dialogs.unexpected, 0);
    m_app = std::make_unique<TestApp>();
}

void WarisFormsTest::enterDeceased(const Deceased& entry, bool confirm) {
    m_app->form(u"Awal"_s).show();
    click(u"Awal"_s, u"Command4"_s);
    const QStringList texts{entry.name, u"Jl. Mawar 5"_s, u"Bandung, 1-2-1940"_s,
                            u"Jakarta, 3-4-2020"_s, entry.estate};
    for (int i = 0; i < texts.size(); ++i)
        m_app->child<QLineEdit>(u"Data"_s, u"Text%1"_s.arg(i + 1)).setText(texts[i]);
    if (entry.male)
        m_app->child<QRadioButton>(u"Data"_s, *entry.male ? u"Option1"_s : u"Option2"_s)
            .setChecked(true);
    if (confirm)
        click(u"Data"_s, u"Command1"_s);
}

void WarisFormsTest::calculate(const Kinds& kinds, const QStringList& answers) {
    for (const auto kind : kinds)
        box(index(kind)).setChecked(true);
    m_questions.clear();
    m_countsAtOpening.clear();
    if (!answers.isEmpty())
        answer(answers);
    click(u"Ahli_Waris"_s, u"Command4"_s);
}

// A refused count keeps the same dialog open; the next answer goes to it.
void WarisFormsTest::answer(QStringList answers) {
    whenModalOpens([this, answers](QWidget* modal) mutable {
        auto* field = TestApp::findOrFail<QLineEdit>(*modal, u"Text1"_s);
        m_questions.append(TestApp::findOrFail<QLabel>(*modal, u"Label4"_s)->text());
        m_countsAtOpening.append(field->text());
        const QString next = answers.takeFirst();
        if (!answers.isEmpty())
            answer(answers);
        if (next == Escape) {
            QTest::keyClick(modal, Qt::Key_Escape);
        } else if (next == Close) {
            modal->close();
        } else {
            field->clear();
            QTest::keyClicks(field, next);
            TestApp::findOrFail<QPushButton>(*modal, u"Command2"_s)->click();
            if (modal->isVisible())
                QCOMPARE(modal->focusWidget(), field);
        }
    });
}

Boxes WarisFormsTest::boxes(bool (QCheckBox::*state)() const) {
    Boxes found;
    for (int kind = 0; kind < zw::waris::HeirKindCount; ++kind) {
        if ((box(kind).*state)())
            found.append(kind);
    }
    return found;
}

QStringList WarisFormsTest::detailRow(int row) {
    QStringList texts;
    for (const QString& column : {u"Label4"_s, u"Label5"_s, u"Label6"_s, u"Label7"_s})
        texts.append(m_app->child<QLabel>(u"Detail"_s, u"%1(%2)"_s.arg(column).arg(row)).text());
    return texts;
}

void WarisFormsTest::okRefusesAnIncompleteOrUnusableEntry_data() {
    QTest::addColumn<Deceased>("entry");
    QTest::addColumn<RecordedMessage>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("empty name") << Deceased{QString(), u"1000"_s, true} << Incomplete << u"Text1"_s;
    QTest::newRow("empty estate") << Deceased{u"A"_s, QString(), true} << Incomplete << u"Text1"_s;
    QTest::newRow("no sex chosen")
        << Deceased{u"A"_s, u"1"_s, std::nullopt} << Incomplete << u"Text1"_s;
    QTest::newRow("estate in words") << Deceased{u"A"_s, u"satu juta"_s} << Wrong << u"Text5"_s;
    QTest::newRow("negative estate") << Deceased{u"A"_s, u"-5000"_s} << Wrong << u"Text5"_s;
}

// Enter in the name field stands for OK.
void WarisFormsTest::okRefusesAnIncompleteOrUnusableEntry() {
    QFETCH(Deceased, entry);
    QFETCH(RecordedMessage, message);
    QFETCH(QString, focus);

    enterDeceased(entry, false);
    QTest::keyClick(&m_app->child<QLineEdit>(u"Data"_s, u"Text1"_s), Qt::Key_Return);
    QCOMPARE(m_app->dialogs.messages, QList<RecordedMessage>{message});
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Data"_s});
    QCOMPARE(m_app->child<QLineEdit>(u"Data"_s, u"Text5"_s).text(), entry.estate);
    QCOMPARE(m_app->form(u"Data"_s).focusWidget(), &m_app->child<QWidget>(u"Data"_s, focus));
}

void WarisFormsTest::excludedSpouseStaysOutThroughReset_data() {
    QTest::addColumn<bool>("male");
    QTest::addColumn<int>("excluded");
    QTest::addColumn<int>("kept");

    QTest::newRow("male deceased cannot leave a husband") << true << 0 << 14;
    QTest::newRow("female deceased cannot leave a wife") << false << 14 << 0;
}

void WarisFormsTest::excludedSpouseStaysOutThroughReset() {
    QFETCH(bool, male);
    QFETCH(int, excluded);
    QFETCH(int, kept);

    box(excluded).setChecked(true);
    box(kept).setChecked(true);
    enterDeceased({u"Ahmad"_s, u"1000"_s, male});
    QCOMPARE(boxes(&QCheckBox::isChecked), Boxes{kept});
    Boxes others = boxes(&QCheckBox::isEnabled);
    QVERIFY(!others.contains(excluded) && others.size() == 21);
    click(u"Ahli_Waris"_s, u"Command3"_s); // the preset for both sexes, which locks every box
    click(u"Ahli_Waris"_s, u"Command5"_s);
    QCOMPARE(boxes(&QCheckBox::isChecked), Boxes{});
    QCOMPARE(boxes(&QCheckBox::isEnabled), others);
}

void WarisFormsTest::refusedOrCancelledCountGivesBackTheSelection_data() {
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QList<RecordedMessage>>("messages");

    const QString son = u"Anak Pria ?"_s;
    const QString daughter = u"Anak Wanita ?"_s;
    const auto none = QList<RecordedMessage>{};
    QTest::newRow("Escape at the second question")
        << QStringList{u"023"_s, Escape} << QStringList{son, daughter} << none;
    QTest::newRow("window closed at the second question")
        << QStringList{u"2"_s, Close} << QStringList{son, daughter} << none;
    QTest::newRow("a refused count stays asked")
        << QStringList{u"-1"_s, u""_s, Escape} << QStringList{son, son, son}
        << QList<RecordedMessage>{
               Wrong, {u"Belum Lengkap ..."_s, u"Anda Belum Lengkap Mengisikan Data ...!"_s}};
}

// After the male preset: the boxes ticked and locked, the presets, and no row come back as they
// were; each question starts with an empty field.
void WarisFormsTest::refusedOrCancelledCountGivesBackTheSelection() {
    QFETCH(QStringList, answers);
    QFETCH(QStringList, questions);
    QFETCH(QList<RecordedMessage>, messages);

    enterDeceased({});
    click(u"Ahli_Waris"_s, u"Command1"_s);
    const Boxes enabled = boxes(&QCheckBox::isEnabled);
    calculate({AnakWanita}, answers);

    QCOMPARE(m_questions, questions);
    QCOMPARE(m_countsAtOpening.first(), QString());
    QCOMPARE(m_countsAtOpening.last(), QString());
    QCOMPARE(m_app->dialogs.messages, messages);
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Ahli_Waris"_s});
    QCOMPARE(detailRow(1), QStringList(4));
    QCOMPARE(boxes(&QCheckBox::isChecked), Boxes({0, 1, 3, 16}));
    QCOMPARE(boxes(&QCheckBox::isEnabled), enabled);
    QVERIFY(m_app->child<QPushButton>(u"Ahli_Waris"_s, u"Command2"_s).isEnabled());
}

void WarisFormsTest::rowsBeyondASmallerCalculationStayUntilStartingOver() {
    enterDeceased({u"Ahmad"_s, u"1200000"_s, true});
    calculate({Bapak, AnakPria, Istri, Ibu, AnakWanita}, {u"1"_s, u"1"_s, u"1"_s});
    const QStringList fourth = detailRow(4);
    const QStringList fifth = detailRow(5);
    QCOMPARE(fifth.first(), u"Anak Wanita           "_s);

    // Back to the main menu through the zakat road, and a second calculation with fewer heirs.
    click(u"Hasil"_s, u"Command6"_s);
    click(u"Form2"_s, u"Command2"_s);
    enterDeceased({u"Ahmad"_s, u"1200000"_s, true});
    click(u"Ahli_Waris"_s, u"Command5"_s);
    calculate({Bapak, AnakPria, Ibu}, {u"1"_s});
    QVERIFY(m_app->form(u"Hasil"_s).isVisible());
    QCOMPARE(detailRow(3).first(), u"I b u                "_s);
    QCOMPARE(detailRow(4), fourth);
    QCOMPARE(detailRow(5), fifth);

    click(u"Hasil"_s, u"Command5"_s);
    for (int row = 1; row <= 21; ++row)
        QCOMPARE(detailRow(row), QStringList(4));
    QCOMPARE(boxes(&QCheckBox::isChecked), Boxes{});
    QCOMPARE(boxes(&QCheckBox::isEnabled).size(), 22);
}

void WarisFormsTest::savedSheetMatchesItsGoldenFile_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("golden"); // empty: the save dialog is cancelled

    const QLocale unitedStates(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("US marks") << unitedStates << u"waris-saved-us.txt"_s;
    QTest::newRow("Indonesian marks")
        << QLocale(QLocale::Indonesian, QLocale::Indonesia) << u"waris-saved-id.txt"_s;
    QTest::newRow("cancelled save writes nothing") << unitedStates << QString();
}

// Husband and two full sisters on 600,000: two rows and a negative remainder.
void WarisFormsTest::savedSheetMatchesItsGoldenFile() {
    QFETCH(QLocale, locale);
    QFETCH(QString, golden);

    m_app = std::make_unique<TestApp>(locale);
    enterDeceased({u"Ahmad"_s, u"600000"_s, false});
    calculate({Suami, SaudaraWanitaSekandung}, {u"2"_s});
    QTemporaryDir folder;
    const QString path = folder.filePath(u"WARIS.TXT"_s);
    m_app->dialogs.answerSave(golden.isEmpty() ? std::nullopt : std::optional(path));
    click(u"Hasil"_s, u"Command1"_s);

    QVERIFY(m_app->dialogs.messages.isEmpty());
    QVERIFY(m_app->form(u"Hasil"_s).isVisible());
    QFile file(path);
    QCOMPARE(file.open(QIODevice::ReadOnly), !golden.isEmpty());
    if (!golden.isEmpty()) {
        const QString difference = goldenDifference(file.readAll(), golden);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
}

void WarisFormsTest::openDivisionExample() {
    // Questions in kind order: the son's son, then the daughters.
    enterDeceased({});
    calculate({Suami, Ibu, AnakWanita, CucuPria}, {u"1"_s, u"3"_s});
    click(u"Hasil"_s, u"Command8"_s);
    type(u"Biaya"_s, u"10,000"_s);
    type(u"Wasiat"_s, u"400,000"_s);
}

void WarisFormsTest::type(const QString& field, const QString& text) {
    // At once, as pasted: typing would divide at every character.
    auto& edit = m_app->child<QLineEdit>(Division, field);
    edit.setText(text);
    QTest::keyClick(&edit, Qt::Key_Return);
}

QString WarisFormsTest::cell(int row, int column) {
    const QTableWidgetItem* item =
        m_app->child<QTableWidget>(Division, u"Rincian"_s).item(row, column);
    return item ? item->text() : QString();
}

void WarisFormsTest::divisionFollowsHasilThroughOptionsAndDeductions() {
    // Questions in kind order: the full brothers, then the wife.
    enterDeceased({u"Ahmad"_s, u"1000000"_s, true});
    calculate({Kakek, SaudaraPriaSekandung, Istri}, {u"2"_s, u"1"_s});
    click(u"Hasil"_s, u"Command8"_s);
    QVERIFY(m_app->form(Division).isVisible());
    QVERIFY(m_app->form(u"Hasil"_s).isVisible());

    // Only the grandfather's option can change this case.
    const QStringList options{u"Kakek"_s, u"Musytarakah"_s, u"Nenek"_s, u"SisaPasangan"_s};
    QList<bool> enabled;
    for (const QString& option : options)
        enabled.append(m_app->child<QComboBox>(Division, option).isEnabled());
    QCOMPARE(enabled, (QList<bool>{true, false, false, false}));

    QCOMPARE(rowCount(), 4);
    QCOMPARE(cell(0, 0), u"Kakek"_s);
    QCOMPARE(cell(3, 0), u"Jumlah"_s);
    QCOMPARE(cell(3, 5), u"1,000,000.00"_s);
    QCOMPARE(cell(1, 2), u"Ashabah bersama Kakek"_s);

    m_app->child<QComboBox>(Division, u"Kakek"_s).setCurrentIndex(1);
    QCOMPARE(cell(1, 2), u"Terhalang oleh Kakek"_s);
    QCOMPARE(cell(0, 3), u"3/4"_s);

    type(u"Utang"_s, u"200,000"_s);
    QCOMPARE(cell(3, 5), u"800,000.00"_s);
    QCOMPARE(cell(0, 5), u"600,000.00"_s);
    QCOMPARE(m_app->child<QLabel>(Division, u"HartaBersih"_s).text(), u"Rp 800,000.00"_s);
    QVERIFY(!m_app->child<QPlainTextEdit>(Division, u"Langkah"_s).toPlainText().isEmpty());

    // A new calculation starts over on the entry form, which closes the window; opened again it
    // shows the new heirs with the deductions and options of the entry before gone.
    click(u"Hasil"_s, u"Command5"_s);
    QVERIFY(!m_app->form(Division).isVisible());
    enterDeceased({u"Ahmad"_s, u"1000000"_s, true});
    calculate({Bapak, Ibu}, {});
    click(u"Hasil"_s, u"Command8"_s);
    QCOMPARE(rowCount(), 3);
    QCOMPARE(cell(1, 0), u"Ibu"_s);
    QCOMPARE(cell(2, 5), u"1,000,000.00"_s);
    QCOMPARE(m_app->child<QComboBox>(Division, u"Kakek"_s).currentIndex(), 0);

    QTest::keyClick(&m_app->form(Division), Qt::Key_Escape);
    QVERIFY(!m_app->form(Division).isVisible());
    QVERIFY(m_app->form(u"Hasil"_s).isVisible());

    click(u"Hasil"_s, u"Command8"_s);
    click(u"Hasil"_s, u"Command6"_s);
    QVERIFY(!m_app->form(Division).isVisible());
    QVERIFY(m_app->dialogs.messages.isEmpty());
}

void WarisFormsTest::divisionUnderKhiWithSubstitutesSideBySide() {
    // Questions in kind order: the sons, the wife, the daughters.
    enterDeceased({u"Ahmad"_s, u"1000000"_s, true});
    calculate({Istri, AnakPria, AnakWanita}, {u"5"_s, u"1"_s, u"4"_s});
    click(u"Hasil"_s, u"Command8"_s);
    auto& obligatory = m_app->child<QLineEdit>(Division, u"WasiatWajibah"_s);
    QVERIFY(!obligatory.isEnabled());
    m_app->child<QComboBox>(Division, u"Hukum"_s).setCurrentIndex(1);
    QVERIFY(obligatory.isEnabled());

    // Two sons of a predeceased son: the Supreme Court's example, 16/128, 14/128 each, 7/128 each
    // for the grandsons and the daughters.
    addPerson(u"Umar"_s, AnakPria, zw::waris::PersonState::Predeceased);
    addPerson(u"Cucu 1"_s, AnakPria, zw::waris::PersonState::Living, u"Umar"_s);
    addPerson(u"Cucu 2"_s, AnakPria, zw::waris::PersonState::Living, u"Umar"_s);
    QStringList perPerson;
    for (int row = 0; row < rowCount() - 1; ++row)
        perPerson.append(cell(row, 0) % u' ' % cell(row, 4));
    // One row per person once persons are named; each son 7/64, each grandson and daughter 7/128.
    QCOMPARE(perPerson, (QStringList{u"Anak Pria 1 109,375.00"_s, u"Anak Pria 2 109,375.00"_s,
                                     u"Anak Pria 3 109,375.00"_s, u"Anak Pria 4 109,375.00"_s,
                                     u"Anak Pria 5 109,375.00"_s, u"Cucu 1 54,687.50"_s,
                                     u"Cucu 2 54,687.50"_s, u"Istri 125,000.00"_s,
                                     u"Anak Wanita 1 54,687.50"_s, u"Anak Wanita 2 54,687.50"_s,
                                     u"Anak Wanita 3 54,687.50"_s, u"Anak Wanita 4 54,687.50"_s}));
    type(u"HartaBersama"_s, u"1,000,000"_s);
    QCOMPARE(m_app->child<QLabel>(Division, u"HartaBersih"_s).text(), u"Rp 1,500,000.00"_s);

    m_app->child<QCheckBox>(Division, u"Bandingkan"_s).setChecked(true);
    QCOMPARE(m_app->child<QTableWidget>(Division, u"Rincian"_s).columnCount(), 8);
    QCOMPARE(cell(5, 0), u"Cucu 1"_s);
    QCOMPARE(cell(5, 1), u"Cucu Pria pengganti Umar"_s); // the predeceased son by his name
    QCOMPARE(cell(5, 2), u"0"_s);                        // blocked by the sons in the classical law
    QCOMPARE(cell(5, 7), u"ahli waris pengganti (Pasal 185 KHI)"_s);
    for (const QString& name : {u"Cucu 2"_s, u"Cucu 1"_s, u"Umar"_s}) {
        m_app->child<QAbstractItemView>(Division, u"DaftarAhliWaris"_s)
            .setCurrentIndex(entries(u"DaftarAhliWaris"_s).index(personRow(name), 0));
        click(Division, u"HapusOrang"_s);
    }
    QCOMPARE(rowCount(), 4);
    QVERIFY(m_app->dialogs.messages.isEmpty());
}

void WarisFormsTest::divisionReportMatchesItsGoldenFile() {
    openDivisionExample();
    QTemporaryDir folder;
    const QString path = folder.filePath(u"PEMBAGIAN.TXT"_s);
    m_app->dialogs.answerSave(path);
    click(Division, u"Simpan"_s);

    QVERIFY(m_app->dialogs.messages.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString difference = goldenDifference(file.readAll(), u"division-report.txt"_s);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void WarisFormsTest::divisionPdfAndPreviewShowTheSameWholeReport() {
    openDivisionExample();
    QTemporaryDir folder;
    const QString pdf = folder.filePath(u"pembagian.pdf"_s);
    const QString preview = folder.filePath(u"pratinjau.pdf"_s);
    m_app->dialogs.answerSave(pdf);
    click(Division, u"Pdf"_s);
    m_app->dialogs.answerPreview(preview);
    click(Division, u"Pratinjau"_s);

    QVERIFY(m_app->dialogs.messages.isEmpty());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().trimmed().endsWith("%%EOF"));
    QVERIFY2(!QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty(),
             "pdftotext reads the pages: install poppler-utils (make deps)");
    const QString text = pdfText(pdf);
    for (const QString& expected :
         {u"PEMBAGIAN LENGKAP HARTA WARIS"_s, u"Anak Wanita"_s, u"Per Orang (Rp)"_s,
          u"Seratus lima puluh dua ribu"_s, u"Di tabel terhalang"_s, u"Langkah Perhitungan"_s})
        QVERIFY2(text.contains(expected), qPrintable(expected + u"\n"_s + text));
    QCOMPARE(words(pdfText(preview)), words(text));
}

// Five predeceased sons, each with 99 sons of his own, are 500 persons and divide; a person more is
// refused in one line, and every person entered stays.
void WarisFormsTest::fiveHundredPersonsDivideAndOneMoreIsRefused() {
    using zw::waris::Person;
    using zw::waris::PersonState;
    enterDeceased({u"Ahmad"_s, u"1000000"_s, true});
    calculate({Istri}, {u"1"_s});
    click(u"Hasil"_s, u"Command8"_s);
    auto& form = static_cast<zw::waris::DivisionForm&>(m_app->form(Division));
    zw::waris::Kasus kasus = std::get<zw::waris::Kasus>(form.kasus());
    kasus.law = zw::waris::Law::Khi;
    kasus.persons.clear();
    int id = 1;
    for (int son = 1; son <= 5; ++son) {
        const int father = id;
        Person predeceased;
        predeceased.id = id++;
        predeceased.particulars.name = u"Putra %1"_s.arg(son);
        predeceased.state = PersonState::Predeceased;
        kasus.persons.push_back(predeceased);
        for (int child = 1; child <= zw::waris::MaxPersons; ++child) {
            Person grandson;
            grandson.id = id++;
            grandson.particulars.name = u"Cucu %1.%2"_s.arg(son).arg(child);
            grandson.of = father;
            kasus.persons.push_back(grandson);
        }
    }
    QCOMPARE(kasus.persons.size(), 500U);
    form.showKasus(kasus);
    const auto& problem = m_app->child<QLabel>(Division, u"Masalah"_s);
    QCOMPARE(problem.text(), QString());
    const auto& table = m_app->child<QTableWidget>(Division, u"Rincian"_s);
    QCOMPARE(rowCount(), 5 * zw::waris::MaxPersons + 1); // the grandsons and the total
    QCOMPARE(cell(rowCount() - 1, table.columnCount() - 1), u"1,000,000.00"_s);

    click(Division, u"TambahOrang"_s);
    QVERIFY(!problem.text().isEmpty());
    QCOMPARE(rowCount(), 0);
    QCOMPARE(entries(u"DaftarAhliWaris"_s).rowCount(), 501);
    QVERIFY(m_app->dialogs.messages.isEmpty());
}

void WarisFormsTest::divisionEntryRefused_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("entry");

    const struct {
        const char* name;
        QString entry;
    } entries[] = {
        {"letters", u"dua juta"_s},
        {"a negative amount", u"-5"_s},
        {"an amount beyond the range", u"99999999999999999999"_s},
        // Under the English locale "5.000" reads as five: the rest of the typing must not leave
        // that division standing.
        {"thousands typed the Indonesian way", u"5.000.000"_s},
    };
    for (const QString& field : {u"HartaBersama"_s, u"Biaya"_s, u"ZakatTerutang"_s, u"Utang"_s,
                                 u"WasiatWajibah"_s, u"Wasiat"_s}) {
        for (const auto& [name, entry] : entries)
            QTest::addRow("%s as %s", name, qPrintable(field)) << field << entry;
    }
    QTest::newRow("debts above the estate") << u"Utang"_s << u"2,000,000"_s;
}

// A refused deduction is told once and shows its problem; no result stays on screen and nothing
// can be saved or printed until it is mended.
void WarisFormsTest::divisionEntryRefused() {
    QFETCH(QString, field);
    QFETCH(QString, entry);

    // Under KHI, where every deduction applies.
    enterDeceased({});
    calculate({Suami, Ibu, AnakWanita}, {u"3"_s});
    click(u"Hasil"_s, u"Command8"_s);
    m_app->child<QComboBox>(Division, u"Hukum"_s).setCurrentIndex(1);
    type(u"Biaya"_s, u"10,000"_s);
    const QString total = cell(rowCount() - 1, 5);
    QVERIFY(!total.isEmpty());
    auto& edit = m_app->child<QLineEdit>(Division, field);
    const QString before = edit.text();
    edit.setText(entry.left(5));
    type(field, entry);
    // Leaving the field again without a change asks no second time.
    QTest::keyClick(&m_app->child<QLineEdit>(Division, field), Qt::Key_Return);
    const QString problem = m_app->child<QLabel>(Division, u"Masalah"_s).text();
    QVERIFY(!problem.isEmpty());
    QCOMPARE(m_app->dialogs.messages.size(), 1);
    QCOMPARE(m_app->dialogs.messages.constFirst().text, u"Anda Salah Mengisikan Data ...!"_s);
    QCOMPARE(rowCount(), 0);
    QCOMPARE(m_app->child<QPlainTextEdit>(Division, u"Langkah"_s).toPlainText(), problem);
    const QStringList outputs{u"Simpan"_s, u"Cetak"_s, u"Pratinjau"_s, u"Pdf"_s};
    for (const QString& button : outputs)
        QVERIFY2(!m_app->child<QPushButton>(Division, button).isEnabled(), qPrintable(button));

    type(field, before);
    QCOMPARE(cell(rowCount() - 1, 5), total);
    for (const QString& button : outputs)
        QVERIFY2(m_app->child<QPushButton>(Division, button).isEnabled(), qPrintable(button));
}

void WarisFormsTest::divisionOutputFails_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");  // "folder": a folder stands where the file would go
    QTest::addColumn<int>("sizeLimit"); // bytes; 0: none
    QTest::addColumn<QString>("message");

    QTest::newRow("report saved as a folder")
        << u"Simpan"_s << u"folder"_s << 0 << u"tidak dapat dibuat"_s;
    QTest::newRow("pdf saved as a folder")
        << u"Pdf"_s << u"folder"_s << 0 << u"tidak dapat dibuat"_s;
    QTest::newRow("pdf on a full disk")
        << u"Pdf"_s << u"penuh.pdf"_s << 1024 << u"gagal disimpan"_s;
}

// A save that fails says so once, writes no file and leaves the window as it was.
void WarisFormsTest::divisionOutputFails() {
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(int, sizeLimit);
    QFETCH(QString, message);

    openDivisionExample();
    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    if (file == u"folder")
        QVERIFY(QDir().mkpath(path));
    m_app->dialogs.answerSave(path);
    withFileLimit(sizeLimit, [&] { click(Division, button); });
    QVERIFY(!QFileInfo(path).isFile());
    QCOMPARE(m_app->dialogs.messages.size(), 1);
    QVERIFY2(m_app->dialogs.messages.constFirst().text.contains(message),
             qPrintable(m_app->dialogs.messages.constFirst().text));
    QVERIFY(m_app->form(Division).isVisible());
}

int WarisFormsTest::personRow(const QString& name) {
    const QAbstractItemModel& persons = entries(u"DaftarAhliWaris"_s);
    for (int row = 0; row < persons.rowCount(); ++row) {
        if (persons.index(row, zw::waris::PersonsModel::Name).data().toString() == name)
            return row;
    }
    qFatal("no person %s", qPrintable(name));
}

void WarisFormsTest::setPerson(const QString& name, int column, const QVariant& value) {
    edit(u"DaftarAhliWaris"_s, personRow(name), column, value);
}

void WarisFormsTest::addPerson(const QString& name, zw::waris::HeirKind relation,
                               zw::waris::PersonState state, const QString& of) {
    using Model = zw::waris::PersonsModel;
    click(Division, u"TambahOrang"_s);
    const QAbstractItemModel& persons = entries(u"DaftarAhliWaris"_s);
    const int row = persons.rowCount() - 1;
    edit(u"DaftarAhliWaris"_s, row, Model::Name, name);
    edit(u"DaftarAhliWaris"_s, row, Model::Relation, index(relation));
    edit(u"DaftarAhliWaris"_s, row, Model::State, static_cast<int>(state));
    if (of.isEmpty())
        return;
    const QStringList choices =
        persons.index(row, Model::Of).data(zw::ChoiceDelegate::ChoicesRole).toStringList();
    QVERIFY2(choices.contains(of), qPrintable(of));
    edit(u"DaftarAhliWaris"_s, row, Model::Of, choices.indexOf(of));
}

namespace {

zw::waris::HeirKind kindNamed(const QString& name) {
    for (int k = 0; k < zw::waris::FaraidKindCount; ++k) {
        if (zw::waris::heirInfo(zw::waris::heirKind(k)).name == name)
            return zw::waris::heirKind(k);
    }
    qFatal("no kind %s", qPrintable(name));
}

} // namespace

void WarisFormsTest::setSpecial(const QString& control, const QString& value) {
    using zw::waris::PersonState;
    const QAbstractItemModel& persons = entries(u"DaftarAhliWaris"_s);
    // The rows of the first division's persons of a kind, in order.
    const auto rowsOf = [&persons](zw::waris::HeirKind kind) {
        QList<int> rows;
        for (int row = 0; row < persons.rowCount(); ++row) {
            if (persons.index(row, zw::waris::PersonsModel::Relation).data().toString() ==
                    zw::waris::heirInfo(kind).name &&
                persons.index(row, zw::waris::PersonsModel::Of).data().toString().isEmpty())
                rows.append(row);
        }
        return rows;
    };
    const auto setRowState = [this](int row, PersonState state) {
        edit(u"DaftarAhliWaris"_s, row, zw::waris::PersonsModel::State, static_cast<int>(state));
    };
    if (control == u"MeninggalKemudian") {
        const QString dead = value.section(u'=', 0, 0);
        setState(dead, PersonState::DiedLater);
        for (const QString& heir : value.section(u'=', 1).split(u',')) {
            addPerson(heir.trimmed() % u" dari "_s % dead, kindNamed(heir.trimmed()),
                      PersonState::Living, dead);
        }
    } else if (control == u"MeninggalBersama") {
        setState(value, PersonState::DiedTogether);
    } else if (control == u"Kandungan") {
        addPerson(u"Kandungan"_s, kindNamed(value), PersonState::Unborn);
    } else if (control == u"Khuntsa") {
        setRowState(rowsOf(kindNamed(value)).constFirst(), PersonState::UnknownSex);
    } else if (control == u"Hilang") {
        const QList<int> rows = rowsOf(kindNamed(value.section(u':', 0, 0)));
        const int missing = value.contains(u':') ? value.section(u':', 1).toInt() : 1;
        for (int i = static_cast<int>(rows.size()) - missing; i < rows.size(); ++i)
            setRowState(rows[i], PersonState::Missing);
    } else {
        auto& box = m_app->child<QComboBox>(Division, control);
        QVERIFY2(box.findText(value) >= 0, qPrintable(value));
        box.setCurrentIndex(box.findText(value));
    }
}

QStringList WarisFormsTest::firstColumn() {
    QStringList names;
    for (int row = 0; row < rowCount(); ++row)
        names.append(cell(row, 0));
    return names;
}

void WarisFormsTest::specialCaseDividesInTheWindow_data() {
    QTest::addColumn<bool>("male");
    QTest::addColumn<Kinds>("kinds");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("rows"); // the first column, the total last
    QTest::addColumn<QString>("firstAmount");

    QTest::newRow("husband dying later leaves his share to the son")
        << false << Kinds{Suami, AnakPria} << QStringList{u"1"_s} << u"MeninggalKemudian"_s
        << u"Suami=Anak Pria"_s << QStringList{u"Anak Pria"_s, u"Jumlah"_s} << u"1,200,000.00"_s;
    QTest::newRow("pregnant widow: the unborn's part held")
        << true << Kinds{Istri, Bapak} << QStringList{u"1"_s} << u"Kandungan"_s << u"Anak Pria"_s
        << QStringList{u"Bapak"_s, u"Istri"_s, u"Kandungan"_s, u"Ditangguhkan"_s, u"Jumlah"_s}
        << u"200,000.00"_s;
    QTest::newRow("missing brother: his part held")
        << true << Kinds{SaudaraPriaSekandung, Istri} << QStringList{u"1"_s, u"1"_s} << u"Hilang"_s
        << u"Saudara Pria Sekandung"_s
        << QStringList{u"Saudara Pria Sekandung (hilang)"_s, u"Istri"_s, u"Ditangguhkan"_s,
                       u"Jumlah"_s}
        << u"0.00"_s;
    QTest::newRow("two missing brothers: both parts held")
        << true << Kinds{SaudaraPriaSekandung, Istri} << QStringList{u"2"_s, u"1"_s} << u"Hilang"_s
        << u"Saudara Pria Sekandung:2"_s
        << QStringList{u"Saudara Pria Sekandung 1 (hilang)"_s,
                       u"Saudara Pria Sekandung 2 (hilang)"_s, u"Istri"_s, u"Ditangguhkan"_s,
                       u"Jumlah"_s}
        << u"0.00"_s;
    QTest::newRow("intersex child beside the mother")
        << true << Kinds{AnakPria, Ibu} << QStringList{u"1"_s} << u"Khuntsa"_s << u"Anak Pria"_s
        << QStringList{u"Ibu"_s, u"Khuntsa (Anak Pria)"_s, u"Ditangguhkan"_s, u"Jumlah"_s}
        << u"200,000.00"_s;
    QTest::newRow("son who died together with his mother is left out")
        << false << Kinds{Suami, AnakPria} << QStringList{u"2"_s} << u"MeninggalBersama"_s
        << u"Anak Pria 1"_s << QStringList{u"Suami"_s, u"Anak Pria"_s, u"Jumlah"_s}
        << u"300,000.00"_s;
}

// Every special case divides at once; the rows add up to the net estate, the working and the
// saved report carry the special sections.
void WarisFormsTest::specialCaseDividesInTheWindow() {
    QFETCH(bool, male);
    QFETCH(Kinds, kinds);
    QFETCH(QStringList, answers);
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(QStringList, rows);
    QFETCH(QString, firstAmount);

    enterDeceased({u"Ahmad"_s, u"1200000"_s, male});
    calculate(kinds, answers);
    click(u"Hasil"_s, u"Command8"_s);
    setSpecial(control, value);

    QCOMPARE(m_app->child<QLabel>(Division, u"Masalah"_s).text(), QString());
    QCOMPARE(firstColumn(), rows);
    const int amount = m_app->child<QTableWidget>(Division, u"Rincian"_s).columnCount() - 1;
    QCOMPARE(cell(0, amount), firstAmount);
    double sum = 0;
    for (int row = 0; row + 1 < rowCount(); ++row)
        sum += cell(row, amount).remove(u',').toDouble();
    QCOMPARE(sum, 1200000.0);
    QCOMPARE(cell(rowCount() - 1, amount), u"1,200,000.00"_s);
    const QString working = m_app->child<QPlainTextEdit>(Division, u"Langkah"_s).toPlainText();
    QCOMPARE(working.contains(u"Yang ditangguhkan (Rp "_s), rows.contains(u"Ditangguhkan"_s));

    QTemporaryDir folder;
    const QString path = folder.filePath(u"KHUSUS.TXT"_s);
    m_app->dialogs.answerSave(path);
    click(Division, u"Simpan"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString saved = QString::fromUtf8(file.readAll());
    QVERIFY(saved.contains(u"Yang Diterima Sekarang"_s) ||
            saved.contains(u"Pembagian Akhir (Jami'ah)"_s));
    QCOMPARE(saved.contains(u"Ditangguhkan"_s), rows.contains(u"Ditangguhkan"_s));
    QVERIFY(m_app->dialogs.messages.isEmpty());
}

void WarisFormsTest::specialCaseRefusedKeepsTheEntry_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("problem");

    QTest::newRow("unborn brother beside the father")
        << u"Kandungan"_s << u"Saudara Pria Sekandung"_s
        << u"Kandungan saudara tidak mewarisi selama ada Bapak; tidak ada yang perlu "
           u"ditangguhkan."_s;
    QTest::newRow("a second father") << u"Bapak"_s << u"Bapak Kedua"_s << u"Bapak Kedua"_s;
    QTest::newRow("a husband of a man") << u"Suami"_s << u"Siti"_s << u"Siti"_s;
}

// A refusal is the form's own line naming the person; the entries stay as they were, and no
// window opens.
void WarisFormsTest::specialCaseRefusedKeepsTheEntry() {
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(QString, problem);

    enterDeceased({u"Ahmad"_s, u"1200000"_s, true});
    calculate({Bapak, Ibu}, {});
    click(u"Hasil"_s, u"Command8"_s);
    const int before = entries(u"DaftarAhliWaris"_s).rowCount();
    if (control == u"Kandungan")
        setSpecial(control, value);
    else
        addPerson(value, kindNamed(control));

    const QString shown = m_app->child<QLabel>(Division, u"Masalah"_s).text();
    QVERIFY2(shown.contains(problem), qPrintable(shown));
    QCOMPARE(rowCount(), 0);
    QCOMPARE(entries(u"DaftarAhliWaris"_s).rowCount(), before + 1);
    QCOMPARE(personRow(control == u"Kandungan" ? control : value), before);
    QVERIFY(m_app->dialogs.messages.isEmpty());
}

void WarisFormsTest::newCalculationEmptiesTheSpecialCases() {
    enterDeceased({u"Ahmad"_s, u"1200000"_s, true});
    calculate({Istri, AnakPria}, {u"2"_s, u"1"_s});
    click(u"Hasil"_s, u"Command8"_s);
    const QStringList plain = firstColumn();
    const int persons = entries(u"DaftarAhliWaris"_s).rowCount();
    setSpecial(u"Kandungan"_s, u"Anak Pria"_s);
    m_app->child<QComboBox>(Division, u"CadanganKandungan"_s).setCurrentIndex(1);
    setSpecial(u"Khuntsa"_s, u"Anak Pria"_s);
    setSpecial(u"MeninggalBersama"_s, u"Anak Pria 2"_s);
    QVERIFY(firstColumn().contains(u"Ditangguhkan"_s));

    click(u"Hasil"_s, u"Command5"_s);
    enterDeceased({u"Ahmad"_s, u"1200000"_s, true});
    calculate({Istri, AnakPria}, {u"2"_s, u"1"_s});
    click(u"Hasil"_s, u"Command8"_s);
    QCOMPARE(m_app->child<QComboBox>(Division, u"CadanganKandungan"_s).currentIndex(), 0);
    const QAbstractItemModel& table = entries(u"DaftarAhliWaris"_s);
    QCOMPARE(table.rowCount(), persons);
    for (int row = 0; row < table.rowCount(); ++row)
        QCOMPARE(table.index(row, zw::waris::PersonsModel::State).data().toString(), u"Hidup"_s);
    QCOMPARE(firstColumn(), plain);
}

void WarisFormsTest::distantKinDivideInTheWindow_data() {
    QTest::addColumn<QString>("distant");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<QString>("problem");

    const QStringList rows{u"Suami"_s, u"Anak Pria dari Saudara Wanita Sekandung"_s,
                           u"Saudara Wanita Ibu"_s, u"Jumlah"_s};
    QTest::newRow("tanzil: the sister's and the mother's places share the husband's rest")
        << u"SaudaraWanitaIbu"_s << u"Tanzil (Syafi'i)"_s << rows
        << QStringList{u"600,000.00"_s, u"360,000.00"_s, u"240,000.00"_s} << QString();
    QTest::newRow("qarabah: the sister's son before the mother's sister")
        << u"SaudaraWanitaIbu"_s << u"Qarabah (Hanafi)"_s << rows
        << QStringList{u"600,000.00"_s, u"600,000.00"_s, u"0.00"_s} << QString();
}

// A wife's estate left to her husband, her late sister's son and her mother's sister.
void WarisFormsTest::distantKinDivideInTheWindow() {
    QFETCH(QString, distant);
    QFETCH(QString, rule);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, amounts);
    QFETCH(QString, problem);

    enterDeceased({u"Aminah"_s, u"1200000"_s, false});
    calculate({Suami}, {});
    click(u"Hasil"_s, u"Command8"_s);
    addPerson(u"Saudara Wanita Sekandung"_s, SaudaraWanitaSekandung,
              zw::waris::PersonState::Predeceased);
    addPerson(u"Anak Pria dari Saudara Wanita Sekandung"_s, AnakPria,
              zw::waris::PersonState::Living, u"Saudara Wanita Sekandung"_s);
    setSpecial(u"CaraKerabatJauh"_s, rule);
    type(u"TambahCepat"_s, distant);

    QCOMPARE(m_app->child<QLabel>(Division, u"Masalah"_s).text(), problem);
    if (!problem.isEmpty())
        return;
    QCOMPARE(firstColumn(), rows);
    const int amount = m_app->child<QTableWidget>(Division, u"Rincian"_s).columnCount() - 1;
    // Each person's amount; the total row leaves that column empty.
    QStringList got;
    for (int row = 0; row + 1 < rowCount(); ++row)
        got.append(cell(row, amount));
    QCOMPARE(got, amounts);
    QVERIFY(m_app->child<QPlainTextEdit>(Division, u"Langkah"_s)
                .toPlainText()
                .contains(rule.startsWith(u"Tanzil") ? u"Cara tanzil"_s : u"Cara qarabah"_s));
}

QTEST_MAIN(WarisFormsTest)
void WarisFormsTest::windowAndCommandDivideAlike_data() {
    QTest::addColumn<bool>("male");
    QTest::addColumn<Kinds>("kinds");
    QTest::addColumn<QStringList>("counts");   // the count questions' answers
    QTest::addColumn<QStringList>("controls"); // "control=value", set in the window in turn
    QTest::addColumn<QString>("arguments");    // of the command, after the heirs and the estate

    const auto row = [&](const char* name, const QStringList& controls, const QString& arguments,
                         const Kinds& kinds = {Suami, Ibu, AnakWanita},
                         const QStringList& counts = {u"3"_s}) {
        QTest::newRow(name) << kinds.contains(Istri) << kinds << counts << controls << arguments;
    };
    row("classical law", {}, {});
    row("KHI", {u"Hukum=Kompilasi Hukum Islam (KHI)"_s}, u"--law khi"_s);
    row("both laws", {u"Bandingkan=1"_s}, u"--compare"_s);
    row("both laws with an obligatory bequest",
        {u"Bandingkan=1"_s, u"WasiatWajibah=100000"_s, u"PenerimaWasiatWajibah=Orang tua angkat"_s},
        u"--compare --obligatory-bequest 100000 --obligatory-bequest-to adoptive-parent"_s);
    row("deductions under KHI",
        {u"Hukum=Kompilasi Hukum Islam (KHI)"_s, u"Biaya=10000"_s, u"Utang=5000"_s,
         u"Wasiat=400000"_s, u"RaddKhi=Hanya kepada kerabat"_s},
        u"--law khi --funeral 10000 --debts 5000 --bequest 400000 --khi-radd blood"_s);
    row("a later death", {u"MeninggalKemudian=Suami=Bapak"_s}, u"--then-dies Suami=Bapak"_s);
    row("an unborn child", {u"Kandungan=Anak Pria"_s}, u"--unborn child"_s, {Istri, Bapak, Ibu},
        {u"1"_s});
    row("the Hanafi reserve", {u"Kandungan=Anak Pria"_s, u"CadanganKandungan=Hanafi: satu anak"_s},
        u"--unborn child --reserve hanafi"_s, {Istri, Bapak, Ibu}, {u"1"_s});
    row("a missing daughter", {u"Hilang=Anak Wanita:2"_s}, u"--missing AnakWanita:2"_s);
    row("a khuntsa", {u"Khuntsa=Anak Wanita"_s, u"PandanganKhuntsa=Rata-rata"_s},
        u"--intersex AnakWanita --intersex-view average"_s);
    row("died together", {u"MeninggalBersama=Ibu"_s}, u"--died-together Ibu"_s);
    row("distant kin",
        {u"TambahCepat=SaudaraWanitaIbu=2, KakekDariIbu"_s, u"CaraKerabatJauh=Qarabah (Hanafi)"_s},
        u"SaudaraWanitaIbu=2 KakekDariIbu --distant-kin qarabah"_s, {Suami}, {});
}

// The same case entered in Pembagian and given to the command divides to the same JSON: every
// share, amount and step.
void WarisFormsTest::windowAndCommandDivideAlike() {
    QFETCH(bool, male);
    QFETCH(Kinds, kinds);
    QFETCH(QStringList, counts);
    QFETCH(QStringList, controls);
    QFETCH(QString, arguments);

    enterDeceased({.male = male});
    calculate(kinds, counts);
    click(u"Hasil"_s, u"Command8"_s);
    for (const QString& control : controls) {
        const QString name = control.section(u'=', 0, 0);
        const QString value = control.section(u'=', 1);
        if (m_app->form(Division).findChild<QLineEdit*>(name))
            type(name, value);
        else if (auto* check = m_app->form(Division).findChild<QCheckBox*>(name))
            check->setChecked(value == u"1");
        else if (!QStringList{u"Hilang"_s, u"Khuntsa"_s, u"Kandungan"_s, u"MeninggalKemudian"_s,
                              u"MeninggalBersama"_s}
                      .contains(name))
            m_app->child<QComboBox>(Division, name).setCurrentText(value);
        else
            setSpecial(name, value);
    }
    const auto& form = static_cast<zw::waris::DivisionForm&>(m_app->form(Division));
    QVERIFY2(form.divided(), qPrintable(m_app->child<QLabel>(Division, u"Masalah"_s).text()));
    QJsonObject shown = zw::waris::divisionJson(*form.divided());
    const QByteArray window = QJsonDocument(shown).toJson(QJsonDocument::Compact);

    // The case saved by the window and divided by the command: the same, names and all.
    QTemporaryDir folder;
    const QString file = folder.filePath(u"kasus.waris"_s);
    m_app->dialogs.answerSave(file);
    m_app->child<QAbstractButton>(Division, u"SimpanKasus"_s).click();
    QCOMPARE(
        commandJson({u"zakat-waris"_s, u"faraid"_s, u"--format"_s, u"json"_s, u"--case"_s, file}),
        window);
    // The persons the window named are its own; the division is the typed command's.
    if (std::any_of(controls.cbegin(), controls.cend(), [](const QString& control) {
            return control.startsWith(u"MeninggalKemudian") || control.startsWith(u"Kandungan");
        }))
        return;
    shown.remove(u"deceased"_s);

    QStringList command{u"zakat-waris"_s, u"faraid"_s,   u"--format"_s,
                        u"json"_s,        u"--estate"_s, u"1000000"_s};
    for (const auto kind : kinds)
        command.append(heirInfo(kind).identifier %
                       (heirInfo(kind).several ? u'=' % counts.value(0, u"1"_s) : QString()));
    if (!arguments.isEmpty())
        command += arguments.split(u' ');
    QCOMPARE(commandJson(command), QJsonDocument(shown).toJson(QJsonDocument::Compact));
}

QByteArray WarisFormsTest::commandJson(const QStringList& command) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int exitCode = zw::runFaraidCommand(command, outStream, errStream);
    if (exitCode != 0)
        qWarning() << err;
    return QJsonDocument::fromJson(out.toUtf8()).toJson(QJsonDocument::Compact);
}

#include "WarisFormsTest.moc"
