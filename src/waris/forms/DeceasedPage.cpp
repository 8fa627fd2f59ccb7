#include "waris/forms/DeceasedPage.h"

#include "common/NumberFormat.h"
#include "common/NumberReader.h"
#include "ui/ChoiceBox.h"
#include "ui/FormWidgets.h"
#include "waris/engine/kasus/KasusChoices.h"
#include "waris/forms/EstateItemsModel.h"
#include "waris/forms/TypedDate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringBuilder>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

struct TextSpec {
    const char16_t* name;
    const char16_t* caption;
    const char16_t* placeholder;
};

// In the order of DeceasedPage::Text.
constexpr std::array<TextSpec, 8> Texts{{
    {u"NamaPewaris", u"Nama", u""},
    {u"NikPewaris", u"NIK", u""},
    {u"TempatLahirPewaris", u"Tempat lahir", u""},
    {u"TanggalLahirPewaris", u"Tanggal lahir", u"hh-bb-tttt"},
    {u"TempatWafatPewaris", u"Tempat wafat", u""},
    {u"TanggalWafatPewaris", u"Tanggal wafat", u"hh-bb-tttt"},
    {u"AktaKematian", u"No. akta kematian", u""},
    {u"AlamatPewaris", u"Alamat", u""},
}};

} // namespace

DeceasedPage::DeceasedPage(QLocale locale, QWidget* parent)
    : QWidget(parent)
    , m_locale(std::move(locale)) {
    setObjectName(u"HalamanPewaris"_s);
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    for (std::size_t i = 0; i < Texts.size(); ++i) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromUtf16(Texts[i].name));
        field->setPlaceholderText(QString::fromUtf16(Texts[i].placeholder));
        m_texts[i] = field;
        const int row = static_cast<int>(i / 2);
        const int column = static_cast<int>(i % 2) * 2;
        grid->addWidget(makeBuddyLabel(this, u"Label"_s % field->objectName(),
                                       QString::fromUtf16(Texts[i].caption), field),
                        row, column);
        grid->addWidget(field, row, column + 1);
        connect(field, &QLineEdit::textChanged, this, &DeceasedPage::changed);
    }
    m_sex = makeChoiceBox(this, u"JenisKelaminPewaris"_s, choices::Sexes);
    grid->addWidget(makeBuddyLabel(this, u"LabelJenisKelaminPewaris"_s, u"Jenis kelamin"_s, m_sex),
                    4, 0);
    grid->addWidget(m_sex, 4, 1);
    connect(m_sex, &QComboBox::currentIndexChanged, this, &DeceasedPage::changed);

    m_estate = new QLineEdit(this);
    m_estate->setObjectName(u"HartaWaris"_s);
    m_estate->setAlignment(Qt::AlignRight);
    m_estate->setToolTip(u" Harta peninggalan pewaris; dengan rincian harta, jumlahnya  "_s);
    grid->addWidget(makeBuddyLabel(this, u"LabelHartaWaris"_s, u"Harta waris"_s, m_estate), 4, 2);
    grid->addWidget(m_estate, 4, 3);
    connect(m_estate, &QLineEdit::textChanged, this, &DeceasedPage::changed);

    m_items = new EstateItemsModel(m_locale, this);
    m_itemsView = makeEntryView(this, u"RincianHarta"_s, m_items, u"Rincian harta"_s);
    m_itemsView->setColumnWidth(EstateItemsModel::Description,
                                fontMetrics().averageCharWidth() * 40);
    m_itemsView->setMaximumHeight(fontMetrics().height() * 6);
    grid->addWidget(makeBuddyLabel(this, u"LabelRincianHarta"_s, u"Rincian harta"_s, m_itemsView),
                    5, 0, Qt::AlignTop);
    grid->addWidget(m_itemsView, 5, 1, 2, 3);
    QPushButton* add = makeButton(this, u"TambahHarta"_s, u"Tambah Harta"_s,
                                  u" Menambah satu baris harta; jumlahnya menjadi harta waris  "_s);
    QPushButton* remove =
        makeButton(this, u"HapusHarta"_s, u"Hapus Harta"_s, u" Menghapus baris yang dipilih  "_s);
    for (QPushButton* button : {add, remove})
        button->setAutoDefault(false);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    grid->addLayout(buttons, 6, 0);
    connect(add, &QPushButton::clicked, this, [this] {
        const int row = m_items->append(EstateItem{});
        m_itemsView->setCurrentIndex(m_items->index(row, EstateItemsModel::Description));
        m_itemsView->edit(m_itemsView->currentIndex());
    });
    connect(remove, &QPushButton::clicked, this, [this] { removeCurrentRow(m_itemsView); });
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_items, signal, this, &DeceasedPage::showItemsTotal);
    connect(m_items, &QAbstractItemModel::modelReset, this, &DeceasedPage::showItemsTotal);
    connect(m_items, &QAbstractItemModel::dataChanged, this, &DeceasedPage::showItemsTotal);

    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(u"CatatanKasus"_s);
    m_notes->setTabChangesFocus(true);
    m_notes->setMaximumHeight(fontMetrics().height() * 4);
    grid->addWidget(makeBuddyLabel(this, u"LabelCatatanKasus"_s, u"Catatan"_s, m_notes), 7, 0,
                    Qt::AlignTop);
    grid->addWidget(m_notes, 7, 1, 1, 3);
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    connect(m_notes, &QPlainTextEdit::textChanged, this, &DeceasedPage::changed);
}

void DeceasedPage::showItemsTotal() {
    const bool items = m_items->rowCount() > 0;
    m_estate->setReadOnly(items);
    if (items)
        m_estate->setText(formatNumber(m_items->total(), NumberPattern::Amount, m_locale));
    Q_EMIT changed();
}

QString DeceasedPage::read(Kasus& kasus) const {
    Deceased& d = kasus.deceased;
    Particulars& p = d.particulars;
    p.name = m_texts[Name]->text();
    p.nik = m_texts[Nik]->text().trimmed();
    p.birthPlace = m_texts[BirthPlace]->text();
    p.address = m_texts[Address]->text();
    d.deathPlace = m_texts[DeathPlace]->text();
    d.deathCertificate = m_texts[Certificate]->text();
    d.sex = choiceValue<Sex>(m_sex);
    kasus.notes = m_notes->toPlainText();
    kasus.estateItems = m_items->rows();
    const std::optional<QDate> birth = readTypedDate(m_texts[BirthDate]->text());
    const std::optional<QDate> death = readTypedDate(m_texts[DeathDate]->text());
    if (!birth)
        return u"Tanggal lahir pewaris bukan tanggal yang sah (hh-bb-tttt)."_s;
    if (!death)
        return u"Tanggal wafat pewaris bukan tanggal yang sah (hh-bb-tttt)."_s;
    p.birthDate = *birth;
    d.deathDate = *death;
    if (!kasus.estateItems.empty()) {
        kasus.estate = m_items->total();
        return {};
    }
    if (m_estate->text().trimmed().isEmpty()) {
        kasus.estate.reset();
        return {};
    }
    kasus.estate = readFieldAmount(m_estate->text(), m_locale);
    return kasus.estate ? QString() : u"Harta waris bukan angka yang sah atau negatif."_s;
}

void DeceasedPage::show(const Kasus& kasus) {
    const QSignalBlocker quiet(this);
    const Deceased& d = kasus.deceased;
    const std::array<QString, TextCount> texts{d.particulars.name,
                                               d.particulars.nik,
                                               d.particulars.birthPlace,
                                               typedDate(d.particulars.birthDate),
                                               d.deathPlace,
                                               typedDate(d.deathDate),
                                               d.deathCertificate,
                                               d.particulars.address};
    for (std::size_t i = 0; i < texts.size(); ++i)
        m_texts[i]->setText(texts[i]);
    setChoiceValue(m_sex, d.sex);
    m_notes->setPlainText(kasus.notes);
    m_items->setItems(kasus.estateItems);
    m_estate->setReadOnly(!kasus.estateItems.empty());
    m_estate->setText(kasus.estate ? formatNumber(*kasus.estate, NumberPattern::Amount, m_locale)
                                   : QString());
}

} // namespace zw::waris
