#include "zakat/engine/complete/CompleteJson.h"

#include "zakat/engine/complete/CompleteJsonKeys.h"
#include "zakat/engine/complete/ZakatChoices.h"
#include "zakat/engine/complete/ZakatWorking.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace zw::zakat::complete {

namespace {

QJsonValue plain(const Measure& measure) {
    if (const auto* amount = std::get_if<Rupiah>(&measure))
        return amount->toPlainDecimal();
    return std::get<Quantity>(measure).toPlainDecimal();
}

QJsonValue rateOf(const std::optional<Rate>& rate) {
    if (!rate)
        return QJsonValue::Null;
    return QString(QString::number(rate->numerator) % u'/' % QString::number(rate->denominator));
}

QJsonArray inKindOf(const KindResult& r) {
    QJsonArray items;
    for (const InKind& item : r.dueInKind) {
        QJsonObject object;
        object[jsonkey::Count] = item.count.toPlainDecimal();
        object[jsonkey::Unit] = inKindName(item.unit);
        items.append(object);
    }
    return items;
}

QJsonObject kindOf(const KindResult& r, const ZakatResult& result, const QLocale& locale) {
    QJsonObject kind;
    kind[jsonkey::Kind] = kindKey(r.kind);
    kind[jsonkey::Base] = plain(r.base);
    kind[jsonkey::Unit] = unitKey(r.unit);
    kind[jsonkey::Nishab] = r.nishab ? plain(*r.nishab) : QJsonValue(QJsonValue::Null);
    kind[jsonkey::Reached] = r.reached;
    kind[jsonkey::Haul] = r.haul ? QJsonValue(*r.haul) : QJsonValue(QJsonValue::Null);
    kind[jsonkey::Rate] = rateOf(r.rate);
    kind[jsonkey::Due] =
        r.dueAmount ? QJsonValue(r.dueAmount->toPlainDecimal()) : QJsonValue(QJsonValue::Null);
    kind[jsonkey::DueInKind] = inKindOf(r);
    kind[jsonkey::Note] = kindNote(r, result, locale);
    return kind;
}

} // namespace

QByteArray completeJson(const ZakatResult& result, const QLocale& locale) {
    QJsonArray kinds;
    for (const KindResult& r : result.kinds)
        kinds.append(kindOf(r, result, locale));
    QJsonObject root;
    root[jsonkey::Year] = result.year.year;
    root[jsonkey::NishabBasis] = nishabOption().word(result.input.basis);
    root[jsonkey::NishabYear] = result.nishabYear.toPlainDecimal();
    root[jsonkey::NishabMonth] = result.nishabMonth.toPlainDecimal();
    root[jsonkey::Kinds] = kinds;
    root[jsonkey::TotalDue] = result.total.toPlainDecimal();
    root[jsonkey::Steps] = QJsonArray::fromStringList(zakatSteps(result, locale));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace zw::zakat::complete
