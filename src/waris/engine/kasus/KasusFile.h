#pragma once

// A case on disk (FILE.waris): JSON that names its format and version, amounts as exact decimal
// strings, dates ISO, every choice by its word. A file of an older version is read into today's
// value; a newer, damaged or foreign one is refused with one Indonesian line.

#include "waris/engine/kasus/Kasus.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

namespace zw::waris {

inline constexpr QStringView KasusFormat = u"zakat-waris-kasus";
inline constexpr int KasusVersion = 1;
inline constexpr QStringView KasusSuffix = u"waris"; // FILE.waris
inline constexpr qint64 MaxKasusFileSize = 1024 * 1024;

// The file's bytes: the same case always gives the same bytes.
QByteArray kasusJson(const Kasus& kasus);
// The case, or what is wrong and where ("Berkas kasus rusak: orang ke-4: hubungan 'Menantu' tidak
// dikenal.").
std::variant<Kasus, QString> readKasus(const QByteArray& bytes);

// Written whole or not at all; the refusal, or nothing.
std::optional<QString> saveKasus(const QString& path, const Kasus& kasus);
std::variant<Kasus, QString> openKasus(const QString& path);

} // namespace zw::waris
