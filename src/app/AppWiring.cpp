#include "app/AppWiring.h"

#include "app/AppForms.h"
#include "waris/forms/WarisForms.h"
#include "zakat/forms/ZakatForms.h"

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
    waris::registerWarisForms(context, waris);
    zakat::registerZakatForms(context, zakat);
}

} // namespace zw
