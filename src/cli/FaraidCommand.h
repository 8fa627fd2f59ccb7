#pragma once

#include <QStringList>

class QTextStream;

namespace zw {

// `zakat-waris faraid [options] HEIR[=COUNT]...`: the full division without a display.
// `arguments` as QCoreApplication::arguments() gives them (program, "faraid", ...). Returns the
// exit status: 0 done, 2 bad input (one line on `err`).
int runFaraidCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runFaraidCommand(const QStringList& arguments);

} // namespace zw
