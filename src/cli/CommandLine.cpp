#include "cli/CommandLine.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zw {

std::variant<CommandLine, QString> readCommandLine(const QStringList& arguments,
                                                   const std::vector<OptionSpec>& specs) {
    CommandLine line;
    bool optionsEnded = false;
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(u'-') || argument.size() == 1) {
            line.arguments.append(argument);
            continue;
        }
        if (argument == u"--"_s) {
            optionsEnded = true;
            continue;
        }
        const QString body = argument.mid(argument.startsWith(u"--"_s) ? 2 : 1);
        const qsizetype equals = body.indexOf(u'=');
        const QString name = body.left(equals < 0 ? body.size() : equals);
        const auto spec = std::ranges::find(specs, name, &OptionSpec::name);
        if (spec == specs.end())
            return u"Pilihan tidak dikenal: "_s % argument.left(argument.size() - body.size()) %
                   name % u" (lihat --help)."_s;
        const QString shown = u"--"_s % name;
        if (line.isSet(name) && spec->takes != Takes::Values)
            return u"Pilihan "_s % shown % u" disebut lebih dari sekali."_s;
        QStringList& values = line.options[name];
        if (spec->takes == Takes::Nothing) {
            if (equals >= 0)
                return u"Pilihan "_s % shown % u" tidak memakai nilai."_s;
        } else if (equals >= 0) {
            values.append(body.mid(equals + 1));
        } else if (i + 1 < arguments.size()) {
            values.append(arguments[++i]);
        } else {
            return u"Pilihan "_s % shown % u" memerlukan nilai."_s;
        }
    }
    return line;
}

} // namespace zw
