#pragma once

#include "waris/engine/HeirKind.h"
#include "waris/engine/designed/ShareNote.h"

#include <QString>

#include <cstddef>

namespace zw::waris {

// The inheritance values that persist between calculations of one run of the program
// (counts and notes of every kind, the estate last read). A kind left out of a calculation keeps
// what an earlier one stored.
class CalculationState {
public:
    CalculationState() = default;

    // The count as shown: the text typed, "1" for the single-person kinds, the son's daughters'
    // whole number in plain digits. Empty and 0 while never counted.
    QString countText(HeirKind kind) const { return m_countTexts[slot(kind)]; }
    int countValue(HeirKind kind) const { return m_countValues[slot(kind)]; }
    ShareNote note(HeirKind kind) const { return m_notes[slot(kind)]; }
    QString noteText(HeirKind kind) const { return shareNoteText(note(kind)); }
    QString estateText() const { return m_estateText; }

    const PerKind<int>& countValues() const { return m_countValues; }
    const PerKind<ShareNote>& notes() const { return m_notes; }

    void setCount(HeirKind kind, const QString& text, int value) {
        m_countTexts[slot(kind)] = text;
        m_countValues[slot(kind)] = value;
    }
    void setNotes(const PerKind<ShareNote>& notes) { m_notes = notes; }
    void setEstateText(const QString& text) { m_estateText = text; }

private:
    static std::size_t slot(HeirKind kind) { return static_cast<std::size_t>(index(kind)); }

    PerKind<QString> m_countTexts;
    PerKind<int> m_countValues{};
    PerKind<ShareNote> m_notes{};
    QString m_estateText;
};

} // namespace zw::waris
