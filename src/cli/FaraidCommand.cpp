#include "cli/FaraidCommand.h"

#include "cli/CaseOverrides.h"
#include "cli/CommandLocale.h"
#include "cli/FaraidArguments.h"
#include "common/LineWriter.h"
#include "common/NumberFormat.h"
#include "common/TextFileSink.h"
#include "common/report/ReportText.h"
#include "waris/engine/kasus/KasusFile.h"
#include "waris/engine/kasus/KasusRequest.h"
#include "waris/engine/render/DivisionJson.h"
#include "waris/engine/render/DivisionReport.h"
#include "waris/engine/render/SpecialCasesReport.h"

#include <QJsonArray>
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

// What is divided: the arguments' request, or a case file's with the options given replacing
// its own, and the case it came from.
struct Division {
    DivisionRequest request;
    std::optional<Kasus> kasus;
};

std::variant<Division, QString> divisionOf(const FaraidArguments& given) {
    if (given.casePath.isEmpty())
        return Division{given.request, std::nullopt};
    auto opened = openKasus(given.casePath);
    if (auto* problem = std::get_if<QString>(&opened))
        return std::move(*problem);
    Kasus kasus = std::get<Kasus>(std::move(opened));
    overrideCase(given.overrides, given.request, kasus);
    auto read = kasusRequest(kasus);
    if (auto* error = std::get_if<FaraidError>(&read))
        return std::move(error->message);
    return Division{std::get<DivisionRequest>(std::move(read)), std::move(kasus)};
}

QString overridesNote(const FaraidArguments& given) {
    return u"Pilihan dari baris perintah menggantikan berkas: "_s % given.overrides.join(u", "_s);
}

void writeDivision(const FaraidArguments& given, const DividedEstate& divided, QTextStream& out) {
    if (given.json) {
        QJsonObject json = divisionJson(divided);
        if (!given.overrides.isEmpty())
            json.insert(u"caseOverrides"_s, QJsonArray::fromStringList(given.overrides));
        out << QString::fromUtf8(QJsonDocument(json).toJson());
        return;
    }
    if (!given.overrides.isEmpty())
        out << overridesNote(given) << u"\n\n"_s;
    writeText(divided, out);
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
    const auto division = divisionOf(given);
    if (const auto* problem = std::get_if<QString>(&division))
        return refuse(*problem);
    const auto& [request, kasus] = std::get<Division>(division);
    const DivisionOutcome outcome = divide(request);
    if (const auto* error = std::get_if<FaraidError>(&outcome))
        return refuse(error->message);
    if (!given.saveCasePath.isEmpty()) {
        if (auto problem =
                saveKasus(given.saveCasePath, kasus ? *kasus : kasusFromRequest(request)))
            return refuse(*problem);
    }
    writeDivision(given, std::get<DividedEstate>(outcome), out);
    out.flush();
    return 0;
}

int runFaraidCommand(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runFaraidCommand(arguments, out, err);
}

} // namespace zw
