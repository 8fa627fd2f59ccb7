// A case file of any bytes: read, written back, read into a request, divided and rendered as
// JSON. Beside not crashing: every refusal is one line, a case that reads comes back equal from
// its own bytes and writes them again alike, and a division hands out exactly the net estate.
#include "FuzzArguments.h"
#include "waris/engine/kasus/KasusFile.h"
#include "waris/engine/kasus/KasusRequest.h"
#include "waris/engine/render/DivisionJson.h"

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::waris;

namespace {

QStringList shown(const QByteArray& bytes) {
    return {QString::fromUtf8(bytes.left(300))};
}

void checkRefusal(const QString& message, const QByteArray& bytes) {
    if (message.isEmpty() || message.contains(u'\n'))
        fuzz::fail("a refusal that is not one line", shown(bytes), message);
}

void checkDivision(const DividedEstate& divided, const QByteArray& bytes) {
    const FaraidResult& result = divided.result;
    Fraction shares = result.unassigned;
    Rupiah amounts = result.unassignedAmount;
    for (const FaraidHeir& heir : result.heirs) {
        shares += heir.share;
        amounts += heir.amount;
    }
    if (!divided.special && shares != Fraction(1))
        fuzz::fail("the shares do not make the whole", shown(bytes), shares.toString());
    if (!divided.special && result.money && amounts != result.money->net)
        fuzz::fail("the amounts do not make the net estate", shown(bytes),
                   amounts.toPlainDecimal());
    if (divisionJson(divided).isEmpty())
        fuzz::fail("no JSON for a division", shown(bytes), QString());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = readKasus(bytes);
    if (const auto* problem = std::get_if<QString>(&read)) {
        checkRefusal(*problem, bytes);
        return 0;
    }
    const Kasus& kasus = std::get<Kasus>(read);
    const QByteArray written = kasusJson(kasus);
    const auto again = readKasus(written);
    if (!std::holds_alternative<Kasus>(again) || !(std::get<Kasus>(again) == kasus))
        fuzz::fail("a case does not come back from its own file", shown(bytes),
                   QString::fromUtf8(written.left(300)));
    if (kasusJson(std::get<Kasus>(again)) != written)
        fuzz::fail("a case is written two ways", shown(bytes), QString());
    const auto request = kasusRequest(kasus);
    if (const auto* error = std::get_if<FaraidError>(&request)) {
        checkRefusal(error->message, bytes);
        return 0;
    }
    const DivisionOutcome outcome = divide(std::get<DivisionRequest>(request));
    if (const auto* error = std::get_if<FaraidError>(&outcome))
        checkRefusal(error->message, bytes);
    else
        checkDivision(std::get<DividedEstate>(outcome), bytes);
    return 0;
}
