#pragma once

#include <QStyledItemDelegate>

namespace zw {

// The editor of a column chosen from a list: a combo box of the names the model gives in
// ChoicesRole, with the number of the choice as the edited value (-1: none). Each choice is
// stored at once, so it serves as a persistent editor.
class ChoiceDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int ChoicesRole = Qt::UserRole;

    // The combo boxes' object name and the name screen readers announce.
    ChoiceDelegate(QString name, QString accessibleName, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QString m_name;
    QString m_accessibleName;
};

} // namespace zw
