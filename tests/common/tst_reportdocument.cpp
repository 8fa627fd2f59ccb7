#include "common/report/Report.h"
#include "common/report/ReportDocument.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;

// The paged report on real PDF pages, read back as text.
class ReportDocumentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void amountsStayWholeOnTheirLine_data();
    void amountsStayWholeOnTheirLine();
};

void ReportDocumentTest::amountsStayWholeOnTheirLine_data() {
    QTest::addColumn<int>("amountColumns");
    QTest::newRow("a narrow table") << 2;
    QTest::newRow("the common base of four later deaths") << 6;
}

// However many amount columns share the page, every amount reads whole on one line; the
// names and headings wrap instead.
void ReportDocumentTest::amountsStayWholeOnTheirLine() {
    QFETCH(int, amountColumns);
    zw::report::Table table;
    table.columns = {{u"Nama"_s, zw::report::Align::Left},
                     {u"Ahli Waris"_s, zw::report::Align::Left}};
    for (int c = 0; c < amountColumns; ++c)
        table.columns.push_back({u"Dari harta ke-%1"_s.arg(c + 1), zw::report::Align::Right});
    QStringList amounts;
    for (int r = 0; r < 3; ++r) {
        QStringList cells{u"Siti Aminah binti Abdullah"_s, u"Istri dari Saudara Pria Sekandung"_s};
        for (int c = 0; c < amountColumns; ++c) {
            cells.append(u"%1,250,000.0%2"_s.arg(100 + 37 * r + c).arg(c));
            amounts.append(cells.constLast());
        }
        table.rows.push_back({cells, false});
    }
    zw::report::Report report;
    report.title = u"PEMBAGIAN"_s;
    report.addSection().blocks.push_back(table);

    QTemporaryDir folder;
    const QString pdf = folder.filePath(u"tabel.pdf"_s);
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        auto document = zw::report::reportDocument(report, font, font);
        document->print(&writer);
    }
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext reads the pages: install poppler-utils (make deps)");
    QProcess process;
    process.start(pdftotext, {u"-layout"_s, pdf, u"-"_s});
    QVERIFY(process.waitForFinished());
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& amount : amounts)
        QVERIFY2(text.contains(amount), qPrintable(amount + u"\n"_s + text));
}

QTEST_MAIN(ReportDocumentTest)
#include "tst_reportdocument.moc"
