#pragma once

// The keys of the complete zakat's JSON, named once for the writer and for whoever reads it.

#include <QStringView>

namespace zw::zakat::complete::jsonkey {

// The whole result.
inline constexpr QStringView Year = u"year";
inline constexpr QStringView NishabBasis = u"nishabBasis";
inline constexpr QStringView NishabYear = u"nishabYear";
inline constexpr QStringView NishabMonth = u"nishabMonth";
inline constexpr QStringView Kinds = u"kinds";
inline constexpr QStringView TotalDue = u"totalDue";
inline constexpr QStringView Steps = u"steps";

// One kind.
inline constexpr QStringView Kind = u"kind";
inline constexpr QStringView Base = u"base";
inline constexpr QStringView Unit = u"unit";
inline constexpr QStringView Nishab = u"nishab";
inline constexpr QStringView Reached = u"reached";
inline constexpr QStringView Haul = u"haul";
inline constexpr QStringView Rate = u"rate";
inline constexpr QStringView Due = u"due";
inline constexpr QStringView DueInKind = u"dueInKind";
inline constexpr QStringView Note = u"note";

// One item due in kind; its unit under Unit.
inline constexpr QStringView Count = u"count";

} // namespace zw::zakat::complete::jsonkey
