#include "cli/FaraidCommand.h"

#include "cli/CommandLocale.h"
#include "cli/FaraidArguments.h"
#include "common/LineWriter.h"
#include "common/NumberFormat.h"
#include "common/TextFileSink.h"
#include "common/report/ReportText.h"
#include "waris/engine/render/DivisionJson.h"
#include "waris/engine/render/DivisionReport.h"
#include "waris/engine/render/SpecialCasesReport.h"

#include <QJsonDocument>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace zw {

namespace {

using namespace zw::waris;

// The report as the window and the saved file have it, without a time and a name.
void writeText(const DividedEstate& divided, QTextStream& out) {
    const QLocale locale = commandLocale();
    const FaraidInput& input = divided.input;
    const DivisionCase divisionCase{
        QString(), input.estate ? formatRupiah(*input.estate, locale) : QString(), input};
    TextFileSink sink;
    LineWriter writer(sink);
    const DivisionReport report(divisionCase, divided, locale);
    report::writeReport(fullReport(report, divided, locale), writer);
    for (const QString& line : sink.lines())
        out << line << u'\n';
}

} // namespace

int runFaraidCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const auto refuse = [&err](const QString& problem) {
        err << u"zakat-waris faraid: "_s << problem << u'\n';
        err.flush();
        return 2;
    };
    const auto read = readFaraidArguments(arguments);
    if (const auto* problem = std::get_if<QString>(&read))
        return refuse(*problem);
    const FaraidArguments& given = std::get<FaraidArguments>(read);
    if (given.help) {
        out << faraidHelp();
        out.flush();
        return 0;
    }
    const DivisionOutcome outcome = divide(given.request);
    if (const auto* error = std::get_if<FaraidError>(&outcome))
        return refuse(error->message);
    const auto& divided = std::get<DividedEstate>(outcome);
    if (given.json)
        out << QString::fromUtf8(QJsonDocument(divisionJson(divided)).toJson());
    else
        writeText(divided, out);
    out.flush();
    return 0;
}

int runFaraidCommand(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runFaraidCommand(arguments, out, err);
}

} // namespace zw
