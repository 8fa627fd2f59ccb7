#pragma once

#include "ui/RefusalMemory.h"
#include "ui/ReportWindow.h"
#include "waris/engine/faraid/DivisionOptions.h"
#include "waris/engine/faraid/DivisionRequest.h"
#include "waris/engine/render/DivisionReport.h"
#include "waris/forms/WarisState.h"

#include <array>
#include <optional>
#include <variant>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

namespace zw::waris {

class PredeceasedTable;
class SpecialCasesBox;

// Pembagian: the full division of the calculation Hasil shows, per heir and per person, by the
// classical law or KHI (or both side by side), with the joint property, the deductions and
// bequests, the predeceased children, the special cases (later deaths, the unborn, the missing,
// the khuntsa, those who died together), the options where the schools differ, the working, and
// the report saved, printed, previewed or written as a PDF. Every change divides again at once.
class DivisionForm final : public ReportWindow {
    Q_OBJECT

public:
    DivisionForm(AppContext& context, const WarisState& state);

    // Divides the last calculation again (a new one may have run since).
    void follow();
    // Empties the deductions, the predeceased children and the special cases and puts the law and
    // every option back to the first choice.
    void clearEntry();

    // The case and the report now shown; none while the entry cannot be divided.
    const std::optional<DivisionCase>& divisionCase() const { return m_case; }
    const std::optional<DivisionReport>& report() const { return m_report; }
    const std::optional<DividedEstate>& divided() const { return m_divided; }
    // The entry read into one request, or why it cannot be (one line naming the field).
    std::variant<DivisionRequest, QString> request() const;

protected:
    void activate() override;
    std::optional<report::Report> currentReport(const QDateTime& now) const override;

private:
    enum Deduction { JointProperty, Funeral, Zakat, Debts, Obligatory, Bequest, DeductionCount };

    void divide();
    bool khiAsked() const;
    QString readDeductions(FaraidInput& input) const;
    void refuseIfWrong(Deduction deduction);
    void showProblem(const QString& problem);
    void showNoResult(const QString& problem);
    void showDivision(DividedEstate divided);
    void showReport(const DivisionReport& report);

    const WarisState& m_state;
    QLabel* m_name = nullptr;
    QLabel* m_estate = nullptr;
    QComboBox* m_law = nullptr;
    std::array<QLineEdit*, DeductionCount> m_deductions{};
    QComboBox* m_recipient = nullptr;
    PredeceasedTable* m_predeceased = nullptr;
    SpecialCasesBox* m_special = nullptr;
    RefusalMemory m_refused{DeductionCount};
    QLabel* m_net = nullptr;
    QLabel* m_bequestNote = nullptr;
    QLabel* m_problem = nullptr;
    QString m_problemText; // why the entry cannot be divided; empty when it can
    std::array<QComboBox*, AllDivisionOptions.size()> m_options{};
    QCheckBox* m_compare = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_notes = nullptr;
    QPlainTextEdit* m_steps = nullptr;
    std::optional<DivisionCase> m_case;
    std::optional<DivisionReport> m_report;
    std::optional<DividedEstate> m_divided; // with m_report
};

} // namespace zw::waris
