#pragma once

// The full division as JSON, plain decimals and the commands' words: the command line's output
// and the form a saved result is read back from.

#include "waris/engine/faraid/DivisionRequest.h"

#include <QJsonObject>

namespace zw::waris {

// One division; with the other law, {"classical": ..., "khi": ...}; with a special case, the
// first division's keys beside those of the special cases.
QJsonObject divisionJson(const DividedEstate& divided);

} // namespace zw::waris
