// `zakat-waris faraid` over arbitrary arguments: the reading, the division under the law asked
// (and the other, for --compare), the text report or the JSON. Beside the command's protocol, a
// division that completes hands out exactly the net estate, sen for sen, and the whole of it in
// shares.
#include "FuzzArguments.h"
#include "cli/FaraidArguments.h"
#include "cli/FaraidCommand.h"
#include "waris/engine/faraid/FaraidEngine.h"

#include <QJsonDocument>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::waris;

namespace {

void checkDivision(const FaraidInput& input, const QStringList& arguments) {
    const FaraidOutcome outcome = divideEstate(input);
    const auto* result = std::get_if<FaraidResult>(&outcome);
    if (result == nullptr)
        return;
    Fraction shares = result->unassigned;
    Rupiah amounts = result->unassignedAmount;
    for (const FaraidHeir& heir : result->heirs) {
        if (heir.count <= 0 || heir.share < Fraction(0))
            fuzz::fail("an heir without persons or with a negative share", arguments,
                       heirInfo(heir.kind).identifier);
        shares += heir.share;
        amounts += heir.amount;
    }
    if (shares != Fraction(1))
        fuzz::fail("the shares do not make the whole", arguments, shares.toString());
    if (result->money && amounts != result->money->net)
        fuzz::fail("the amounts do not make the net estate", arguments, amounts.toPlainDecimal());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList arguments = fuzz::commandArguments(data, size, u"faraid"_s);
    const auto read = readFaraidArguments(arguments);
    const auto* given = std::get_if<FaraidArguments>(&read);
    // Never a file written wherever the input names; fuzz_kasus_file reads cases.
    if (given && (!given->saveCasePath.isEmpty() || !given->casePath.isEmpty()))
        return 0;
    const fuzz::CommandRun run =
        fuzz::runCommand(runFaraidCommand, arguments, u"zakat-waris faraid: "_s);
    if (given) {
        if (run.status == 0 && given->json && !given->help &&
            QJsonDocument::fromJson(run.out.toUtf8()).isNull())
            fuzz::fail("the JSON does not parse", arguments, run.out.left(200));
        if (!given->help)
            checkDivision(given->request.input, arguments);
    }
    return 0;
}
