#pragma once

#include <QString>

namespace zw {

// The designed contents of the two help windows, lines separated by '\n'.
QString inheritanceHelpText();
QString zakatHelpText();

} // namespace zw
