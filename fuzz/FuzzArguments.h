#pragma once

// The fuzz input as a command line: one argument a line, after the program and the command.

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace zw::fuzz {

using namespace Qt::StringLiterals;

inline QStringList commandArguments(const std::uint8_t* data, std::size_t size,
                                    const QString& command) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList arguments{u"zakat-waris"_s, command};
    if (!text.isEmpty())
        arguments += text.split(u'\n');
    return arguments;
}

[[noreturn]] inline void fail(const char* what, const QStringList& arguments,
                              const QString& detail) {
    std::fprintf(stderr, "%s\n  arguments: [%s]\n  detail: [%s]\n", what,
                 qUtf8Printable(arguments.join(u"] ["_s)), qUtf8Printable(detail));
    std::abort();
}

// What every run of a command must hold: status 0 with output and no message, or status 2 with
// one line of refusal and no output.
inline void checkProtocol(int status, const QString& out, const QString& err, const QString& prefix,
                          const QStringList& arguments) {
    if (status == 0) {
        if (out.isEmpty() || !err.isEmpty())
            fail("success without output, or with a message", arguments, err);
    } else if (status == 2) {
        if (!out.isEmpty() || !err.startsWith(prefix) || !err.endsWith(u'\n') ||
            err.count(u'\n') != 1)
            fail("a refusal that is not one line", arguments, err);
    } else {
        fail("unexpected status", arguments, QString::number(status));
    }
}

} // namespace zw::fuzz
