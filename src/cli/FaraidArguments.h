#pragma once

#include "waris/engine/faraid/SpecialCases.h"

#include <QString>
#include <QStringList>

#include <variant>

namespace zw {

// What `zakat-waris faraid` is asked to do.
struct FaraidRequest {
    waris::FaraidInput input;
    waris::SpecialInput special; // its input is unused: `input` is the first deceased's
    bool json = false;
    bool compare = false; // both laws, side by side
    bool help = false;
};

// The arguments as QCoreApplication::arguments() gives them (program, "faraid", ...) read into a
// request, or the refusal: one Indonesian line naming the option at fault.
std::variant<FaraidRequest, QString> readFaraidArguments(const QStringList& arguments);

// The usage, with the heirs' identifiers from the catalogue.
QString faraidHelp();

} // namespace zw
