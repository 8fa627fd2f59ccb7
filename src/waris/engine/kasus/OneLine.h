#pragma once

// A text from a case quoted in a refusal, which stays one line and short whatever a name or a
// damaged file holds.

#include <QString>

namespace zw::waris {

inline QString oneLine(const QString& text) {
    constexpr qsizetype Longest = 60;
    QString line = text.left(Longest);
    for (QChar& c : line) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph)
            c = u' ';
    }
    return text.size() > Longest ? line % u'…' : line;
}

} // namespace zw::waris
