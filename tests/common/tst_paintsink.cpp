#include "common/LineWriter.h"
#include "common/PaintSink.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

using namespace Qt::StringLiterals;

// On paper a line that does not fit below the last one starts a new page.
class PaintSinkTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aLineThatDoesNotFitStartsANewPage() {
        const auto pagesFor = [](int extraLines) {
            QBuffer pdf;
            pdf.open(QIODevice::WriteOnly);
            QPdfWriter writer(&pdf);
            writer.setResolution(300);
            writer.setPageSize(QPageSize(QPageSize::A6));
            QFont font(u"monospace"_s);
            font.setStyleHint(QFont::Monospace);
            font.setPointSize(10);
            {
                QPainter painter(&writer);
                zw::PaintSink sink(painter, font);
                zw::LineWriter lines(sink);
                const qreal fullPage = writer.height() / QFontMetricsF(font, &writer).lineSpacing();
                for (int i = 0; i < int(fullPage) + extraLines; ++i)
                    lines.text(u"Baris"_s).endLine();
            }
            return pdf.data().count("/Type /Page\n") + pdf.data().count("/Type /Page\r");
        };
        QCOMPARE(pagesFor(0), 1);
        QCOMPARE(pagesFor(1), 2);
    }
};

QTEST_MAIN(PaintSinkTest)
#include "tst_paintsink.moc"
