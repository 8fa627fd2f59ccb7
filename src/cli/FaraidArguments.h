#pragma once

#include "common/Choices.h"
#include "waris/engine/faraid/DivisionRequest.h"

#include <QString>
#include <QStringList>

#include <variant>

namespace zw {

// What `zakat-waris faraid` is asked to do.
struct FaraidArguments {
    waris::DivisionRequest request;
    bool json = false;
    bool help = false;
    QString casePath;      // --case: the persons and settings come from this file
    QString saveCasePath;  // --save-case: the case divided is written here
    QStringList overrides; // with --case, the options given, as "--law": they replace the file's
};

// The arguments as QCoreApplication::arguments() gives them (program, "faraid", ...) read into a
// request, or the refusal: one Indonesian line naming the option at fault. The request itself is
// checked when it is divided.
std::variant<FaraidArguments, QString> readFaraidArguments(const QStringList& arguments);

// Each choice option and its words, as --help lists them.
std::vector<OptionWords> choiceWords();

// Every option's name, without dashes, as the command reads them.
QStringList faraidOptionNames();

// The usage, with the heirs' identifiers from the catalogue.
QString faraidHelp();

} // namespace zw
