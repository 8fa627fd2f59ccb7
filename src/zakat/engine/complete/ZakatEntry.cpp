#include "zakat/engine/complete/ZakatEntry.h"

#include "common/NumberReader.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zw::zakat::complete {

namespace {

enum class Reading : std::uint8_t { Amount, Quantity, Count };

struct FieldInfo {
    const char16_t* name;
    Reading reading;
};

// In the order of Field.
constexpr std::array<FieldInfo, FieldCount> Fields{{
    {u"Tahun", Reading::Count},
    {u"Harga emas per gram", Reading::Amount},
    {u"Harga perak per gram", Reading::Amount},
    {u"Penghasilan", Reading::Amount},
    {u"Penghasilan lain", Reading::Amount},
    {u"Pengurangan penghasilan", Reading::Amount},
    {u"Uang tunai dan tabungan", Reading::Amount},
    {u"Surat berharga", Reading::Amount},
    {u"Piutang", Reading::Amount},
    {u"Utang", Reading::Amount},
    {u"Berat emas", Reading::Quantity},
    {u"Karat emas", Reading::Quantity},
    {u"Berat perak", Reading::Quantity},
    {u"Aset dagang", Reading::Amount},
    {u"Piutang dagang", Reading::Amount},
    {u"Utang dagang", Reading::Amount},
    {u"Hasil panen", Reading::Quantity},
    {u"Harga gabah per kg", Reading::Amount},
    {u"Jumlah unta", Reading::Count},
    {u"Jumlah sapi/kerbau", Reading::Count},
    {u"Jumlah kambing/domba", Reading::Count},
    {u"Rikaz", Reading::Amount},
    {u"Hasil tambang", Reading::Amount},
    {u"Jumlah jiwa zakat fitrah", Reading::Count},
    {u"Nilai zakat fitrah", Reading::Amount},
}};

constexpr std::int64_t LatestYear = 9999;

// A field's value in hundredths of its unit (sen for money), or its refusal.
std::variant<Rupiah, Refusal> readField(Field field, QStringView text,
                                        const std::optional<QLocale>& locale) {
    const FieldInfo& info = Fields[static_cast<std::size_t>(field)];
    const QString name = QString::fromUtf16(info.name);
    const QString shown = text.trimmed().toString();
    const AmountReading reading = locale ? readRupiah(text, *locale) : readPlainAmount(shown);
    if (const auto* error = std::get_if<AmountError>(&reading)) {
        switch (*error) {
        case AmountError::NotANumber:
            return Refusal{field, name % u" bukan angka yang sah: "_s % shown};
        case AmountError::Negative:
            return Refusal{field, name % u" tidak boleh negatif: "_s % shown};
        case AmountError::TooLarge:
            return Refusal{field, name % u" terlalu besar: "_s % shown};
        }
    }
    const Rupiah value = std::get<Rupiah>(reading);
    if (info.reading == Reading::Count && value.sen() % Rupiah::SenPerRupiah != 0)
        return Refusal{field, name % u" harus bilangan bulat: "_s % shown};
    if (field == Field::Year && value.sen() / Rupiah::SenPerRupiah > LatestYear)
        return Refusal{field, u"Tahun bukan tahun yang sah: "_s % shown};
    return value;
}

bool isKindOf(Kind kind, Field field) {
    switch (field) {
    case Field::Income:
    case Field::IncomeOther:
    case Field::IncomeDeductions:
        return kind == Kind::Penghasilan;
    case Field::Cash:
    case Field::Securities:
    case Field::Receivables:
    case Field::Debts:
        return kind == Kind::Simpanan;
    case Field::GoldGrams:
    case Field::Carat:
        return kind == Kind::Emas;
    case Field::SilverGrams:
        return kind == Kind::Perak;
    case Field::TradeAssets:
    case Field::TradeReceivables:
    case Field::TradeDebts:
        return kind == Kind::Perdagangan;
    case Field::HarvestKg:
    case Field::HarvestPrice:
        return kind == Kind::Pertanian;
    case Field::Camels:
        return kind == Kind::Unta;
    case Field::Cattle:
        return kind == Kind::Sapi;
    case Field::Goats:
        return kind == Kind::Kambing;
    case Field::Rikaz:
        return kind == Kind::Rikaz;
    case Field::Mining:
        return kind == Kind::Tambang;
    case Field::FitrahPersons:
    case Field::FitrahValue:
        return kind == Kind::Fitrah;
    case Field::Year:
    case Field::GoldPrice:
    case Field::SilverPrice:
        return false;
    }
    return false;
}

// The values read from an entry whose every filled field is valid.
class ReadValues {
public:
    ReadValues(const ZakatEntry& entry, std::array<std::optional<Rupiah>, FieldCount> values)
        : m_entry(entry)
        , m_values(values) {}

    bool has(Field field) const { return m_values[static_cast<std::size_t>(field)].has_value(); }
    std::optional<Rupiah> optional(Field field) const {
        return m_values[static_cast<std::size_t>(field)];
    }
    Rupiah amount(Field field) const { return optional(field).value_or(Rupiah()); }
    Quantity quantity(Field field) const { return Quantity::fromAmount(amount(field)); }
    std::int64_t count(Field field) const { return amount(field).sen() / Rupiah::SenPerRupiah; }

    bool takesPart(Kind kind) const {
        if (m_entry.given[static_cast<std::size_t>(kind)])
            return true;
        for (int f = 0; f < FieldCount; ++f) {
            if (m_values[static_cast<std::size_t>(f)] && isKindOf(kind, static_cast<Field>(f)))
                return true;
        }
        return false;
    }

private:
    const ZakatEntry& m_entry;
    std::array<std::optional<Rupiah>, FieldCount> m_values;
};

ZakatInput inputOf(const ZakatEntry& entry, const ReadValues& v) {
    ZakatInput in;
    if (v.has(Field::Year))
        in.year = static_cast<int>(v.count(Field::Year));
    in.basis = entry.basis;
    in.goldPrice = v.optional(Field::GoldPrice);
    in.silverPrice = v.optional(Field::SilverPrice);
    in.haulComplete = entry.haulComplete;
    if (v.takesPart(Kind::Penghasilan))
        in.income = IncomeInput{v.amount(Field::Income), v.amount(Field::IncomeOther),
                                v.amount(Field::IncomeDeductions), entry.period};
    if (v.takesPart(Kind::Simpanan))
        in.savings = SavingsInput{v.amount(Field::Cash), v.amount(Field::Securities),
                                  v.amount(Field::Receivables), v.amount(Field::Debts)};
    if (v.takesPart(Kind::Emas)) {
        in.gold = GoldInput{v.quantity(Field::GoldGrams)};
        if (v.has(Field::Carat))
            in.gold->carat = v.quantity(Field::Carat);
    }
    if (v.takesPart(Kind::Perak))
        in.silverGrams = v.quantity(Field::SilverGrams);
    if (v.takesPart(Kind::Perdagangan))
        in.trade = TradeInput{v.amount(Field::TradeAssets), v.amount(Field::TradeReceivables),
                              v.amount(Field::TradeDebts)};
    if (v.takesPart(Kind::Pertanian))
        in.harvest = HarvestInput{v.quantity(Field::HarvestKg), entry.irrigation,
                                  v.optional(Field::HarvestPrice)};
    if (v.takesPart(Kind::Unta))
        in.camels = v.count(Field::Camels);
    if (v.takesPart(Kind::Sapi))
        in.cattle = v.count(Field::Cattle);
    if (v.takesPart(Kind::Kambing))
        in.goats = v.count(Field::Goats);
    if (v.takesPart(Kind::Rikaz))
        in.rikaz = v.amount(Field::Rikaz);
    if (v.takesPart(Kind::Tambang))
        in.mining = v.amount(Field::Mining);
    if (v.takesPart(Kind::Fitrah))
        in.fitrah = FitrahInput{v.count(Field::FitrahPersons), entry.fitrahForm,
                                v.optional(Field::FitrahValue)};
    return in;
}

} // namespace

QString fieldName(Field field) {
    return QString::fromUtf16(Fields[static_cast<std::size_t>(field)].name);
}

std::optional<Refusal> fieldProblem(Field field, QStringView text,
                                    const std::optional<QLocale>& locale) {
    if (text.trimmed().isEmpty())
        return std::nullopt;
    auto read = readField(field, text, locale);
    if (auto* refusal = std::get_if<Refusal>(&read))
        return std::move(*refusal);
    return std::nullopt;
}

std::variant<ZakatInput, Refusal> readZakatEntry(const ZakatEntry& entry,
                                                 const std::optional<QLocale>& locale) {
    std::array<std::optional<Rupiah>, FieldCount> values;
    for (int f = 0; f < FieldCount; ++f) {
        const auto field = static_cast<Field>(f);
        const QString& text = entry[field];
        if (text.trimmed().isEmpty())
            continue;
        auto read = readField(field, text, locale);
        if (auto* refusal = std::get_if<Refusal>(&read))
            return std::move(*refusal);
        values[static_cast<std::size_t>(f)] = std::get<Rupiah>(read);
    }
    return inputOf(entry, ReadValues(entry, values));
}

} // namespace zw::zakat::complete
