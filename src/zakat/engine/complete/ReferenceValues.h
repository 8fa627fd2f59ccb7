#pragma once

#include "common/Rupiah.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <variant>
#include <vector>

namespace zw::zakat::complete {

// The published figures of one year: the nishab in rupiah for a year and for a month, the zakat
// fitrah per person when one was set, and the decisions they come from.
struct YearValues {
    int year = 0;
    Rupiah nishabYear;
    Rupiah nishabMonth;
    std::optional<Rupiah> fitrah;
    QString source;
};

// The reference values are data, not code: a text file shipped with the program, one line per
// year, so that a new year's decision is added by editing that file alone.
class ReferenceValues {
public:
    // The years of a file's text, or an Indonesian sentence saying which line is wrong and why.
    static std::variant<ReferenceValues, QString> parse(QStringView text);
    static std::variant<ReferenceValues, QString> load(const QString& path);
    // The file compiled into the program, read once.
    static const std::variant<ReferenceValues, QString>& shipped();

    // In ascending order, never empty.
    const std::vector<YearValues>& years() const { return m_years; }
    const YearValues* find(int year) const;
    const YearValues& latest() const { return m_years.back(); }

private:
    ReferenceValues() = default;
    std::vector<YearValues> m_years;
};

} // namespace zw::zakat::complete
