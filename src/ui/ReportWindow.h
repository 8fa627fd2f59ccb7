#pragma once

#include "common/report/Report.h"
#include "ui/Form.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

class QHBoxLayout;
class QPagedPaintDevice;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace zw {

// A window that shows a report and saves it as a text file, prints it, previews it or writes it
// as a PDF, through the buttons Simpan, Cetak, Pratinjau, Pdf and Tutup (Escape presses Tutup;
// both close the window as its close button does).
class ReportWindow : public Form {
    Q_OBJECT

public:
    using Form::Form;

protected:
    // The row of the five buttons, right-aligned, for the subclass to place; `subject`
    // ("Pembagian Lengkap") is named in their tool tips. Their access keys are S, C, J, P and T.
    QHBoxLayout* makeOutputButtons(const QString& subject);
    // A read-only table for a report's table, in the fixed-width font so that figures line up.
    // Tab leaves it; the arrow keys move between its cells.
    QTableWidget* makeReportTable(QWidget* parent, const QString& name);
    static void showTable(QTableWidget& view, const report::Table& table);
    // "Langkah": the working, numbered as in every rendering of the report.
    QPlainTextEdit* makeStepsBox(QWidget* parent);
    static void showSteps(QPlainTextEdit& box, const QStringList& steps);

    // The report as the window shows it, stamped with `now`; none while no result is shown.
    virtual std::optional<report::Report> currentReport(const QDateTime& now) const = 0;
    // Simpan, Cetak, Pratinjau and PDF: enabled only while a result is shown.
    void enableOutput(bool resultShown);

private:
    void save();
    void print();
    void preview();
    void writePdf();
    void paint(const report::Report& report, QPagedPaintDevice& device) const;

    std::vector<QPushButton*> m_outputButtons;
};

} // namespace zw
