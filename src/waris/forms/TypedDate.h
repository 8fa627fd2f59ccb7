#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace zw::waris {

// A date as people here type it: "17-08-1945", "17/8/1945" or "1945-08-17". Empty text is no
// date (an invalid QDate); text that is no date gives none.
std::optional<QDate> readTypedDate(const QString& text);
// "17-08-1945"; empty for no date.
QString typedDate(QDate date);

} // namespace zw::waris
