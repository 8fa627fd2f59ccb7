#pragma once

#include "common/Rupiah.h"

#include <QLocale>
#include <QString>

#include <compare>
#include <cstdint>

namespace zw::zakat::complete {

// A measured quantity (grams, kilograms, litres, carats, head, persons) held exactly in
// hundredths of its unit, as Rupiah holds sen: grams to ten milligrams, kilograms to ten grams.
// It is read by the same readers as an amount, so a typed 12,5 gram and Rp 12,50 agree.
class Quantity {
public:
    static constexpr std::int64_t PerUnit = 100;

    constexpr Quantity() = default;
    static constexpr Quantity fromHundredths(std::int64_t hundredths) {
        return Quantity(hundredths);
    }
    static constexpr Quantity whole(std::int64_t units) { return Quantity(units * PerUnit); }
    // The digits of an amount read as a quantity: Rp 12,50 reads as 12,5.
    static constexpr Quantity fromAmount(Rupiah amount) { return Quantity(amount.sen()); }

    constexpr std::int64_t hundredths() const { return m_hundredths; }
    constexpr bool isWhole() const { return m_hundredths % PerUnit == 0; }
    constexpr std::int64_t wholeUnits() const { return m_hundredths / PerUnit; }

    // "85", "2.5", "1.75": '.' and only the decimals needed. For JSON.
    QString toPlainDecimal() const;
    // The same with the locale's marks and digit groups: "1.234,5" in Indonesian.
    QString toText(const QLocale& locale) const;

    friend constexpr bool operator==(Quantity, Quantity) = default;
    friend constexpr auto operator<=>(Quantity, Quantity) = default;

private:
    explicit constexpr Quantity(std::int64_t hundredths)
        : m_hundredths(hundredths) {}
    std::int64_t m_hundredths = 0;
};

} // namespace zw::zakat::complete
