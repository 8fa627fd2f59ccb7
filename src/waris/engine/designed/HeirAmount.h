#pragma once

#include "common/Money.h"

namespace zw::waris {

// The amount of one heir kind: the whole number 0 (blocked or residuary heirs), a double
// (fraction x estate), or for the son's daughter a fixed-point value. The kind matters beyond the
// value: a total of whole zeros and fixed-point amounts stays fixed-point.
class HeirAmount {
public:
    enum class Type { WholeZero, Double, Fixed };

    constexpr HeirAmount() = default;
    explicit constexpr HeirAmount(double value)
        : m_type(Type::Double)
        , m_double(value) {}
    explicit constexpr HeirAmount(Money value)
        : m_type(Type::Fixed)
        , m_money(value) {}

    constexpr Type type() const { return m_type; }
    double toDouble() const { return m_type == Type::Fixed ? m_money.toDouble() : m_double; }
    constexpr Money money() const { return m_money; }

private:
    Type m_type = Type::WholeZero;
    double m_double = 0.0;
    Money m_money;
};

} // namespace zw::waris
