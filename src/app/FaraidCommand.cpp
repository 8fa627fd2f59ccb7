#include "app/FaraidCommand.h"

#include "common/LineWriter.h"
#include "common/NumberFormat.h"
#include "common/TextFileSink.h"
#include "common/report/ReportText.h"
#include "waris/engine/faraid/FaraidEngine.h"
#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/render/DivisionReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTextStream>

#include <variant>

using namespace Qt::StringLiterals;

namespace zw {

namespace {

using namespace zw::waris;

const QString Usage = uR"(Pemakaian: zakat-waris faraid [pilihan] AHLIWARIS[=JUMLAH]...

Membagi harta warisan secara lengkap menurut faraid (ashabul furudh, ashabah,
'aul, radd, tashih) dan mencetak pembagiannya tanpa membuka jendela.

AHLIWARIS adalah salah satu dari:
)"_s;

const QString Options = uR"((huruf besar/kecil tidak dibedakan); JUMLAH orang 1-%1, bawaan 1.

Pilihan:
  --estate JUMLAH        harta peninggalan, misalnya 1500000.50
  --funeral JUMLAH       biaya pengurusan jenazah
  --debts JUMLAH         utang
  --bequest JUMLAH       wasiat (paling banyak 1/3 sisa setelah biaya dan utang)
  --grandfather zayd|hanafi
                         kakek bersama saudara: cara Zaid (bawaan) atau
                         kakek menghalangi saudara seperti bapak
  --mushtaraka share|none
                         saudara sekandung ikut berbagi 1/3 saudara seibu
                         (bawaan) atau tidak mendapat apa-apa
  --grandmother maternal|paternal
                         nenek dari pihak ibu (bawaan) atau pihak bapak
                         (juga terhalang oleh bapak)
  --spouse-alone treasury|rest-to-spouse
                         bila hanya suami/istri: sisa ke Baitul Mal (bawaan)
                         atau dikembalikan kepada suami/istri
  --format text|json     keluaran: tabel dan langkah (bawaan) atau JSON
  -h, --help             menampilkan bantuan ini

Jumlah uang ditulis dengan angka saja dan titik sebagai pemisah desimal,
paling banyak dua angka desimal. Status keluar: 0 berhasil, 2 masukan salah.
)"_s;

// The identifiers of the catalogue, filled into lines of at most 78 characters.
QString helpText() {
    QString text = Usage;
    QString line = u" "_s;
    for (int k = 0; k < HeirKindCount; ++k) {
        const QString& identifier = heirInfo(heirKind(k)).identifier;
        if (line.size() + 1 + identifier.size() > 78) {
            text += line % u'\n';
            line = u" "_s;
        }
        line += u' ' % identifier;
    }
    return text % line % u'\n' % Options.arg(MaxPersons);
}

enum class Takes : std::uint8_t { Nothing, Value };

struct OptionSpec {
    QString name;
    Takes takes;
};

const std::vector<OptionSpec>& optionSpecs() {
    static const std::vector<OptionSpec> specs{
        {u"estate"_s, Takes::Value},      {u"funeral"_s, Takes::Value},
        {u"debts"_s, Takes::Value},       {u"bequest"_s, Takes::Value},
        {u"grandfather"_s, Takes::Value}, {u"mushtaraka"_s, Takes::Value},
        {u"grandmother"_s, Takes::Value}, {u"spouse-alone"_s, Takes::Value},
        {u"format"_s, Takes::Value},      {u"help"_s, Takes::Nothing},
        {u"h"_s, Takes::Nothing},
    };
    return specs;
}

// The options by name (an option without a value holds an empty text) and the heirs.
struct CommandLine {
    QMap<QString, QString> options;
    QStringList heirs;

    bool isSet(const QString& name) const { return options.contains(name); }
    QString value(const QString& name, const QString& fallback = {}) const {
        return options.value(name, fallback);
    }
};

// "--name value", "--name=value", "-name value" and "--" before heirs that look like options.
std::variant<CommandLine, QString> splitArguments(const QStringList& arguments) {
    CommandLine line;
    bool optionsEnded = false;
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(u'-') || argument.size() == 1) {
            line.heirs.append(argument);
            continue;
        }
        if (argument == u"--"_s) {
            optionsEnded = true;
            continue;
        }
        const QString body = argument.mid(argument.startsWith(u"--"_s) ? 2 : 1);
        const qsizetype equals = body.indexOf(u'=');
        const QString name = body.left(equals < 0 ? body.size() : equals);
        const auto spec = std::ranges::find(optionSpecs(), name, &OptionSpec::name);
        if (spec == optionSpecs().end())
            return u"Pilihan tidak dikenal: "_s % argument.left(argument.size() - body.size()) %
                   name % u" (lihat --help)."_s;
        const QString shown = u"--"_s % name;
        if (line.isSet(name))
            return u"Pilihan "_s % shown % u" disebut lebih dari sekali."_s;
        if (spec->takes == Takes::Nothing) {
            if (equals >= 0)
                return u"Pilihan "_s % shown % u" tidak memakai nilai."_s;
            line.options.insert(name, QString());
        } else if (equals >= 0) {
            line.options.insert(name, body.mid(equals + 1));
        } else if (i + 1 < arguments.size()) {
            line.options.insert(name, arguments[++i]);
        } else {
            return u"Pilihan "_s % shown % u" memerlukan nilai."_s;
        }
    }
    return line;
}

template<typename Enum>
std::optional<Enum> choice(const QString& value,
                           std::initializer_list<std::pair<QString, Enum>> choices) {
    for (const auto& [name, e] : choices) {
        if (value.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    }
    return std::nullopt;
}

// Reads an amount option into `target`; the refusal, or nothing.
QString readAmount(const CommandLine& line, const QString& name, std::optional<Rupiah>& target) {
    if (!line.isSet(name))
        return {};
    const QString text = line.value(name).trimmed();
    const AmountReading reading = readPlainAmount(text);
    if (const auto* amount = std::get_if<Rupiah>(&reading)) {
        target = *amount;
        return {};
    }
    switch (std::get<AmountError>(reading)) {
    case AmountError::Negative:
        return u"Jumlah --"_s % name % u" tidak boleh negatif: "_s % text;
    case AmountError::TooLarge:
        return u"Jumlah --"_s % name % u" terlalu besar (paling banyak "_s %
               Rupiah::max().toPlainDecimal() % u"): "_s % text;
    case AmountError::NotANumber:
        break;
    }
    return u"Jumlah --"_s % name %
           u" bukan angka yang sah (angka dengan titik desimal, paling banyak dua desimal): "_s %
           text;
}

QString readOptions(const CommandLine& line, FaraidOptions& o) {
    const auto g = choice<GrandfatherRule>(
        line.value(u"grandfather"_s, u"zayd"_s),
        {{u"zayd"_s, GrandfatherRule::Zayd}, {u"hanafi"_s, GrandfatherRule::Hanafi}});
    const auto m = choice<MushtarakaRule>(
        line.value(u"mushtaraka"_s, u"share"_s),
        {{u"share"_s, MushtarakaRule::Share}, {u"none"_s, MushtarakaRule::None}});
    const auto n = choice<GrandmotherSide>(
        line.value(u"grandmother"_s, u"maternal"_s),
        {{u"maternal"_s, GrandmotherSide::Maternal}, {u"paternal"_s, GrandmotherSide::Paternal}});
    const auto s = choice<SpouseAloneRule>(line.value(u"spouse-alone"_s, u"treasury"_s),
                                           {{u"treasury"_s, SpouseAloneRule::Treasury},
                                            {u"rest-to-spouse"_s, SpouseAloneRule::RestToSpouse}});
    if (!g)
        return u"--grandfather harus zayd atau hanafi."_s;
    if (!m)
        return u"--mushtaraka harus share atau none."_s;
    if (!n)
        return u"--grandmother harus maternal atau paternal."_s;
    if (!s)
        return u"--spouse-alone harus treasury atau rest-to-spouse."_s;
    o = {*g, *m, *n, *s};
    return {};
}

QString readHeirs(const QStringList& heirs, PerKind<int>& counts) {
    for (const QString& argument : heirs) {
        const qsizetype equals = argument.indexOf(u'=');
        const QStringView name = QStringView(argument).left(equals < 0 ? argument.size() : equals);
        const auto kind = heirKindNamed(name);
        if (!kind)
            return u"Ahli waris tidak dikenal: "_s % name.toString() % u" (lihat --help)."_s;
        const QString& kindName = heirInfo(*kind).name;
        int count = 1;
        if (equals >= 0) {
            bool ok = false;
            const QString digits = argument.mid(equals + 1);
            count = digits.toInt(&ok);
            if (!ok || digits.isEmpty() || !digits.front().isDigit())
                return u"Jumlah "_s % kindName % u" bukan bilangan bulat: "_s % digits;
            if (count < 1 || count > MaxPersons)
                return u"Jumlah "_s % kindName % u" harus antara 1 dan "_s %
                       QString::number(MaxPersons) % u'.';
        }
        if (counts[*kind] != 0)
            return kindName % u" disebut lebih dari sekali."_s;
        counts[*kind] = count;
    }
    return {};
}

struct Parsed {
    FaraidInput input;
    bool json = false;
    bool help = false;
};

// Fills `parsed`, or returns the message of the first problem.
QString parse(const QStringList& arguments, Parsed& parsed) {
    auto split = splitArguments(arguments);
    if (const auto* problem = std::get_if<QString>(&split))
        return *problem;
    const CommandLine& line = std::get<CommandLine>(split);
    if (line.isSet(u"help"_s) || line.isSet(u"h"_s)) {
        parsed.help = true;
        return {};
    }
    FaraidInput& input = parsed.input;
    const std::pair<QString, std::optional<Rupiah>*> amounts[] = {{u"estate"_s, &input.estate},
                                                                  {u"funeral"_s, &input.funeral},
                                                                  {u"debts"_s, &input.debts},
                                                                  {u"bequest"_s, &input.bequest}};
    for (const auto& [name, target] : amounts) {
        if (QString problem = readAmount(line, name, *target); !problem.isEmpty())
            return problem;
    }
    if (!input.estate && (input.funeral || input.debts || input.bequest))
        return u"--funeral, --debts dan --bequest memerlukan --estate."_s;
    if (QString problem = readOptions(line, input.options); !problem.isEmpty())
        return problem;
    const auto format =
        choice<bool>(line.value(u"format"_s, u"text"_s), {{u"text"_s, false}, {u"json"_s, true}});
    if (!format)
        return u"--format harus text atau json."_s;
    parsed.json = *format;
    return readHeirs(line.heirs, input.counts);
}

QString statusWord(FaraidStatus status) {
    switch (status) {
    case FaraidStatus::Fard:
        return u"fard"_s;
    case FaraidStatus::Ashabah:
        return u"ashabah"_s;
    case FaraidStatus::Blocked:
        return u"blocked"_s;
    }
    return {};
}

QJsonValue amountOrNull(const FaraidResult& r, Rupiah amount) {
    return r.money ? QJsonValue(amount.toPlainDecimal()) : QJsonValue(QJsonValue::Null);
}

QByteArray toJson(const FaraidResult& r) {
    QJsonObject root;
    root[u"netEstate"_s] =
        r.money ? QJsonValue(r.money->net.toPlainDecimal()) : QJsonValue(QJsonValue::Null);
    root[u"bequest"_s] =
        r.money ? QJsonValue(r.money->bequest.toPlainDecimal()) : QJsonValue(QJsonValue::Null);
    root[u"base"_s] = static_cast<qint64>(r.base);
    root[u"awl"_s] = r.awl;
    root[u"awlBase"_s] =
        r.awl ? QJsonValue(static_cast<qint64>(r.awlBase)) : QJsonValue(QJsonValue::Null);
    root[u"radd"_s] = r.radd;
    root[u"special"_s] = QJsonArray::fromStringList(specialCaseNames(r));
    root[u"unassigned"_s] = r.unassigned.toString();
    root[u"unassignedAmount"_s] = amountOrNull(r, r.unassignedAmount);
    root[u"steps"_s] = QJsonArray::fromStringList(faraidSteps(r, plainMoney()));
    QJsonArray heirs;
    for (const FaraidHeir& h : r.heirs) {
        QJsonObject heir;
        heir[u"kind"_s] = heirInfo(h.kind).identifier;
        heir[u"index"_s] = index(h.kind);
        heir[u"count"_s] = h.count;
        heir[u"status"_s] = statusWord(h.status);
        heir[u"share"_s] = h.share.toString();
        heir[u"perPerson"_s] = h.perPerson.toString();
        heir[u"amount"_s] = amountOrNull(r, h.amount);
        QJsonArray persons;
        for (int p = 0; r.money && p < h.count; ++p)
            persons.append(h.amountOfPerson(p).toPlainDecimal());
        heir[u"personAmounts"_s] = persons;
        heir[u"basis"_s] = h.basis;
        QJsonArray blockers;
        for (const HeirKind k : h.blockedBy)
            blockers.append(heirInfo(k).identifier);
        heir[u"blockedBy"_s] = blockers;
        heir[u"differsFromTable"_s] = !h.tableDifference.isEmpty();
        heirs.append(heir);
    }
    root[u"heirs"_s] = heirs;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

// The report as the window and the saved file have it, without a time and a name.
void writeText(const FaraidInput& input, const FaraidResult& result, QTextStream& out) {
    const QLocale locale;
    const DivisionCase divisionCase{
        QString(), input.estate ? formatRupiah(*input.estate, locale) : QString(), input};
    TextFileSink sink;
    LineWriter writer(sink);
    report::writeReport(DivisionReport(divisionCase, result, locale).report(), writer);
    for (const QString& line : sink.lines())
        out << line << u'\n';
}

} // namespace

int runFaraidCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    Parsed parsed;
    if (const QString problem = parse(arguments, parsed); !problem.isEmpty()) {
        err << u"zakat-waris faraid: "_s << problem << u'\n';
        err.flush();
        return 2;
    }
    if (parsed.help) {
        out << helpText();
        out.flush();
        return 0;
    }
    const FaraidOutcome outcome = divideEstate(parsed.input);
    if (const auto* error = std::get_if<FaraidError>(&outcome)) {
        err << u"zakat-waris faraid: "_s << error->message << u'\n';
        err.flush();
        return 2;
    }
    const auto& result = std::get<FaraidResult>(outcome);
    if (parsed.json)
        out << QString::fromUtf8(toJson(result));
    else
        writeText(parsed.input, result, out);
    out.flush();
    return 0;
}

int runFaraidCommand(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runFaraidCommand(arguments, out, err);
}

} // namespace zw
