#pragma once

#include "waris/engine/kasus/Kasus.h"

#include <QLocale>
#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTableView;

namespace zw::waris {

class EstateItemsModel;

// The tab Pewaris of Pembagian: the deceased's particulars, the estate as one total or item by
// item, and the case's free notes.
class DeceasedPage final : public QWidget {
    Q_OBJECT

public:
    DeceasedPage(QLocale locale, QWidget* parent);

    // Reads the page into `kasus`; why it cannot be read (one line naming the field), or nothing.
    QString read(Kasus& kasus) const;
    void show(const Kasus& kasus);

Q_SIGNALS:
    void changed();

private:
    enum Text {
        Name,
        Nik,
        BirthPlace,
        BirthDate,
        DeathPlace,
        DeathDate,
        Certificate,
        Address,
        TextCount
    };

    void showItemsTotal();

    QLocale m_locale;
    std::array<QLineEdit*, TextCount> m_texts{};
    QComboBox* m_sex = nullptr;
    QLineEdit* m_estate = nullptr;
    EstateItemsModel* m_items = nullptr;
    QTableView* m_itemsView = nullptr;
    QPlainTextEdit* m_notes = nullptr;
};

} // namespace zw::waris
