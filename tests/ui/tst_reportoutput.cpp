#include "FileLimit.h"
#include "TestApp.h"
#include "common/LineWriter.h"
#include "common/TextFileSink.h"
#include "ui/ReportOutput.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;
using zw::test::TestApp;
using zw::test::withFileLimit;

namespace {

void renderLines(zw::LineWriter& writer) {
    for (int line = 0; line < 40; ++line)
        writer.at(1).text(u"Baris nomor %1 dari lembar hasil"_s.arg(line)).endLine();
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Folder permissions do not bind root, so as root the action runs as the user nobody.
bool asOrdinaryUser(const std::function<void()>& action) {
    const bool root = geteuid() == 0;
    if (root && seteuid(65534) != 0)
        return false;
    action();
    return !root || seteuid(0) == 0;
}

} // namespace

class ReportOutputTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void saveWritesTheWholeFileOrReportsAndKeepsTheOld_data();
    void saveWritesTheWholeFileOrReportsAndKeepsTheOld();
    void printWritesAWholePdfOrReportsTheFailure_data();
    void printWritesAWholePdfOrReportsTheFailure();
};

void ReportOutputTest::saveWritesTheWholeFileOrReportsAndKeepsTheOld_data() {
    QTest::addColumn<QString>("target"); // in the temporary folder; empty cancels
    QTest::addColumn<bool>("earlier");   // a longer file is there before
    QTest::addColumn<int>("limit");      // bytes a file may take, 0: no limit
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("saved");

    const QString file = u"a/HASIL.TXT"_s;
    QTest::newRow("new file") << file << false << 0 << false << true;
    QTest::newRow("an earlier file is replaced as a whole") << file << true << 0 << false << true;
    QTest::newRow("cancelled writes nothing") << QString() << false << 0 << false << false;
    QTest::newRow("full disk, new file") << file << false << 256 << false << false;
    QTest::newRow("full disk keeps the earlier file") << file << true << 256 << false << false;
    QTest::newRow("read-only folder keeps the earlier file") << file << true << 0 << true << false;
    QTest::newRow("a folder chosen as the file") << u"a"_s << false << 0 << false << false;
    QTest::newRow("a missing folder") << u"b/HASIL.TXT"_s << false << 0 << false << false;
}

void ReportOutputTest::saveWritesTheWholeFileOrReportsAndKeepsTheOld() {
    QFETCH(QString, target);
    QFETCH(bool, earlier);
    QFETCH(int, limit);
    QFETCH(bool, readOnly);
    QFETCH(bool, saved);

    QTemporaryDir temporary;
    const QString folder = temporary.filePath(u"a"_s);
    const QString file = folder + u"/HASIL.TXT"_s;
    const QByteArray before = earlier ? QByteArray(8000, 'x') : QByteArray("(none)");
    QVERIFY(QDir().mkpath(folder));
    if (earlier) {
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(before) == before.size());
    }
    TestApp app;
    const QString path = temporary.filePath(target);
    app.dialogs.answerSave(target.isEmpty() ? std::nullopt : std::optional(path));
    const auto save = [&app, limit] {
        withFileLimit(limit, [&app] { zw::saveReport(app.context, nullptr, renderLines); });
    };
    if (readOnly) {
        // Only the folder stops the save: the earlier file could be written in place.
        constexpr auto everyone = QFile::ReadOwner | QFile::ExeOwner | QFile::WriteOwner |
                                  QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                  QFile::ExeOther;
        QVERIFY(QFile::setPermissions(temporary.path(), everyone));
        QVERIFY(QFile::setPermissions(file, everyone | QFile::WriteGroup | QFile::WriteOther));
        QVERIFY(QFile::setPermissions(folder, everyone & ~QFile::WriteOwner));
        bool writableInPlace = false;
        QVERIFY(asOrdinaryUser([&] {
            writableInPlace = QFile(file).open(QIODevice::Append);
            save();
        }));
        QVERIFY(writableInPlace);
        QFile::setPermissions(folder, everyone);
    } else {
        save();
    }

    zw::TextFileSink sink;
    zw::LineWriter writer(sink);
    renderLines(writer);
    QCOMPARE(contentOf(file), saved ? sink.encoded() : before);
    // Nothing half-written or temporary is left beside it.
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), earlier || saved ? 1 : 0);
    if (saved || target.isEmpty()) {
        QVERIFY(app.dialogs.messages.isEmpty());
        return;
    }
    QCOMPARE(app.dialogs.messages.size(), 1);
    QCOMPARE(app.dialogs.messages.constFirst().title, u"ERROR"_s);
    QVERIFY(app.dialogs.messages.constFirst().text.contains(QDir::toNativeSeparators(path)));
}

void ReportOutputTest::printWritesAWholePdfOrReportsTheFailure_data() {
    QTest::addColumn<QString>("target"); // in the temporary folder; empty cancels
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("message");

    QTest::newRow("to a PDF file") << u"cetak.pdf"_s << 0 << QString();
    QTest::newRow("cancelled prints nothing") << QString() << 0 << QString();
    // Qt's PDF writer itself reports success there.
    QTest::newRow("full disk") << u"cetak.pdf"_s << 256 << u"Pencetakan gagal."_s;
    QTest::newRow("a printer that cannot print")
        << u"b/cetak.pdf"_s << 0 << u"Printer tidak dapat digunakan."_s;
}

void ReportOutputTest::printWritesAWholePdfOrReportsTheFailure() {
    QFETCH(QString, target);
    QFETCH(int, limit);
    QFETCH(QString, message);

    QTemporaryDir folder;
    TestApp app;
    const QString pdf = folder.filePath(target);
    app.dialogs.answerPrint(target.isEmpty() ? std::nullopt : std::optional(pdf));
    withFileLimit(limit, [&app] { zw::printReport(app.context, nullptr, renderLines); });

    QCOMPARE(app.dialogs.printRequests, 1);
    QStringList texts;
    for (const auto& shown : std::as_const(app.dialogs.messages))
        texts.append(shown.text);
    QCOMPARE(texts, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(contentOf(pdf).trimmed().endsWith("%%EOF"), !target.isEmpty() && message.isEmpty());
}

QTEST_MAIN(ReportOutputTest)
#include "tst_reportoutput.moc"
