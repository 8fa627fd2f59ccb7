#pragma once

#include <QStringView>

namespace zw::waris {

// The headings of the full division, shared by the window and every rendering of the report.
namespace divisionTitles {

inline constexpr QStringView Window = u"PEMBAGIAN LENGKAP";
inline constexpr QStringView Report = u"PEMBAGIAN LENGKAP HARTA WARIS";
inline constexpr QStringView Deductions = u"Pengurangan Harta";
inline constexpr QStringView Options = u"Pilihan Pendapat";
inline constexpr QStringView Words = u"Terbilang";
inline constexpr QStringView Steps = u"Langkah Perhitungan";
inline constexpr QStringView Comparison = u"Perbandingan Fikih Klasik dan KHI";

} // namespace divisionTitles

} // namespace zw::waris
