#include "cli/FaraidArguments.h"

#include "cli/CaseOverrides.h"
#include "cli/CommandLine.h"
#include "waris/engine/faraid/DistantKin.h"
#include "waris/engine/faraid/FaraidChoices.h"
#include "waris/engine/faraid/HeirList.h"

#include <algorithm>

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
  --grandfather {grandfather}
                         kakek bersama saudara: cara Zaid (bawaan) atau
                         kakek menghalangi saudara seperti bapak
  --mushtaraka {mushtaraka}
                         saudara sekandung ikut berbagi 1/3 saudara seibu
                         (bawaan) atau tidak mendapat apa-apa
  --grandmother {grandmother}
                         nenek dari pihak ibu (bawaan) atau pihak bapak
                         (juga terhalang oleh bapak)
                         NenekDariIbu dan NenekDariBapak: kedua nenek
                         terpisah, bersama 1/6 dibagi rata (tanpa Nenek)
  --spouse-alone {spouse-alone}
                         bila hanya suami/istri: sisa ke Baitul Mal (bawaan)
                         atau dikembalikan kepada suami/istri
  --law {law}    fikih klasik (bawaan) atau Kompilasi Hukum Islam
  --joint-property JUMLAH
                         harta bersama dengan suami/istri yang masih hidup;
                         separuhnya milik suami/istri, separuh lainnya
                         masuk harta peninggalan
  --zakat JUMLAH         zakat yang belum dibayar, dibayar bersama utang
  --predeceased son:PUTRA,PUTRI
  --predeceased daughter:PUTRA,PUTRI
                         anak pria/wanita yang meninggal lebih dahulu dengan
                         jumlah anak pria dan wanitanya (0-%1, sedikitnya
                         seorang); boleh diulang, satu per anak. KHI:
                         anak-anaknya menjadi ahli waris pengganti (Pasal
                         185); klasik: anak dari anak pria menjadi cucu,
                         anak dari anak wanita dzawil arham
  --predeceased JENIS:PUTRA,PUTRI
                         juga CucuWanita, SaudaraPriaSekandung,
                         SaudaraWanitaSekandung, SaudaraPriaSeBapak,
                         SaudaraWanitaSeBapak, SaudaraPriaSeIbu,
                         SaudaraWanitaSeIbu, PamanSekandung atau
                         PamanSeBapak yang meninggal lebih dahulu; klasik:
                         anak pria saudara atau paman menjadi ahli waris,
                         anak lainnya dzawil arham; KHI: pengganti
  --distant-kin {distant-kin}
                         dzawil arham, bila tidak ada ahli waris selain
                         suami/istri: menempati tempat ahli waris yang
                         menghubungkannya, laki-laki dua kali perempuan
                         kecuali garis saudara seibu (tanzil Syafi'i,
                         bawaan), laki-laki sama dengan perempuan (tanzil
                         Hanbali), atau kerabat terdekat menurut golongan,
                         derajat dan kekuatan hubungan (qarabah Hanafi,
                         Abu Yusuf); KakekDariIbu, SaudaraPriaIbu,
                         SaudaraWanitaIbu, SaudaraWanitaBapak dan PamanSeIbu
                         (saudara pria bapak seibu) selalu dzawil arham
  --daughter-blocks-siblings {daughter-blocks-siblings}
                         KHI: anak wanita menghalangi saudara (bawaan,
                         Putusan MA 86 K/AG/1994) atau pendapat jumhur
  --khi-radd {khi-radd}   KHI: radd kepada semua termasuk suami/istri
                         (bawaan, Pasal 193) atau hanya kepada kerabat
  --obligatory-bequest JUMLAH
                         KHI: wasiat wajibah (Pasal 209); bersama wasiat
                         paling banyak 1/3, wasiat wajibah didahulukan
  --obligatory-bequest-to {obligatory-bequest-to}
                         penerima wasiat wajibah: anak angkat, orang tua
                         angkat atau kerabat non-Muslim
  --then-dies JENIS[:N]=AHLIWARIS,...
                         munasakhat: orang ke-N (bawaan 1) dari JENIS itu
                         meninggal sebelum harta dibagi, meninggalkan ahli
                         waris yang disebut (seperti AHLIWARIS di atas,
                         dipisah koma); boleh diulang, urut menurut waktu
                         meninggal, paling banyak %2 kali
  --unborn {unborn}
                         haml: istri pewaris (atau istri anak pria yang
                         meninggal) sedang mengandung anak atau cucu; ibu
                         pewaris mengandung anak bapak yang telah meninggal
                         (saudara sekandung) atau anak suami lain (saudara
                         seibu); istri bapak yang telah meninggal, bukan
                         ibu pewaris, mengandung (saudara sebapak)
  --unborn-max N         jumlah bayi yang diperhitungkan, 1-%3 (bawaan 2)
  --reserve {reserve}
                         bagian saudara kandungan: paling sedikit di antara
                         semua kemungkinan (Hanbali, bawaan), tidak diberi
                         sampai lahir (Syafi'i) atau cadangan satu anak
                         (Hanafi, Abu Yusuf)
  --missing JENIS[:N]    mafqud: N orang (bawaan 1) dari JENIS itu hilang;
                         bagiannya ditangguhkan sampai diputuskan hakim
  --intersex JENIS       khuntsa: seorang dari JENIS itu (anak, cucu atau
                         saudara) tidak diketahui jenis kelaminnya
  --intersex-view {intersex-view}
                         semua menerima yang lebih kecil, sisa ditangguhkan
                         (Syafi'i, bawaan); khuntsa saja yang lebih kecil
                         (Hanafi); atau rata-rata kedua kemungkinan
                         (Hanbali dan Maliki)
  --died-together JENIS[:N]
                         gharqa: N orang (bawaan 1) dari JENIS itu meninggal
                         bersama pewaris; tidak saling mewarisi
  --compare              membagi menurut kedua hukum dan membandingkannya
  --case BERKAS          membagi kasus yang tersimpan (BERKAS.waris): pewaris,
                         harta, setiap orang dengan nama dan keadaannya;
                         pilihan lain yang diberikan menggantikan pilihan
                         berkas, AHLIWARIS dan kasus khusus tidak diberikan
  --save-case BERKAS     menyimpan kasus yang dibagi ke BERKAS (.waris)
  --format {format}     keluaran: tabel dan langkah (bawaan) atau JSON
  -h, --help             menampilkan bantuan ini

Jumlah uang ditulis dengan angka saja dan titik sebagai pemisah desimal,
paling banyak dua angka desimal. Status keluar: 0 berhasil, 2 masukan salah.
)"_s;

const std::vector<OptionSpec>& optionSpecs() {
    static const std::vector<OptionSpec> specs{
        {u"estate"_s, Takes::Value},
        {u"funeral"_s, Takes::Value},
        {u"debts"_s, Takes::Value},
        {u"bequest"_s, Takes::Value},
        {u"grandfather"_s, Takes::Value},
        {u"mushtaraka"_s, Takes::Value},
        {u"grandmother"_s, Takes::Value},
        {u"spouse-alone"_s, Takes::Value},
        {u"law"_s, Takes::Value},
        {u"joint-property"_s, Takes::Value},
        {u"zakat"_s, Takes::Value},
        {u"predeceased"_s, Takes::Values},
        {u"distant-kin"_s, Takes::Value},
        {u"daughter-blocks-siblings"_s, Takes::Value},
        {u"khi-radd"_s, Takes::Value},
        {u"obligatory-bequest"_s, Takes::Value},
        {u"obligatory-bequest-to"_s, Takes::Value},
        {u"then-dies"_s, Takes::Values},
        {u"unborn"_s, Takes::Value},
        {u"unborn-max"_s, Takes::Value},
        {u"reserve"_s, Takes::Value},
        {u"missing"_s, Takes::Values},
        {u"intersex"_s, Takes::Value},
        {u"intersex-view"_s, Takes::Value},
        {u"died-together"_s, Takes::Values},
        {u"compare"_s, Takes::Nothing},
        {u"case"_s, Takes::Value},
        {u"save-case"_s, Takes::Value},
        {u"format"_s, Takes::Value},
        {u"help"_s, Takes::Nothing},
        {u"h"_s, Takes::Nothing},
    };
    return specs;
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

QString readAmounts(const CommandLine& line, FaraidInput& input) {
    const std::pair<QString, std::optional<Rupiah>*> amounts[] = {
        {u"estate"_s, &input.estate},   {u"joint-property"_s, &input.jointProperty},
        {u"funeral"_s, &input.funeral}, {u"zakat"_s, &input.zakat},
        {u"debts"_s, &input.debts},     {u"obligatory-bequest"_s, &input.obligatoryBequest},
        {u"bequest"_s, &input.bequest}};
    for (const auto& [name, target] : amounts) {
        if (QString problem = readAmount(line, name, *target); !problem.isEmpty())
            return problem;
    }
    return {};
}

// A choice option: the value its word names, the default when it is not given.
template<typename Value>
QString readChoice(const CommandLine& line, const ChoiceOption<Value>& option, Value& target) {
    const QString name = option.option.toString();
    if (!line.isSet(name))
        return {};
    if (const auto chosen = option.read(line.value(name))) {
        target = *chosen;
        return {};
    }
    QStringList names = option.words();
    const QString last = names.takeLast();
    return u"--"_s % name % u" harus "_s % names.join(u", "_s) % u" atau "_s % last % u'.';
}

QString readOptions(const CommandLine& line, FaraidInput& input) {
    FaraidOptions& o = input.options;
    const QString problems[] = {
        readChoice(line, choices::Laws, input.law),
        readChoice(line, choices::Grandfather, o.grandfather),
        readChoice(line, choices::Mushtaraka, o.mushtaraka),
        readChoice(line, choices::Grandmother, o.grandmother),
        readChoice(line, choices::SpouseAlone, o.spouseAlone),
        readChoice(line, choices::DistantKin, o.distantKin),
        readChoice(line, choices::Daughter, o.daughter),
        readChoice(line, choices::KhiRaddRule, o.khiRadd),
        readChoice(line, choices::Recipient, input.obligatoryBequestTo),
    };
    for (const QString& problem : problems) {
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

// "son", "daughter" or a kind whose children may stand in its place.
std::optional<HeirKind> predeceasedKind(const QString& name) {
    if (name.compare(u"son"_s, Qt::CaseInsensitive) == 0)
        return HeirKind::AnakPria;
    if (name.compare(u"daughter"_s, Qt::CaseInsensitive) == 0)
        return HeirKind::AnakWanita;
    const std::optional<HeirKind> kind = heirKindNamed(name);
    if (kind && isPredeceasedPlace(*kind))
        return kind;
    return std::nullopt;
}

QString readPredeceased(const QStringList& values, std::vector<PredeceasedChild>& children) {
    for (const QString& value : values) {
        const qsizetype colon = value.indexOf(u':');
        const QStringList counts = value.mid(colon + 1).split(u',');
        bool sonsOk = false;
        bool daughtersOk = false;
        const int sons = counts.value(0).toInt(&sonsOk);
        const int daughters = counts.value(1).toInt(&daughtersOk);
        const std::optional<HeirKind> replaces = predeceasedKind(value.left(colon));
        if (colon <= 0 || !replaces || counts.size() != 2 || !sonsOk || !daughtersOk ||
            !counts[0].front().isDigit() || !counts[1].front().isDigit())
            return u"--predeceased harus son:PUTRA,PUTRI, daughter:PUTRA,PUTRI atau "
                   u"JENIS:PUTRA,PUTRI "
                   u"(lihat --help), misalnya son:2,1: "_s %
                   value;
        children.push_back({*replaces, sons, daughters});
    }
    return {};
}

constexpr QStringView SeeHelp = u" (lihat --help)";

// "AnakPria:2" or "Suami": a kind and the number of its person or persons, 1 when not given.
std::optional<KindPersons> readKindPersons(const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    const auto kind = heirKindNamed(QStringView(text).left(colon < 0 ? text.size() : colon));
    if (!kind)
        return std::nullopt;
    KindPersons persons{*kind, 1};
    if (colon >= 0) {
        bool ok = false;
        const QString digits = text.mid(colon + 1);
        persons.count = digits.toInt(&ok);
        if (!ok || digits.isEmpty() || !digits.front().isDigit() || persons.count < 1 ||
            persons.count > MaxPersons)
            return std::nullopt;
    }
    return persons;
}

QString readKindList(const CommandLine& line, const QString& name,
                     std::vector<KindPersons>& target) {
    for (const QString& value : line.options.value(name)) {
        const auto persons = readKindPersons(value);
        if (!persons)
            return u"--"_s % name % u" harus JENIS atau JENIS:N, misalnya AnakPria:2: "_s % value;
        target.push_back(*persons);
    }
    return {};
}

QString readLaterDeaths(const CommandLine& line, std::vector<LaterDeath>& deaths) {
    for (const QString& value : line.options.value(u"then-dies"_s)) {
        const qsizetype equals = value.indexOf(u'=');
        const auto dead = readKindPersons(value.left(equals));
        if (equals < 0 || !dead || value.size() == equals + 1)
            return u"--then-dies harus JENIS[:N]=AHLIWARIS,..., misalnya "
                   u"Suami=AnakPria,AnakWanita: "_s %
                   value;
        LaterDeath death{dead->kind, dead->count, {}};
        if (QString problem = readHeirList(value.mid(equals + 1).split(u','), death.heirs, SeeHelp);
            !problem.isEmpty())
            return u"--then-dies "_s % value.left(equals) % u": "_s % problem;
        deaths.push_back(death);
    }
    return {};
}

QString readSpecialCases(const CommandLine& line, SpecialInput& special) {
    if (QString problem = readLaterDeaths(line, special.deaths); !problem.isEmpty())
        return problem;
    for (const auto& [name, target] : {std::pair{u"missing"_s, &special.missing},
                                       std::pair{u"died-together"_s, &special.diedTogether}}) {
        if (QString problem = readKindList(line, name, *target); !problem.isEmpty())
            return problem;
    }
    if (line.isSet(u"unborn"_s)) {
        UnbornKind kind = UnbornKind::Child;
        if (QString problem = readChoice(line, choices::Unborn, kind); !problem.isEmpty())
            return problem;
        special.unborn = kind;
    }
    if (line.isSet(u"unborn-max"_s)) {
        bool ok = false;
        const QString digits = line.value(u"unborn-max"_s);
        const int n = digits.toInt(&ok);
        if (!ok || digits.isEmpty() || !digits.front().isDigit() || n < 1 || n > MaxUnborn)
            return u"--unborn-max harus bilangan bulat 1 sampai "_s % QString::number(MaxUnborn) %
                   u": "_s % digits;
        special.unbornMax = n;
    }
    if (QString problem = readChoice(line, choices::Reserve, special.reserve); !problem.isEmpty())
        return problem;
    if (line.isSet(u"intersex"_s)) {
        const auto kind = heirKindNamed(line.value(u"intersex"_s));
        if (!kind)
            return u"Ahli waris tidak dikenal: "_s % line.value(u"intersex"_s) %
                   u" (lihat --help)."_s;
        special.intersex = *kind;
    }
    if (QString problem = readChoice(line, choices::Intersex, special.intersexView);
        !problem.isEmpty())
        return problem;
    // A case brings its own unborn and khuntsa.
    for (const auto& [option, needs] :
         {std::pair{u"unborn-max"_s, u"unborn"_s}, std::pair{u"reserve"_s, u"unborn"_s},
          std::pair{u"intersex-view"_s, u"intersex"_s}}) {
        if (line.isSet(option) && !line.isSet(needs) && !line.isSet(u"case"_s))
            return u"--"_s % option % u" memerlukan --"_s % needs % u'.';
    }
    return {};
}

// With --case the persons are the file's: no heir nor special case is given beside it, and the
// other options given replace the file's.
QString readCase(const CommandLine& line, FaraidArguments& given) {
    given.saveCasePath = line.value(u"save-case"_s);
    if (line.isSet(u"save-case"_s) && given.saveCasePath.isEmpty())
        return u"--save-case memerlukan nama berkas."_s;
    if (!line.isSet(u"case"_s))
        return {};
    given.casePath = line.value(u"case"_s);
    if (given.casePath.isEmpty())
        return u"--case memerlukan nama berkas."_s;
    const QString persons[] = {u"predeceased"_s, u"then-dies"_s, u"unborn"_s,
                               u"missing"_s,     u"intersex"_s,  u"died-together"_s};
    if (!line.arguments.isEmpty() ||
        std::ranges::any_of(persons, [&line](const QString& name) { return line.isSet(name); }))
        return u"Dengan --case ahli waris diambil dari berkas; AHLIWARIS, --predeceased, "
               u"--then-dies, --unborn, --missing, --intersex dan --died-together tidak dapat "
               u"diberikan."_s;
    for (const OptionSpec& spec : optionSpecs()) {
        if (line.isSet(spec.name) && overridesCase(spec.name))
            given.overrides.append(u"--"_s % spec.name);
    }
    return {};
}

constexpr Choice<bool> FormatValues[]{{false, u"text", u"Teks"}, {true, u"json", u"JSON"}};
constexpr ChoiceOption<bool> Formats{u"format", FormatValues};

} // namespace

QStringList faraidOptionNames() {
    QStringList names;
    for (const OptionSpec& spec : optionSpecs())
        names.append(spec.name);
    return names;
}

std::vector<OptionWords> choiceWords() {
    std::vector<OptionWords> words = choices::all();
    words.push_back(Formats.optionWords());
    return words;
}

QString faraidHelp() {
    QString text = Usage;
    // The kinds of the heir selection, then on lines of their own the two grandmothers apart and
    // the distant kin.
    const int distantFirst = index(HeirKind::KakekDariIbu);
    for (const auto& [first, last] : {std::pair{0, HeirKindCount},
                                      {HeirKindCount, distantFirst},
                                      {distantFirst, FaraidKindCount}}) {
        QString line = u" "_s;
        for (int k = first; k < last; ++k) {
            const QString& identifier = heirInfo(heirKind(k)).identifier;
            if (line.size() + 1 + identifier.size() > 78) {
                text += line % u'\n';
                line = u" "_s;
            }
            line += u' ' % identifier;
        }
        text += line % u'\n';
    }
    QString options = Options.arg(MaxPersons).arg(MaxLaterDeaths).arg(MaxUnborn);
    for (const auto& [option, words] : choiceWords())
        options.replace(u'{' % option % u'}', words.join(u'|'));
    return text % options;
}

std::variant<FaraidArguments, QString> readFaraidArguments(const QStringList& arguments) {
    auto split = readCommandLine(arguments, optionSpecs());
    if (const auto* problem = std::get_if<QString>(&split))
        return *problem;
    const CommandLine& line = std::get<CommandLine>(split);
    FaraidArguments given;
    if (line.isSet(u"help"_s) || line.isSet(u"h"_s)) {
        given.help = true;
        return given;
    }
    DivisionRequest& request = given.request;
    FaraidInput& input = request.input;
    request.compare = line.isSet(u"compare"_s);
    for (const QString& problem :
         {readChoice(line, Formats, given.json), readAmounts(line, input), readOptions(line, input),
          readPredeceased(line.options.value(u"predeceased"_s), input.predeceased),
          readHeirList(line.arguments, input.counts, SeeHelp),
          readSpecialCases(line, request.special), readCase(line, given)}) {
        if (!problem.isEmpty())
            return problem;
    }
    if (line.isSet(u"obligatory-bequest"_s) != line.isSet(u"obligatory-bequest-to"_s) &&
        given.casePath.isEmpty())
        return u"--obligatory-bequest dan --obligatory-bequest-to harus diberikan bersama."_s;
    return given;
}

} // namespace zw
