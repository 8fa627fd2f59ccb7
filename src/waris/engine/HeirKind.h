#pragma once

#include <QString>

#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>

namespace zw::waris {

// The 22 kinds of heir, numbered as the check boxes of the heir selection: 0-13 male, 14-21 female.
// The full division alone knows the kinds after them: the two grandmothers apart, then the distant
// kin (dzawil arham) who are no one's children: the mother's father, brothers and sisters, the
// father's sisters and his brothers by the mother.
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
    NenekDariIbu,
    NenekDariBapak,
    KakekDariIbu,
    SaudaraPriaIbu,
    SaudaraWanitaIbu,
    SaudaraWanitaBapak,
    PamanSeIbu,
};

inline constexpr int HeirKindCount = 22;
inline constexpr int FaraidKindCount = 29;

constexpr int index(HeirKind kind) {
    return static_cast<int>(kind);
}
constexpr HeirKind heirKind(int index) {
    return static_cast<HeirKind>(index);
}
constexpr std::uint32_t kindBit(HeirKind kind) {
    return std::uint32_t{1} << index(kind);
}

// The classes in which a man takes twice a woman, man first: children, full and paternal
// siblings.
inline constexpr std::array<std::pair<HeirKind, HeirKind>, 3> SexPairs{{
    {HeirKind::AnakPria, HeirKind::AnakWanita},
    {HeirKind::SaudaraPriaSekandung, HeirKind::SaudaraWanitaSekandung},
    {HeirKind::SaudaraPriaSeBapak, HeirKind::SaudaraWanitaSeBapak},
}};

// The most persons of one kind.
inline constexpr int MaxPersons = 99;

// One value per kind, indexed by the kind (or by its number).
template<typename T, int N = HeirKindCount>
struct PerKind : std::array<T, static_cast<std::size_t>(N)> {
    using std::array<T, static_cast<std::size_t>(N)>::operator[];
    constexpr T& operator[](HeirKind kind) {
        return (*this)[static_cast<std::size_t>(index(kind))];
    }
    constexpr const T& operator[](HeirKind kind) const {
        return (*this)[static_cast<std::size_t>(index(kind))];
    }
};

// One value per kind of the full division.
template<typename T> using FaraidPerKind = PerKind<T, FaraidKindCount>;

// A set of kinds, iterated in kind order.
class HeirSet {
public:
    constexpr HeirSet() = default;
    constexpr HeirSet(std::initializer_list<HeirKind> kinds) {
        for (const HeirKind kind : kinds)
            m_bits |= kindBit(kind);
    }
    static constexpr HeirSet fromBits(std::uint32_t bits) {
        HeirSet set;
        set.m_bits = bits & ((std::uint32_t{1} << FaraidKindCount) - 1);
        return set;
    }
    static constexpr HeirSet all() { return fromBits((std::uint32_t{1} << HeirKindCount) - 1); }
    // The kinds from `first` to `last` in kind order.
    static constexpr HeirSet range(HeirKind first, HeirKind last) {
        return fromBits((kindBit(last) << 1) - kindBit(first));
    }

    constexpr std::uint32_t bits() const { return m_bits; }
    constexpr bool contains(HeirKind kind) const { return (m_bits & kindBit(kind)) != 0; }
    constexpr bool empty() const { return m_bits == 0; }
    constexpr int size() const { return std::popcount(m_bits); }
    constexpr bool intersects(HeirSet other) const { return (m_bits & other.m_bits) != 0; }
    // The first kind in kind order; the set must not be empty.
    constexpr HeirKind first() const { return heirKind(std::countr_zero(m_bits)); }

    constexpr HeirSet operator|(HeirSet other) const { return fromBits(m_bits | other.m_bits); }
    constexpr HeirSet operator&(HeirSet other) const { return fromBits(m_bits & other.m_bits); }
    constexpr HeirSet operator-(HeirSet other) const { return fromBits(m_bits & ~other.m_bits); }
    constexpr HeirSet& operator|=(HeirSet other) { return *this = *this | other; }
    constexpr HeirSet& operator&=(HeirSet other) { return *this = *this & other; }
    constexpr HeirSet& operator-=(HeirSet other) { return *this = *this - other; }
    friend constexpr bool operator==(HeirSet, HeirSet) = default;

    class Iterator {
    public:
        constexpr HeirKind operator*() const { return heirKind(std::countr_zero(m_left)); }
        constexpr Iterator& operator++() {
            m_left &= m_left - 1;
            return *this;
        }
        friend constexpr bool operator==(Iterator, Iterator) = default;

    private:
        friend class HeirSet;
        explicit constexpr Iterator(std::uint32_t left)
            : m_left(left) {}
        std::uint32_t m_left;
    };
    constexpr Iterator begin() const { return Iterator(m_bits); }
    constexpr Iterator end() const { return Iterator(0); }

private:
    std::uint32_t m_bits = 0;
};

struct HeirInfo {
    QString identifier; // "Suami", as the command line names it
    QString caption;    // check-box caption, with an access key of its own if any: "&Suami"
    QString nameText;   // name on the result screens, trailing blanks included
    QString name;       // name in the full division's texts: "Saudara Pria Se-Bapak"
    QString question;   // count question; empty for the kinds that are always one person
    bool several;       // false for the single-person kinds 0, 1, 2, 15, 17, 22, 23, 24
    bool male;          // kinds 0-13, 24, 25, 28
};

const HeirInfo& heirInfo(HeirKind kind);
// The kind of the full division whose identifier is `identifier`, in any case.
std::optional<HeirKind> heirKindNamed(QStringView identifier);

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
