#include "common/report/Report.h"

using namespace Qt::StringLiterals;

namespace zw::report {

QString numberedStep(qsizetype index, const QString& step) {
    return QString::number(index + 1) % u". "_s % step;
}

} // namespace zw::report
