#pragma once

#include <QStringList>

class QTextStream;

namespace zw {

// `zakat-waris zakat [options]`: the complete zakat of today without a display. `arguments` as
// QCoreApplication::arguments() gives them (program, "zakat", ...). Returns the exit status:
// 0 done, 2 bad input (one Indonesian line on `err`).
int runZakatCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runZakatCommand(const QStringList& arguments);

} // namespace zw
