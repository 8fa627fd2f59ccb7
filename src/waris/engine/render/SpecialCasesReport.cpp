#include "waris/engine/render/SpecialCasesReport.h"

#include "common/NumberFormat.h"
#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/faraid/OutcomeName.h"
#include "waris/engine/faraid/SpecialCaseParts.h"
#include "waris/engine/render/SpecialCasesText.h"
#include "waris/engine/render/SpecialPersonNames.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using report::Align;

QString amount(Rupiah value, const QLocale& locale) {
    return formatNumber(value, NumberPattern::Amount, locale);
}

// The first cells of a row: who it is, in one column or, with names, in two.
QStringList whoCells(const SpecialPersonNames& who, const QString& name, const QString& relation) {
    return who.named() ? QStringList{name, relation} : QStringList{name};
}

} // namespace

report::Table specialFinalTable(const SpecialResult& r, const QLocale& locale,
                                const PersonNames& names) {
    const SpecialPersonNames who(r, names);
    const bool money = r.first.money.has_value();
    const std::size_t estates = r.deaths.empty() ? 0 : r.deaths.size() + 1;
    report::Table table;
    if (who.named())
        table.columns.push_back({u"Nama"_s, Align::Left});
    table.columns.insert(table.columns.end(),
                         {{u"Ahli Waris"_s, Align::Left}, {u"Bagian"_s, Align::Right}});
    if (estates > 0)
        table.columns.push_back({u"Saham dari "_s % QString::number(r.jamiah), Align::Right});
    for (std::size_t e = 0; money && e < estates; ++e)
        table.columns.push_back({u"Dari harta ke-"_s % QString::number(e + 1), Align::Right});
    if (money)
        table.columns.push_back({u"Jumlah"_s, Align::Right});
    for (std::size_t i = 0; i < r.persons.size(); ++i) {
        const SpecialPerson& p = r.persons[i];
        if (p.died)
            continue;
        QStringList cells = whoCells(who, who.name(i), who.relation(i));
        cells.append(p.share.toString());
        if (estates > 0)
            cells.append(QString::number(p.parts));
        for (std::size_t e = 0; money && e < estates; ++e)
            cells.append(amount(p.amountsFrom[e], locale));
        if (money)
            cells.append(amount(p.amount, locale));
        table.rows.push_back({cells, false});
    }
    const auto extraRow = [&](const QString& name, Fraction share, Rupiah value) {
        QStringList cells = whoCells(who, name, QString());
        cells.append(share.toString());
        if (estates > 0)
            cells.append((share * Fraction(r.jamiah)).toString());
        for (std::size_t e = 0; money && e < estates; ++e)
            cells.append(QString());
        if (money)
            cells.append(amount(value, locale));
        table.rows.push_back({cells, false});
    };
    if (!r.treasury.isZero())
        extraRow(u"Baitul Mal"_s, r.treasury, r.treasuryAmount);
    if (!r.held.isZero())
        extraRow(u"Ditangguhkan"_s, r.held, r.heldAmount);
    QStringList total = whoCells(who, u"Jumlah"_s, QString());
    total.append(u"1"_s);
    if (estates > 0)
        total.append(QString::number(r.jamiah));
    for (std::size_t e = 0; money && e < estates; ++e)
        total.append(QString());
    if (money)
        total.append(amount(r.first.money->net, locale));
    table.rows.push_back({total, true});
    return table;
}

QStringList heldAmountSteps(const SpecialResult& r, const QLocale& locale,
                            const PersonNames& names) {
    QStringList steps;
    if (r.held.isZero() || !r.first.money)
        return steps;
    const SpecialPersonNames who(r, names);
    for (const SpecialOutcome& o : r.outcomes) {
        QStringList parts;
        for (std::size_t i = 0; i < r.persons.size(); ++i) {
            if (const Rupiah more = o.amounts[i] - r.persons[i].amount; more != Rupiah())
                parts.append(who.label(i) % u' ' % formatRupiah(more, locale));
        }
        if (const Rupiah more = o.treasuryAmount - r.treasuryAmount; more != Rupiah())
            parts.append(u"Baitul Mal "_s % formatRupiah(more, locale));
        steps.append(u"Yang ditangguhkan ("_s % formatRupiah(r.heldAmount, locale) % u"), bila "_s %
                     outcomeName(o.fates) % u": "_s % parts.join(u", "_s) % u'.');
    }
    return steps;
}

namespace {

report::Table outcomeTable(const SpecialResult& r, const SpecialPersonNames& who,
                           const QLocale& locale) {
    const bool money = r.first.money.has_value();
    report::Table table;
    table.columns = {{u"Kemungkinan"_s, Align::Left},
                     {u"Ahli Waris"_s, Align::Left},
                     {u"Bagian"_s, Align::Right}};
    if (money)
        table.columns.push_back({u"Jumlah"_s, Align::Right});
    for (const SpecialOutcome& o : r.outcomes) {
        bool first = true;
        for (std::size_t i = 0; i < r.persons.size(); ++i) {
            QStringList cells{first ? outcomeName(o.fates) : QString(), who.label(i),
                              o.shares[i].toString()};
            if (money)
                cells.append(amount(o.amounts[i], locale));
            table.rows.push_back({cells, false});
            first = false;
        }
        if (!o.treasury.isZero()) {
            QStringList cells{QString(), u"Baitul Mal"_s, o.treasury.toString()};
            if (money)
                cells.append(amount(o.treasuryAmount, locale));
            table.rows.push_back({cells, false});
        }
    }
    return table;
}

report::Table deathTable(const SpecialDeath& death) {
    report::Table table;
    table.columns = {{u"Ahli Waris"_s, Align::Left},
                     {u"Orang"_s, Align::Right},
                     {u"Bagian"_s, Align::Right},
                     {u"Dari harta pertama"_s, Align::Right}};
    for (const FaraidHeir& h : death.division.heirs)
        table.rows.push_back({{faraidHeirName(h), QString::number(h.count), h.share.toString(),
                               (h.share * death.share).toString()},
                              false});
    return table;
}

// With names: a row per person, his or her name and relation to the dead person.
report::Table namedDeathTable(const SpecialPersonNames& who, const SpecialResult& r,
                              std::size_t d) {
    const SpecialDeath& death = r.deaths[d];
    report::Table table;
    table.columns = {{u"Nama"_s, Align::Left},
                     {u"Ahli Waris"_s, Align::Left},
                     {u"Bagian"_s, Align::Right},
                     {u"Dari harta pertama"_s, Align::Right}};
    const QString dead = who.name(death.person);
    for (const FaraidHeir& h : death.division.heirs) {
        const QString relation = parts::kindName(h.kind) % u" dari "_s % dead;
        for (const std::size_t person : who.heirsOf(d, h))
            table.rows.push_back({{who.name(person), relation, h.perPerson.toString(),
                                   (h.perPerson * death.share).toString()},
                                  false});
    }
    return table;
}

} // namespace

void addSpecialSections(report::Report& report, const SpecialResult& result, const QLocale& locale,
                        const PersonNames& names) {
    const SpecialPersonNames who(result, names);
    if (const QStringList notes = specialNotes(result, names); !notes.isEmpty())
        report.addSection(u"Kasus Khusus"_s).blocks = {report::Paragraphs{notes}};
    for (std::size_t d = 0; d < result.deaths.size(); ++d) {
        const SpecialDeath& death = result.deaths[d];
        report
            .addSection(u"Pembagian ke-"_s % QString::number(d + 2) % u": harta "_s %
                        who.label(death.person) % u" (" % death.share.toString() % u')')
            .blocks = {
            who.named() ? namedDeathTable(who, result, d) : deathTable(death),
            report::Paragraphs{faraidSteps(death.division, moneyIn(locale), who.naming(d))}};
    }
    if (!result.outcomes.empty())
        report.addSection(u"Setiap Kemungkinan"_s).blocks = {outcomeTable(result, who, locale)};
    report
        .addSection(result.deaths.empty() ? u"Yang Diterima Sekarang"_s
                                          : u"Pembagian Akhir (Jami'ah)"_s)
        .blocks = {specialFinalTable(result, locale, names)};
    if (const QStringList steps = specialSteps(result, names); !steps.isEmpty())
        report.addSection(u"Langkah Kasus Khusus"_s).blocks = {report::Steps{steps}};
}

} // namespace zw::waris
