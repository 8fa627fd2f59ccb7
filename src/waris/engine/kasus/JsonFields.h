#pragma once

// The fields of one JSON object of a case file, each read once by its key: the first thing wrong
// is kept in Indonesian, naming the object and the field, and a key no one read is wrong too.

#include "common/Choices.h"
#include "common/Rupiah.h"
#include "waris/engine/HeirKind.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include <optional>

namespace zw::waris {

struct JsonField {
    QStringView key;   // "birthDate"
    QStringView label; // "tanggal lahir"
    bool required = false;
};

class JsonFields {
public:
    // `where`: "orang ke-4"; empty for the file's own object.
    JsonFields(QJsonObject object, QString where);

    bool has(const JsonField& field) const { return m_object.contains(field.key); }
    QString text(const JsonField& field);
    QDate date(const JsonField& field);
    std::optional<Rupiah> amount(const JsonField& field);
    bool flag(const JsonField& field);
    std::optional<int> integer(const JsonField& field);
    QJsonArray array(const JsonField& field);
    QJsonObject object(const JsonField& field);
    std::optional<HeirKind> kind(const JsonField& field);

    // The value the field's word names; `target` is kept when the field is absent.
    template<typename Value>
    void choice(const JsonField& field, const ChoiceOption<Value>& option, Value& target) {
        const std::optional<QString> word = stringOf(field);
        if (!word)
            return;
        if (const auto value = option.read(*word))
            target = *value;
        else
            unknownWord(field, *word);
    }

    // Records a problem found in a nested object, unless one came first.
    void fail(const QString& problem);
    // The first problem met, then the first key that no field read; empty when the object is
    // sound.
    QString problem() const;

private:
    std::optional<QJsonValue> value(const JsonField& field);
    std::optional<QString> stringOf(const JsonField& field);
    void wrong(const JsonField& field, const QString& what);
    void unknownWord(const JsonField& field, const QString& word);

    QJsonObject m_object;
    QString m_where;
    QSet<QString> m_read;
    QString m_problem;
};

} // namespace zw::waris
