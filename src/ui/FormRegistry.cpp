#include "ui/FormRegistry.h"

#include "ui/Form.h"

namespace zw {

FormRegistry::~FormRegistry() {
    for (const QPointer<Form>& form : std::as_const(m_forms))
        delete form.data();
    for (const QPointer<Form>& form : std::as_const(m_closing))
        delete form.data();
}

void FormRegistry::add(FormName name, Factory factory) {
    m_factories.insert(name.toString(), std::move(factory));
}

Form& FormRegistry::form(FormName formName) {
    const QString name = formName.toString();
    QPointer<Form>& slot = m_forms[name];
    if (!slot) {
        const auto factory = m_factories.constFind(name);
        if (factory == m_factories.cend())
            qFatal("FormRegistry: no form %s is registered", qUtf8Printable(name));
        slot = (*factory)();
        if (!slot)
            qFatal("FormRegistry: the factory of %s made no form", qUtf8Printable(name));
        slot->setObjectName(name);
        Q_EMIT created(name);
    }
    return *slot;
}

void FormRegistry::wrongClass(FormName name, const char* expected) {
    qFatal("FormRegistry: form %s is not a %s", qUtf8Printable(name.toString()), expected);
}

bool FormRegistry::exists(FormName name) const {
    const auto it = m_forms.constFind(name.toString());
    return it != m_forms.cend() && !it->isNull();
}

QStringList FormRegistry::names() const {
    QStringList names = m_factories.keys();
    names.sort();
    return names;
}

void FormRegistry::close(FormName name) {
    const auto it = m_forms.find(name.toString());
    if (it == m_forms.end() || it->isNull())
        return;
    Form* form = it->data();
    m_forms.erase(it);
    form->closeForGood();
    // Deferred: the form may be closing itself from one of its own handlers.
    m_closing.append(form);
    form->deleteLater();
}

} // namespace zw
