#include "WarisSteps.h"
#include "common/LineWriter.h"
#include "common/TextFileSink.h"
#include "waris/engine/InheritanceReport.h"
#include "waris/forms/ResultForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::test;
using enum zw::waris::HeirKind;

namespace {

QString blanks(qsizetype count) {
    return QString(count, u' ');
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class WarisOutputTest : public WarisTest {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void savedFileFollowsTheLayout_data();
    void savedFileFollowsTheLayout();
    void cancelledSaveAsksForATextFileAndWritesNothing();
    void failedSaveIsReportedAndKeepsWhatWasThere_data();
    void failedSaveIsReportedAndKeepsWhatWasThere();
    void printedPageHoldsTheResult();
    void printerCancelWritesNothingAndFailureIsReported_data();
    void printerCancelWritesNothingAndFailureIsReported();

private:
    // Husband and two full sisters on 600,000: two rows, a negative remainder.
    void calculateExample(const QLocale& locale = UnitedStates);

    std::unique_ptr<QTemporaryDir> m_folder;
};

void WarisOutputTest::init() {
    WarisTest::init();
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void WarisOutputTest::calculateExample(const QLocale& locale) {
    start(locale);
    DeceasedEntry entry;
    entry.male = false;
    entry.estate = u"600000"_s;
    run(entry, {Suami, SaudaraWanitaSekandung}, {u"2"_s});
    QVERIFY(m_app->form(u"Hasil"_s).isVisible());
}

void WarisOutputTest::savedFileFollowsTheLayout_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("expected");

    for (const bool indonesian : {false, true}) {
        const auto amount = [indonesian](const QString& us) {
            if (!indonesian)
                return us;
            QString swapped = us;
            return swapped.replace(u',', u'#').replace(u'.', u',').replace(u'#', u'.');
        };
        QStringList lines{
            u"08:05:09  03-07-2026"_s,
            blanks(36) + u" HASIL PERHITUNGAN HARTA WARIS "_s,
            QString(),
            u"N a m a               :  Ahmad"_s,
            u"A l a m a t           :  Jl. Mawar 5"_s,
            u"Tempat / Tgl. Lahir   :  Bandung, 1-2-1940"_s,
            u"Tempat / Tgl. Wafat   :  Jakarta, 3-4-2020"_s,
            u"Jenis Kelamin         :  Perempuan"_s,
            u"Total Harta Waris     :  Rp "_s + amount(u"600,000.00"_s),
            u"Jumlah Harta Waris "_s,
            u"Yang Dibagikan        :  Rp "_s + amount(u"700,000.00"_s),
            u"Sisa  Setelah Dibagi  :  -Rp "_s + amount(u"100,000.00"_s),
            QString(),
            QString(),
            u"Nama Ahli Waris"_s + blanks(14) + u"Jumlah  B a g i a n"_s + blanks(14) +
                u"K e t e r a n g a n"_s,
            QString(),
            u"S u a m i       "_s + blanks(15) + u"1"_s + blanks(5) + u"Rp "_s +
                amount(u"300,000.00"_s) + blanks(12) + u"1 / 2 (Setengah) Bagian"_s,
            u"Saudara Wanita Sekandung"_s + blanks(7) + u"2"_s + blanks(5) + u"Rp "_s +
                amount(u"400,000.00"_s) + blanks(12) + u"2 / 3 (Duapertiga) Bagian"_s,
        };
        while (lines.size() < 37)
            lines.append(blanks(62));
        QTest::newRow(indonesian ? "Indonesian marks" : "US marks")
            << (indonesian ? Indonesia : UnitedStates) << lines;
    }
}

void WarisOutputTest::savedFileFollowsTheLayout() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, expected);

    calculateExample(locale);
    const QString path = m_folder->filePath(u"WARIS.TXT"_s);
    // A longer file already there is replaced as a whole.
    QVERIFY(writeAll(path, QByteArray(8000, 'x')));
    m_app->dialogs.answerSave(path);
    click(u"Hasil"_s, u"Command1"_s);

    QVERIFY(m_app->dialogs.messages.isEmpty());
    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    const QStringList lines = QString::fromLocal8Bit(bytes.chopped(2)).split(u"\r\n"_s);
    QCOMPARE(lines.size(), 37);
    for (qsizetype i = 0; i < lines.size(); ++i)
        QCOMPARE(lines[i], expected[i]);
    QVERIFY(m_app->form(u"Hasil"_s).isVisible());
}

void WarisOutputTest::cancelledSaveAsksForATextFileAndWritesNothing() {
    calculateExample();
    m_app->dialogs.answerSave(std::nullopt);
    click(u"Hasil"_s, u"Command1"_s);

    QVERIFY(m_app->dialogs.messages.isEmpty());
    QVERIFY(QDir(m_folder->path()).isEmpty());
    QCOMPARE(m_app->dialogs.saveRequests.size(), 1);
    const SaveDialogRequest& request = m_app->dialogs.saveRequests.constFirst();
    QCOMPARE(request.title, u"SIMPAN FILE"_s);
    QCOMPARE(request.nameFilters,
             QStringList({u"File Teks (*.TXT)"_s, u"Semua Jenis File (*.*)"_s}));
    QCOMPARE(request.defaultSuffix, u"TXT"_s);
    // Qt's dialog would save a pattern given as the initial name under that literal name.
    QVERIFY(!request.initialName.contains(u'*'));
    QVERIFY(QFileInfo(request.initialFolder).isDir());
}

void WarisOutputTest::failedSaveIsReportedAndKeepsWhatWasThere_data() {
    QTest::addColumn<bool>("readOnlyFolder");

    QTest::newRow("existing file in a read-only folder") << true;
    QTest::newRow("a folder chosen as the file") << false;
}

void WarisOutputTest::failedSaveIsReportedAndKeepsWhatWasThere() {
    QFETCH(bool, readOnlyFolder);

    const QString folder = m_folder->filePath(u"folder"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString old = folder + u"/OLD.TXT"_s;
    const QByteArray oldBytes = "earlier result\r\n";
    QVERIFY(writeAll(old, oldBytes));
    QString path = folder;
    if (readOnlyFolder) {
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        if (QFileInfo(folder).isWritable()) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("folder permissions do not bind this user");
        }
        path = old;
    }

    calculateExample();
    m_app->dialogs.answerSave(path);
    click(u"Hasil"_s, u"Command1"_s);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(m_app->dialogs.messages.size(), 1);
    QCOMPARE(m_app->dialogs.messages.constFirst().title, u"ERROR"_s);
    QVERIFY(m_app->dialogs.messages.constFirst().text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(readAll(old), oldBytes);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{u"OLD.TXT"_s});
    QVERIFY(m_app->form(u"Hasil"_s).isVisible());
}

void WarisOutputTest::printedPageHoldsTheResult() {
    calculateExample();
    // The lines of the page, columns counted in characters as in a fixed-width font.
    TextFileSink sink;
    LineWriter writer(sink);
    waris::renderInheritanceSheet(m_app->waris.sheet, OutputLayout::Print, m_app->clock,
                                  UnitedStates, writer);
    const QStringList lines = sink.lines();
    QCOMPARE(lines.size(), 37);
    QCOMPARE(lines[0], blanks(9) + u"08:05:09  03-07-2026"_s);
    QCOMPARE(lines[1], blanks(39) + u" HASIL PERHITUNGAN HARTA WARIS "_s);
    QCOMPARE(lines[9], blanks(9) + u"Jumlah Harta Waris "_s);
    QCOMPARE(lines[10], blanks(9) + u"Yang Dibagikan        :  Rp 700,000.00"_s);
    QCOMPARE(lines[14].indexOf(u"Jumlah"_s), 36);
    QCOMPARE(lines[14].indexOf(u"B a g i a n"_s), 44);
    QCOMPARE(lines[14].indexOf(u"K e t e r a n g a n"_s), 67);
    QCOMPARE(lines[16], blanks(9) + u"S u a m i       "_s + blanks(13) + u"1"_s + blanks(5) +
                            u"Rp 300,000.00"_s + blanks(10) + u"1 / 2 (Setengah) Bagian"_s);
    QCOMPARE(lines[36], blanks(67));

    const QString pdf = m_folder->filePath(u"waris.pdf"_s);
    m_app->dialogs.answerPrint(pdf);
    click(u"Hasil"_s, u"Command4"_s);

    QVERIFY(m_app->dialogs.messages.isEmpty());
    QVERIFY(QFileInfo(pdf).size() > 0);
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed; the page text is not checked");
    QProcess process;
    process.start(pdftotext, {u"-layout"_s, pdf, u"-"_s});
    QVERIFY(process.waitForFinished());
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    const QStringList expectedLines{
        u"HASIL PERHITUNGAN HARTA WARIS"_s,
        u"N a m a\\s+:\\s+Ahmad"_s,
        u"^\\s*Jumlah Harta Waris\\s*$"_s,
        u"Sisa\\s+Setelah Dibagi\\s+:\\s+-Rp 100,000.00"_s,
        u"Saudara Wanita Sekandung\\s+2\\s+Rp 400,000.00\\s+2 / 3 \\(Duapertiga\\) Bagian"_s,
    };
    for (const QString& pattern : expectedLines) {
        const QRegularExpression line(pattern, QRegularExpression::MultilineOption);
        QVERIFY2(line.match(text).hasMatch(), qPrintable(pattern + u"\n"_s + text));
    }
}

void WarisOutputTest::printerCancelWritesNothingAndFailureIsReported_data() {
    QTest::addColumn<QString>("pdfName"); // empty: the print dialog is cancelled
    QTest::addColumn<int>("messages");

    QTest::newRow("print dialog cancelled") << QString() << 0;
    QTest::newRow("printer that cannot print") << u"missing/waris.pdf"_s << 1;
}

void WarisOutputTest::printerCancelWritesNothingAndFailureIsReported() {
    QFETCH(QString, pdfName);
    QFETCH(int, messages);

    calculateExample();
    m_app->dialogs.answerPrint(pdfName.isEmpty() ? std::nullopt
                                                 : std::optional(m_folder->filePath(pdfName)));
    click(u"Hasil"_s, u"Command4"_s);

    QCOMPARE(m_app->dialogs.printRequests, 1);
    QCOMPARE(m_app->dialogs.messages.size(), messages);
    if (messages > 0)
        QCOMPARE(m_app->dialogs.messages.constFirst().title, u"ERROR"_s);
    QVERIFY(QDir(m_folder->path()).isEmpty());
    QVERIFY(m_app->form(u"Hasil"_s).isVisible());
}

QTEST_MAIN(WarisOutputTest)
#include "WarisOutputTest.moc"
