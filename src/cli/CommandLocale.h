#pragma once

#include <QLocale>

namespace zw {

// The number format of the commands' human text: the user's, or Indonesian when the system names
// none (the "C" locale of a bare shell or a service).
QLocale commandLocale();

} // namespace zw
