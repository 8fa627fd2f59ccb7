#pragma once

#include <QString>

#include <algorithm>
#include <vector>

namespace zw {

// The wrong text of each field the user was told about, so that leaving the field again without
// a change asks no second time.
class RefusalMemory {
public:
    explicit RefusalMemory(std::size_t fields)
        : m_told(fields) {}

    // Whether to tell the user about the field's text now: it is wrong and was not told yet.
    bool shouldTell(std::size_t field, const QString& text, bool wrong) {
        if (!wrong) {
            m_told[field].clear();
            return false;
        }
        if (m_told[field] == text)
            return false;
        m_told[field] = text;
        return true;
    }
    void forget() { std::fill(m_told.begin(), m_told.end(), QString()); }

private:
    std::vector<QString> m_told;
};

} // namespace zw
