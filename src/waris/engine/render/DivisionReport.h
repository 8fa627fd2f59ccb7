#pragma once

// The full division as a report in the user's number format: the one model behind the window's
// table, notes and working, the saved file, the printed pages, the preview, the PDF and the
// command line's text. Its parts are built here once; report() puts them into sections.

#include "common/report/Report.h"
#include "waris/engine/faraid/DivisionOptions.h"
#include "waris/engine/faraid/DivisionRequest.h"
#include "waris/engine/faraid/FaraidTypes.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace zw::waris {

// What is divided: the deceased's name (none on the command line), the estate as Hasil shows it
// (none without an estate), and the engine's input.
struct DivisionCase {
    QString name;
    QString estateText;
    FaraidInput input;
};

class DivisionReport {
public:
    // A request's division, the other law's beside it when compared; the deceased's particulars
    // head it and the persons the request named go by name, a row each.
    DivisionReport(const DivisionCase& divisionCase, const DividedEstate& divided,
                   const QLocale& locale);

    // The whole report; `stamp` as divisionStamp gives it, or none.
    report::Report report(const QString& stamp = {}) const;

    QString net;         // "Rp 660,000.00"; empty without an estate
    QString bequestNote; // why the bequest was cut; empty when it was not
    // Whether the other choice of each option would change this division.
    std::array<bool, AllDivisionOptions.size()> optionsMatter{};
    // Per heir (with names: per person), the unassigned part, the total.
    report::Table table;
    std::optional<report::Table> comparison; // both laws per person, when asked
    QStringList notes; // one sentence per kind the rule table treats differently
    QStringList steps; // the working, unnumbered

private:
    DivisionReport(const DivisionCase& divisionCase, const FaraidResult& result,
                   const FaraidResult* otherLaw, const PersonNames& names,
                   const std::optional<Deceased>& deceased, const QLocale& locale);

    void addOptions(const FaraidInput& input, const FaraidResult& result);
    void addParticulars(const DivisionCase& divisionCase, const std::optional<Deceased>& deceased);
    // `spouse`: who takes half the joint property.
    void addMoney(const FaraidMoney& money, const QString& spouse, const QLocale& locale);

    // The deceased's particulars (or the name alone), the estate.
    std::vector<report::Field> m_particulars;
    // Joint property, funeral costs, zakat, debts, bequests, net estate.
    std::vector<report::Field> m_money;
    std::vector<report::Field> m_options; // the law and its options
    QStringList m_words;                  // each person's amount in words
};

// The whole report of a request's division: `report`'s sections, then the special cases'.
report::Report fullReport(const DivisionReport& report, const DividedEstate& divided,
                          const QLocale& locale, const QString& stamp = {});

// "08:05:09  03-07-2026": the time and date a report is written at, as on the other sheets.
QString divisionStamp(const QDateTime& now);

} // namespace zw::waris
