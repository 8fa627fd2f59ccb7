#include "zakat/ZakatKind.h"

using namespace Qt::StringLiterals;

namespace zw::zakat {

QString kindFormName(ZakatKind kind) {
    switch (kind) {
    case ZakatKind::Harta:
        return u"Form4"_s;
    case ZakatKind::Tani:
        return u"Form5"_s;
    case ZakatKind::Ternak:
        return u"Form6"_s;
    case ZakatKind::Fitrah:
        return u"Form7"_s;
    }
    Q_UNREACHABLE();
    return {};
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
    Q_UNREACHABLE();
    return {};
}

} // namespace zw::zakat
