#pragma once

// What the special cases share: how a person is named, and a division's refusal in their words.

#include "waris/engine/faraid/FaraidEngine.h"

namespace zw::waris::parts {

inline QString kindName(HeirKind kind) {
    return heirInfo(kind).name;
}

// "Anak Pria 2" among several, "Anak Pria" alone.
inline QString numbered(HeirKind kind, int person, int count) {
    return count > 1 ? kindName(kind) % u' ' % QString::number(person) : kindName(kind);
}

// The refusal of one of the divisions, saying which.
inline FaraidError errorOf(const FaraidOutcome& outcome, const QString& where) {
    return FaraidError{where % std::get<FaraidError>(outcome).message};
}

} // namespace zw::waris::parts
