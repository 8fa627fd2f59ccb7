#pragma once

// An option and its values, each value named once for every front end: the command's word (also
// the JSON's), the window's label and its tool tip. Parsers, help texts, JSON writers and combo
// boxes all read the same table, so a value cannot be spelt two ways.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>
#include <vector>

namespace zw {

// An option's name and its words, whatever the type of its values: what help texts list.
struct OptionWords {
    QStringView option;
    QStringList words;
};

template<typename Value> struct Choice {
    Value value;
    QStringView word;  // "zayd"
    QStringView label; // "Berbagi cara Zaid bin Tsabit"
    QStringView toolTip = {};
};

template<typename Value> struct ChoiceOption {
    QStringView option; // "grandfather": --grandfather on the command line
    std::span<const Choice<Value>> choices;

    // The entry of `value`; the first when the table lacks it.
    const Choice<Value>& of(Value value) const {
        for (const Choice<Value>& choice : choices) {
            if (choice.value == value)
                return choice;
        }
        return choices.front();
    }
    QString word(Value value) const { return of(value).word.toString(); }
    QString label(Value value) const { return of(value).label.toString(); }

    // The value a word names, whatever its case.
    std::optional<Value> read(QStringView word) const {
        for (const Choice<Value>& choice : choices) {
            if (word.compare(choice.word, Qt::CaseInsensitive) == 0)
                return choice.value;
        }
        return std::nullopt;
    }

    QStringList words() const {
        QStringList list;
        for (const Choice<Value>& choice : choices)
            list.append(choice.word.toString());
        return list;
    }
    OptionWords optionWords() const { return {option, words()}; }
};

} // namespace zw
