#include "shell/ShellForms.h"

namespace zw {

void registerShellForms(AppContext&) {}

} // namespace zw
