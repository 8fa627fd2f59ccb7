#include "app/AppNavigation.h"

#include "app/AppFormNames.h"
#include "ui/AppContext.h"
#include "ui/Form.h"
#include "ui/FormRegistry.h"
#include "waris/forms/WarisRoad.h"
#include "zakat/forms/ZakatRoad.h"

namespace zw {

namespace {

FormName helpOf(Road road) {
    return road == Road::Zakat ? forms::Form1 : forms::Bantuan;
}

} // namespace

AppNavigation::AppNavigation(AppContext& context, waris::WarisRoad& waris, zakat::ZakatRoad& zakat)
    : m_context(context)
    , m_waris(waris)
    , m_zakat(zakat) {}

void AppNavigation::enter(Road road) {
    if (road == Road::Zakat)
        m_zakat.enter();
    else
        m_waris.enter();
}

void AppNavigation::startAfresh(Road road) {
    if (road == Road::Zakat)
        m_zakat.startAfresh();
    else
        m_waris.startAfresh();
}

void AppNavigation::toMainMenu() {
    m_context.forms.form(forms::Awal).show();
}

void AppNavigation::showHelp(Road road) {
    m_context.forms.form(helpOf(road)).show();
}

void AppNavigation::hideHelp(Road road) {
    if (m_context.forms.exists(helpOf(road)))
        m_context.forms.form(helpOf(road)).hide();
}

bool AppNavigation::newCase() {
    return m_waris.newCase();
}

bool AppNavigation::openCase(const QString& path) {
    return m_waris.openCase(path);
}

void AppNavigation::toClosing() {
    // Kept open, the case goes on beside the main menu.
    if (!m_waris.mayQuit()) {
        toMainMenu();
        m_waris.showCase();
        return;
    }
    Form& closing = m_context.forms.form(forms::Akhir);
    closing.show();
    closing.repaint();
}

} // namespace zw
