#include "zakat/engine/complete/ZakatWorking.h"

#include "common/AmountInWords.h"
#include "common/NumberFormat.h"
#include "zakat/engine/complete/CompleteZakat.h"

#include <array>

using namespace Qt::StringLiterals;

namespace zw::zakat::complete {

namespace {

struct KindWords {
    const char16_t* name;
    const char16_t* key;
};

// In the order of Kind.
constexpr std::array<KindWords, KindCount> Kinds{{
    {u"Penghasilan", u"penghasilan"},
    {u"Simpanan", u"simpanan"},
    {u"Emas", u"emas"},
    {u"Perak", u"perak"},
    {u"Perdagangan", u"perdagangan"},
    {u"Pertanian", u"pertanian"},
    {u"Unta", u"unta"},
    {u"Sapi/kerbau", u"sapi"},
    {u"Kambing/domba", u"kambing"},
    {u"Rikaz", u"rikaz"},
    {u"Tambang", u"tambang"},
    {u"Zakat fitrah", u"fitrah"},
}};

QString money(Rupiah amount, const QLocale& locale) {
    return formatRupiah(amount, locale);
}

QString amountText(std::int64_t hundredths, const QLocale& locale) {
    return Quantity::fromHundredths(hundredths).toText(locale);
}

QString grams(Quantity q, const QLocale& locale) {
    return q.toText(locale) + u" g"_s;
}

QString capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

bool isMoneyKind(Kind kind) {
    return kind == Kind::Penghasilan || kind == Kind::Simpanan || kind == Kind::Perdagangan ||
           kind == Kind::Tambang;
}

QString reachedText(const KindResult& r, const QLocale& locale) {
    const QString base = measureText(r.base, r.unit, locale);
    return base + (r.reached ? u" mencapai nishab"_s : u" belum mencapai nishab"_s);
}

QString haulText(const KindResult& r) {
    if (!r.haul)
        return {};
    return *r.haul ? u"; haul genap satu tahun"_s
                   : u"; haul belum genap satu tahun, belum wajib dibayar sekarang"_s;
}

// The nishab of a money kind, its period and the basis it stands on.
QString moneyNishab(const KindResult& r, const ZakatResult& result, const QLocale& locale) {
    const bool monthly = r.kind == Kind::Penghasilan && result.input.income &&
                         result.input.income->period == Period::Month;
    return u"nishab per "_s % (monthly ? u"bulan "_s : u"tahun "_s) %
           money(std::get<Rupiah>(*r.nishab), locale) % u" (dasar "_s %
           basisName(result.input.basis) % u')';
}

QString baseStep(const KindResult& r, const ZakatResult& result, const QLocale& locale) {
    const ZakatInput& in = result.input;
    const QString name = kindName(r.kind) % u": "_s;
    const QString total = measureText(r.base, r.unit, locale);
    switch (r.kind) {
    case Kind::Penghasilan: {
        const IncomeInput& i = *in.income;
        return name % u"penghasilan "_s % money(i.income, locale) % u" + penghasilan lain "_s %
               money(i.other, locale) % u" - pengurangan "_s % money(i.deductions, locale) %
               u" = "_s % total % (i.period == Period::Month ? u" per bulan."_s : u" per tahun."_s);
    }
    case Kind::Simpanan: {
        const SavingsInput& s = *in.savings;
        return name % u"uang tunai dan tabungan "_s % money(s.cash, locale) %
               u" + surat berharga "_s % money(s.securities, locale) % u" + piutang "_s %
               money(s.receivables, locale) % u" - utang jatuh tempo "_s % money(s.debts, locale) %
               u" = "_s % total % u'.';
    }
    case Kind::Emas: {
        const GoldInput& g = *in.gold;
        if (g.carat == Quantity::whole(24))
            return name % grams(g.grams, locale) % u" emas 24 karat (murni)."_s;
        const bool exact = g.grams.hundredths() % 2400 * (g.carat.hundredths() % 2400) % 2400 == 0;
        return name % grams(g.grams, locale) % u" × "_s % g.carat.toText(locale) %
               u"/24 karat = "_s % total % u" emas murni"_s %
               (exact ? u"."_s : u" (dibulatkan ke bawah)."_s);
    }
    case Kind::Perak:
        return name % total % u" perak."_s;
    case Kind::Perdagangan: {
        const TradeInput& t = *in.trade;
        return name % u"aset dagang dan kas "_s % money(t.assets, locale) %
               u" + piutang dagang "_s % money(t.receivables, locale) % u" - utang dagang "_s %
               money(t.debts, locale) % u" = "_s % total % u'.';
    }
    case Kind::Pertanian: {
        constexpr std::array<const char16_t*, 3> ways{u"tadah hujan", u"irigasi berbiaya",
                                                      u"campuran"};
        return name % total % u" gabah, pengairan "_s %
               QString::fromUtf16(ways[static_cast<std::size_t>(in.harvest->irrigation)]) % u'.';
    }
    case Kind::Unta:
    case Kind::Sapi:
    case Kind::Kambing:
        return name % total % u" yang digembalakan."_s;
    case Kind::Rikaz:
        return name % u"harta temuan "_s % total % u'.';
    case Kind::Tambang:
        return name % u"hasil tambang "_s % total % u'.';
    case Kind::Fitrah:
        return name % total % u" yang ditanggung."_s;
    }
    return {};
}

QString nishabStep(const KindResult& r, const ZakatResult& result, const QLocale& locale) {
    const QString name = kindName(r.kind) % u": "_s;
    switch (r.kind) {
    case Kind::Rikaz:
        return name % u"tanpa nishab dan tanpa haul."_s;
    case Kind::Fitrah:
        return name % u"tanpa nishab, untuk setiap jiwa."_s;
    case Kind::Pertanian:
        return name % u"nishab 653 kg gabah; "_s % reachedText(r, locale) %
               u"; dizakati setiap panen, tanpa haul."_s;
    case Kind::Emas:
    case Kind::Perak:
        return name % u"nishab "_s % measureText(*r.nishab, r.unit, locale) %
               (r.kind == Kind::Emas ? u" emas murni; "_s : u" perak; "_s) %
               reachedText(r, locale) % haulText(r) % u'.';
    case Kind::Unta:
    case Kind::Sapi:
    case Kind::Kambing:
        return name % u"nishab "_s % measureText(*r.nishab, r.unit, locale) % u"; "_s %
               reachedText(r, locale) % haulText(r) % u'.';
    case Kind::Penghasilan:
    case Kind::Simpanan:
    case Kind::Perdagangan:
    case Kind::Tambang:
        break;
    }
    return name % moneyNishab(r, result, locale) % u"; "_s % reachedText(r, locale) %
           (r.haul ? haulText(r) : u"; tanpa haul"_s) % u'.';
}

// How a large herd is covered: "130 ekor: 2 × 40 + 1 × 50".
QString herdCover(const KindResult& r, const QLocale& locale) {
    const auto head = std::get<Quantity>(r.base).wholeUnits();
    const bool camels = r.kind == Kind::Unta;
    if ((camels && head <= 120) || (r.kind == Kind::Sapi && head < 60) || r.kind == Kind::Kambing)
        return {};
    const std::int64_t small = camels ? 40 : 30;
    const std::int64_t large = camels ? 50 : 40;
    QStringList parts;
    for (const InKind& item : r.dueInKind) {
        const bool isLarge = item.unit == InKindUnit::Hiqqah || item.unit == InKindUnit::Musinnah;
        parts.append(item.count.toText(locale) % u" × "_s %
                     QString::number(isLarge ? large : small));
    }
    return u" ("_s % Quantity::whole(head / 10 * 10).toText(locale) % u" ekor = "_s %
           parts.join(u" + "_s) % u')';
}

QString dueStep(const KindResult& r, const ZakatResult& result, const QLocale& locale) {
    const QString name = kindName(r.kind) % u": "_s;
    if (!r.due)
        return name % u"tidak ada zakat yang wajib dibayar sekarang."_s;
    const ZakatInput& in = result.input;
    const QString kind = inKindText(r.dueInKind, locale);
    const QString amount = r.dueAmount ? money(*r.dueAmount, locale) : QString();
    switch (r.kind) {
    case Kind::Unta:
    case Kind::Sapi:
    case Kind::Kambing:
        return name % u"zakat "_s % kind % herdCover(r, locale) % u'.';
    case Kind::Fitrah: {
        const FitrahInput& f = *in.fitrah;
        const QString persons = measureText(r.base, r.unit, locale);
        if (f.form == FitrahForm::Money)
            return name % persons % u" × "_s % money(*result.fitrahValue, locale) % u" = "_s %
                   amount % u'.';
        const bool kg = f.form == FitrahForm::RiceKg;
        const QString perPerson = kg ? RiceKgPerPerson.toText(locale) % u" kg"_s
                                     : RiceLitresPerPerson.toText(locale) % u" liter"_s;
        QString step = name % persons % u" × "_s % perPerson % u" = "_s % kind % u" beras"_s;
        if (r.dueAmount)
            step +=
                u"; dalam uang "_s % kind % u" × "_s % money(*f.value, locale) % u" = "_s % amount;
        return step + u'.';
    }
    case Kind::Emas:
    case Kind::Perak:
    case Kind::Pertanian: {
        const std::optional<Rupiah> price = r.kind == Kind::Emas    ? in.goldPrice
                                            : r.kind == Kind::Perak ? in.silverPrice
                                                                    : in.harvest->pricePerKg;
        QString base = measureText(r.base, r.unit, locale);
        if (r.kind == Kind::Emas && in.gold->carat != Quantity::whole(24))
            base =
                grams(in.gold->grams, locale) % u" × "_s % in.gold->carat.toText(locale) % u"/24"_s;
        QString step = name % u"zakat "_s % rateText(*r.rate, locale) % u" × "_s % base % u" = "_s %
                       kind % (r.kind == Kind::Pertanian ? u" gabah"_s : QString()) %
                       (r.inKindRoundedUp ? u" (dibulatkan ke atas)"_s : QString());
        if (r.dueAmount)
            step += u"; dalam uang "_s % rateText(*r.rate, locale) % u" × "_s % base % u" × "_s %
                    money(*price, locale) % u" = "_s % amount;
        return step + u'.';
    }
    case Kind::Penghasilan:
    case Kind::Simpanan:
    case Kind::Perdagangan:
    case Kind::Rikaz:
    case Kind::Tambang:
        break;
    }
    return name % u"zakat "_s % rateText(*r.rate, locale) % u" × "_s %
           measureText(r.base, r.unit, locale) % u" = "_s % amount % u'.';
}

QString nishabSourceStep(const ZakatResult& result, const QLocale& locale) {
    const YearValues& y = result.year;
    const QString published = u"nishab tahun %1 menurut BAZNAS "_s.arg(y.year) %
                              money(y.nishabYear, locale) % u" per tahun dan "_s %
                              money(y.nishabMonth, locale) % u" per bulan ("_s % y.source % u')';
    switch (result.input.basis) {
    case NishabBasis::Baznas:
        return u"Dasar nishab BAZNAS: "_s % published % u'.';
    case NishabBasis::Gold:
    case NishabBasis::Silver:
        break;
    }
    const bool gold = result.input.basis == NishabBasis::Gold;
    const Rupiah price = gold ? *result.input.goldPrice : *result.input.silverPrice;
    return u"Dasar nishab "_s % basisName(result.input.basis) % u": "_s %
           QString::number(gold ? GoldNishabGrams : SilverNishabGrams) % u" g × "_s %
           money(price, locale) % u" = "_s % money(result.nishabYear, locale) %
           u" per tahun; per bulan "_s % money(result.nishabYear, locale) % u" : 12 = "_s %
           money(result.nishabMonth, locale) % u" (dibulatkan ke sen terdekat); sebagai "_s %
           u"perbandingan, "_s % published % u'.';
}

// What is given in kind, with what it is of: "75 kg gabah", "3 musinnah (sapi/kerbau)".
QString goodsText(const KindResult& r, const QLocale& locale) {
    const QString goods = inKindText(r.dueInKind, locale);
    switch (r.kind) {
    case Kind::Pertanian:
        return goods + u" gabah"_s;
    case Kind::Fitrah:
        return goods + u" beras"_s;
    case Kind::Unta:
    case Kind::Sapi:
    case Kind::Kambing:
        return goods % u" ("_s % kindName(r.kind).toLower() % u')';
    default:
        return goods;
    }
}

QString totalStep(const ZakatResult& result, const QLocale& locale) {
    QStringList amounts;
    QStringList inKind;
    for (const KindResult& r : result.kinds) {
        if (r.dueAmount && r.dueAmount->sen() > 0)
            amounts.append(money(*r.dueAmount, locale));
        else if (r.due && !r.dueInKind.empty())
            inKind.append(goodsText(r, locale));
    }
    QString step = u"Jumlah zakat dalam uang: "_s;
    if (amounts.size() > 1)
        step += amounts.join(u" + "_s) % u" = "_s;
    step += money(result.total, locale) % u" ("_s % amountInWords(result.total) % u")."_s;
    if (!inKind.isEmpty())
        step += u" Zakat dalam bentuk barang: "_s % inKind.join(u"; "_s) % u'.';
    return step;
}

} // namespace

QString kindName(Kind kind) {
    return QString::fromUtf16(Kinds[static_cast<std::size_t>(kind)].name);
}

QString kindKey(Kind kind) {
    return QString::fromUtf16(Kinds[static_cast<std::size_t>(kind)].key);
}

QString unitKey(Unit unit) {
    constexpr std::array<const char16_t*, 5> keys{u"rupiah", u"gram", u"kg", u"ekor", u"orang"};
    return QString::fromUtf16(keys[static_cast<std::size_t>(unit)]);
}

QString basisName(NishabBasis basis) {
    constexpr std::array<const char16_t*, 3> names{u"BAZNAS", u"emas", u"perak"};
    return QString::fromUtf16(names[static_cast<std::size_t>(basis)]);
}

QString inKindName(InKindUnit unit) {
    constexpr std::array<const char16_t*, 11> names{
        u"kambing",  u"tabi'", u"musinnah", u"bintu makhad", u"bintu labun", u"hiqqah",
        u"jadza'ah", u"kg",    u"liter",    u"gram emas",    u"gram perak"};
    return QString::fromUtf16(names[static_cast<std::size_t>(unit)]);
}

QString measureText(const Measure& measure, Unit unit, const QLocale& locale) {
    if (const auto* amount = std::get_if<Rupiah>(&measure))
        return money(*amount, locale);
    const QString number = std::get<Quantity>(measure).toText(locale);
    constexpr std::array<const char16_t*, 5> units{u"", u" g", u" kg", u" ekor", u" orang"};
    return number + QString::fromUtf16(units[static_cast<std::size_t>(unit)]);
}

QString inKindText(const std::vector<InKind>& items, const QLocale& locale) {
    QStringList parts;
    for (const InKind& item : items)
        parts.append(item.count.toText(locale) % u' ' % inKindName(item.unit));
    return parts.join(u" dan "_s);
}

QString rateText(Rate rate, const QLocale& locale) {
    return amountText(rate.numerator * 100 * Quantity::PerUnit / rate.denominator, locale) + u'%';
}

QString kindNote(const KindResult& r, const ZakatResult& result, const QLocale& locale) {
    QStringList notes;
    if (r.reached && r.haul == false)
        notes.append(u"haul belum genap: belum wajib sekarang"_s);
    if (isMoneyKind(r.kind)) {
        for (int b = 0; b < 3; ++b) {
            const auto basis = static_cast<NishabBasis>(b);
            if (basis == result.input.basis)
                continue;
            const std::optional<bool> due = r.dueByBasis[static_cast<std::size_t>(b)];
            notes.append(u"dengan dasar "_s % basisName(basis) % u": "_s %
                         (!due   ? u"harga "_s % basisName(basis) % u" belum diisi"_s
                          : *due ? u"wajib"_s
                                 : u"tidak wajib"_s));
        }
    }
    if (r.due && !r.dueAmount && r.kind != Kind::Unta && r.kind != Kind::Sapi &&
        r.kind != Kind::Kambing)
        notes.append(r.kind == Kind::Pertanian ? u"tanpa harga gabah: zakat dalam kg saja"_s
                     : r.kind == Kind::Fitrah  ? u"tanpa harga beras: zakat dalam beras saja"_s
                                               : u"tanpa harga: zakat dalam gram saja"_s);
    if (r.kind == Kind::Fitrah && result.input.fitrah->form == FitrahForm::Money) {
        const bool typed = result.input.fitrah->value.has_value();
        notes.append(money(*result.fitrahValue, locale) % u" per orang "_s %
                     (typed ? u"(diisikan)"_s
                            : u"menurut nilai acuan "_s % QString::number(result.year.year)));
    }
    return capitalised(notes.join(u"; "_s));
}

QStringList zakatSteps(const ZakatResult& result, const QLocale& locale) {
    QStringList steps;
    steps.reserve(static_cast<qsizetype>(result.kinds.size()) * 3 + 2);
    steps.append(nishabSourceStep(result, locale));
    for (const KindResult& r : result.kinds) {
        steps.append(baseStep(r, result, locale));
        steps.append(nishabStep(r, result, locale));
        steps.append(dueStep(r, result, locale));
    }
    steps.append(totalStep(result, locale));
    return steps;
}

QStringList zakatSources() {
    return {
        u"Peraturan Menteri Agama Nomor 52 Tahun 2014 sebagaimana diubah dengan Peraturan Menteri "
        u"Agama Nomor 31 Tahun 2019: syarat dan cara penghitungan zakat mal dan zakat fitrah; "
        u"nishab zakat penghasilan setara 85 gram emas."_s,
        u"Keputusan Ketua BAZNAS tentang nilai nishab zakat pendapatan dan jasa serta nilai zakat "
        u"fitrah, menurut tahunnya (lihat sumber nilai acuan)."_s,
        u"Tabel zakat unta, sapi/kerbau dan kambing/domba: hadits riwayat al-Bukhari Nomor 1454 "
        u"dan at-Tirmidzi Nomor 621-623."_s,
    };
}

} // namespace zw::zakat::complete
