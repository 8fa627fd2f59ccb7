#include "common/LineWriter.h"
#include "common/TextFileSink.h"
#include "zakat/engine/designed/ZakatReport.h"
#include "zakat/engine/designed/ZakatRules.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::zakat;

namespace {

const QLocale Indonesian(QLocale::Indonesian, QLocale::Indonesia);

ZakatSheet fullSheet() {
    ZakatSheet s;
    s.particulars = {u"Ahmad Fauzi"_s, u"Jl. Merdeka 17, Bandung"_s, u"022-123456"_s,
                     u"Bandung, 1 Mei 1970"_s, u"Pedagang"_s};
    s.rows = {
        {{u"T e r n a k"_s, u"Zakat Anda 3 (Tiga) Ekor Sapi Terdiri Dari 2 (Dua) Ekor Berumur "
                            u"Satu Tahun Lebih dan 1 (Satu) Ekor Berumur Dua Tahun Lebih"_s},
         {u"F i t r a h"_s, u"Zakat Anda Jika Dalam Beras Adalah   14,00   Liter Beras Atau "
                            u"Uang Rp.  35.000,00"_s},
         {u"Pertanian"_s, u"Zakat Anda Sebanyak  1.234  Kilogram"_s},
         {u"H a r t a"_s, u"Zakat Anda Sebesar  Rp. 2.500.000,00"_s}}};
    s.filledRows = 4;
    return s;
}

} // namespace

class ZakatEngineBenchmark : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wealth() {
        QBENCHMARK {
            auto result = wealthZakat(u"100.000.000", u"1.000.000", Indonesian);
            Q_UNUSED(result);
        }
    }
    void harvest() {
        QBENCHMARK {
            auto result = harvestZakat(u"12.345", Irrigation::NotIrrigated, Indonesian);
            Q_UNUSED(result);
        }
    }
    void livestockLargeCattleHerd() {
        QBENCHMARK {
            auto result = livestockZakat(u"100.000", Livestock::Cattle, Indonesian);
            Q_UNUSED(result);
        }
    }
    void fitrah() {
        QBENCHMARK {
            auto result = fitrahZakat(u"4", u"12.500,50", Indonesian);
            Q_UNUSED(result);
        }
    }
    void renderFileAndEncode() {
        const ZakatSheet sheet = fullSheet();
        const QDateTime now = QDateTime::currentDateTime();
        QBENCHMARK {
            TextFileSink sink;
            LineWriter writer(sink);
            renderZakatSheet(sheet, OutputLayout::File, now, writer);
            const QByteArray bytes = sink.encoded();
            Q_UNUSED(bytes);
        }
    }
    void renderPrintLayout() {
        const ZakatSheet sheet = fullSheet();
        const QDateTime now = QDateTime::currentDateTime();
        QBENCHMARK {
            TextFileSink sink;
            LineWriter writer(sink);
            renderZakatSheet(sheet, OutputLayout::Print, now, writer);
        }
    }
};

QTEST_GUILESS_MAIN(ZakatEngineBenchmark)
#include "ZakatEngineBenchmark.moc"
