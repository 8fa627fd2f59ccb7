#include "waris/WarisForms.h"

namespace zw {

void registerWarisForms(AppContext&) {}
void resetInheritanceEntry(AppContext&) {}
void clearDeceasedTexts(AppContext&) {}

} // namespace zw
