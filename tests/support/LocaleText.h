#pragma once

#include <QLocale>
#include <QString>

namespace zw::test {

// Texts in the tests are written the US way; for a locale whose decimal mark is ',' the marks
// between two digits are swapped ("Rp. 1,234.50" becomes "Rp. 1.234,50").
inline QString inLocale(QStringView usText, const QLocale& locale) {
    QString text = usText.toString();
    if (locale.decimalPoint() != QStringLiteral(","))
        return text;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        const bool mark = text[i] == u',' || text[i] == u'.';
        if (mark && text[i - 1].isDigit() && text[i + 1].isDigit())
            text[i] = text[i] == u',' ? u'.' : u',';
    }
    return text;
}

} // namespace zw::test
