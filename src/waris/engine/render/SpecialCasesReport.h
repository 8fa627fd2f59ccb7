#pragma once

// The special cases of a division as sections of its report: the merged or certain division with
// the held amount (rows "Ditangguhkan"), what every person receives in each outcome, each later
// death's division and the working.

#include "common/report/Report.h"
#include "waris/engine/faraid/Persons.h"
#include "waris/engine/faraid/SpecialCases.h"

#include <QLocale>

namespace zw::waris {

// Each takes the persons' names where a case gave them (SpecialPerson::key).

// Appends the sections after those of the first division's report.
void addSpecialSections(report::Report& report, const SpecialResult& result, const QLocale& locale,
                        const PersonNames& names = {});

// What every person receives now (the merged division after later deaths), Baitul Mal, the held
// amount as the row "Ditangguhkan" and the total. With names, a column of names beside who each
// person is.
report::Table specialFinalTable(const SpecialResult& result, const QLocale& locale,
                                const PersonNames& names = {});

// Where the held amount goes in each outcome, one sentence each; none when nothing is held or
// without an estate.
QStringList heldAmountSteps(const SpecialResult& result, const QLocale& locale,
                            const PersonNames& names = {});

} // namespace zw::waris
