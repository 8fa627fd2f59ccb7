#include "waris/engine/render/DivisionReport.h"

#include "common/AmountInWords.h"
#include "common/NumberFormat.h"
#include "common/OutputLayout.h"
#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/render/DivisionTitles.h"
#include "waris/engine/table/InheritanceSheet.h"

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
        QString head = heirInfo(heir.kind).name;
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
        QStringList cells{heirInfo(heir.kind).name %
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

} // namespace

DivisionReport::DivisionReport(const DivisionCase& divisionCase, const FaraidResult& result,
                               const QLocale& locale)
    : table(divisionTable(result, locale))
    , steps(faraidSteps(result, moneyIn(locale))) {
    if (!divisionCase.name.isEmpty())
        m_particulars.push_back({sheetText::FieldNames[0].trimmed().toString(), divisionCase.name});
    if (!divisionCase.estateText.isEmpty())
        m_particulars.push_back(
            {sheetText::FieldNames[5].trimmed().toString(), divisionCase.estateText});

    if (result.money) {
        const FaraidMoney& m = *result.money;
        net = formatRupiah(m.net, locale);
        m_money = {{u"Biaya Pengurusan Jenazah"_s, formatRupiah(m.funeral, locale)},
                   {u"Utang"_s, formatRupiah(m.debts, locale)},
                   {u"Wasiat"_s, formatRupiah(m.bequest, locale)},
                   {u"Harta Bersih"_s, net}};
        if (m.bequestCut)
            bequestNote = u"Wasiat yang diminta "_s % formatRupiah(m.bequestAsked, locale) %
                          u" melebihi sepertiga harta setelah biaya dan utang, maka dipotong "_s %
                          u"menjadi "_s % formatRupiah(m.bequest, locale) % u'.';
    }

    for (DivisionOption option : AllDivisionOptions) {
        const DivisionOptionInfo& info = divisionOptionInfo(option);
        QString value = info.choices[static_cast<std::size_t>(
            optionChoice(divisionCase.input.options, option))];
        const bool matters = optionMatters(divisionCase.input, result, option);
        optionsMatter[static_cast<std::size_t>(option)] = matters;
        if (!matters)
            value += u" (tidak berpengaruh di sini)"_s;
        m_options.push_back({info.caption, value});
    }

    for (const FaraidHeir& heir : result.heirs) {
        if (!heir.tableDifference.isEmpty())
            notes.append(u"* "_s % heirInfo(heir.kind).name % u": "_s % heir.tableDifference);
        if (result.money && heir.amount > Rupiah())
            addWords(m_words, heir, locale);
    }
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
    if (!m_words.isEmpty())
        r.addSection(divisionTitles::Words.toString()).blocks = {report::Paragraphs{m_words}};
    r.addSection(divisionTitles::Steps.toString()).blocks = {report::Steps{steps}};
    return r;
}

QString divisionStamp(const QDateTime& now) {
    return timeStamp(now) % u"  "_s % dateStamp(now);
}

} // namespace zw::waris
