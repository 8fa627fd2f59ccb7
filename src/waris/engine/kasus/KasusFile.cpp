#include "waris/engine/kasus/KasusFile.h"

#include "waris/engine/faraid/FaraidChoices.h"
#include "waris/engine/kasus/JsonFields.h"
#include "waris/engine/kasus/KasusChoices.h"
#include "waris/engine/kasus/OneLine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

#include <array>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

namespace field {
constexpr JsonField Format{u"format", u"format", true};
constexpr JsonField Version{u"version", u"versi", true};
constexpr JsonField Deceased{u"deceased", u"pewaris"};
constexpr JsonField Estate{u"estate", u"harta peninggalan"};
constexpr JsonField EstateItems{u"estateItems", u"rincian harta"};
constexpr JsonField JointProperty{u"jointProperty", u"harta bersama"};
constexpr JsonField Funeral{u"funeral", u"biaya pengurusan jenazah"};
constexpr JsonField Zakat{u"zakat", u"zakat yang belum dibayar"};
constexpr JsonField Debts{u"debts", u"utang"};
constexpr JsonField Bequest{u"bequest", u"wasiat"};
constexpr JsonField ObligatoryBequest{u"obligatoryBequest", u"wasiat wajibah"};
constexpr JsonField ObligatoryBequestTo{u"obligatoryBequestTo", u"penerima wasiat wajibah"};
constexpr JsonField Law{u"law", u"hukum"};
constexpr JsonField Compare{u"compare", u"perbandingan kedua hukum"};
constexpr JsonField Options{u"options", u"pilihan"};
constexpr JsonField UnbornReserve{u"unbornReserve", u"cadangan kandungan"};
constexpr JsonField UnbornMax{u"unbornMax", u"jumlah bayi"};
constexpr JsonField IntersexView{u"intersexView", u"pandangan khuntsa"};
constexpr JsonField Notes{u"notes", u"catatan"};
constexpr JsonField Persons{u"persons", u"orang"};

constexpr JsonField Name{u"name", u"nama"};
constexpr JsonField Nik{u"nik", u"NIK"};
constexpr JsonField BirthPlace{u"birthPlace", u"tempat lahir"};
constexpr JsonField BirthDate{u"birthDate", u"tanggal lahir"};
constexpr JsonField Address{u"address", u"alamat"};
constexpr JsonField Sex{u"sex", u"jenis kelamin"};
constexpr JsonField DeathPlace{u"deathPlace", u"tempat meninggal"};
constexpr JsonField DeathDate{u"deathDate", u"tanggal meninggal"};
constexpr JsonField DeathCertificate{u"deathCertificate", u"akta kematian"};

constexpr JsonField Description{u"description", u"uraian"};
constexpr JsonField Value{u"value", u"nilai", true};

constexpr JsonField Id{u"id", u"nomor", true};
constexpr JsonField Relation{u"relation", u"hubungan", true};
constexpr JsonField State{u"state", u"keadaan", true};
constexpr JsonField Of{u"of", u"dari"};
constexpr JsonField SameAs{u"sameAs", u"sama dengan"};

constexpr JsonField Grandfather{u"grandfather", u"kakek bersama saudara"};
constexpr JsonField Mushtaraka{u"mushtaraka", u"musyarakah"};
constexpr JsonField Grandmother{u"grandmother", u"pihak nenek"};
constexpr JsonField SpouseAlone{u"spouseAlone", u"suami/istri saja"};
constexpr JsonField Daughter{u"daughterBlocksSiblings", u"anak wanita menghalangi saudara"};
constexpr JsonField KhiRadd{u"khiRadd", u"radd KHI"};
constexpr JsonField DistantKin{u"distantKin", u"dzawil arham"};
} // namespace field

// Writing: empty texts, absent amounts and unset references are left out.

void put(QJsonObject& object, const JsonField& f, const QJsonValue& value) {
    object.insert(f.key.toString(), value);
}

void putText(QJsonObject& object, const JsonField& f, const QString& text) {
    if (!text.isEmpty())
        put(object, f, text);
}

void putDate(QJsonObject& object, const JsonField& f, QDate date) {
    putText(object, f, date.isValid() ? date.toString(Qt::ISODate) : QString());
}

void putAmount(QJsonObject& object, const JsonField& f, const std::optional<Rupiah>& amount) {
    if (amount)
        put(object, f, amount->toPlainDecimal());
}

void putParticulars(QJsonObject& object, const Particulars& p) {
    putText(object, field::Name, p.name);
    putText(object, field::Nik, p.nik);
    putText(object, field::BirthPlace, p.birthPlace);
    putDate(object, field::BirthDate, p.birthDate);
    putText(object, field::Address, p.address);
}

QJsonObject deceasedJson(const Deceased& deceased) {
    QJsonObject object;
    putParticulars(object, deceased.particulars);
    put(object, field::Sex, choices::Sexes.word(deceased.sex));
    putText(object, field::DeathPlace, deceased.deathPlace);
    putDate(object, field::DeathDate, deceased.deathDate);
    putText(object, field::DeathCertificate, deceased.deathCertificate);
    return object;
}

QJsonObject optionsJson(const FaraidOptions& o) {
    QJsonObject object;
    put(object, field::Grandfather, choices::Grandfather.word(o.grandfather));
    put(object, field::Mushtaraka, choices::Mushtaraka.word(o.mushtaraka));
    put(object, field::Grandmother, choices::Grandmother.word(o.grandmother));
    put(object, field::SpouseAlone, choices::SpouseAlone.word(o.spouseAlone));
    put(object, field::Daughter, choices::Daughter.word(o.daughter));
    put(object, field::KhiRadd, choices::KhiRaddRule.word(o.khiRadd));
    put(object, field::DistantKin, choices::DistantKin.word(o.distantKin));
    return object;
}

QJsonObject personJson(const Person& person) {
    QJsonObject object;
    put(object, field::Id, person.id);
    putParticulars(object, person.particulars);
    put(object, field::Relation, heirInfo(person.relation).identifier);
    put(object, field::State, choices::States.word(person.state));
    if (person.of != 0)
        put(object, field::Of, person.of);
    if (person.sameAs != 0)
        put(object, field::SameAs, person.sameAs);
    return object;
}

void putMoney(QJsonObject& object, const Kasus& kasus) {
    // With items the estate is their sum: written once, by the items.
    if (kasus.estateItems.empty())
        putAmount(object, field::Estate, kasus.estate);
    QJsonArray items;
    for (const EstateItem& item : kasus.estateItems) {
        QJsonObject entry;
        putText(entry, field::Description, item.description);
        put(entry, field::Value, item.value.toPlainDecimal());
        items.append(entry);
    }
    put(object, field::EstateItems, items);
    putAmount(object, field::JointProperty, kasus.jointProperty);
    putAmount(object, field::Funeral, kasus.funeral);
    putAmount(object, field::Zakat, kasus.zakat);
    putAmount(object, field::Debts, kasus.debts);
    putAmount(object, field::Bequest, kasus.bequest);
    putAmount(object, field::ObligatoryBequest, kasus.obligatoryBequest);
    put(object, field::ObligatoryBequestTo, choices::Recipient.word(kasus.obligatoryBequestTo));
}

// Reading, version 1.

Particulars readParticulars(JsonFields& fields) {
    Particulars p;
    p.name = fields.text(field::Name);
    p.nik = fields.text(field::Nik);
    p.birthPlace = fields.text(field::BirthPlace);
    p.birthDate = fields.date(field::BirthDate);
    p.address = fields.text(field::Address);
    return p;
}

void readDeceased(JsonFields& top, Deceased& deceased) {
    JsonFields fields(top.object(field::Deceased), field::Deceased.label.toString());
    deceased.particulars = readParticulars(fields);
    fields.choice(field::Sex, choices::Sexes, deceased.sex);
    deceased.deathPlace = fields.text(field::DeathPlace);
    deceased.deathDate = fields.date(field::DeathDate);
    deceased.deathCertificate = fields.text(field::DeathCertificate);
    top.fail(fields.problem());
}

void readOptions(JsonFields& top, FaraidOptions& o) {
    JsonFields fields(top.object(field::Options), field::Options.label.toString());
    fields.choice(field::Grandfather, choices::Grandfather, o.grandfather);
    fields.choice(field::Mushtaraka, choices::Mushtaraka, o.mushtaraka);
    fields.choice(field::Grandmother, choices::Grandmother, o.grandmother);
    fields.choice(field::SpouseAlone, choices::SpouseAlone, o.spouseAlone);
    fields.choice(field::Daughter, choices::Daughter, o.daughter);
    fields.choice(field::KhiRadd, choices::KhiRaddRule, o.khiRadd);
    fields.choice(field::DistantKin, choices::DistantKin, o.distantKin);
    top.fail(fields.problem());
}

// Each entry of a list as an object, read by `read` with its place ("orang ke-4").
template<typename Item, typename Read>
std::vector<Item> readList(JsonFields& top, const JsonField& list, Read read) {
    std::vector<Item> items;
    const QJsonArray array = top.array(list);
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString where = list.label % u" ke-"_s % QString::number(i + 1);
        if (!array[i].isObject()) {
            top.fail(where % u" harus objek."_s);
            break;
        }
        JsonFields fields(array[i].toObject(), where);
        items.push_back(read(fields));
        top.fail(fields.problem());
    }
    return items;
}

Person readPerson(JsonFields& fields) {
    Person p;
    p.id = fields.integer(field::Id).value_or(0);
    p.particulars = readParticulars(fields);
    p.relation = fields.kind(field::Relation).value_or(HeirKind::AnakPria);
    fields.choice(field::State, choices::States, p.state);
    p.of = fields.integer(field::Of).value_or(0);
    p.sameAs = fields.integer(field::SameAs).value_or(0);
    return p;
}

EstateItem readItem(JsonFields& fields) {
    EstateItem item;
    item.description = fields.text(field::Description);
    item.value = fields.amount(field::Value).value_or(Rupiah());
    return item;
}

// The items' sum, or none when it goes beyond the amounts the program holds.
std::optional<Rupiah> sumOf(const std::vector<EstateItem>& items) {
    Rupiah sum;
    for (const EstateItem& item : items) {
        if (item.value < Rupiah() || item.value > Rupiah::max() - sum)
            return std::nullopt;
        sum += item.value;
    }
    return sum;
}

void readMoney(JsonFields& top, Kasus& kasus) {
    kasus.estate = top.amount(field::Estate);
    kasus.estateItems = readList<EstateItem>(top, field::EstateItems, readItem);
    if (!kasus.estateItems.empty()) {
        const std::optional<Rupiah> sum = sumOf(kasus.estateItems);
        if (!sum)
            top.fail(u"rincian harta: jumlahnya bukan harta yang sah."_s);
        else if (kasus.estate && *kasus.estate != *sum)
            top.fail(u"harta peninggalan "_s % kasus.estate->toPlainDecimal() %
                     u" tidak sama dengan jumlah rincian harta "_s % sum->toPlainDecimal() % u'.');
        kasus.estate = sum;
    }
    kasus.jointProperty = top.amount(field::JointProperty);
    kasus.funeral = top.amount(field::Funeral);
    kasus.zakat = top.amount(field::Zakat);
    kasus.debts = top.amount(field::Debts);
    kasus.bequest = top.amount(field::Bequest);
    kasus.obligatoryBequest = top.amount(field::ObligatoryBequest);
    top.choice(field::ObligatoryBequestTo, choices::Recipient, kasus.obligatoryBequestTo);
}

std::variant<Kasus, QString> readVersion1(JsonFields& top) {
    Kasus kasus;
    readDeceased(top, kasus.deceased);
    readMoney(top, kasus);
    top.choice(field::Law, choices::Laws, kasus.law);
    kasus.compare = top.flag(field::Compare);
    readOptions(top, kasus.options);
    top.choice(field::UnbornReserve, choices::Reserve, kasus.reserve);
    kasus.unbornMax = top.integer(field::UnbornMax);
    top.choice(field::IntersexView, choices::Intersex, kasus.intersexView);
    kasus.notes = top.text(field::Notes);
    kasus.persons = readList<Person>(top, field::Persons, readPerson);
    if (QString problem = top.problem(); !problem.isEmpty())
        return u"Berkas kasus rusak: "_s % problem;
    return kasus;
}

// Index v - 1 reads version v into today's value. A new version adds its reader; the older
// readers then fill what the new version added.
using VersionReader = std::variant<Kasus, QString> (*)(JsonFields&);
constexpr std::array<VersionReader, KasusVersion> Readers{&readVersion1};

// The object of a file that parses, or why it does not.
std::variant<QJsonObject, QString> jsonObjectOf(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (bytes.trimmed().isEmpty())
        return u"Berkas kasus kosong."_s;
    if (bytes.contains('\0') || !QByteArrayView(bytes).isValidUtf8())
        return u"Berkas kasus rusak: berisi data biner, bukan teks."_s;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        // Qt gives the offset just past the byte at fault: its number from 1.
        const QString at = QString::number(error.offset);
        return error.offset >= bytes.trimmed().size()
                   ? u"Berkas kasus rusak: terpotong; berakhir sebelum waktunya."_s
                   : u"Berkas kasus rusak: JSON tidak sah pada bita ke-"_s % at % u'.';
    }
    if (!document.isObject())
        return u"Berkas kasus rusak: isinya bukan objek JSON."_s;
    return document.object();
}

} // namespace

QByteArray kasusJson(const Kasus& kasus) {
    QJsonObject object;
    put(object, field::Format, KasusFormat.toString());
    put(object, field::Version, KasusVersion);
    put(object, field::Deceased, deceasedJson(kasus.deceased));
    putMoney(object, kasus);
    put(object, field::Law, choices::Laws.word(kasus.law));
    put(object, field::Compare, kasus.compare);
    put(object, field::Options, optionsJson(kasus.options));
    put(object, field::UnbornReserve, choices::Reserve.word(kasus.reserve));
    if (kasus.unbornMax)
        put(object, field::UnbornMax, *kasus.unbornMax);
    put(object, field::IntersexView, choices::Intersex.word(kasus.intersexView));
    putText(object, field::Notes, kasus.notes);
    QJsonArray persons;
    for (const Person& person : kasus.persons)
        persons.append(personJson(person));
    put(object, field::Persons, persons);
    return QJsonDocument(object).toJson();
}

std::variant<Kasus, QString> readKasus(const QByteArray& bytes) {
    auto parsed = jsonObjectOf(bytes);
    if (const auto* problem = std::get_if<QString>(&parsed))
        return *problem;
    JsonFields top(std::get<QJsonObject>(std::move(parsed)), QString());
    const QString format = top.text(field::Format);
    if (format != KasusFormat)
        return format.isEmpty()
                   ? u"Bukan berkas kasus Zakat & Waris: formatnya tidak disebut."_s
                   : u"Bukan berkas kasus Zakat & Waris: format '"_s % oneLine(format) % u"'."_s;
    const std::optional<int> version = top.integer(field::Version);
    if (!version || *version < 1)
        return u"Berkas kasus rusak: versinya tidak ada atau tidak sah."_s;
    if (*version > KasusVersion)
        return u"Berkas kasus versi "_s % QString::number(*version) %
               u" dibuat oleh program yang lebih baru; program ini membaca sampai versi "_s %
               QString::number(KasusVersion) % u'.';
    return Readers[static_cast<std::size_t>(*version - 1)](top);
}

std::optional<QString> saveKasus(const QString& path, const Kasus& kasus) {
    QSaveFile file(path);
    const QByteArray bytes = kasusJson(kasus);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return u"Berkas kasus tidak dapat disimpan: "_s % QDir::toNativeSeparators(path);
    return std::nullopt;
}

std::variant<Kasus, QString> openKasus(const QString& path) {
    QFile file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path))
        return u"Berkas kasus tidak ada: "_s % shown;
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return u"Berkas kasus tidak dapat dibuka: "_s % shown;
    if (file.size() > MaxKasusFileSize)
        return u"Berkas kasus terlalu besar (lebih dari 1 MB): "_s % shown;
    const QByteArray bytes = file.read(MaxKasusFileSize + 1);
    if (bytes.size() > MaxKasusFileSize)
        return u"Berkas kasus terlalu besar (lebih dari 1 MB): "_s % shown;
    return readKasus(bytes);
}

} // namespace zw::waris
