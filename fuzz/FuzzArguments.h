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

struct CommandRun {
    int status = 0;
    QString out;
    QString err;
};

using Command = int (*)(const QStringList&, QTextStream&, QTextStream&);

// Runs the command and checks what every run must hold: status 0 with output and no message, or
// status 2 with one line of refusal and no output.
inline CommandRun runCommand(Command command, const QStringList& arguments, const QString& prefix) {
    CommandRun run;
    {
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        run.status = command(arguments, out, err);
    }
    if (run.status == 0) {
        if (run.out.isEmpty() || !run.err.isEmpty())
            fail("success without output, or with a message", arguments, run.err);
    } else if (run.status == 2) {
        if (!run.out.isEmpty() || !run.err.startsWith(prefix) || !run.err.endsWith(u'\n') ||
            run.err.count(u'\n') != 1)
            fail("a refusal that is not one line", arguments, run.err);
    } else {
        fail("unexpected status", arguments, QString::number(run.status));
    }
    return run;
}

} // namespace zw::fuzz
