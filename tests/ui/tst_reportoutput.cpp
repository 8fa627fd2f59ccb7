#include "TestApp.h"
#include "common/LineWriter.h"
#include "ui/ReportOutput.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using zw::test::RecordedMessage;
using zw::test::TestApp;

namespace {

void renderLines(zw::LineWriter& writer) {
    for (int line = 0; line < 40; ++line)
        writer.at(1).text(u"Baris nomor %1 dari lembar hasil"_s.arg(line)).endLine();
}

} // namespace

class ReportOutputTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void printToFileEndsSilentlyWithAWholePdf();
    void printToFileOnAFullDiskIsReportedAsFailed();
};

void ReportOutputTest::printToFileEndsSilentlyWithAWholePdf() {
    QTemporaryDir folder;
    TestApp app;
    const QString pdf = folder.filePath(u"cetak.pdf"_s);
    app.dialogs.answerPrint(pdf);

    zw::printReport(app.context, nullptr, renderLines);

    QVERIFY(app.dialogs.messages.isEmpty());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().trimmed().endsWith("%%EOF"));
}

void ReportOutputTest::printToFileOnAFullDiskIsReportedAsFailed() {
    QTemporaryDir folder;
    TestApp app;
    app.dialogs.answerPrint(folder.filePath(u"cetak.pdf"_s));

    // A file size limit makes the page's writes fail part-way, as a full disk would; Qt's PDF
    // writer itself still reports success.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 256;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    zw::printReport(app.context, nullptr, renderLines);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(app.dialogs.messages, (QList<RecordedMessage>{{u"ERROR"_s, u"Pencetakan gagal."_s}}));
}

QTEST_MAIN(ReportOutputTest)
#include "tst_reportoutput.moc"
