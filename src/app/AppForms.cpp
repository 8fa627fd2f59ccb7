#include "app/AppForms.h"

#include "app/AboutWindow.h"
#include "app/AppFormNames.h"
#include "app/ClosingWindow.h"
#include "app/HelpTexts.h"
#include "app/HelpWindow.h"
#include "app/MainMenu.h"
#include "app/PasswordGate.h"
#include "app/SplashWindow.h"
#include "ui/AppContext.h"
#include "ui/FormRegistry.h"

using namespace Qt::StringLiterals;

namespace zw {

void registerAppForms(AppContext& context) {
    FormRegistry& registry = context.forms;
    registry.add(forms::Splash, [&context] { return new SplashWindow(context); });
    registry.add(forms::Awal, [&context] { return new MainMenu(context); });
    registry.add(forms::Sandi, [&context] { return new PasswordGate(context); });
    registry.add(forms::Programmer, [&context] { return new AboutWindow(context); });
    registry.add(forms::Akhir, [&context] { return new ClosingWindow(context); });
    registry.add(forms::Bantuan, [&context] {
        return new HelpWindow(context, u"Petunjuk Penggunaan Aplikasi Harta Waris"_s,
                              inheritanceHelpText(), true);
    });
    registry.add(forms::Form1, [&context] {
        return new HelpWindow(context, u"Petunjuk Penggunaan Aplikasi Zakat"_s, zakatHelpText(),
                              false);
    });
}

} // namespace zw
