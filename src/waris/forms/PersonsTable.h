#pragma once

#include "waris/engine/kasus/Kasus.h"

#include <QWidget>

class QLineEdit;
class QTableView;

namespace zw::waris {

class PersonsModel;

// The tab Ahli Waris of Pembagian: the table of every person (DaftarAhliWaris), a person added or
// removed by buttons, and several added at once by typing their kinds ("Istri, AnakPria=2").
class PersonsTable final : public QWidget {
    Q_OBJECT

public:
    explicit PersonsTable(QWidget* parent);

    const std::vector<Person>& persons() const;
    void setPersons(std::vector<Person> persons);
    // Why the typed kinds cannot be added, or nothing.
    QString addTyped(const QString& text);

Q_SIGNALS:
    void changed();

private:
    void addOne();
    void removeCurrent();

    PersonsModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QLineEdit* m_typed = nullptr;
};

} // namespace zw::waris
