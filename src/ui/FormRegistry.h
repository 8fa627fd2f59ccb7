#pragma once

#include "ui/FormName.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

namespace zw {

class Form;

// One instance per form for the whole run, reachable by its designer name. A form is created
// on its first reference by the factory its subsystem registered; a form closed for good is
// created afresh, with its designed content, on its next reference.
class FormRegistry : public QObject {
    Q_OBJECT

public:
    using Factory = std::function<Form*()>;

    FormRegistry() = default;
    ~FormRegistry() override;

    void add(FormName name, Factory factory);

    // The form, created first when it does not exist.
    Form& form(FormName name);
    template<class F> F& get(FormName name) {
        auto* typed = qobject_cast<F*>(&form(name));
        Q_ASSERT(typed);
        return *typed;
    }

    bool exists(FormName name) const;
    // Closes (unloads) the form if it exists; the next reference creates it afresh.
    void close(FormName name);

Q_SIGNALS:
    void created(const QString& name);

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<Form>> m_forms;
    QList<QPointer<Form>> m_closing;
};

} // namespace zw
