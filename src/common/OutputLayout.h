#pragma once

#include <QDateTime>
#include <QString>

namespace zw {

// The two renderings of a result: the saved text file and the printed page.
enum class OutputLayout { File, Print };

// "hh:mm:ss" (24-hour clock) and "mm-dd-yyyy", fixed whatever the regional settings.
inline QString timeStamp(const QDateTime& now) {
    return now.toString(QStringLiteral("HH:mm:ss"));
}
inline QString dateStamp(const QDateTime& now) {
    return now.toString(QStringLiteral("MM-dd-yyyy"));
}

} // namespace zw
