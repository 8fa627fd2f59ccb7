#include "waris/engine/faraid/HeirList.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

QString readHeirList(const QStringList& entries, FaraidPerKind<int>& counts,
                     QStringView unknownHint) {
    for (const QString& entry : entries) {
        const qsizetype equals = entry.indexOf(u'=');
        const QStringView name = QStringView(entry).left(equals < 0 ? entry.size() : equals);
        const auto kind = heirKindNamed(name);
        if (!kind)
            return u"Ahli waris tidak dikenal: "_s % name.toString() % unknownHint % u'.';
        const QString& kindName = heirInfo(*kind).name;
        int count = 1;
        if (equals >= 0) {
            bool ok = false;
            const QString digits = entry.mid(equals + 1);
            count = digits.toInt(&ok);
            if (!ok || digits.isEmpty() || !digits.front().isDigit())
                return u"Jumlah "_s % kindName % u" bukan bilangan bulat: "_s % digits;
            if (count < 1 || count > MaxPersons)
                return u"Jumlah "_s % kindName % u" harus antara 1 dan "_s %
                       QString::number(MaxPersons) % u'.';
        }
        if (counts[*kind] != 0)
            return kindName % u" disebut lebih dari sekali."_s;
        counts[*kind] = count;
    }
    return {};
}

QStringList heirListEntries(const QString& text) {
    QStringList entries;
    for (const QString& piece : text.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype equals = piece.indexOf(u'=');
        QString name = piece.left(equals < 0 ? piece.size() : equals);
        name.removeIf([](QChar c) { return c.isSpace() || c == u'-'; });
        if (name.isEmpty() && equals < 0)
            continue;
        entries.append(equals < 0 ? name : name % u'=' % piece.mid(equals + 1).trimmed());
    }
    return entries;
}

} // namespace zw::waris
