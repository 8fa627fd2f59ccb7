#pragma once

// A list of heirs as the command line and the window's later deaths write it: "Istri",
// "AnakPria=2", one identifier of the catalogue each, with the number of persons (1 when not
// given).

#include "waris/engine/HeirKind.h"

#include <QString>
#include <QStringList>

namespace zw::waris {

// Reads `entries` into `counts`; the refusal, one Indonesian sentence, or nothing. `unknownHint`
// follows the name of an unknown heir, e.g. " (lihat --help)".
QString readHeirList(const QStringList& entries, FaraidPerKind<int>& counts,
                     QStringView unknownHint = {});

// The entries of a list typed in a window, comma-separated: "Anak Pria = 2" and "Saudara Pria
// Se-Bapak" as the identifiers read them.
QStringList heirListEntries(const QString& text);

} // namespace zw::waris
