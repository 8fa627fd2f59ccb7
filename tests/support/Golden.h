#pragma once

#include <QFile>
#include <QList>
#include <QString>

#include <algorithm>

namespace zw::test {

// Empty when the bytes equal the file under tests/data, else the first line that differs.
// ZW_UPDATE_GOLDEN=1 writes the file instead; review the difference before committing it.
inline QString goldenDifference(const QByteArray& bytes, const QString& name) {
    QFile file(QStringLiteral(ZW_TEST_DATA "/") + name);
    if (qEnvironmentVariableIsSet("ZW_UPDATE_GOLDEN"))
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? QString()
                                                                                    : name;
    const QList<QByteArray> want =
        file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
    const QList<QByteArray> got = bytes.split('\n');
    for (qsizetype line = 0; line < std::max(want.size(), got.size()); ++line) {
        if (want.value(line) != got.value(line))
            return QStringLiteral("%1, line %2:\n  expected \"%3\"\n  written  \"%4\"")
                .arg(name, QString::number(line + 1), QString::fromLatin1(want.value(line)),
                     QString::fromLatin1(got.value(line)));
    }
    return {};
}

} // namespace zw::test
