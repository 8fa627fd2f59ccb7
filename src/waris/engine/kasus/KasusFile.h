#pragma once
#include "waris/engine/kasus/Kasus.h"
#include <variant>
namespace zw::waris {
std::optional<QString> saveKasus(const QString& path, const Kasus& kasus);
std::variant<Kasus, QString> openKasus(const QString& path);
}
