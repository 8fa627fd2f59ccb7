#pragma once

#include "ui/RefusalMemory.h"
#include "ui/ReportWindow.h"
#include "waris/engine/faraid/DivisionOptions.h"
#include "waris/engine/faraid/DivisionRequest.h"
#include "waris/engine/kasus/Kasus.h"
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
class QTabWidget;

namespace zw::waris {

class CaseFiles;
class DeceasedPage;
class PersonsTable;
class SpecialOptionsBox;

// Pembagian: the window of one case. The deceased and the estate, every person by name in his or
// her state (living, predeceased with those in his or her place, died later with his or her own
// heirs, missing, of unknown sex, died together, unborn), the deductions, the law and its options
// are entered on tabs; beside them the full division per person and its working, by the classical
// law or KHI or both side by side. Every change divides again at once. The case is kept as a file
// (Baru, Buka, Simpan, Simpan Sebagai); the report is saved, printed, previewed or written as PDF.
// From Hasil it takes the designed road's heirs and estate.
class DivisionForm final : public ReportWindow {
    Q_OBJECT

public:
    DivisionForm(AppContext& context, const WarisState& state);

    // The designed road's last calculation as the case, keeping what was typed of its persons.
    void openFromRoad();
    // The road calculated again: a case taken from the road follows it.
    void follow();
    // The road starts afresh: a case taken from the road is emptied with it.
    void clearEntry();
    // From the main menu; false when the user cancelled or the file was refused.
    bool newCase();
    bool openCase(const QString& path); // empty: asks which file
    // Before the program ends: Simpan, Jangan Simpan or Batal when the case changed.
    bool mayQuit();

    // The case and the report now shown; none while the entry cannot be divided.
    const std::optional<DivisionCase>& divisionCase() const { return m_case; }
    const std::optional<DivisionReport>& report() const { return m_report; }
    const std::optional<DividedEstate>& divided() const { return m_divided; }
    // The entry as a case, or why it cannot be read (one line naming the field).
    std::variant<Kasus, QString> kasus() const;
    // The case read into one request, or why it cannot be.
    std::variant<DivisionRequest, QString> request() const;
    void showKasus(const Kasus& kasus);

protected:
    void activate() override;
    void closeRequested() override;
    std::optional<report::Report> currentReport(const QDateTime& now) const override;

private:
    enum Deduction { JointProperty, Funeral, Zakat, Debts, Obligatory, Bequest, DeductionCount };

    QWidget* makeDeductions();
    QWidget* makeOptions();
    QWidget* makeResult();
    void entryChanged();
    void divide();
    std::variant<DivisionRequest, QString> requestOf(Kasus asked) const;
    bool khiAsked() const;
    QString readDeductions(Kasus& kasus) const;
    Kasus roadKasus() const;
    void refuseIfWrong(Deduction deduction);
    void showProblem(const QString& problem);
    void showNoResult(const QString& problem);
    void showDivision(DividedEstate divided);
    void showReport(const DivisionReport& report);

    const WarisState& m_state;
    CaseFiles* m_files = nullptr;
    bool m_fromRoad = true; // the case is the designed road's, not a file's
    QLabel* m_name = nullptr;
    QLabel* m_estate = nullptr;
    QComboBox* m_law = nullptr;
    QTabWidget* m_entry = nullptr;
    DeceasedPage* m_deceased = nullptr;
    PersonsTable* m_persons = nullptr;
    std::array<QLineEdit*, DeductionCount> m_deductions{};
    QComboBox* m_recipient = nullptr;
    SpecialOptionsBox* m_special = nullptr;
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
