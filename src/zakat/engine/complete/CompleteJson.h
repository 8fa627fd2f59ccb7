#pragma once

#include "zakat/engine/complete/ZakatResult.h"

#include <QByteArray>
#include <QLocale>

namespace zw::zakat::complete {

// The result as indented JSON with the keys of CompleteJsonKeys.h: amounts and quantities as
// plain decimals, the notes and the working in the locale's number format.
QByteArray completeJson(const ZakatResult& result, const QLocale& locale);

} // namespace zw::zakat::complete
