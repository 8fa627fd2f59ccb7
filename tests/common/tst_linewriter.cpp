#include "common/LineWriter.h"
#include "common/PaintSink.h"
#include "common/TextFileSink.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;
using namespace zw;

namespace {

QString fileOf(const std::function<void(LineWriter&)>& write) {
    TextFileSink sink;
    LineWriter writer(sink);
    write(writer);
    return QString::fromLatin1(sink.encoded());
}

// A sink whose position is a fraction of a column, as on paper; it records where it is moved.
struct PaperSink final : LineSink {
    double position = 1.0;
    QStringList calls;

    double column() const override { return position; }
    void moveTo(int column) override { calls << u"moveTo %1"_s.arg(column); }
    void write(QStringView) override {}
    void endLine() override {
        calls << u"endLine"_s;
        position = 1.0;
    }
};

QString movesToColumn5From(double column) {
    PaperSink sink;
    sink.position = column;
    LineWriter(sink).at(5);
    return sink.calls.join(u", "_s);
}

QFont fixedPitchFont() {
    QFont font(u"monospace"_s);
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(10);
    return font;
}

} // namespace

class LineWriterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void advancesToColumns_data();
    void advancesToColumns();
    void paperColumnIsThePrintersAverageCharacterWidth();
    void aLineThatDoesNotFitStartsANewPage();
};

void LineWriterTest::advancesToColumns_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("expected");

    QTest::newRow("before the column pads with blanks")
        << fileOf([](LineWriter& w) { w.text(u"ab"_s).at(5).text(u"x"_s).endLine(); })
        << u"ab  x\r\n"_s;
    QTest::newRow("at the column writes nothing")
        << fileOf([](LineWriter& w) { w.text(u"abcd"_s).at(5).text(u"x"_s).endLine(); })
        << u"abcdx\r\n"_s;
    QTest::newRow("one past the column continues at it on the next line")
        << fileOf([](LineWriter& w) { w.text(u"abcde"_s).at(5).text(u"x"_s).endLine(); })
        << u"abcde\r\n    x\r\n"_s;
    QTest::newRow("a long item pushes the next stop to a new line")
        << fileOf([](LineWriter& w) { w.at(2).text(u"Nama"_s).at(4).text(u":"_s).endLine(); })
        << u" Nama\r\n   :\r\n"_s;
    QTest::newRow("empty items keep the padding, empty lines their line end")
        << fileOf([](LineWriter& w) { w.at(3).text({}).endLine().endLine().text(u"b"_s); })
        << u"  \r\n\r\n"_s;
    QTest::newRow("on paper a rounding error before the column is at it")
        << movesToColumn5From(5.0 - 1e-9) << QString();
    QTest::newRow("on paper a rounding error past the column is at it")
        << movesToColumn5From(5.0 + 1e-9) << QString();
    QTest::newRow("on paper half a character past the column ends the line")
        << movesToColumn5From(5.5) << u"endLine, moveTo 5"_s;
}

void LineWriterTest::advancesToColumns() {
    QFETCH(QString, written);
    QFETCH(QString, expected);
    QCOMPARE(written, expected);
}

void LineWriterTest::paperColumnIsThePrintersAverageCharacterWidth() {
    // Three times the screen's resolution, so that screen metrics would put the ink elsewhere.
    QImage page(1000, 100, QImage::Format_RGB32);
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    page.fill(Qt::white);
    const QFont font = fixedPitchFont();
    {
        QPainter painter(&page);
        PaintSink sink(painter, font);
        LineWriter(sink).at(21).text(u"\u2588"_s);
    }
    // A full block fills its cell from the left edge; anti-aliasing may darken the pixel before.
    const QFontMetricsF metrics(font, &page);
    const int left = int(20 * metrics.averageCharWidth());
    const int y = int(metrics.ascent() / 2);
    QVERIFY(qGray(page.pixel(left - 2, y)) > 128);
    QVERIFY(qGray(page.pixel(left + 2, y)) < 128);
}

void LineWriterTest::aLineThatDoesNotFitStartsANewPage() {
    const auto pagesFor = [](int extraLines) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        writer.setResolution(300);
        writer.setPageSize(QPageSize(QPageSize::A6));
        const QFont font = fixedPitchFont();
        {
            QPainter painter(&writer);
            PaintSink sink(painter, font);
            LineWriter lines(sink);
            const qreal fullPage = writer.height() / QFontMetricsF(font, &writer).lineSpacing();
            for (int i = 0; i < int(fullPage) + extraLines; ++i)
                lines.text(u"Baris"_s).endLine();
        }
        return pdf.data().count("/Type /Page\n") + pdf.data().count("/Type /Page\r");
    };
    QCOMPARE(pagesFor(0), 1);
    QCOMPARE(pagesFor(1), 2);
}

QTEST_MAIN(LineWriterTest)
#include "tst_linewriter.moc"
