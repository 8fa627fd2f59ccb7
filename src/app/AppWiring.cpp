#include "app/AppWiring.h"

#include "app/AppFormNames.h"
#include "app/AppForms.h"
#include "ui/Form.h"

namespace zw {

AppWiring::AppWiring(Seams seams)
    : context{forms,
              navigation,
              seams.dialogs,
              seams.sounds,
              std::move(seams.locale),
              std::move(seams.now),
              std::move(seams.endProgram),
              seams.startUpPause,
              seams.closingPause} {
    registerAppForms(context);
    waris.registerForms();
    zakat.registerForms();
}

void AppWiring::openCaseFile(const QString& path) {
    if (navigation.openCase(path))
        forms.form(forms::Awal).hide();
}

} // namespace zw
