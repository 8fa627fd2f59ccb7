#pragma once

#include <QString>

#include <array>
#include <bitset>
#include <cstdint>

namespace zw::waris {

// The 22 kinds of heir, numbered as the check boxes of the heir selection: 0-13 male, 14-21 female.
enum class HeirKind : std::uint8_t {
    Suami,
    Bapak,
    Kakek,
    AnakPria,
    SaudaraPriaSekandung,
    SaudaraPriaSeBapak,
    SaudaraPriaSeIbu,
    CucuPria,
    AnakPriaSaudaraSekandung,
    AnakPriaSaudaraSeBapak,
    PamanSekandung,
    PamanSeBapak,
    AnakPriaPamanSekandung,
    AnakPriaPamanSeBapak,
    Istri,
    Ibu,
    AnakWanita,
    Nenek,
    CucuWanita,
    SaudaraWanitaSekandung,
    SaudaraWanitaSeBapak,
    SaudaraWanitaSeIbu,
};

inline constexpr int HeirKindCount = 22;

constexpr int index(HeirKind kind) {
    return static_cast<int>(kind);
}
constexpr HeirKind heirKind(int index) {
    return static_cast<HeirKind>(index);
}
constexpr std::uint32_t kindBit(HeirKind kind) {
    return std::uint32_t{1} << index(kind);
}

template<typename T> using PerKind = std::array<T, HeirKindCount>;

struct HeirInfo {
    QString identifier; // "Suami"
    QString caption;    // check-box caption with its access key: "&Suami"
    QString nameText;   // name on the result screens, trailing blanks included
    QString question;   // count question; empty for the kinds that are always one person
    bool several;       // false for the single-person kinds 0, 1, 2, 15, 17
};

const HeirInfo& heirInfo(HeirKind kind);

// Which kinds are ticked.
class HeirSelection {
public:
    HeirSelection() = default;

    bool ticked(HeirKind kind) const { return m_bits.test(index(kind)); }
    void setTicked(HeirKind kind, bool ticked) { m_bits.set(index(kind), ticked); }
    bool none() const { return m_bits.none(); }
    std::uint32_t bits() const { return static_cast<std::uint32_t>(m_bits.to_ulong()); }
    static HeirSelection fromBits(std::uint32_t bits);

private:
    std::bitset<HeirKindCount> m_bits;
};

} // namespace zw::waris
