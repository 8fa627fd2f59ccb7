#pragma once

// The options of `zakat-waris faraid` that replace a case file's own settings, each with the
// setting it replaces.

#include "waris/engine/faraid/DivisionRequest.h"
#include "waris/engine/kasus/Kasus.h"

#include <QStringList>

namespace zw {

// Whether the option (without dashes) replaces a setting of a case.
bool overridesCase(QStringView option);

// The case with the settings of `given` for each of `options` ("--law").
void overrideCase(const QStringList& options, const waris::DivisionRequest& given,
                  waris::Kasus& kasus);

} // namespace zw
