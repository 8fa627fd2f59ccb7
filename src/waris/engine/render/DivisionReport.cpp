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
#include "waris/engine/render/DivisionTitles.h"
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

// "Anak Pria, 2 orang, masing-masing Rp 300,000.00: tiga ratus ribu rupiah"; persons who get
// a sen more are named apart.
void addWords(QStringList& words, const FaraidHeir& heir, const QLocale& locale) {
    const auto line = [&](int persons, Rupiah value) -> QString {
        QString head = faraidHeirName(heir);
        if (heir.count > 1)
            head += u", "_s % QString::number(persons) % u" orang"_s %
                    (persons > 1 ? u", masing-masing"_s : QString());
        return head % u' ' % formatRupiah(value, locale) % u": "_s %
               capitalised(amountInWords(value));
    };
    if (heir.personsWithExtraSen > 0)
        words.append(line(heir.personsWithExtraSen, heir.amountOfPerson(0)));
    if (heir.count > heir.personsWithExtraSen)
        words.append(line(heir.count - heir.personsWithExtraSen, heir.personAmount));
}

report::Table divisionTable(const FaraidResult& result, const QLocale& locale) {
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
        QStringList cells{faraidHeirName(heir) %
                              (heir.tableDifference.isEmpty() ? QString() : u" *"_s),
                          QString::number(heir.count), faraidStatusText(heir, result),
                          heir.share.toString(), heir.perPerson.toString()};
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

// Per class of persons: the share and amount of one person under each law and why they differ.
report::Table comparisonTable(const FaraidResult& classical, const FaraidResult& khi,
                              const QLocale& locale) {
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

} // namespace

DivisionReport::DivisionReport(const DivisionCase& divisionCase, const FaraidResult& result,
                               const QLocale& locale, const FaraidResult* otherLaw)
    : table(divisionTable(result, locale))
    , steps(faraidSteps(result, moneyIn(locale))) {
    if (otherLaw)
        comparison = result.law == Law::Khi ? comparisonTable(*otherLaw, result, locale)
                                            : comparisonTable(result, *otherLaw, locale);
    if (!divisionCase.name.isEmpty())
        m_particulars.push_back({sheetText::FieldNames[0].trimmed().toString(), divisionCase.name});
    if (!divisionCase.estateText.isEmpty())
        m_particulars.push_back(
            {sheetText::FieldNames[5].trimmed().toString(), divisionCase.estateText});

    if (result.money)
        addMoney(*result.money, result, locale);

    m_options.push_back({u"Hukum"_s, choices::Laws.label(result.law)});
    for (DivisionOption option : AllDivisionOptions) {
        if (!optionApplies(option, result.law))
            continue;
        const DivisionOptionInfo& info = divisionOptionInfo(option);
        QString value = optionLabel(divisionCase.input.options, option);
        const bool matters = optionMatters(divisionCase.input, result, option);
        optionsMatter[static_cast<std::size_t>(option)] = matters;
        if (!matters)
            value += u" (tidak berpengaruh di sini)"_s;
        m_options.push_back({info.caption, value});
    }
    if (result.distant)
        m_options.push_back({u"Dzawil arham"_s, distantKinRuleName(result.distant->rule)});

    for (const FaraidHeir& heir : result.heirs) {
        if (!heir.tableDifference.isEmpty())
            notes.append(u"* "_s % faraidHeirName(heir) % u": "_s % heir.tableDifference);
        if (result.money && heir.amount > Rupiah())
            addWords(m_words, heir, locale);
    }
}

void DivisionReport::addMoney(const FaraidMoney& m, const FaraidResult& result,
                              const QLocale& locale) {
    const Rupiah none;
    const auto rp = [&locale](Rupiah value) {
        return formatRupiah(value, locale);
    };
    net = rp(m.net);
    if (m.jointProperty > none) {
        const FaraidHeir* spouse = result.heir(HeirKind::Suami);
        const QString name = heirInfo(spouse ? HeirKind::Suami : HeirKind::Istri).name;
        m_money.push_back({u"Harta Bersama"_s, rp(m.jointProperty)});
        m_money.push_back({u"Separuh untuk "_s % name, rp(m.spouseJointShare)});
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
        addSpecialSections(whole, *divided.special, locale);
    return whole;
}

QString divisionStamp(const QDateTime& now) {
    return timeStamp(now) % u"  "_s % dateStamp(now);
}

} // namespace zw::waris
