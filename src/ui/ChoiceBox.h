#pragma once

#include "common/Choices.h"

#include <QComboBox>

namespace zw {

// A combo box over an option's values: each item holds its value as data, so the box is read and
// set by value, never by position.
template<typename Value>
QComboBox* makeChoiceBox(QWidget* parent, const QString& name, const ChoiceOption<Value>& option,
                         const QString& toolTip = {}) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (const Choice<Value>& choice : option.choices) {
        box->addItem(choice.label.toString(), static_cast<int>(choice.value));
        if (!choice.toolTip.isEmpty())
            box->setItemData(box->count() - 1, choice.toolTip.toString(), Qt::ToolTipRole);
    }
    box->setToolTip(toolTip);
    return box;
}

template<typename Value> Value choiceValue(const QComboBox* box) {
    return static_cast<Value>(box->currentData().toInt());
}

template<typename Value> void setChoiceValue(QComboBox* box, Value value) {
    box->setCurrentIndex(box->findData(static_cast<int>(value)));
}

} // namespace zw
