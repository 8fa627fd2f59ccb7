#include "shell/ShellForms.h"

#include "shell/AboutWindow.h"
#include "shell/AppContext.h"
#include "shell/ClosingWindow.h"
#include "shell/FormRegistry.h"
#include "shell/HelpTexts.h"
#include "shell/HelpWindow.h"
#include "shell/MainMenu.h"
#include "shell/PasswordGate.h"
#include "shell/SplashWindow.h"

using namespace Qt::StringLiterals;

namespace zw {

void registerShellForms(AppContext& context) {
    FormRegistry& forms = context.forms;
    forms.add(u"Splash"_s, [&context] { return new SplashWindow(context); });
    forms.add(u"Awal"_s, [&context] { return new MainMenu(context); });
    forms.add(u"Sandi"_s, [&context] { return new PasswordGate(context); });
    forms.add(u"Programmer"_s, [&context] { return new AboutWindow(context); });
    forms.add(u"Akhir"_s, [&context] { return new ClosingWindow(context); });
    forms.add(u"Bantuan"_s, [&context] {
        return new HelpWindow(context, u"Petunjuk Penggunaan Aplikasi Harta Waris"_s,
                              inheritanceHelpText(), true);
    });
    forms.add(u"Form1"_s, [&context] {
        return new HelpWindow(context, u"Petunjuk Penggunaan Aplikasi Zakat"_s, zakatHelpText(),
                              false);
    });
}

} // namespace zw
