#include "zakat/ZakatForms.h"

namespace zw {

void registerZakatForms(AppContext&) {}
void clearZakatPayer(AppContext&) {}

} // namespace zw
