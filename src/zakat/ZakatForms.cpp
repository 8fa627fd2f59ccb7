#include "zakat/ZakatForms.h"

namespace zw {

void registerZakatForms(AppContext&) {}

} // namespace zw
