#pragma once

#include <QLocale>
#include <QRandomGenerator>
#include <QString>

namespace zw::test {

// What a user might type into a field: numbers in the locale's marks and in the other ones,
// small counts, names, blanks, signs, letters, other scripts and very long strings. The hint
// makes the typical entry of a field likelier ("password", "count", "number" or empty).
QString randomEntry(QRandomGenerator& random, const QLocale& locale, const QString& hint = {});

} // namespace zw::test
