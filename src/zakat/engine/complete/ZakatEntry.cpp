#include "zakat/engine/complete/ZakatEntry.h"

#include "common/NumberReader.h"
#include "zakat/engine/complete/ZakatChoices.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zw::zakat::complete {

namespace {

enum class Reading : std::uint8_t { Amount, Quantity, Count };

struct FieldInfo {
    const char16_t* name;
    QStringView option;
    Reading reading;
};

// In the order of Field.
constexpr std::array<FieldInfo, FieldCount> Fields{{
    {u"Tahun", u"year", Reading::Count},
    {u"Harga emas per gram", u"gold-price", Reading::Amount},
    {u"Harga perak per gram", u"silver-price", Reading::Amount},
    {u"Penghasilan", u"income", Reading::Amount},
    {u"Penghasilan lain", u"income-other", Reading::Amount},
    {u"Pengurangan penghasilan", u"income-deductions", Reading::Amount},
    {u"Uang tunai dan tabungan", u"cash", Reading::Amount},
    {u"Surat berharga", u"securities", Reading::Amount},
    {u"Piutang", u"receivables", Reading::Amount},
    {u"Utang", u"debts", Reading::Amount},
    {u"Berat emas", u"gold-grams", Reading::Quantity},
    {u"Karat emas", u"gold-karat", Reading::Quantity},
    {u"Berat perak", u"silver-grams", Reading::Quantity},
    {u"Aset dagang", u"trade-assets", Reading::Amount},
    {u"Piutang dagang", u"trade-receivables", Reading::Amount},
    {u"Utang dagang", u"trade-debts", Reading::Amount},
    {u"Hasil panen", u"harvest-kg", Reading::Quantity},
    {u"Harga gabah per kg", u"harvest-price", Reading::Amount},
    {u"Jumlah unta", u"camels", Reading::Count},
    {u"Jumlah sapi/kerbau", u"cattle", Reading::Count},
    {u"Jumlah kambing/domba", u"goats", Reading::Count},
    {u"Rikaz", u"rikaz", Reading::Amount},
    {u"Hasil tambang", u"mining", Reading::Amount},
    {u"Jumlah jiwa zakat fitrah", u"fitrah-persons", Reading::Count},
    {u"Nilai zakat fitrah", u"fitrah-value", Reading::Amount},
}};

// Sets `target` to the value `word` names in `choices`.
template<typename Value>
bool chooseFrom(const ChoiceOption<Value>& choices, QStringView word, Value& target) {
    const std::optional<Value> value = choices.read(word);
    if (value)
        target = *value;
    return value.has_value();
}

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

QString fieldOption(Field field) {
    return Fields[static_cast<std::size_t>(field)].option.toString();
}

std::optional<Field> fieldOfOption(QStringView option) {
    const auto found = std::find_if(Fields.cbegin(), Fields.cend(),
                                    [option](const FieldInfo& f) { return f.option == option; });
    if (found == Fields.cend())
        return std::nullopt;
    return static_cast<Field>(found - Fields.cbegin());
}

bool ZakatEntry::choose(QStringView option, QStringView word) {
    word = word.trimmed();
    const auto bring = [this](Kind kind) {
        given.set(static_cast<std::size_t>(kind));
        return true;
    };
    if (option == nishabOption().option)
        return chooseFrom(nishabOption(), word, basis);
    if (option == haulOption().option)
        return chooseFrom(haulOption(), word, haulComplete);
    if (option == periodOption().option)
        return chooseFrom(periodOption(), word, period) && bring(Kind::Penghasilan);
    if (option == irrigationOption().option)
        return chooseFrom(irrigationOption(), word, irrigation) && bring(Kind::Pertanian);
    return option == fitrahFormOption().option &&
           chooseFrom(fitrahFormOption(), word, fitrahForm) && bring(Kind::Fitrah);
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
