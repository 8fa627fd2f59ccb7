// `zakat-waris zakat` over arbitrary arguments: the reading, every kind with the shipped reference
// values, the text report or the JSON. Beside the command's protocol, the JSON parses and its total
// is the sum of the kinds' amounts due.
#include "FuzzArguments.h"
#include "cli/ZakatCommand.h"
#include "common/Rupiah.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;
using namespace zw;

namespace {

Rupiah plainAmount(const QJsonValue& value, const QStringList& arguments) {
    const auto read = readPlainAmount(value.toString());
    if (const auto* amount = std::get_if<Rupiah>(&read))
        return *amount;
    fuzz::fail("an amount in the JSON that does not read back", arguments, value.toString());
}

void checkJson(const QString& out, const QStringList& arguments) {
    const QJsonDocument document = QJsonDocument::fromJson(out.toUtf8());
    if (!document.isObject())
        fuzz::fail("the JSON does not parse", arguments, out.left(200));
    const QJsonObject root = document.object();
    Rupiah sum;
    for (const QJsonValue kind : root[u"kinds"_s].toArray()) {
        if (const QJsonValue due = kind[u"due"_s]; !due.isNull())
            sum += plainAmount(due, arguments);
    }
    if (sum != plainAmount(root[u"totalDue"_s], arguments))
        fuzz::fail("the total is not the sum of the kinds", arguments, sum.toPlainDecimal());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList arguments = fuzz::commandArguments(data, size, u"zakat"_s);
    const fuzz::CommandRun run =
        fuzz::runCommand(runZakatCommand, arguments, u"zakat-waris zakat: "_s);
    if (run.status == 0 && run.out.startsWith(u'{'))
        checkJson(run.out, arguments);
    return 0;
}
