#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <variant>
#include <vector>

namespace zw {

// What an option of a command takes after its name.
enum class Takes : std::uint8_t { Nothing, Value, Values };

struct OptionSpec {
    QString name; // without dashes: "estate", "h"
    Takes takes;
};

// The options of one command line by name, with their values (none for a flag), and the other
// arguments in their order.
struct CommandLine {
    QMap<QString, QStringList> options;
    QStringList arguments;

    bool isSet(const QString& name) const { return options.contains(name); }
    QString value(const QString& name, const QString& fallback = {}) const {
        return options.value(name, {fallback}).value(0);
    }
};

// Reads "--name value", "--name=value" and "-name value", and "--" before arguments that look
// like options, from the arguments after the command's name (QCoreApplication::arguments()
// gives program, command, ...). Only an option that takes Values may come more than once. The
// refusal is one Indonesian line: an unknown option, a value missing or one given to a flag.
std::variant<CommandLine, QString> readCommandLine(const QStringList& arguments,
                                                   const std::vector<OptionSpec>& specs);

} // namespace zw
