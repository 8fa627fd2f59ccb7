#include "zakat/engine/complete/CompleteReport.h"

#include "common/AmountInWords.h"
#include "common/NumberFormat.h"
#include "common/OutputLayout.h"
#include "zakat/engine/complete/CompleteZakat.h"
#include "zakat/engine/complete/ZakatChoices.h"
#include "zakat/engine/complete/ZakatWorking.h"

using namespace Qt::StringLiterals;

namespace zw::zakat::complete {

namespace {

const QString None = u"-"_s;

report::Fields settings(const ZakatResult& result, const QString& payerName,
                        const QLocale& locale) {
    const ZakatInput& in = result.input;
    report::Fields fields;
    if (!payerName.trimmed().isEmpty())
        fields.fields.push_back({u"Nama"_s, payerName.trimmed()});
    fields.fields.push_back({u"Tahun"_s, QString::number(result.year.year)});
    fields.fields.push_back({u"Dasar nishab"_s, basisName(in.basis)});
    fields.fields.push_back({u"Nishab per tahun"_s, formatRupiah(result.nishabYear, locale)});
    fields.fields.push_back({u"Nishab per bulan"_s, formatRupiah(result.nishabMonth, locale)});
    if (in.goldPrice)
        fields.fields.push_back({u"Harga emas per gram"_s, formatRupiah(*in.goldPrice, locale)});
    if (in.silverPrice)
        fields.fields.push_back({u"Harga perak per gram"_s, formatRupiah(*in.silverPrice, locale)});
    fields.fields.push_back({u"Haul"_s, haulOption().label(in.haulComplete)});
    fields.fields.push_back({u"Sumber nilai acuan"_s, result.year.source});
    return fields;
}

QString rateCell(const KindResult& r, const ZakatResult& result, const QLocale& locale) {
    if (r.rate)
        return rateText(*r.rate, locale);
    if (r.kind != Kind::Fitrah)
        return u"tabel"_s;
    switch (result.input.fitrah->form) {
    case FitrahForm::Money:
        return formatRupiah(*result.fitrahValue, locale) % u"/orang"_s;
    case FitrahForm::RiceKg:
        return RiceKgPerPerson.toText(locale) % u" kg/orang"_s;
    case FitrahForm::RiceLitre:
        return RiceLitresPerPerson.toText(locale) % u" liter/orang"_s;
    }
    return {};
}

report::Table summaryTable(const ZakatResult& result, const QLocale& locale) {
    using report::Align;
    report::Table table;
    table.columns = {{u"Jenis"_s},
                     {u"Dasar"_s, Align::Right},
                     {u"Nishab"_s, Align::Right},
                     {u"Tercapai"_s},
                     {u"Haul"_s},
                     {u"Kadar"_s},
                     {u"Zakat (Rp)"_s, Align::Right},
                     {u"Zakat (barang)"_s},
                     {u"Keterangan"_s}};
    for (const KindResult& r : result.kinds) {
        table.rows.push_back(
            {{kindName(r.kind), measureText(r.base, r.unit, locale),
              r.nishab ? measureText(*r.nishab, r.unit, locale) : None,
              r.nishab ? (r.reached ? u"ya"_s : u"tidak"_s) : None,
              r.haul ? (*r.haul ? u"genap"_s : u"belum"_s) : None, rateCell(r, result, locale),
              r.dueAmount ? formatRupiah(*r.dueAmount, locale) : None,
              inKindText(r.dueInKind, locale), kindNote(r, result, locale)}});
    }
    report::Row total{{u"Jumlah"_s, {}, {}, {}, {}, {}, formatRupiah(result.total, locale)}};
    total.total = true;
    table.rows.push_back(total);
    return table;
}

} // namespace

CompleteReport::CompleteReport(const ZakatResult& result, const QString& payerName,
                               const QLocale& locale)
    : m_total(formatRupiah(result.total, locale) % u" ("_s % amountInWords(result.total) % u')') {
    m_report.title = u"PERHITUNGAN ZAKAT LENGKAP"_s;
    m_report.addSection().blocks.emplace_back(settings(result, payerName, locale));
    m_summarySection = m_report.sections.size();
    m_report.addSection(u"Ringkasan"_s).blocks.emplace_back(summaryTable(result, locale));
    m_report.addSection(u"Jumlah zakat"_s)
        .blocks.emplace_back(report::Fields{{{u"Dalam uang"_s, formatRupiah(result.total, locale)},
                                             {u"Terbilang"_s, amountInWords(result.total)}}});
    m_stepsSection = m_report.sections.size();
    m_report.addSection(u"Langkah perhitungan"_s)
        .blocks.emplace_back(report::Steps{zakatSteps(result, locale)});
    m_report.addSection(u"Dasar hukum"_s).blocks.emplace_back(report::Paragraphs{zakatSources()});
}

void CompleteReport::stamp(const QDateTime& now) {
    m_report.stamp = timeStamp(now) % u"  "_s % dateStamp(now);
}

const report::Table& CompleteReport::summary() const {
    return std::get<report::Table>(m_report.sections[m_summarySection].blocks.front());
}

const QStringList& CompleteReport::steps() const {
    return std::get<report::Steps>(m_report.sections[m_stepsSection].blocks.front()).steps;
}

} // namespace zw::zakat::complete
