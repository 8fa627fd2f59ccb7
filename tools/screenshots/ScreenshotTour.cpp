#include "ScreenshotTour.h"

#include "ModalGuard.h"
#include "app/ClosingWindow.h"
#include "app/StartUp.h"
#include "waris/engine/HeirKind.h"
#include "waris/engine/kasus/Kasus.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace zw::tools {

namespace {

// Long enough for the window system to map and paint a window that was just shown.
constexpr int paintMilliseconds = 300;

} // namespace

ScreenshotTour::ScreenshotTour(const QString& folder)
    : m_app(QLocale(QLocale::Indonesian, QLocale::Indonesia), ClosingWindow::pause)
    , m_folder(folder) {
    m_folder.mkpath(u"."_s);
}

QStringList ScreenshotTour::run() {
    test::whenModalOpens([this](QWidget* gate) { passwordOverMenu(*gate); });
    runMain(m_app.context);
    inheritance();
    zakat();
    closing();
    return m_written;
}

void ScreenshotTour::passwordOverMenu(QWidget& gate) {
    type(gate, u"Text1"_s, u"rahasia"_s);
    shootOver(m_app.form(u"Awal"_s), gate, u"01-sandi"_s);
    auto& entry = *test::TestApp::findOrFail<QLineEdit>(gate, u"Text1"_s);
    entry.clear();
    QTest::keyClicks(&entry, u" Qobu "_s);
    QTest::keyClick(&entry, Qt::Key_Return);
}

void ScreenshotTour::inheritance() {
    shoot(m_app.form(u"Awal"_s), u"02-awal"_s);

    click(u"Awal"_s, u"Command4"_s);
    QWidget& data = m_app.form(u"Data"_s);
    const QStringList particulars{u"H. Ahmad Fauzi"_s, u"Jl. Merdeka No. 17, Bandung"_s,
                                  u"Garut, 12-05-1941"_s, u"Bandung, 03-01-2024"_s,
                                  u"250.000.000"_s};
    for (int i = 0; i < particulars.size(); ++i)
        type(data, u"Text%1"_s.arg(i + 1), particulars[i]);
    child<QRadioButton>(u"Data"_s, u"Option1"_s).setChecked(true);
    shoot(data, u"03-data"_s);

    click(u"Data"_s, u"Command1"_s);
    for (waris::HeirKind kind : {waris::HeirKind::Istri, waris::HeirKind::Ibu,
                                 waris::HeirKind::AnakPria, waris::HeirKind::AnakWanita})
        child<QCheckBox>(u"Ahli_Waris"_s, u"Check(%1)"_s.arg(waris::index(kind))).setChecked(true);
    shoot(m_app.form(u"Ahli_Waris"_s), u"04-ahli-waris"_s);

    // Asked in the order of the kinds: Anak Pria, Istri, Anak Wanita (Ibu is always one).
    answerCounts({u"2"_s, u"1"_s, u"1"_s});
    click(u"Ahli_Waris"_s, u"Command4"_s);
    shoot(m_app.form(u"Hasil"_s), u"06-hasil"_s);

    click(u"Hasil"_s, u"Command2"_s);
    shoot(m_app.form(u"Detail"_s), u"07-detail"_s);
    click(u"Detail"_s, u"Command1"_s);

    click(u"Hasil"_s, u"Command8"_s);
    QWidget& division = m_app.form(u"Pembagian"_s);
    child<QComboBox>(u"Pembagian"_s, u"Hukum"_s).setCurrentIndex(1);
    type(division, u"HartaBersama"_s, u"120.000.000"_s);
    type(division, u"Biaya"_s, u"2.500.000"_s);
    type(division, u"Wasiat"_s, u"20.000.000"_s);
    // The persons by name, and a son who died before his father, leaving a son and a daughter.
    auto& tabs = child<QTabWidget>(u"Pembagian"_s, u"TabKasus"_s);
    tabs.setCurrentIndex(1);
    QAbstractItemModel* persons =
        child<QAbstractItemView>(u"Pembagian"_s, u"DaftarAhliWaris"_s).model();
    const QStringList names{u"Ali Fauzi"_s, u"Umar Fauzi"_s, u"Siti Khadijah"_s, u"Hj. Maryam"_s,
                            u"Aisyah Fauzi"_s};
    for (int row = 0; row < names.size(); ++row)
        persons->setData(persons->index(row, 0), names[row]);
    click(u"Pembagian"_s, u"TambahOrang"_s);
    const int dead = persons->rowCount() - 1;
    persons->setData(persons->index(dead, 0), u"Hasan Fauzi"_s);
    persons->setData(persons->index(dead, 2), static_cast<int>(waris::PersonState::Predeceased));
    for (const QString& child : {u"Rizki"_s, u"Nur"_s}) {
        click(u"Pembagian"_s, u"TambahOrang"_s);
        const int row = persons->rowCount() - 1;
        persons->setData(persons->index(row, 0), child);
        if (child == u"Nur")
            persons->setData(persons->index(row, 1), waris::index(waris::HeirKind::AnakWanita));
        persons->setData(persons->index(row, 3), 1); // the first choice after the deceased
    }
    shoot(division, u"17-pembagian"_s);
    // The same family with the widow expecting a child instead: the child's part held back.
    for (int n = 0; n < 3; ++n)
        persons->removeRow(persons->rowCount() - 1);
    click(u"Pembagian"_s, u"TambahOrang"_s);
    const int unborn = persons->rowCount() - 1;
    persons->setData(persons->index(unborn, 0), u"Kandungan Siti"_s);
    persons->setData(persons->index(unborn, 2), static_cast<int>(waris::PersonState::Unborn));
    shoot(division, u"19-kasus-khusus"_s);
    click(u"Pembagian"_s, u"Tutup"_s);

    click(u"Hasil"_s, u"Command7"_s);
    shoot(m_app.form(u"Bantuan"_s), u"14-bantuan"_s);
}

void ScreenshotTour::answerCounts(QList<QString> counts) {
    test::whenModalOpens([this, counts](QWidget* dialog) mutable {
        const QString count = counts.takeFirst();
        type(*dialog, u"Text1"_s, count);
        if (m_written.filter(u"05-berapa"_s).isEmpty())
            shoot(*dialog, u"05-berapa"_s);
        test::TestApp::findOrFail<QPushButton>(*dialog, u"Command2"_s)->click();
        // The next question opens once this one's event loop has returned.
        if (!counts.isEmpty())
            answerCounts(counts);
    });
}

void ScreenshotTour::zakat() {
    click(u"Hasil"_s, u"Command6"_s);
    QWidget& payer = m_app.form(u"Form2"_s);
    const QStringList particulars{u"Siti Aminah"_s, u"Jl. Diponegoro No. 45, Yogyakarta"_s,
                                  u"0274-512345"_s, u"Sleman, 17-08-1970"_s, u"Petani"_s};
    for (int i = 0; i < particulars.size(); ++i)
        type(payer, u"Text%1"_s.arg(i + 1), particulars[i]);
    for (int i = 1; i <= 4; ++i)
        child<QCheckBox>(u"Form2"_s, u"Check%1"_s.arg(i)).setChecked(true);
    shoot(payer, u"08-form2"_s);

    click(u"Form2"_s, u"Command4"_s);
    QWidget& complete = m_app.form(u"ZakatLengkap"_s);
    const QList<std::pair<QString, QString>> entries{{u"HargaEmas"_s, u"1.500.000"_s},
                                                     {u"Penghasilan"_s, u"12.500.000"_s},
                                                     {u"Tunai"_s, u"95.000.000"_s},
                                                     {u"Utang"_s, u"5.000.000"_s},
                                                     {u"EmasGram"_s, u"120"_s},
                                                     {u"Karat"_s, u"22"_s},
                                                     {u"PanenKg"_s, u"2.400"_s},
                                                     {u"HargaGabah"_s, u"6.500"_s},
                                                     {u"Sapi"_s, u"45"_s},
                                                     {u"Kambing"_s, u"130"_s},
                                                     {u"FitrahOrang"_s, u"5"_s}};
    for (const auto& [field, text] : entries)
        type(complete, field, text);
    shoot(complete, u"18-zakat-lengkap"_s);
    click(u"ZakatLengkap"_s, u"Tutup"_s);

    // The kinds are asked in this order: wealth, harvest, fitrah, livestock.
    answerKindForms({u"Form4"_s, u"Form5"_s, u"Form7"_s, u"Form6"_s});
    click(u"Form2"_s, u"Command1"_s);
    shoot(m_app.form(u"Form8"_s), u"13-form8"_s);
}

void ScreenshotTour::answerKindForms(QStringList remaining) {
    test::whenModalOpens([this, remaining](QWidget* form) mutable {
        const QString name = remaining.takeFirst();
        if (form->objectName() != name)
            problems.append(u"expected %1, %2 opened"_s.arg(name, form->objectName()));
        if (name == u"Form4") {
            type(*form, u"Text1"_s, u"150.000.000"_s);
            type(*form, u"Text2"_s, u"1.250.000"_s);
        } else if (name == u"Form5") {
            type(*form, u"Text1"_s, u"2.400"_s);
            test::TestApp::findOrFail<QRadioButton>(*form, u"Option2"_s)->setChecked(true);
        } else if (name == u"Form6") {
            type(*form, u"Text1"_s, u"45"_s);
            test::TestApp::findOrFail<QRadioButton>(*form, u"Option1"_s)->setChecked(true);
        } else {
            type(*form, u"Text1"_s, u"5"_s);
            type(*form, u"Text2"_s, u"15.000"_s);
        }
        test::TestApp::findOrFail<QPushButton>(*form, u"Command2"_s)->click();
        const QStringList files{u"Form4"_s, u"09-form4-harta"_s,  u"Form5"_s, u"10-form5-tani"_s,
                                u"Form7"_s, u"11-form7-fitrah"_s, u"Form6"_s, u"12-form6-ternak"_s};
        shoot(*form, files[files.indexOf(name) + 1]);
        if (!remaining.isEmpty())
            answerKindForms(remaining);
        test::TestApp::findOrFail<QPushButton>(*form, u"Command1"_s)->click();
    });
}

void ScreenshotTour::closing() {
    m_app.form(u"Programmer"_s).show();
    shoot(m_app.form(u"Programmer"_s), u"15-programmer"_s);
    m_app.form(u"Programmer"_s).hide();

    // The case of the division is left unsaved.
    m_app.dialogs.answerUnsaved(UnsavedAnswer::Discard);
    // The closing window pauses before it ends the program; it is shot during the pause.
    QTimer::singleShot(50, &m_app.form(u"Akhir"_s),
                       [this] { shoot(m_app.form(u"Akhir"_s), u"16-akhir"_s); });
    click(u"Form8"_s, u"Command2"_s);
    if (!QTest::qWaitFor([this] { return m_app.ended; }, 5000))
        problems.append(u"the program did not end through the closing window"_s);
}

void ScreenshotTour::shoot(QWidget& window, const QString& name) {
    window.raise();
    QTest::qWait(paintMilliseconds);
    const QString path = m_folder.filePath(name + u".png"_s);
    if (!window.isVisible())
        problems.append(name + u": the window is not shown"_s);
    else if (!window.grab().save(path, "PNG", 0))
        problems.append(u"cannot write "_s + path);
    else
        m_written.append(path);
}

void ScreenshotTour::shootOver(QWidget& below, QWidget& above, const QString& name) {
    QTest::qWait(paintMilliseconds);
    // Drawn from the two windows' own pictures at their places on the screen: a virtual display
    // has no window manager to draw the border that sets the dialog apart.
    const QPixmap lower = below.grab();
    const QPixmap upper = above.grab();
    const QRect lowerArea(QPoint(0, 0), below.size());
    const QRect upperArea(above.geometry().topLeft() - below.geometry().topLeft(), above.size());
    constexpr int shadow = 4;
    const QRect area = lowerArea | upperArea.adjusted(-1, -1, shadow + 1, shadow + 1);

    const qreal ratio = lower.devicePixelRatio();
    QPixmap canvas(area.size() * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(below.palette().color(QPalette::Window));
    QPainter painter(&canvas);
    painter.translate(-area.topLeft());
    painter.drawPixmap(lowerArea.topLeft(), lower);
    painter.fillRect(upperArea.translated(shadow, shadow), QColor(0, 0, 0, 70));
    painter.drawPixmap(upperArea.topLeft(), upper);
    painter.setPen(below.palette().color(QPalette::Dark));
    painter.drawRect(upperArea.adjusted(-1, -1, 0, 0));
    painter.end();

    const QString path = m_folder.filePath(name + u".png"_s);
    if (!canvas.save(path, "PNG", 0))
        problems.append(u"cannot write "_s + path);
    else
        m_written.append(path);
}

template<class W> W& ScreenshotTour::child(const QString& form, const QString& name) {
    return m_app.child<W>(form, name);
}

void ScreenshotTour::click(const QString& form, const QString& button) {
    child<QPushButton>(form, button).click();
}

void ScreenshotTour::type(QWidget& window, const QString& field, const QString& text) {
    auto* edit = test::TestApp::findOrFail<QLineEdit>(window, field);
    edit->clear();
    QTest::keyClicks(edit, text);
}

} // namespace zw::tools
