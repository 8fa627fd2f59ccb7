#include "waris/engine/render/DivisionReport.h"

#include "common/AmountInWords.h"
#include "common/NumberFormat.h"
#include "common/OutputLayout.h"
#include "waris/engine/designed/InheritanceSheet.h"
#include "waris/engine/faraid/DistantKin.h"
#include "waris/engine/faraid/FaraidChoices.h"
#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/faraid/LawComparison.h"
#include "waris/engine/render/DivisionPersons.h"
#include "waris/engine/render/DivisionTitles.h"
#include "waris/engine/render/PersonWords.h"
#include "waris/engine/render/SpecialCasesReport.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

QString amount(Rupiah value, const QLocale& locale) {
    return formatNumber(value, NumberPattern::Amount, locale);
}

QString capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString personAmountText(const FaraidHeir& heir, const QLocale& locale) {
    if (heir.count == 1)
        return amount(heir.amount, locale);
    QString text = amount(heir.personAmount, locale);
    if (heir.personsWithExtraSen > 0)
        text += u" / "_s % amount(heir.amountOfPerson(0), locale);
    return text;
}

QString inWords(const QString& who, Rupiah value, const QLocale& locale) {
    return who % u' ' % formatRupiah(value, locale) % u": "_s % capitalised(amountInWords(value));
}

// "Anak Pria, 2 orang, masing-masing Rp 300,000.00: tiga ratus ribu rupiah"; persons who get
// a sen more are named apart. Where the case named a person of the heir, a line per person:
// "Siti Aminah (Istri) Rp 300,000.00: ...".
void addWords(QStringList& words, const FaraidHeir& heir, const DivisionPersons& named,
              const QLocale& locale) {
    if (named.anyNamed(heir)) {
        for (int p = 0; p < heir.count; ++p) {
            const QString who = named.find(heir, p)
                                    ? namedGroup({named.name(heir, p)}, named.relation(heir))
                                    : named.name(heir, p);
            words.append(inWords(who, heir.amountOfPerson(p), locale));
        }
        return;
    }
    const auto line = [&](int persons, Rupiah value) -> QString {
        QString head = faraidHeirName(heir);
        if (heir.count > 1)
            head += u", "_s % QString::number(persons) % u" orang"_s %
                    (persons > 1 ? u", masing-masing"_s : QString());
        return inWords(head, value, locale);
    };
    if (heir.personsWithExtraSen > 0)
        words.append(line(heir.personsWithExtraSen, heir.amountOfPerson(0)));
    if (heir.count > heir.personsWithExtraSen)
        words.append(line(heir.count - heir.personsWithExtraSen, heir.personAmount));
}

QString heirCell(const FaraidHeir& heir) {
    return faraidHeirName(heir) % (heir.tableDifference.isEmpty() ? QString() : u" *"_s);
}

// With names: a row per person, the name and the heir beside each other, one person's share and
// amount.
report::Table namedDivisionTable(const FaraidResult& result, const DivisionPersons& persons,
                                 const QLocale& locale) {
    using report::Align;
    const bool withMoney = result.money.has_value();
    report::Table table;
    table.columns = {{u"Nama"_s, Align::Left},
                     {u"Ahli Waris"_s, Align::Left},
                     {u"Status"_s, Align::Left},
                     {u"Bagian"_s, Align::Right}};
    if (withMoney)
        table.columns.push_back({u"Jumlah (Rp)"_s, Align::Right});
    for (const FaraidHeir& heir : result.heirs) {
        for (int p = 0; p < heir.count; ++p) {
            QStringList cells{persons.name(heir, p),
                              persons.relation(heir) %
                                  (heir.tableDifference.isEmpty() ? QString() : u" *"_s),
                              faraidStatusText(heir, result), heir.perPerson.toString()};
            if (withMoney)
                cells << amount(heir.amountOfPerson(p), locale);
            table.rows.push_back({cells});
        }
    }
    const auto lastRow = [&](const QString& name, Fraction share, Rupiah value, bool total) {
        QStringList cells{name, QString(), QString(), share.toString()};
        if (withMoney)
            cells << amount(value, locale);
        table.rows.push_back({cells, total});
    };
    if (!result.unassigned.isZero())
        lastRow(u"Baitul Mal (tidak terbagi)"_s, result.unassigned, result.unassignedAmount, false);
    lastRow(u"Jumlah"_s, Fraction(1), withMoney ? result.money->net : Rupiah(), true);
    return table;
}

report::Table divisionTable(const FaraidResult& result, const DivisionPersons& persons,
                            const QLocale& locale) {
    if (persons.named())
        return namedDivisionTable(result, persons, locale);
    using report::Align;
    const bool withMoney = result.money.has_value();
    report::Table table;
    table.columns = {{u"Ahli Waris"_s, Align::Left},
                     {u"Orang"_s, Align::Right},
                     {u"Status"_s, Align::Left},
                     {u"Bagian"_s, Align::Right},
                     {u"Per Orang"_s, Align::Right}};
    if (withMoney)
        table.columns.insert(table.columns.end(), {{u"Jumlah (Rp)"_s, Align::Right},
                                                   {u"Per Orang (Rp)"_s, Align::Right}});
    for (const FaraidHeir& heir : result.heirs) {
        QStringList cells{heirCell(heir), QString::number(heir.count),
                          faraidStatusText(heir, result), heir.share.toString(),
                          heir.perPerson.toString()};
        if (withMoney)
            cells << amount(heir.amount, locale) << personAmountText(heir, locale);
        table.rows.push_back({cells});
    }
    if (!result.unassigned.isZero()) {
        QStringList cells{u"Baitul Mal (tidak terbagi)"_s, QString(), QString(),
                          result.unassigned.toString(), QString()};
        if (withMoney)
            cells << amount(result.unassignedAmount, locale) << QString();
        table.rows.push_back({cells});
    }
    QStringList total{u"Jumlah"_s, QString(), QString(), u"1"_s, QString()};
    if (withMoney)
        total << amount(result.money->net, locale) << QString();
    table.rows.push_back({total, true});
    return table;
}

QString personShareText(const FaraidHeir* heir) {
    return heir ? heir->perPerson.toString() : u"-"_s;
}

QString personAmountOf(const FaraidHeir* heir, const QLocale& locale) {
    return heir ? personAmountText(*heir, locale) : u"-"_s;
}

// The classical amount of the KHI division's person `key`: the same person where the classical
// division counts him or her, else one person's of the class.
Rupiah classicalAmount(const FaraidHeir& classical, const DivisionPersons& persons,
                       const PersonKey& key) {
    for (int p = 0; p < classical.count; ++p) {
        if (persons.key(classical, p) == key)
            return classical.amountOfPerson(p);
    }
    return classical.personAmount;
}

// With names: a row per person.
report::Table namedComparisonTable(const FaraidResult& classical, const FaraidResult& khi,
                                   const PersonNames& names, const QLocale& locale) {
    using report::Align;
    const DivisionPersons classicalPersons(classical, names);
    const DivisionPersons khiPersons(khi, names);
    const bool withMoney = classical.money && khi.money;
    report::Table table;
    table.columns = {{u"Nama"_s, Align::Left},
                     {u"Ahli Waris"_s, Align::Left},
                     {u"Bagian Klasik"_s, Align::Right},
                     {u"Bagian KHI"_s, Align::Right}};
    if (withMoney)
        table.columns.insert(table.columns.end(), {{u"Klasik (Rp)"_s, Align::Right},
                                                   {u"KHI (Rp)"_s, Align::Right},
                                                   {u"Selisih (Rp)"_s, Align::Right}});
    table.columns.push_back({u"Sebab"_s, Align::Left});
    for (const LawComparisonRow& row : compareLaws(classical, khi)) {
        for (int p = 0; p < row.khi->count; ++p) {
            QStringList cells{khiPersons.name(*row.khi, p), khiPersons.relation(*row.khi),
                              personShareText(row.classical), personShareText(row.khi)};
            if (withMoney) {
                const Rupiah inKhi = row.khi->amountOfPerson(p);
                const std::optional<Rupiah> inClassical =
                    row.classical ? std::optional(classicalAmount(*row.classical, classicalPersons,
                                                                  khiPersons.key(*row.khi, p)))
                                  : std::nullopt;
                cells << (inClassical ? amount(*inClassical, locale) : u"-"_s)
                      << amount(inKhi, locale)
                      << amount(inKhi - inClassical.value_or(Rupiah()), locale);
            }
            cells << (row.reason.isEmpty() ? u"sama"_s : row.reason);
            table.rows.push_back({cells});
        }
    }
    if (withMoney)
        table.rows.push_back({{u"Harta Bersih"_s, QString(), QString(), QString(),
                               amount(classical.money->net, locale), amount(khi.money->net, locale),
                               amount(khi.money->net - classical.money->net, locale), QString()},
                              true});
    return table;
}

// Per class of persons: the share and amount of one person under each law and why they differ.
report::Table comparisonTable(const FaraidResult& classical, const FaraidResult& khi,
                              const PersonNames& names, const QLocale& locale) {
    if (anyNamed(names))
        return namedComparisonTable(classical, khi, names, locale);
    using report::Align;
    const bool withMoney = classical.money && khi.money;
    report::Table table;
    table.columns = {{u"Ahli Waris"_s, Align::Left},
                     {u"Orang"_s, Align::Right},
                     {u"Per Orang Klasik"_s, Align::Right},
                     {u"Per Orang KHI"_s, Align::Right}};
    if (withMoney)
        table.columns.insert(table.columns.end(), {{u"Klasik per Orang (Rp)"_s, Align::Right},
                                                   {u"KHI per Orang (Rp)"_s, Align::Right},
                                                   {u"Selisih per Orang (Rp)"_s, Align::Right}});
    table.columns.push_back({u"Sebab"_s, Align::Left});
    for (const LawComparisonRow& row : compareLaws(classical, khi)) {
        QStringList cells{faraidHeirName(*row.khi), QString::number(row.khi->count),
                          personShareText(row.classical), personShareText(row.khi)};
        if (withMoney) {
            // The difference of the amounts shown: a single person's, else the lower one.
            const auto shown = [](const FaraidHeir* heir) {
                return !heir ? Rupiah() : heir->count == 1 ? heir->amount : heir->personAmount;
            };
            cells << personAmountOf(row.classical, locale) << personAmountOf(row.khi, locale)
                  << amount(shown(row.khi) - shown(row.classical), locale);
        }
        cells << (row.reason.isEmpty() ? u"sama"_s : row.reason);
        table.rows.push_back({cells});
    }
    if (withMoney) {
        QStringList total{u"Harta Bersih"_s,
                          QString(),
                          QString(),
                          QString(),
                          amount(classical.money->net, locale),
                          amount(khi.money->net, locale),
                          amount(khi.money->net - classical.money->net, locale),
                          QString()};
        table.rows.push_back({total, true});
    }
    return table;
}

// Who takes half the joint property: the husband, else the wife or wives.
QString spouseName(const FaraidResult& result, const DivisionPersons& persons) {
    const FaraidHeir* spouse = result.heir(HeirKind::Suami);
    if (spouse == nullptr)
        spouse = result.heir(HeirKind::Istri);
    return spouse ? persons.label(*spouse) : heirInfo(HeirKind::Istri).name;
}

} // namespace

DivisionReport::DivisionReport(const DivisionCase& divisionCase, const DividedEstate& divided,
                               const QLocale& locale)
    : DivisionReport(divisionCase, divided.result, divided.other ? &*divided.other : nullptr,
                     divided.names, divided.deceased, locale) {}

DivisionReport::DivisionReport(const DivisionCase& divisionCase, const FaraidResult& result,
                               const FaraidResult* otherLaw, const PersonNames& names,
                               const std::optional<Deceased>& deceased, const QLocale& locale) {
    const DivisionPersons persons(result, names);
    table = divisionTable(result, persons, locale);
    steps = faraidSteps(result, moneyIn(locale), persons.naming());
    if (otherLaw)
        comparison = result.law == Law::Khi ? comparisonTable(*otherLaw, result, names, locale)
                                            : comparisonTable(result, *otherLaw, names, locale);
    addParticulars(divisionCase, deceased);

    if (result.money)
        addMoney(*result.money, spouseName(result, persons), locale);
    addOptions(divisionCase.input, result);

    for (const FaraidHeir& heir : result.heirs) {
        if (!heir.tableDifference.isEmpty())
            notes.append(u"* "_s % faraidHeirName(heir) % u": "_s % heir.tableDifference);
        if (result.money && heir.amount > Rupiah())
            addWords(m_words, heir, persons, locale);
    }
}

void DivisionReport::addOptions(const FaraidInput& input, const FaraidResult& result) {
    m_options.push_back({u"Hukum"_s, choices::Laws.label(result.law)});
    for (DivisionOption option : AllDivisionOptions) {
        if (!optionApplies(option, result.law))
            continue;
        const DivisionOptionInfo& info = divisionOptionInfo(option);
        QString value = optionLabel(input.options, option);
        const bool matters = optionMatters(input, result, option);
        optionsMatter[static_cast<std::size_t>(option)] = matters;
        if (!matters)
            value += u" (tidak berpengaruh di sini)"_s;
        m_options.push_back({info.caption, value});
    }
    if (result.distant)
        m_options.push_back({u"Dzawil arham"_s, distantKinRuleName(result.distant->rule)});
}

void DivisionReport::addParticulars(const DivisionCase& divisionCase,
                                    const std::optional<Deceased>& deceased) {
    if (deceased)
        m_particulars = deceasedFields(*deceased, divisionCase.name);
    else if (!divisionCase.name.isEmpty())
        m_particulars.push_back({sheetText::FieldNames[0].trimmed().toString(), divisionCase.name});
    if (!divisionCase.estateText.isEmpty())
        m_particulars.push_back(
            {sheetText::FieldNames[5].trimmed().toString(), divisionCase.estateText});
}

void DivisionReport::addMoney(const FaraidMoney& m, const QString& spouse, const QLocale& locale) {
    const Rupiah none;
    const auto rp = [&locale](Rupiah value) {
        return formatRupiah(value, locale);
    };
    net = rp(m.net);
    if (m.jointProperty > none) {
        m_money.push_back({u"Harta Bersama"_s, rp(m.jointProperty)});
        m_money.push_back({u"Separuh untuk "_s % spouse, rp(m.spouseJointShare)});
    }
    m_money.push_back({u"Biaya Pengurusan Jenazah"_s, rp(m.funeral)});
    if (m.zakat > none)
        m_money.push_back({u"Zakat yang Belum Dibayar"_s, rp(m.zakat)});
    m_money.push_back({u"Utang"_s, rp(m.debts)});
    if (m.obligatoryAsked > none)
        m_money.push_back({u"Wasiat Wajibah ("_s % bequestRecipientName(m.obligatoryTo) % u')',
                           rp(m.obligatory)});
    m_money.push_back({u"Wasiat"_s, rp(m.bequest)});
    m_money.push_back({u"Harta Bersih"_s, net});

    QStringList cuts;
    if (m.obligatoryCut())
        cuts.append(u"Wasiat wajibah yang diminta "_s % rp(m.obligatoryAsked) %
                    u" melebihi sepertiga harta setelah biaya, zakat dan utang, maka dipotong "
                    u"menjadi "_s %
                    rp(m.obligatory) % u'.');
    if (m.bequestCut() && m.obligatoryAsked > none)
        cuts.append(u"Wasiat yang diminta "_s % rp(m.bequestAsked) %
                    u" bersama wasiat wajibah melebihi sepertiga harta setelah biaya, zakat dan "
                    u"utang, maka dipotong menjadi "_s %
                    rp(m.bequest) % u'.');
    else if (m.bequestCut())
        cuts.append(u"Wasiat yang diminta "_s % rp(m.bequestAsked) %
                    u" melebihi sepertiga harta setelah biaya dan utang, maka dipotong menjadi "_s %
                    rp(m.bequest) % u'.');
    bequestNote = cuts.join(u' ');
}

report::Report DivisionReport::report(const QString& stamp) const {
    report::Report r{divisionTitles::Report.toString(), stamp, {}};
    if (!m_particulars.empty())
        r.addSection().blocks = {report::Fields{m_particulars}};
    if (!m_money.empty()) {
        report::Section& money = r.addSection();
        money.blocks = {report::Fields{m_money}};
        if (!bequestNote.isEmpty())
            money.blocks.emplace_back(report::Paragraphs{{bequestNote}});
    }
    r.addSection(divisionTitles::Options.toString()).blocks = {report::Fields{m_options}};
    r.addSection().blocks = {table, report::Paragraphs{notes}};
    if (comparison)
        r.addSection(divisionTitles::Comparison.toString()).blocks = {*comparison};
    if (!m_words.isEmpty())
        r.addSection(divisionTitles::Words.toString()).blocks = {report::Paragraphs{m_words}};
    r.addSection(divisionTitles::Steps.toString()).blocks = {report::Steps{steps}};
    return r;
}

report::Report fullReport(const DivisionReport& report, const DividedEstate& divided,
                          const QLocale& locale, const QString& stamp) {
    report::Report whole = report.report(stamp);
    if (divided.special)
        addSpecialSections(whole, *divided.special, locale, divided.names);
    return whole;
}

QString divisionStamp(const QDateTime& now) {
    return timeStamp(now) % u"  "_s % dateStamp(now);
}

} // namespace zw::waris
