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

    // The form, created first when it does not exist. A name nobody registered, or a form of
    // another class, ends the program with a message, in release builds too.
    Form& form(FormName name);
    template<class F> F& get(FormName name) {
        Form& found = form(name);
        auto* typed = qobject_cast<F*>(&found);
        if (typed == nullptr)
            wrongClass(name, F::staticMetaObject.className());
        return *typed;
    }

    bool exists(FormName name) const;
    // Every registered name, sorted.
    QStringList names() const;
    // Closes (unloads) the form if it exists; the next reference creates it afresh.
    void close(FormName name);

Q_SIGNALS:
    void created(const QString& name);

private:
    [[noreturn]] static void wrongClass(FormName name, const char* expected);

    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<Form>> m_forms;
    QList<QPointer<Form>> m_closing;
};

} // namespace zw
