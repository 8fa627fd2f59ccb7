#include "zakat/engine/complete/ReferenceValues.h"

#include <QFile>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zw::zakat::complete {

namespace {

constexpr qsizetype ColumnCount = 5;

std::optional<Rupiah> positiveAmount(const QString& text) {
    const AmountReading reading = readPlainAmount(text);
    const auto* amount = std::get_if<Rupiah>(&reading);
    if (!amount || *amount <= Rupiah())
        return std::nullopt;
    return *amount;
}

// The values of one line, or what is wrong with it.
std::variant<YearValues, QString> parseLine(const QString& line) {
    const QStringList columns = line.split(u'|');
    if (columns.size() != ColumnCount)
        return u"harus berisi %1 kolom yang dipisah \"|\""_s.arg(ColumnCount);
    YearValues values;
    const QString yearText = columns[0].trimmed();
    bool ok = false;
    values.year = yearText.toInt(&ok);
    if (!ok || yearText.size() != 4 || !yearText.front().isDigit())
        return u"tahun bukan angka empat digit: "_s + yearText;
    const auto yearly = positiveAmount(columns[1].trimmed());
    if (!yearly)
        return u"nishab per tahun bukan jumlah yang sah: "_s + columns[1].trimmed();
    const auto monthly = positiveAmount(columns[2].trimmed());
    if (!monthly)
        return u"nishab per bulan bukan jumlah yang sah: "_s + columns[2].trimmed();
    if (*monthly > *yearly)
        return u"nishab per bulan lebih besar daripada nishab per tahun"_s;
    values.nishabYear = *yearly;
    values.nishabMonth = *monthly;
    const QString fitrah = columns[3].trimmed();
    if (fitrah != u"-") {
        values.fitrah = positiveAmount(fitrah);
        if (!values.fitrah)
            return u"zakat fitrah bukan jumlah yang sah (atau \"-\"): "_s + fitrah;
    }
    values.source = columns[4].trimmed();
    if (values.source.isEmpty())
        return u"sumber tidak diisi"_s;
    return values;
}

QString broken(const QString& reason) {
    return u"File nilai acuan zakat rusak: "_s + reason + u'.';
}

} // namespace

std::variant<ReferenceValues, QString> ReferenceValues::parse(QStringView text) {
    ReferenceValues values;
    const QList<QStringView> lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed().toString();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        auto parsed = parseLine(line);
        if (const auto* reason = std::get_if<QString>(&parsed))
            return broken(u"baris %1: "_s.arg(i + 1) + *reason);
        const auto& year = std::get<YearValues>(parsed);
        if (values.find(year.year))
            return broken(u"baris %1: tahun %2 sudah disebut"_s.arg(i + 1).arg(year.year));
        values.m_years.push_back(year);
    }
    if (values.m_years.empty())
        return broken(u"tidak ada satu tahun pun"_s);
    std::sort(values.m_years.begin(), values.m_years.end(),
              [](const YearValues& a, const YearValues& b) { return a.year < b.year; });
    return values;
}

std::variant<ReferenceValues, QString> ReferenceValues::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return u"File nilai acuan zakat tidak dapat dibaca: "_s + path;
    return parse(QString::fromUtf8(file.readAll()));
}

const std::variant<ReferenceValues, QString>& ReferenceValues::shipped() {
    static const std::variant<ReferenceValues, QString> values = load(u":/zakat/nilai-acuan.txt"_s);
    return values;
}

const YearValues* ReferenceValues::find(int year) const {
    const auto found = std::find_if(m_years.cbegin(), m_years.cend(),
                                    [year](const YearValues& v) { return v.year == year; });
    return found == m_years.cend() ? nullptr : &*found;
}

} // namespace zw::zakat::complete
