#include "RandomEntry.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace zw::test {

namespace {

QString digits(QRandomGenerator& random, int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text.append(QChar(u'0' + random.bounded(10)));
    return text;
}

QString pick(QRandomGenerator& random, const QStringList& texts) {
    return texts[random.bounded(texts.size())];
}

QString longString(QRandomGenerator& random) {
    const QString alphabet = u"abcXYZ 0123456789,.-+/&*éزكاة"_s;
    const int length = 100 + int(random.bounded(300));
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text.append(alphabet[random.bounded(alphabet.size())]);
    return text;
}

} // namespace

QString randomEntry(QRandomGenerator& random, const QLocale& locale, const QString& hint) {
    if (hint == u"password" && random.bounded(2) == 0)
        return u" Qobu "_s;
    if (hint == u"count" && random.bounded(2) == 0)
        return QString::number(random.bounded(1, 13));
    if (hint == u"number" && random.bounded(2) == 0)
        return random.bounded(2) ? QString::number(random.bounded(1, 500000000))
                                 : locale.toString(qint64(random.bounded(1, 500000000)));

    const QLocale other = locale.language() == QLocale::Indonesian
                              ? QLocale(QLocale::English, QLocale::UnitedStates)
                              : QLocale(QLocale::Indonesian, QLocale::Indonesia);
    switch (random.bounded(15)) {
    case 0:
        return digits(random, 1 + int(random.bounded(12)));
    case 1:
        return QString::number(random.bounded(0, 26));
    case 2:
        return locale.toString(qint64(random.bounded(1000, 2000000000)));
    case 3:
        return locale.toString(random.bounded(100000.0), 'f', 2);
    case 4:
        return other.toString(qint64(random.bounded(1000, 2000000000)));
    case 5:
        return pick(random, {u"-"_s + digits(random, 4), u"+"_s + digits(random, 3), u"--5"_s,
                             u"1-2"_s, u"-"_s, u"-0"_s, u"+-1"_s});
    case 6:
        return pick(random, {u"   "_s, u" 12 "_s, u"1 000"_s, u" "_s, u"\t"_s});
    case 7:
        return pick(random, {u"Ahmad Fauzi"_s, u"Siti Aminah"_s, u"Jl. Merdeka 17, Bandung"_s,
                             u"Surabaya, 17-8-1945"_s, u"Guru"_s, u"Petani"_s, u"022-7654321"_s});
    case 8: {
        QString letters;
        const int length = 1 + int(random.bounded(20));
        for (int i = 0; i < length; ++i)
            letters.append(QChar(u'a' + random.bounded(26)));
        return letters;
    }
    case 9:
        return longString(random);
    case 10:
        return pick(random, {u"زكاة"_s, u"Ünïcödé"_s, u"💰💰"_s, u"漢字"_s, u"ä"_s});
    case 11:
        return u" Qobu "_s;
    case 12:
        return pick(random, {u" qobu "_s, u"Qobu"_s, u" Qobu  "_s, u"QOBU"_s});
    case 13:
        return pick(random, {u"1e9"_s, u"0x1F"_s, u"1,2,3"_s, u".."_s, u","_s, u"."_s,
                             u"99999999999999999999"_s, u"1.5.5"_s, u"nan"_s, u"inf"_s});
    default:
        return QString::number(random.bounded(1, 100));
    }
}

} // namespace zw::test
