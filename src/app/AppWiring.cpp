#include "app/AppWiring.h"

#include "app/AppForms.h"

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

} // namespace zw
