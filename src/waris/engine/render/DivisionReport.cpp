#include "waris/engine/render/DivisionReport.h"

#include "common/AmountInWords.h"
#include "common/NumberFormat.h"
#include "common/OutputLayout.h"
#include "waris/engine/faraid/DivisionOptions.h"
#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/table/InheritanceSheet.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;

// Amounts are within Money's range: every one is a part of an estate read as Money.
QString amount(Sen sen, const QLocale& locale) {
    return formatNumber(Money::fromUnits(sen * 100), NumberPattern::Amount, locale);
}

QString rupiah(Sen sen, const QLocale& locale) {
    return formatNumber(Money::fromUnits(sen * 100), NumberPattern::RupiahAmount, locale);
}

QString capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

std::uint32_t receiving(const FaraidResult& result, FaraidStatus status) {
    std::uint32_t bits = 0;
    for (const FaraidHeir& heir : result.heirs) {
        if (heir.status == status)
            bits |= kindBit(heir.kind);
    }
    return bits;
}

QString statusText(const FaraidHeir& heir, const FaraidResult& result) {
    if (heir.status == FaraidStatus::Blocked)
        return u"Terhalang oleh "_s % faraidKindNames(heir.blockedBy);
    if (heir.basisCode == FaraidBasis::MushtarakaShare) {
        const std::uint32_t uterine = kindBit(SaudaraPriaSeIbu) | kindBit(SaudaraWanitaSeIbu);
        return u"Berbagi 1/3 bersama "_s %
               faraidKindNames(receiving(result, FaraidStatus::Fard) & uterine);
    }
    if (heir.status == FaraidStatus::Fard)
        return u"Fard "_s % heir.fard.toString() % (heir.receivesRadd ? u" + radd"_s : QString());

    QString text = heir.fard.isZero() ? u"Ashabah"_s : heir.fard.toString() % u" + ashabah"_s;
    std::uint32_t with = receiving(result, FaraidStatus::Ashabah) & ~kindBit(heir.kind);
    if (heir.residuary == Residuary::MaalGhair)
        with = receiving(result, FaraidStatus::Fard) & (kindBit(AnakWanita) | kindBit(CucuWanita));
    if (with != 0)
        text += u" bersama "_s % faraidKindNames(with);
    return text;
}

QString personAmountText(const FaraidHeir& heir, const QLocale& locale) {
    if (heir.count == 1)
        return amount(heir.amount, locale);
    QString text = amount(heir.personAmount, locale);
    if (heir.personsWithExtraSen > 0)
        text += u" / "_s % amount(heir.personAmount + 1, locale);
    return text;
}

QString personsText(int count) {
    return count == 1 ? u"1 orang"_s : QString::number(count) % u" orang"_s;
}

// "Anak Pria, 2 orang, masing-masing Rp 300,000.00: tiga ratus ribu rupiah"; persons who get
// a sen more are named apart.
void addWords(QStringList& words, const FaraidHeir& heir, const QLocale& locale) {
    const auto line = [&](int persons, Sen sen) -> QString {
        QString head = faraidKindName(heir.kind);
        if (heir.count > 1)
            head +=
                u", "_s % personsText(persons) % (persons > 1 ? u", masing-masing"_s : QString());
        return head % u' ' % rupiah(sen, locale) % u": "_s % capitalised(amountInWords(Rupiah::fromSen(sen)));
    };
    if (heir.personsWithExtraSen > 0)
        words.append(line(heir.personsWithExtraSen, heir.personAmount + 1));
    if (heir.count > heir.personsWithExtraSen)
        words.append(line(heir.count - heir.personsWithExtraSen, heir.personAmount));
}

} // namespace

const DivisionReport::Cells& DivisionReport::headings() {
    static const Cells cells{u"Ahli Waris"_s, u"Orang"_s,       u"Status"_s,        u"Bagian"_s,
                             u"Per Orang"_s,  u"Jumlah (Rp)"_s, u"Per Orang (Rp)"_s};
    return cells;
}

void DivisionReport::stamp(const QDateTime& now) {
    time = timeStamp(now);
    date = dateStamp(now);
}

DivisionReport::DivisionReport(const DivisionCase& divisionCase, const FaraidResult& result,
                               const QLocale& locale, const QDateTime& now)
    : steps(result.steps) {
    stamp(now);
    particulars = {{sheetText::FieldNames[0].trimmed().toString(), divisionCase.name},
                   {sheetText::FieldNames[5].trimmed().toString(), divisionCase.estateText}};

    if (result.money) {
        const FaraidMoney& m = *result.money;
        money = {{u"Biaya Pengurusan Jenazah"_s, rupiah(m.funeral, locale)},
                 {u"Utang"_s, rupiah(m.debts, locale)},
                 {u"Wasiat"_s, rupiah(m.bequest, locale)},
                 {u"Harta Bersih"_s, rupiah(m.net, locale)}};
        if (m.bequestCut) {
            bequestNote = u"Wasiat yang diminta "_s % rupiah(m.bequestAsked, locale) %
                          u" melebihi sepertiga harta setelah biaya dan utang, maka dipotong "_s %
                          u"menjadi "_s % rupiah(m.bequest, locale) % u'.';
        }
    }

    for (DivisionOption option : AllDivisionOptions) {
        const DivisionOptionInfo& info = divisionOptionInfo(option);
        QString value = info.choices[static_cast<std::size_t>(
            optionChoice(divisionCase.input.options, option))];
        const bool matters = optionMatters(divisionCase.input, result, option);
        optionsMatter[static_cast<std::size_t>(option)] = matters;
        if (!matters)
            value += u" (tidak berpengaruh di sini)"_s;
        options.push_back({info.caption, value});
    }

    const bool withMoney = result.money.has_value();
    for (const FaraidHeir& heir : result.heirs) {
        Row row;
        row.differsFromTable = !heir.tableDifference.isEmpty();
        row.cells = {faraidKindName(heir.kind) % (row.differsFromTable ? u" *"_s : QString()),
                     QString::number(heir.count),
                     statusText(heir, result),
                     heir.share.toString(),
                     heir.perPerson.toString(),
                     withMoney ? amount(heir.amount, locale) : QString(),
                     withMoney ? personAmountText(heir, locale) : QString()};
        rows.push_back(row);
        if (row.differsFromTable)
            notes.append(u"* "_s % faraidKindName(heir.kind) % u": "_s % heir.tableDifference);
        if (withMoney && heir.amount > 0)
            addWords(words, heir, locale);
    }
    if (!result.unassigned.isZero()) {
        rows.push_back(
            {RowKind::Unassigned,
             {u"Baitul Mal (tidak terbagi)"_s, QString(), QString(), result.unassigned.toString(),
              QString(), withMoney ? amount(result.unassignedAmount, locale) : QString(),
              QString()},
             false});
    }
    rows.push_back({RowKind::Total,
                    {u"Jumlah"_s, QString(), QString(), u"1"_s, QString(),
                     withMoney ? amount(result.money->net, locale) : QString(), QString()},
                    false});
}

} // namespace zw::waris
