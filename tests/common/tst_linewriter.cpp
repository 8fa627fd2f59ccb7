#include "common/LineWriter.h"
#include "common/PaintSink.h"
#include "common/TextFileSink.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;

namespace {

// One step of a line: advance to `column` (0: no advance) and write `text`, or end the line.
struct Step {
    int column = 0;
    QString text;
    bool endsLine = false;
};

Step at(int column, const QString& text) {
    return {column, text, false};
}
Step item(const QString& text) {
    return {0, text, false};
}
Step endOfLine() {
    return {0, QString(), true};
}

void run(LineWriter& writer, const QList<Step>& steps) {
    for (const Step& step : steps) {
        if (step.endsLine) {
            writer.endLine();
            continue;
        }
        if (step.column > 0)
            writer.at(step.column);
        writer.text(step.text);
    }
}

QFont fixedPitchFont() {
    QFont font(u"monospace"_s);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(10);
    return font;
}

// A sink on paper whose position is a fraction of a column; it records what the writer asks.
class RecordingSink final : public LineSink {
public:
    explicit RecordingSink(double column)
        : m_column(column) {}

    double column() const override { return m_column; }
    void moveTo(int column) override {
        calls << u"moveTo %1"_s.arg(column);
        m_column = column;
    }
    void write(QStringView text) override { calls << u"write "_s + text; }
    void endLine() override {
        calls << u"endLine"_s;
        m_column = 1.0;
    }

    QStringList calls;

private:
    double m_column;
};

// The left edge of the first dark pixel, or -1 on a blank image.
int firstInkColumn(const QImage& image) {
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128)
                return x;
        }
    }
    return -1;
}

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class LineWriterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void advancesToColumnsInATextFile_data();
    void advancesToColumnsInATextFile();
    void encodesLinesWithCrLf();
    void paperColumnIsTheAverageCharacterWidth();
    void fractionalColumnsCompareWithATolerance_data();
    void fractionalColumnsCompareWithATolerance();
    void aLineThatDoesNotFitStartsANewPage_data();
    void aLineThatDoesNotFitStartsANewPage();
};

void LineWriterTest::advancesToColumnsInATextFile_data() {
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("before the column pads with blanks")
        << QList<Step>{item(u"ab"_s), at(5, u"x"_s), endOfLine()} << QStringList{u"ab  x"_s};
    QTest::newRow("at the column writes nothing")
        << QList<Step>{item(u"abcd"_s), at(5, u"x"_s), endOfLine()} << QStringList{u"abcdx"_s};
    QTest::newRow("one past the column continues on the next line")
        << QList<Step>{item(u"abcde"_s), at(5, u"x"_s), endOfLine()}
        << QStringList{u"abcde"_s, u"    x"_s};
    QTest::newRow("column 1 at the start of a line")
        << QList<Step>{at(1, u"x"_s), endOfLine()} << QStringList{u"x"_s};
    QTest::newRow("empty item at a column keeps the padding")
        << QList<Step>{at(3, QString()), endOfLine()} << QStringList{u"  "_s};
    QTest::newRow("empty item then the same column again")
        << QList<Step>{at(3, QString()), at(3, u"y"_s), endOfLine()} << QStringList{u"  y"_s};
    QTest::newRow("empty items are invisible between texts")
        << QList<Step>{item(u"a"_s), item(QString()), item(u"b"_s), endOfLine()}
        << QStringList{u"ab"_s};
    QTest::newRow("a long item pushes the next stop to a new line")
        << QList<Step>{at(1, u"Nama"_s), at(19, QString(30, u'x')), at(40, u"y"_s), endOfLine()}
        << QStringList{u"Nama" + QString(14, u' ') + QString(30, u'x'), QString(39, u' ') + u'y'};
    QTest::newRow("lines follow each other")
        << QList<Step>{item(u"a"_s), endOfLine(), at(2, u"b"_s), endOfLine()}
        << QStringList{u"a"_s, u" b"_s};
    QTest::newRow("an empty line")
        << QList<Step>{endOfLine(), item(u"a"_s), endOfLine()} << QStringList{QString(), u"a"_s};
    QTest::newRow("a line not ended is not among the lines")
        << QList<Step>{item(u"a"_s), endOfLine(), item(u"b"_s)} << QStringList{u"a"_s};
}

void LineWriterTest::advancesToColumnsInATextFile() {
    QFETCH(QList<Step>, steps);
    QFETCH(QStringList, lines);

    TextFileSink sink;
    LineWriter writer(sink);
    run(writer, steps);
    QCOMPARE(sink.lines(), lines);
}

void LineWriterTest::encodesLinesWithCrLf() {
    TextFileSink sink;
    LineWriter writer(sink);
    run(writer, {item(u"Nama"_s), at(8, u": Ali"_s), endOfLine(), endOfLine(), item(u"x"_s)});
    QCOMPARE(sink.encoded(), QByteArray("Nama   : Ali\r\n\r\n"));
}

void LineWriterTest::paperColumnIsTheAverageCharacterWidth() {
    QImage image(800, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QFont font = fixedPitchFont();
    const double width = QFontMetricsF(font, &image).averageCharWidth();
    {
        QPainter painter(&image);
        PaintSink sink(painter, font);
        LineWriter writer(sink);
        writer.at(21).text(u"\u2588"_s);
    }
    // A full block fills its cell from the left edge; anti-aliasing may darken the pixel before.
    const double expectedLeft = 20 * width;
    const int ink = firstInkColumn(image);
    QVERIFY2(ink >= expectedLeft - 1.5 && ink <= expectedLeft + 1.5,
             qPrintable(u"ink at %1, expected near %2"_s.arg(ink).arg(expectedLeft)));
}

void LineWriterTest::fractionalColumnsCompareWithATolerance_data() {
    QTest::addColumn<double>("column");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("half a character before moves") << 4.5 << QStringList{u"moveTo 5"_s};
    QTest::newRow("a rounding error before is at the column") << 5.0 - 1e-9 << QStringList{};
    QTest::newRow("a rounding error after is at the column") << 5.0 + 1e-9 << QStringList{};
    QTest::newRow("half a character past ends the line")
        << 5.5 << QStringList{u"endLine"_s, u"moveTo 5"_s};
}

void LineWriterTest::fractionalColumnsCompareWithATolerance() {
    QFETCH(double, column);
    QFETCH(QStringList, calls);

    RecordingSink sink(column);
    LineWriter(sink).at(5);
    QCOMPARE(sink.calls, calls);
}

void LineWriterTest::aLineThatDoesNotFitStartsANewPage_data() {
    QTest::addColumn<int>("extraLines");
    QTest::addColumn<int>("pages");

    QTest::newRow("a full page stays one page") << 0 << 1;
    QTest::newRow("one line more starts a second page") << 1 << 2;
}

void LineWriterTest::aLineThatDoesNotFitStartsANewPage() {
    QFETCH(int, extraLines);
    QFETCH(int, pages);

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A6));
    const QFont font = fixedPitchFont();
    {
        QPainter painter(&writer);
        const int linesPerPage =
            int(painter.device()->height() / QFontMetricsF(font, &writer).lineSpacing());
        PaintSink sink(painter, font);
        LineWriter lines(sink);
        for (int i = 0; i < linesPerPage + extraLines; ++i)
            lines.at(1).text(u"Baris %1"_s.arg(i + 1)).endLine();
    }
    QCOMPARE(pdf.data().count("/Type /Page\n") + pdf.data().count("/Type /Page\r"), pages);
}

QTEST_MAIN(LineWriterTest)
#include "tst_linewriter.moc"
