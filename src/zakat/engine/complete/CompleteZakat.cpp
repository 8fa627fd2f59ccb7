#include "zakat/engine/complete/CompleteZakat.h"

#include "zakat/engine/complete/Livestock.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace zw::zakat::complete {

namespace {

__extension__ typedef __int128 Int128;

constexpr Rate OneFortieth{1, 40};
constexpr Rate Fifth{1, 5};
constexpr std::int64_t Hundred = Quantity::PerUnit;
constexpr std::int64_t FullCarat = 24 * Hundred;
constexpr std::int64_t MonthsPerYear = 12;

// The quantity due in kind: n / d hundredths rounded up.
void addInKind(KindResult& r, Int128 n, Int128 d, InKindUnit unit) {
    r.inKindRoundedUp = n % d != 0;
    r.dueInKind = {
        {Quantity::fromHundredths(static_cast<std::int64_t>(n / d) + r.inKindRoundedUp), unit}};
}

// n / d rounded up, for n >= 0 and d > 0; none beyond the amounts the program holds.
std::optional<std::int64_t> ceilDiv(Int128 n, Int128 d) {
    const Int128 q = n / d + (n % d != 0 ? 1 : 0);
    if (q > Rupiah::MaxSen)
        return std::nullopt;
    return static_cast<std::int64_t>(q);
}

Field mainField(Kind kind) {
    constexpr std::array<Field, KindCount> fields{
        Field::Income,      Field::Cash,      Field::GoldGrams, Field::SilverGrams,
        Field::TradeAssets, Field::HarvestKg, Field::Camels,    Field::Cattle,
        Field::Goats,       Field::Rikaz,     Field::Mining,    Field::FitrahPersons};
    return fields[static_cast<std::size_t>(kind)];
}

Refusal tooLarge(Kind kind) {
    return {mainField(kind), u"Hasil perhitungan terlalu besar untuk dihitung."_s};
}

struct Nishab {
    Rupiah year;
    Rupiah month;
};

class Calculation {
public:
    Calculation(const ZakatInput& input, const YearValues& year)
        : m_in(input) {
        m_result.input = input;
        m_result.year = year;
        m_result.kinds.reserve(KindCount);
    }

    std::optional<Refusal> nishabs();
    std::optional<Refusal> run();
    ZakatResult&& result() { return std::move(m_result); }

private:
    bool haulComplete(bool needed) const { return !needed || m_in.haulComplete; }
    KindResult& add(Kind kind, Unit unit, Measure base) {
        KindResult& r = m_result.kinds.emplace_back();
        r.kind = kind;
        r.unit = unit;
        r.base = base;
        return r;
    }
    std::optional<Refusal> money(Kind kind, Rupiah base, Period period, Rate rate, bool haul);
    std::optional<Refusal> gold(const GoldInput& gold);
    std::optional<Refusal> silver(Quantity grams);
    std::optional<Refusal> harvest(const HarvestInput& harvest);
    void herd(Kind kind, std::int64_t head);
    std::optional<Refusal> rikaz(Rupiah value);
    std::optional<Refusal> fitrah(const FitrahInput& fitrah);
    std::optional<Refusal> share(KindResult& r, Int128 numerator, Int128 denominator);
    void weigh(KindResult& r, Int128 base, Int128 nishab, bool haul);

    const ZakatInput& m_in;
    ZakatResult m_result;
    std::array<std::optional<Nishab>, 3> m_nishabs{};
};

std::optional<Refusal> Calculation::nishabs() {
    m_nishabs[static_cast<std::size_t>(NishabBasis::Baznas)] =
        Nishab{m_result.year.nishabYear, m_result.year.nishabMonth};
    const struct {
        NishabBasis basis;
        const std::optional<Rupiah>& price;
        std::int64_t grams;
        Field field;
    } metals[] = {{NishabBasis::Gold, m_in.goldPrice, GoldNishabGrams, Field::GoldPrice},
                  {NishabBasis::Silver, m_in.silverPrice, SilverNishabGrams, Field::SilverPrice}};
    for (const auto& metal : metals) {
        if (!metal.price)
            continue;
        const Int128 year = Int128{metal.price->sen()} * metal.grams;
        if (year > Rupiah::MaxSen)
            return Refusal{metal.field, fieldName(metal.field) + u" terlalu besar."_s};
        const auto yearly = Rupiah::fromSen(static_cast<std::int64_t>(year));
        m_nishabs[static_cast<std::size_t>(metal.basis)] =
            Nishab{yearly, *yearly.scaled(1, MonthsPerYear, Rupiah::Rounding::HalfUp)};
    }
    const auto& chosen = m_nishabs[static_cast<std::size_t>(m_in.basis)];
    if (!chosen) {
        const bool gold = m_in.basis == NishabBasis::Gold;
        return Refusal{gold ? Field::GoldPrice : Field::SilverPrice,
                       gold ? u"Dasar nishab emas memerlukan harga emas per gram."_s
                            : u"Dasar nishab perak memerlukan harga perak per gram."_s};
    }
    m_result.nishabYear = chosen->year;
    m_result.nishabMonth = chosen->month;
    return std::nullopt;
}

std::optional<Refusal> Calculation::run() {
    std::optional<Refusal> refusal;
    const auto step = [&refusal](std::optional<Refusal> outcome) {
        if (!refusal)
            refusal = std::move(outcome);
    };
    if (const auto& i = m_in.income)
        step(money(Kind::Penghasilan, i->income + i->other - i->deductions, i->period, OneFortieth,
                   false));
    if (const auto& s = m_in.savings)
        step(money(Kind::Simpanan, s->cash + s->securities + s->receivables - s->debts,
                   Period::Year, OneFortieth, true));
    if (m_in.gold)
        step(gold(*m_in.gold));
    if (m_in.silverGrams)
        step(silver(*m_in.silverGrams));
    if (const auto& t = m_in.trade)
        step(money(Kind::Perdagangan, t->assets + t->receivables - t->debts, Period::Year,
                   OneFortieth, true));
    if (m_in.harvest)
        step(harvest(*m_in.harvest));
    if (m_in.camels)
        herd(Kind::Unta, *m_in.camels);
    if (m_in.cattle)
        herd(Kind::Sapi, *m_in.cattle);
    if (m_in.goats)
        herd(Kind::Kambing, *m_in.goats);
    if (m_in.rikaz)
        step(rikaz(*m_in.rikaz));
    if (m_in.mining)
        step(money(Kind::Tambang, *m_in.mining, Period::Year, OneFortieth, false));
    if (m_in.fitrah)
        step(fitrah(*m_in.fitrah));
    if (refusal)
        return refusal;
    std::int64_t total = 0;
    for (const KindResult& r : m_result.kinds) {
        total += r.dueAmount.value_or(Rupiah()).sen();
        if (total > Rupiah::MaxSen)
            return tooLarge(r.kind);
    }
    m_result.total = Rupiah::fromSen(total);
    return std::nullopt;
}

void Calculation::weigh(KindResult& r, Int128 base, Int128 nishab, bool haul) {
    r.reached = base >= nishab;
    if (haul)
        r.haul = m_in.haulComplete;
    r.due = r.reached && haulComplete(haul);
}

// The due amount: the rate of numerator / denominator sen, rounded up; 0 when not due.
std::optional<Refusal> Calculation::share(KindResult& r, Int128 numerator, Int128 denominator) {
    if (!r.due) {
        r.dueAmount = Rupiah();
        return std::nullopt;
    }
    const auto sen = ceilDiv(numerator, denominator);
    if (!sen)
        return tooLarge(r.kind);
    r.dueAmount = Rupiah::fromSen(*sen);
    return std::nullopt;
}

std::optional<Refusal> Calculation::money(Kind kind, Rupiah base, Period period, Rate rate,
                                          bool haul) {
    KindResult& r = add(kind, Unit::Rupiah, base);
    const auto nishabOf = [period](const Nishab& n) {
        return period == Period::Month ? n.month : n.year;
    };
    const Rupiah nishab = nishabOf(*m_nishabs[static_cast<std::size_t>(m_in.basis)]);
    r.nishab = nishab;
    r.rate = rate;
    weigh(r, base.sen(), nishab.sen(), haul);
    for (std::size_t b = 0; b < m_nishabs.size(); ++b) {
        if (m_nishabs[b])
            r.dueByBasis[b] = base >= nishabOf(*m_nishabs[b]) && haulComplete(haul);
    }
    return share(r, Int128{base.sen()} * rate.numerator, rate.denominator);
}

std::optional<Refusal> Calculation::gold(const GoldInput& gold) {
    const std::int64_t carat = gold.carat.hundredths();
    if (carat < Hundred || carat > FullCarat)
        return Refusal{Field::Carat, u"Karat emas harus antara 1 dan 24."_s};
    // Pure gold in hundredths of a gram, times 24 carats: exact, so the nishab test is too.
    const Int128 pure24 = Int128{gold.grams.hundredths()} * carat;
    KindResult& r = add(Kind::Emas, Unit::Gram,
                        Quantity::fromHundredths(static_cast<std::int64_t>(pure24 / FullCarat)));
    r.nishab = Quantity::whole(GoldNishabGrams);
    r.rate = OneFortieth;
    weigh(r, pure24, Int128{GoldNishabGrams} * Hundred * FullCarat, true);
    if (r.due)
        addInKind(r, pure24, FullCarat * 40, InKindUnit::GramEmas);
    if (!m_in.goldPrice)
        return std::nullopt;
    return share(r, pure24 * m_in.goldPrice->sen(), Int128{FullCarat} * 40 * Hundred);
}

std::optional<Refusal> Calculation::silver(Quantity grams) {
    KindResult& r = add(Kind::Perak, Unit::Gram, grams);
    r.nishab = Quantity::whole(SilverNishabGrams);
    r.rate = OneFortieth;
    weigh(r, grams.hundredths(), SilverNishabGrams * Hundred, true);
    if (r.due)
        addInKind(r, grams.hundredths(), 40, InKindUnit::GramPerak);
    if (!m_in.silverPrice)
        return std::nullopt;
    return share(r, Int128{grams.hundredths()} * m_in.silverPrice->sen(), 40 * Hundred);
}

std::optional<Refusal> Calculation::harvest(const HarvestInput& harvest) {
    KindResult& r = add(Kind::Pertanian, Unit::Kg, harvest.kg);
    r.nishab = Quantity::whole(HarvestNishabKg);
    constexpr std::array<Rate, 3> rates{{{1, 10}, {1, 20}, {3, 40}}};
    const Rate rate = rates[static_cast<std::size_t>(harvest.irrigation)];
    r.rate = rate;
    weigh(r, harvest.kg.hundredths(), HarvestNishabKg * Hundred, false);
    const Int128 kgTimesRate = Int128{harvest.kg.hundredths()} * rate.numerator;
    if (r.due)
        addInKind(r, kgTimesRate, rate.denominator, InKindUnit::Kg);
    if (!harvest.pricePerKg)
        return std::nullopt;
    return share(r, kgTimesRate * harvest.pricePerKg->sen(), Int128{rate.denominator} * Hundred);
}

void Calculation::herd(Kind kind, std::int64_t head) {
    KindResult& r = add(kind, Unit::Ekor, Quantity::whole(head));
    const std::int64_t nishab = kind == Kind::Unta   ? CamelNishab
                                : kind == Kind::Sapi ? CattleNishab
                                                     : GoatNishab;
    r.nishab = Quantity::whole(nishab);
    weigh(r, head, nishab, true);
    if (r.due)
        r.dueInKind = kind == Kind::Unta   ? camelsDue(head)
                      : kind == Kind::Sapi ? cattleDue(head)
                                           : goatsDue(head);
}

std::optional<Refusal> Calculation::rikaz(Rupiah value) {
    KindResult& r = add(Kind::Rikaz, Unit::Rupiah, value);
    r.rate = Fifth;
    weigh(r, value.sen(), 1, false);
    return share(r, Int128{value.sen()} * Fifth.numerator, Fifth.denominator);
}

std::optional<Refusal> Calculation::fitrah(const FitrahInput& fitrah) {
    KindResult& r = add(Kind::Fitrah, Unit::Orang, Quantity::whole(fitrah.persons));
    weigh(r, fitrah.persons, 1, false);
    if (fitrah.form == FitrahForm::Money) {
        m_result.fitrahValue = fitrah.value ? fitrah.value : m_result.year.fitrah;
        if (!m_result.fitrahValue)
            return Refusal{Field::FitrahValue,
                           u"Nilai zakat fitrah per orang untuk tahun %1 belum ditetapkan; "
                           u"isikan nilainya."_s.arg(m_result.year.year)};
        return share(r, Int128{fitrah.persons} * m_result.fitrahValue->sen(), 1);
    }
    const bool kg = fitrah.form == FitrahForm::RiceKg;
    const std::int64_t perPerson = (kg ? RiceKgPerPerson : RiceLitresPerPerson).hundredths();
    const Int128 rice = Int128{fitrah.persons} * perPerson;
    if (rice > Rupiah::MaxSen)
        return tooLarge(Kind::Fitrah);
    if (r.due)
        r.dueInKind = {{Quantity::fromHundredths(static_cast<std::int64_t>(rice)),
                        kg ? InKindUnit::Kg : InKindUnit::Liter}};
    m_result.fitrahValue = fitrah.value;
    if (!fitrah.value)
        return std::nullopt;
    return share(r, rice * fitrah.value->sen(), Hundred);
}

QString yearList(const ReferenceValues& values) {
    QStringList years;
    for (const YearValues& y : values.years())
        years.append(QString::number(y.year));
    return years.join(u", "_s);
}

} // namespace

std::variant<ZakatResult, Refusal> calculateZakat(const ZakatInput& input,
                                                  const ReferenceValues& values) {
    const YearValues* year = input.year ? values.find(*input.year) : &values.latest();
    if (!year)
        return Refusal{Field::Year,
                       u"Tahun %1 tidak ada dalam nilai acuan (tersedia: %2)."_s.arg(*input.year)
                           .arg(yearList(values))};
    Calculation calculation(input, *year);
    if (auto refusal = calculation.nishabs())
        return std::move(*refusal);
    if (auto refusal = calculation.run())
        return std::move(*refusal);
    return calculation.result();
}

std::variant<ZakatResult, Refusal> calculateZakat(const ZakatEntry& entry,
                                                  const std::optional<QLocale>& locale) {
    const auto& values = ReferenceValues::shipped();
    if (const auto* broken = std::get_if<QString>(&values))
        return Refusal{std::nullopt, *broken};
    const auto input = readZakatEntry(entry, locale);
    if (const auto* refusal = std::get_if<Refusal>(&input))
        return *refusal;
    return calculateZakat(std::get<ZakatInput>(input), std::get<ReferenceValues>(values));
}

} // namespace zw::zakat::complete
