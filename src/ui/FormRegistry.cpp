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
        Q_ASSERT_X(factory != m_factories.cend(), "FormRegistry", "form not registered");
        slot = (*factory)();
        slot->setObjectName(name);
        Q_EMIT created(name);
    }
    return *slot;
}

bool FormRegistry::exists(FormName name) const {
    const auto it = m_forms.constFind(name.toString());
    return it != m_forms.cend() && !it->isNull();
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
