#include "cli/ZakatCommand.h"

#include "cli/CommandLine.h"
#include "cli/CommandLocale.h"
#include "common/LineWriter.h"
#include "common/TextFileSink.h"
#include "common/report/ReportText.h"
#include "zakat/engine/complete/CompleteJson.h"
#include "zakat/engine/complete/CompleteReport.h"
#include "zakat/engine/complete/CompleteZakat.h"
#include "zakat/engine/complete/ZakatChoices.h"

#include <QLocale>
#include <QTextStream>

#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace zw {

namespace {

using namespace zw::zakat::complete;

// %1 to %6: the choices' lines, in the order of choiceOptions().
const QString HelpText = uR"(Pemakaian: zakat-waris zakat [pilihan]

Menghitung zakat lengkap menurut ketentuan sekarang (PMA 52/2014 jo. PMA 31/2019,
keputusan BAZNAS) tanpa membuka jendela. Sebuah jenis zakat dihitung bila salah
satu pilihannya sendiri diberikan.

Pengaturan:
  --year TAHUN              tahun nilai acuan (bawaan: tahun terakhir yang ada)
%1dasar nishab uang: angka BAZNAS (bawaan), 85 g emas
                            atau 595 g perak
  --gold-price JUMLAH       harga 1 gram emas murni
  --silver-price JUMLAH     harga 1 gram perak
%2harta sudah dimiliki satu tahun (bawaan yes)
Penghasilan:
  --income JUMLAH           penghasilan
  --income-other JUMLAH     penghasilan lain
  --income-deductions JUMLAH
                            kebutuhan pokok atau cicilan yang dikurangkan
%3per bulan (bawaan) atau per tahun
Simpanan:
  --cash JUMLAH             uang tunai, tabungan dan deposito
  --securities JUMLAH       surat berharga
  --receivables JUMLAH      piutang yang dapat ditagih
  --debts JUMLAH            utang jatuh tempo
Emas dan perak:
  --gold-grams BERAT        berat emas dalam gram
  --gold-karat KARAT        kadar emas 1-24 (bawaan 24)
  --silver-grams BERAT      berat perak dalam gram
Perdagangan:
  --trade-assets JUMLAH     barang dagangan (nilai sekarang) dan kas usaha
  --trade-receivables JUMLAH
                            piutang dagang yang dapat ditagih
  --trade-debts JUMLAH      utang jangka pendek
Pertanian:
  --harvest-kg BERAT        hasil panen dalam kg gabah
%4tadah hujan 10% (bawaan), irigasi berbiaya 5%,
                            campuran 7,5%
  --harvest-price JUMLAH    harga 1 kg gabah
Ternak (digembalakan):
  --camels EKOR  --cattle EKOR  --goats EKOR
Rikaz dan tambang:
  --rikaz JUMLAH            harta temuan (20%)
  --mining JUMLAH           hasil tambang (2,5% bila mencapai nishab)
Zakat fitrah:
  --fitrah-persons ORANG    jumlah jiwa
%5uang (bawaan), 2,5 kg beras atau 3,5 liter beras
  --fitrah-value JUMLAH     uang per orang (bawaan: nilai tahun itu), atau
                            harga 1 kg / 1 liter beras
Keluaran:
%6ringkasan dan langkah (bawaan) atau JSON
  -h, --help                menampilkan bantuan ini

Jumlah dan berat ditulis dengan angka saja dan titik sebagai pemisah desimal,
paling banyak dua angka desimal. Status keluar: 0 berhasil, 2 masukan salah.
)"_s;

struct Parsed {
    ZakatEntry entry;
    bool json = false;
    bool help = false;
};

constexpr std::array<Choice<bool>, 2> Formats{{
    {false, u"text", u"ringkasan dan langkah"},
    {true, u"json", u"JSON"},
}};
constexpr ChoiceOption<bool> FormatOption{u"format", Formats};

// The entry's choices and the output's, in the order of the help.
std::vector<OptionWords> choiceOptions() {
    std::vector<OptionWords> options = choiceWords();
    options.push_back(FormatOption.optionWords());
    return options;
}

// Where the help's explanations begin.
constexpr qsizetype HelpColumn = 28;

// "  --haul yes|no" up to the explanation's column, or on a line of its own when too long.
QString helpHead(const OptionWords& option) {
    const QString head = u"  --"_s % option.option % u' ' % option.words.join(u'|');
    if (head.size() < HelpColumn)
        return head.leftJustified(HelpColumn);
    return head % u'\n' % QString(HelpColumn, u' ');
}

QString helpText() {
    const std::vector<OptionWords> options = choiceOptions();
    QString text = HelpText;
    for (const OptionWords& option : options)
        text = text.arg(helpHead(option));
    return text;
}

QString optionOf(Field field) {
    return u"--"_s % fieldOption(field);
}

std::vector<OptionSpec> optionSpecs() {
    std::vector<OptionSpec> specs{{u"help"_s, Takes::Nothing}, {u"h"_s, Takes::Nothing}};
    for (int f = 0; f < FieldCount; ++f)
        specs.push_back({fieldOption(static_cast<Field>(f)), Takes::Value});
    for (const OptionWords& option : choiceOptions())
        specs.push_back({option.option.toString(), Takes::Value});
    return specs;
}

// Sets the choice `name` to `text`, or says which words it takes.
QString choose(const QString& name, const QString& text, Parsed& parsed) {
    if (name == FormatOption.option) {
        if (const auto json = FormatOption.read(text.trimmed())) {
            parsed.json = *json;
            return {};
        }
    } else if (parsed.entry.choose(name, text)) {
        return {};
    }
    const std::vector<OptionWords> options = choiceOptions();
    const auto option = std::find_if(options.cbegin(), options.cend(),
                                     [&name](const OptionWords& o) { return o.option == name; });
    return u"--"_s % name % u" harus "_s % option->words.join(u", "_s) % u'.';
}

// Fills `parsed`, or returns the message of the first problem.
QString parse(const QStringList& arguments, Parsed& parsed) {
    const auto read = readCommandLine(arguments, optionSpecs());
    if (const auto* problem = std::get_if<QString>(&read))
        return *problem;
    const CommandLine& line = std::get<CommandLine>(read);
    if (line.isSet(u"help"_s) || line.isSet(u"h"_s)) {
        parsed.help = true;
        return {};
    }
    if (!line.arguments.isEmpty())
        return u"Argumen tidak dikenal: "_s % line.arguments.first() % u" (lihat --help)."_s;
    for (auto option = line.options.cbegin(); option != line.options.cend(); ++option) {
        const QString& name = option.key();
        const QString text = option.value().value(0);
        if (text.trimmed().isEmpty())
            return u"Pilihan --"_s % name % u" memerlukan nilai."_s;
        if (const auto field = fieldOfOption(name)) {
            parsed.entry[*field] = text;
            continue;
        }
        if (QString problem = choose(name, text, parsed); !problem.isEmpty())
            return problem;
    }
    return {};
}

int refuse(QTextStream& err, const QString& message) {
    err << u"zakat-waris zakat: "_s << message << u'\n';
    err.flush();
    return 2;
}

} // namespace

int runZakatCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    Parsed parsed;
    if (const QString problem = parse(arguments, parsed); !problem.isEmpty())
        return refuse(err, problem);
    if (parsed.help) {
        out << helpText();
        out.flush();
        return 0;
    }
    const auto outcome = calculateZakat(parsed.entry, std::nullopt);
    if (const auto* refusal = std::get_if<Refusal>(&outcome))
        return refuse(err, refusal->field
                               ? refusal->message % u" ("_s % optionOf(*refusal->field) % u')'
                               : refusal->message);
    const auto& result = std::get<ZakatResult>(outcome);
    const QLocale locale = commandLocale();
    if (parsed.json) {
        out << QString::fromUtf8(completeJson(result, locale));
    } else {
        TextFileSink sink;
        LineWriter writer(sink);
        report::writeReport(CompleteReport(result, {}, locale).report(), writer);
        for (const QString& line : sink.lines())
            out << line << u'\n';
    }
    out.flush();
    return 0;
}

int runZakatCommand(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runZakatCommand(arguments, out, err);
}

} // namespace zw
