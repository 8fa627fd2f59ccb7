#pragma once

#include "common/Money.h"

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>
#include <variant>

namespace zw {

// An exact amount of rupiah and sen, held as a count of sen: the money of the full division of an
// estate and of the zakat of today. The designed screens keep their own fixed-point Money and
// doubles; fromMoney is the one way from those into this type.
class Rupiah {
public:
    static constexpr std::int64_t SenPerRupiah = 100;
    // 999 999 999 999 999.99 rupiah. A sum of a few such amounts stays well inside 64 bits, and
    // a product with a 64-bit numerator inside 128 bits.
    static constexpr std::int64_t MaxSen = 99'999'999'999'999'999;

    constexpr Rupiah() = default;
    static constexpr Rupiah fromSen(std::int64_t sen) { return Rupiah(sen); }
    static constexpr Rupiah max() { return Rupiah(MaxSen); }
    // The fixed-point money rounded to the sen, halves away from zero, as the screens show it.
    static Rupiah fromMoney(Money money);

    constexpr std::int64_t sen() const { return m_sen; }

    // The amount times numerator / denominator (denominator > 0), rounded to the sen as asked;
    // no value when the result leaves the range.
    enum class Rounding : std::uint8_t { Down, Up, HalfUp };
    std::optional<Rupiah> scaled(std::int64_t numerator, std::int64_t denominator,
                                 Rounding rounding) const;

    // Plain digits with '.' and two decimals, a leading '-' when negative: "1234567.89". For
    // JSON and other machine-read text; people see formatNumber's text.
    QString toPlainDecimal() const;

    constexpr Rupiah operator+(Rupiah other) const { return Rupiah(m_sen + other.m_sen); }
    constexpr Rupiah operator-(Rupiah other) const { return Rupiah(m_sen - other.m_sen); }
    constexpr Rupiah operator-() const { return Rupiah(-m_sen); }
    constexpr Rupiah& operator+=(Rupiah other) { return *this = *this + other; }
    constexpr Rupiah& operator-=(Rupiah other) { return *this = *this - other; }
    constexpr Rupiah operator*(std::int64_t factor) const { return Rupiah(m_sen * factor); }

    friend constexpr bool operator==(Rupiah, Rupiah) = default;
    friend constexpr auto operator<=>(Rupiah, Rupiah) = default;

private:
    explicit constexpr Rupiah(std::int64_t sen)
        : m_sen(sen) {}
    std::int64_t m_sen = 0;
};

// Why a text gave no amount.
enum class AmountError : std::uint8_t { NotANumber, Negative, TooLarge };
using AmountReading = std::variant<Rupiah, AmountError>;

// An amount as a program writes it: digits, optionally '.' and one or two decimals; no
// grouping, no sign but a leading '-' (which gives Negative). The command line's reader.
AmountReading readPlainAmount(QStringView text);

} // namespace zw
