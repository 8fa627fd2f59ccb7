#include "waris/forms/TypedDate.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

const QString Shown = u"dd-MM-yyyy"_s;

} // namespace

std::optional<QDate> readTypedDate(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QDate();
    for (const QString& format : {Shown, u"d-M-yyyy"_s, u"d/M/yyyy"_s, u"yyyy-MM-dd"_s}) {
        if (const QDate date = QDate::fromString(trimmed, format); date.isValid())
            return date;
    }
    return std::nullopt;
}

QString typedDate(QDate date) {
    return date.toString(Shown);
}

} // namespace zw::waris
