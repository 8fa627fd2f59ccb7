#pragma once

#include "common/OutputLayout.h"
#include "waris/engine/designed/InheritanceSheet.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace zw {
class LineWriter;
}

namespace zw::waris {

// Writes the 37 lines of the saved file or of the printed page, the detail amounts with "Rp ".
void renderInheritanceSheet(const InheritanceSheet& sheet, OutputLayout layout,
                            const QDateTime& now, const QLocale& locale, LineWriter& writer);

} // namespace zw::waris
