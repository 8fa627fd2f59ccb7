#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

namespace zw::test {

// The rows of a table under tests/data: one a line, fields split by '|' and trimmed; lines that
// start with '#' and blank lines are left out. A line with another number of fields stops the
// test run, so that no row is quietly lost.
inline QList<QStringList> dataTable(const QString& name, qsizetype fields) {
    QFile file(QStringLiteral(ZW_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList row = line.split(u'|');
        if (row.size() != fields)
            qFatal("%s: not %d fields: %s", qPrintable(name), int(fields), qPrintable(line));
        for (QString& field : row)
            field = field.trimmed();
        rows.append(row);
    }
    return rows;
}

} // namespace zw::test
