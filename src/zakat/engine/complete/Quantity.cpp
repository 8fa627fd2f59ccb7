#include "zakat/engine/complete/Quantity.h"

#include "common/NumberFormat.h"

namespace zw::zakat::complete {

namespace {

// Cuts the zeros after the last significant decimal, and the mark when none is left.
QString trimmed(QString text, QStringView decimalMark) {
    const qsizetype mark = text.lastIndexOf(decimalMark);
    if (mark < 0)
        return text;
    qsizetype end = text.size();
    while (end > mark + decimalMark.size() && text[end - 1] == u'0')
        --end;
    if (end == mark + decimalMark.size())
        end = mark;
    text.truncate(end);
    return text;
}

} // namespace

QString Quantity::toPlainDecimal() const {
    return trimmed(Rupiah::fromSen(m_hundredths).toPlainDecimal(), u".");
}

QString Quantity::toText(const QLocale& locale) const {
    return trimmed(formatNumber(Rupiah::fromSen(m_hundredths), NumberPattern::Amount, locale),
                   locale.decimalPoint());
}

} // namespace zw::zakat::complete
