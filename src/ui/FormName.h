#pragma once

#include <QString>
#include <QStringView>

namespace zw {

// The designer name of a form: its objectName and its key in the registry.
class FormName {
public:
    explicit constexpr FormName(QStringView name)
        : m_name(name) {}

    QString toString() const { return m_name.toString(); }
    constexpr QStringView view() const { return m_name; }

private:
    QStringView m_name;
};

} // namespace zw
