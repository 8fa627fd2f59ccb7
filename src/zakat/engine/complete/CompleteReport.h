#pragma once

#include "common/report/Report.h"
#include "zakat/engine/complete/ZakatResult.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace zw::zakat::complete {

// The complete zakat as the one report model behind the window, the saved file, the printed
// pages, the preview, the PDF and the command line's text: the settings, the summary table with a
// total, the total in words, the working and the sources.
class CompleteReport {
public:
    // Summary columns: kind, base, nishab, reached, haul, rate, rupiah due, due in kind, note.
    static constexpr int ColumnCount = 9;

    CompleteReport(const ZakatResult& result, const QString& payerName, const QLocale& locale);

    // The time and date the report is written at; none until stamped.
    void stamp(const QDateTime& now);

    const report::Report& report() const { return m_report; }
    const report::Table& summary() const;
    const QStringList& steps() const;
    // "Rp 250.000,00 (dua ratus lima puluh ribu rupiah)"
    const QString& total() const { return m_total; }

private:
    report::Report m_report;
    QString m_total;
    std::size_t m_summarySection = 0;
    std::size_t m_stepsSection = 0;
};

} // namespace zw::zakat::complete
