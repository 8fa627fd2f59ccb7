#include "waris/engine/kasus/JsonFields.h"

#include "waris/engine/kasus/OneLine.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace zw::waris {

JsonFields::JsonFields(QJsonObject object, QString where)
    : m_object(std::move(object))
    , m_where(std::move(where)) {}

void JsonFields::fail(const QString& problem) {
    if (m_problem.isEmpty())
        m_problem = problem;
}

void JsonFields::wrong(const JsonField& field, const QString& what) {
    fail((m_where.isEmpty() ? QString() : m_where % u": "_s) % field.label % u' ' % what);
}

void JsonFields::unknownWord(const JsonField& field, const QString& word) {
    wrong(field, u"'"_s % oneLine(word) % u"' tidak dikenal."_s);
}

QString JsonFields::problem() const {
    if (!m_problem.isEmpty())
        return m_problem;
    for (auto it = m_object.begin(); it != m_object.end(); ++it) {
        if (!m_read.contains(it.key()))
            return (m_where.isEmpty() ? QString() : m_where % u": "_s) % u"kunci '"_s %
                   oneLine(it.key()) % u"' tidak dikenal."_s;
    }
    return {};
}

std::optional<QJsonValue> JsonFields::value(const JsonField& field) {
    const QString key = field.key.toString();
    m_read.insert(key);
    const auto it = m_object.constFind(key);
    if (it != m_object.constEnd())
        return *it;
    if (field.required)
        wrong(field, u"tidak ada."_s);
    return std::nullopt;
}

std::optional<QString> JsonFields::stringOf(const JsonField& field) {
    const std::optional<QJsonValue> v = value(field);
    if (!v)
        return std::nullopt;
    if (!v->isString()) {
        wrong(field, u"harus teks."_s);
        return std::nullopt;
    }
    QString text = v->toString();
    // A lone surrogate from a \u escape would not be written back as it was read.
    if (!QStringView(text).isValidUtf16()) {
        wrong(field, u"berisi karakter yang tidak sah."_s);
        return std::nullopt;
    }
    return text;
}

QString JsonFields::text(const JsonField& field) {
    return stringOf(field).value_or(QString());
}

QDate JsonFields::date(const JsonField& field) {
    const std::optional<QString> text = stringOf(field);
    if (!text || text->isEmpty())
        return {};
    const QDate date = QDate::fromString(*text, Qt::ISODate);
    if (!date.isValid() || date.toString(Qt::ISODate) != *text) {
        wrong(field, u"'"_s % oneLine(*text) % u"' bukan tanggal TTTT-BB-HH."_s);
        return {};
    }
    return date;
}

std::optional<Rupiah> JsonFields::amount(const JsonField& field) {
    const std::optional<QString> text = stringOf(field);
    if (!text)
        return std::nullopt;
    const AmountReading reading = readPlainAmount(*text);
    if (const auto* amount = std::get_if<Rupiah>(&reading))
        return *amount;
    switch (std::get<AmountError>(reading)) {
    case AmountError::Negative:
        wrong(field, u"tidak boleh negatif."_s);
        break;
    case AmountError::TooLarge:
        wrong(field, u"terlalu besar."_s);
        break;
    case AmountError::NotANumber:
        wrong(field, u"'"_s % oneLine(*text) % u"' bukan jumlah uang yang sah."_s);
        break;
    }
    return std::nullopt;
}

bool JsonFields::flag(const JsonField& field) {
    const std::optional<QJsonValue> v = value(field);
    if (v && !v->isBool())
        wrong(field, u"harus true atau false."_s);
    return v && v->toBool();
}

std::optional<int> JsonFields::integer(const JsonField& field) {
    const std::optional<QJsonValue> v = value(field);
    if (!v)
        return std::nullopt;
    const double number = v->toDouble();
    if (!v->isDouble() || std::trunc(number) != number ||
        number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
        wrong(field, u"harus bilangan bulat."_s);
        return std::nullopt;
    }
    return static_cast<int>(number);
}

QJsonArray JsonFields::array(const JsonField& field) {
    const std::optional<QJsonValue> v = value(field);
    if (v && !v->isArray())
        wrong(field, u"harus daftar."_s);
    return v ? v->toArray() : QJsonArray();
}

QJsonObject JsonFields::object(const JsonField& field) {
    const std::optional<QJsonValue> v = value(field);
    if (v && !v->isObject())
        wrong(field, u"harus objek."_s);
    return v ? v->toObject() : QJsonObject();
}

std::optional<HeirKind> JsonFields::kind(const JsonField& field) {
    const std::optional<QString> word = stringOf(field);
    if (!word)
        return std::nullopt;
    const std::optional<HeirKind> kind = heirKindNamed(*word);
    if (!kind)
        unknownWord(field, *word);
    return kind;
}

} // namespace zw::waris
