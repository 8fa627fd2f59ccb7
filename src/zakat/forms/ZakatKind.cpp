#include "zakat/forms/ZakatKind.h"

using namespace Qt::StringLiterals;

namespace zw::zakat {

FormName kindFormName(ZakatKind kind) {
    switch (kind) {
    case ZakatKind::Harta:
        return forms::Form4;
    case ZakatKind::Tani:
        return forms::Form5;
    case ZakatKind::Ternak:
        return forms::Form6;
    case ZakatKind::Fitrah:
        return forms::Form7;
    }
    qFatal("kindFormName: no zakat kind %d", static_cast<int>(kind));
}

QString kindRowText(ZakatKind kind) {
    switch (kind) {
    case ZakatKind::Harta:
        return u"H a r t a"_s;
    case ZakatKind::Tani:
        return u"Pertanian"_s;
    case ZakatKind::Ternak:
        return u"T e r n a k"_s;
    case ZakatKind::Fitrah:
        return u"F i t r a h"_s;
    }
    qFatal("kindRowText: no zakat kind %d", static_cast<int>(kind));
}

} // namespace zw::zakat
