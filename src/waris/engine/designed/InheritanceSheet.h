#pragma once

#include "common/Money.h"
#include "waris/engine/designed/HeirAmount.h"
#include "waris/engine/designed/InheritanceEngine.h"
#include "waris/engine/designed/ShareRules.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace zw::waris {

inline constexpr int DetailRowCount = 21;

// The fixed texts of the result (Hasil) and its detail table (Detail), shared by the screens and
// the report.
namespace sheetText {

inline constexpr QStringView Title = u" HASIL PERHITUNGAN HARTA WARIS ";
// Name, address, birth, death, sex, estate.
inline constexpr std::array<QStringView, 6> FieldNames{
    u"N a m a               ", u"A l a m a t           ", u"Tempat / Tgl. Lahir   ",
    u"Tempat / Tgl. Wafat   ", u"Jenis Kelamin         ", u"Total Harta Waris    "};
inline constexpr QStringView Colon = u":  ";
inline constexpr QStringView TotalHeading = u"Jumlah Harta Waris ";
inline constexpr QStringView DividedCaption = u"Yang Dibagikan";
inline constexpr QStringView RemainderCaption = u"Sisa  Setelah Dibagi  ";
// Name, count, share, note.
inline constexpr std::array<QStringView, 4> DetailHeadings{u"Nama Ahli Waris", u"Jumlah",
                                                           u"B a g i a n", u"K e t e r a n g a n"};

} // namespace sheetText

// The inheritance result as a value: what Hasil and Detail show, and what saving and printing
// write. A calculation fills the detail rows from the first; rows below keep what an earlier,
// larger calculation left, until the entry is reset.
class InheritanceSheet {
public:
    struct Row {
        QString name;
        QString count;
        std::optional<HeirAmount> amount; // none on a row never filled
        QString note;
    };

    // Name, address, birth, death, sex, and the estate as shown ("Rp ###,###.00").
    std::array<QString, 6> particulars;
    std::optional<DividedTotal> dividedTotal;
    std::optional<Money> remainder;
    std::array<Row, DetailRowCount> rows;

    void setCalculation(const CalculationResult& result);
    void clearRows();
};

// The texts of a row's amount and of the totals; empty where nothing was calculated.
QString amountText(const InheritanceSheet::Row& row, NumberPattern pattern, const QLocale& locale);
QString dividedTotalText(const InheritanceSheet& sheet, const QLocale& locale);
QString remainderText(const InheritanceSheet& sheet, const QLocale& locale);

} // namespace zw::waris
