#include "app/FaraidCommand.h"

#include "waris/engine/faraid/FaraidAmounts.h"
#include "waris/engine/faraid/FaraidEngine.h"
#include "waris/engine/faraid/FaraidText.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace zw {

namespace {

using namespace zw::waris;

const QString HelpText = uR"(Pemakaian: zakat-waris faraid [pilihan] AHLIWARIS[=JUMLAH]...

Membagi harta warisan secara lengkap menurut faraid (ashabul furudh, ashabah,
'aul, radd, tashih) dan mencetak pembagiannya tanpa membuka jendela.

AHLIWARIS adalah salah satu dari:
  Suami Bapak Kakek AnakPria SaudaraPriaSekandung SaudaraPriaSeBapak
  SaudaraPriaSeIbu CucuPria AnakPriaSaudaraSekandung AnakPriaSaudaraSeBapak
  PamanSekandung PamanSeBapak AnakPriaPamanSekandung AnakPriaPamanSeBapak
  Istri Ibu AnakWanita Nenek CucuWanita SaudaraWanitaSekandung
  SaudaraWanitaSeBapak SaudaraWanitaSeIbu
(huruf besar/kecil tidak dibedakan); JUMLAH orang 1-99, bawaan 1.

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

struct Parsed {
    FaraidInput input;
    bool json = false;
    bool help = false;
};

template<typename Enum>
std::optional<Enum> choice(const QString& value,
                           std::initializer_list<std::pair<QString, Enum>> choices) {
    for (const auto& [name, e] : choices) {
        if (value.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    }
    return std::nullopt;
}

std::optional<HeirKind> kindNamed(QStringView name) {
    for (int k = 0; k < HeirKindCount; ++k) {
        if (name.compare(heirInfo(heirKind(k)).identifier, Qt::CaseInsensitive) == 0)
            return heirKind(k);
    }
    return std::nullopt;
}

// Fills `parsed`, or returns the message of the first problem.
QString parse(const QStringList& arguments, Parsed& parsed) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption estate(u"estate"_s, {}, u"jumlah"_s);
    const QCommandLineOption funeral(u"funeral"_s, {}, u"jumlah"_s);
    const QCommandLineOption debts(u"debts"_s, {}, u"jumlah"_s);
    const QCommandLineOption bequest(u"bequest"_s, {}, u"jumlah"_s);
    const QCommandLineOption grandfather(u"grandfather"_s, {}, u"cara"_s, u"zayd"_s);
    const QCommandLineOption mushtaraka(u"mushtaraka"_s, {}, u"cara"_s, u"share"_s);
    const QCommandLineOption grandmother(u"grandmother"_s, {}, u"pihak"_s, u"maternal"_s);
    const QCommandLineOption spouseAlone(u"spouse-alone"_s, {}, u"cara"_s, u"treasury"_s);
    const QCommandLineOption format(u"format"_s, {}, u"bentuk"_s, u"text"_s);
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    parser.addOptions({estate, funeral, debts, bequest, grandfather, mushtaraka, grandmother,
                       spouseAlone, format, help});
    QStringList args = arguments;
    if (args.size() >= 2)
        args.removeAt(1); // "faraid"
    if (!parser.parse(args))
        return parser.errorText();
    if (parser.isSet(help)) {
        parsed.help = true;
        return {};
    }

    FaraidInput& input = parsed.input;
    const std::pair<const QCommandLineOption*, std::optional<Sen>*> amounts[] = {
        {&estate, &input.estate},
        {&funeral, &input.funeral},
        {&debts, &input.debts},
        {&bequest, &input.bequest}};
    for (const auto& [option, target] : amounts) {
        if (!parser.isSet(*option))
            continue;
        const QString text = parser.value(*option).trimmed();
        if (text.startsWith(u'-'))
            return u"Jumlah --"_s % option->names().constFirst() % u" tidak boleh negatif: "_s %
                   text;
        *target = parseSen(text);
        if (!*target)
            return u"Jumlah --"_s % option->names().constFirst() % u" bukan angka yang sah "_s %
                   u"(angka dengan titik desimal, paling banyak dua desimal): "_s % text;
    }

    FaraidOptions& o = input.options;
    const auto g = choice<GrandfatherRule>(
        parser.value(grandfather),
        {{u"zayd"_s, GrandfatherRule::Zayd}, {u"hanafi"_s, GrandfatherRule::Hanafi}});
    const auto m =
        choice<MushtarakaRule>(parser.value(mushtaraka), {{u"share"_s, MushtarakaRule::Share},
                                                          {u"none"_s, MushtarakaRule::None}});
    const auto n = choice<GrandmotherSide>(
        parser.value(grandmother),
        {{u"maternal"_s, GrandmotherSide::Maternal}, {u"paternal"_s, GrandmotherSide::Paternal}});
    const auto s = choice<SpouseAloneRule>(parser.value(spouseAlone),
                                           {{u"treasury"_s, SpouseAloneRule::Treasury},
                                            {u"rest-to-spouse"_s, SpouseAloneRule::RestToSpouse}});
    const auto f = choice<bool>(parser.value(format), {{u"text"_s, false}, {u"json"_s, true}});
    if (!g)
        return u"--grandfather harus zayd atau hanafi."_s;
    if (!m)
        return u"--mushtaraka harus share atau none."_s;
    if (!n)
        return u"--grandmother harus maternal atau paternal."_s;
    if (!s)
        return u"--spouse-alone harus treasury atau rest-to-spouse."_s;
    if (!f)
        return u"--format harus text atau json."_s;
    o = {*g, *m, *n, *s};
    parsed.json = *f;

    for (const QString& argument : parser.positionalArguments()) {
        const qsizetype equals = argument.indexOf(u'=');
        const QStringView name = QStringView(argument).left(equals < 0 ? argument.size() : equals);
        const auto kind = kindNamed(name);
        if (!kind)
            return u"Ahli waris tidak dikenal: "_s % name.toString() % u" (lihat --help)."_s;
        int count = 1;
        if (equals >= 0) {
            bool ok = false;
            const QString digits = argument.mid(equals + 1);
            count = digits.toInt(&ok);
            if (!ok || digits.isEmpty() || !digits.front().isDigit())
                return u"Jumlah "_s % faraidKindName(*kind) % u" bukan bilangan bulat: "_s % digits;
            if (count < 1 || count > 99)
                return u"Jumlah "_s % faraidKindName(*kind) % u" harus antara 1 dan 99."_s;
        }
        int& slot = input.counts[static_cast<std::size_t>(index(*kind))];
        if (slot != 0)
            return faraidKindName(*kind) % u" disebut lebih dari sekali."_s;
        slot = count;
    }
    return {};
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

QJsonValue amountOrNull(const FaraidResult& r, Sen sen) {
    return r.money ? QJsonValue(senToDecimal(sen)) : QJsonValue(QJsonValue::Null);
}

QByteArray toJson(const FaraidResult& r) {
    QJsonObject root;
    root[u"netEstate"_s] =
        r.money ? QJsonValue(senToDecimal(r.money->net)) : QJsonValue(QJsonValue::Null);
    root[u"bequest"_s] =
        r.money ? QJsonValue(senToDecimal(r.money->bequest)) : QJsonValue(QJsonValue::Null);
    root[u"base"_s] = static_cast<qint64>(r.base);
    root[u"awl"_s] = r.awl;
    root[u"awlBase"_s] =
        r.awl ? QJsonValue(static_cast<qint64>(r.awlBase)) : QJsonValue(QJsonValue::Null);
    root[u"radd"_s] = r.radd;
    QJsonArray special;
    for (int c = 0; c < SpecialCaseCount; ++c) {
        if (r.has(static_cast<SpecialCase>(c)))
            special.append(specialCaseName(static_cast<SpecialCase>(c)));
    }
    root[u"special"_s] = special;
    root[u"unassigned"_s] = r.unassigned.toString();
    root[u"unassignedAmount"_s] = amountOrNull(r, r.unassignedAmount);
    root[u"steps"_s] = QJsonArray::fromStringList(r.steps);
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
            persons.append(senToDecimal(h.amountOfPerson(p)));
        heir[u"personAmounts"_s] = persons;
        heir[u"basis"_s] = h.basis;
        QJsonArray blockers;
        for (int k = 0; k < HeirKindCount; ++k) {
            if ((h.blockedBy >> k) & 1U)
                blockers.append(heirInfo(heirKind(k)).identifier);
        }
        heir[u"blockedBy"_s] = blockers;
        heir[u"differsFromTable"_s] = !h.tableDifference.isEmpty();
        heirs.append(heir);
    }
    root[u"heirs"_s] = heirs;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString statusText(const FaraidHeir& h) {
    switch (h.status) {
    case FaraidStatus::Fard:
        return u"fard "_s % h.fard.toString();
    case FaraidStatus::Ashabah:
        return h.fard.isZero() ? u"ashabah"_s : h.fard.toString() % u" + ashabah"_s;
    case FaraidStatus::Blocked:
        return u"terhalang"_s;
    }
    return {};
}

void writeText(const FaraidResult& r, QTextStream& out) {
    QList<QStringList> rows;
    rows.append({u"Ahli waris"_s, u"Orang"_s, u"Status"_s, u"Bagian"_s, u"Per orang"_s});
    if (r.money)
        rows.last() << u"Jumlah (Rp)"_s << u"Per orang (Rp)"_s;
    for (const FaraidHeir& h : r.heirs) {
        QStringList row{faraidKindName(h.kind), QString::number(h.count), statusText(h),
                        h.share.toString(), h.perPerson.toString()};
        if (r.money) {
            QString person = senToDecimal(h.count == 1 ? h.amount : h.personAmount);
            if (h.personsWithExtraSen > 0 && h.count > 1)
                person += u" / "_s % senToDecimal(h.personAmount + 1);
            row << senToDecimal(h.amount) << person;
        }
        rows.append(row);
    }
    if (!r.unassigned.isZero()) {
        QStringList row{u"Baitul Mal (tidak terbagi)"_s, QString(), QString(),
                        r.unassigned.toString(), QString()};
        if (r.money)
            row << senToDecimal(r.unassignedAmount) << QString();
        rows.append(row);
    }
    QList<qsizetype> widths(rows.first().size(), 0);
    for (const QStringList& row : rows) {
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    }
    const auto rightAligned = [&](qsizetype c) {
        return c == 1 || c >= 5;
    };
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c > 0)
                line += u"  "_s;
            line += rightAligned(c) ? row[c].rightJustified(widths[c])
                                    : row[c].leftJustified(widths[c]);
        }
        out << line.trimmed() << u'\n';
    }
    out << u'\n' << u"Asal masalah: "_s << r.base;
    if (r.awl)
        out << u", 'aul menjadi "_s << r.awlBase;
    if (r.radd)
        out << u", radd (asal masalah "_s << r.raddBase << u") kepada "_s
            << faraidKindNames(r.raddTo);
    out << u", setelah tashih: "_s << r.finalBase << u'\n';
    QStringList special;
    for (int c = 0; c < SpecialCaseCount; ++c) {
        if (r.has(static_cast<SpecialCase>(c)))
            special.append(specialCaseName(static_cast<SpecialCase>(c)));
    }
    if (!special.isEmpty())
        out << u"Kasus khusus: "_s << special.join(u", "_s) << u'\n';
    if (r.money) {
        out << u"Harta bersih: Rp "_s << senToDecimal(r.money->net);
        if (r.money->bequestCut)
            out << u" (wasiat dipotong menjadi sepertiga: Rp "_s << senToDecimal(r.money->bequest)
                << u')';
        out << u'\n';
    }
    for (const FaraidHeir& h : r.heirs) {
        if (!h.tableDifference.isEmpty())
            out << u"Berbeda dari tabel - "_s << faraidKindName(h.kind) << u": "_s
                << h.tableDifference << u'\n';
    }
    out << u"\nLangkah perhitungan:\n"_s;
    for (qsizetype i = 0; i < r.steps.size(); ++i)
        out << (i + 1) << u". "_s << r.steps[i] << u'\n';
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
        out << HelpText;
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
        writeText(result, out);
    out.flush();
    return 0;
}

int runFaraidCommand(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runFaraidCommand(arguments, out, err);
}

} // namespace zw
