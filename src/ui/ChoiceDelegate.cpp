#include "ui/ChoiceDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace zw {

namespace {

QStringList itemTexts(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts.append(box.itemText(i));
    return texts;
}

} // namespace

ChoiceDelegate::ChoiceDelegate(QString name, QString accessibleName, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_name(std::move(name))
    , m_accessibleName(std::move(accessibleName)) {}

QWidget* ChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                      const QModelIndex& /*index*/) const {
    auto* box = new QComboBox(parent);
    box->setObjectName(m_name);
    box->setAccessibleName(m_accessibleName);
    // The view makes the cell of a box taking the focus current, as for a cell's own widget.
    if (auto* view = qobject_cast<QAbstractItemView*>(parent->parentWidget()))
        box->installEventFilter(view);
    auto* self = const_cast<ChoiceDelegate*>(this);
    connect(box, &QComboBox::currentIndexChanged, self,
            [self, box] { Q_EMIT self->commitData(box); });
    return box;
}

void ChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = static_cast<QComboBox*>(editor);
    const QSignalBlocker quiet(box);
    // Refilled only when the names differ: the box may be amid its own choice.
    if (const QStringList names = index.data(ChoicesRole).toStringList();
        itemTexts(*box) != names) {
        box->clear();
        box->addItems(names);
    }
    box->setCurrentIndex(index.data(Qt::EditRole).toInt());
}

void ChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    model->setData(index, static_cast<QComboBox*>(editor)->currentIndex());
}

bool ChoiceDelegate::eventFilter(QObject* /*object*/, QEvent* /*event*/) {
    // Each choice is already stored: keys and focus act as on any combo box in a table, not as
    // on a cell's editor, which Tab would close for the next cell's.
    return false;
}

} // namespace zw
