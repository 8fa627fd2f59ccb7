#include "cli/CommandLocale.h"

namespace zw {

QLocale commandLocale() {
    const QLocale system;
    return system.language() == QLocale::C ? QLocale(QLocale::Indonesian, QLocale::Indonesia)
                                           : system;
}

} // namespace zw
