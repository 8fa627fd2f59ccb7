#pragma once

#include "ui/RefusalMemory.h"
#include "ui/ReportWindow.h"
#include "zakat/engine/complete/CompleteReport.h"
#include "zakat/engine/complete/ZakatEntry.h"

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;
class QTableWidget;

namespace zw::zakat {

// ZakatLengkap: the complete zakat of today beside the designed road. Every kind in a section
// of its own on one page, the summary and the working on another, both worked out again at each
// change under a total always in view; the report saved, printed, previewed or written as a PDF.
class CompleteZakatForm final : public ReportWindow {
    Q_OBJECT

public:
    explicit CompleteZakatForm(AppContext& context);

    // The payer named in the report (empty: none).
    void setPayerName(const QString& name);

    // The report now shown; none while a field is refused.
    const std::optional<complete::CompleteReport>& report() const { return m_report; }

protected:
    void fitToFont() override;
    std::optional<report::Report> currentReport(const QDateTime& now) const override;

private:
    QWidget* buildEntry();
    QWidget* buildSettings(QWidget* page);
    QWidget* buildKinds(QWidget* page);
    QWidget* buildResult();
    QLineEdit* addField(QWidget* parent, complete::Field field, const QString& name);

    complete::ZakatEntry entry() const;
    void recompute();
    void refuseIfWrong(complete::Field field);
    void showReport();
    void hideReport();
    void followFitrahForm();

    QLabel* m_name = nullptr;
    QComboBox* m_year = nullptr;
    QComboBox* m_basis = nullptr;
    QCheckBox* m_haul = nullptr;
    QLabel* m_nishab = nullptr;
    QScrollArea* m_kinds = nullptr;
    QComboBox* m_period = nullptr;
    QComboBox* m_irrigation = nullptr;
    QComboBox* m_fitrahForm = nullptr;
    QLabel* m_fitrahValueLabel = nullptr;
    std::array<QLineEdit*, complete::FieldCount> m_fields{};
    RefusalMemory m_refused{complete::FieldCount};
    QLabel* m_problem = nullptr;
    QTableWidget* m_summary = nullptr;
    QLabel* m_total = nullptr;
    QPlainTextEdit* m_steps = nullptr;
    std::optional<complete::Refusal> m_refusal;
    std::optional<complete::CompleteReport> m_report;
};

} // namespace zw::zakat
