#include "waris/ShareRules.h"

#include <QHash>
#include <QTest>

#include <initializer_list>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::waris;

namespace {

using enum HeirKind;
using enum ShareNote;

// Under the sanitizers only every n-th selection is checked.
constexpr std::uint32_t SanitizedSampleStride = 17;
constexpr int BlocksPerSex = 4;
constexpr std::uint32_t SelectionsPerSex = std::uint32_t{1} << (HeirKindCount - 1);
constexpr int LastNote = static_cast<int>(TerhalangSauPriaSekandung);
static_assert(LastNote < 32);

constexpr std::size_t slot(HeirKind kind) {
    return static_cast<std::size_t>(index(kind));
}

constexpr std::uint32_t kinds(std::initializer_list<HeirKind> list) {
    std::uint32_t bits = 0;
    for (const HeirKind kind : list)
        bits |= kindBit(kind);
    return bits;
}

constexpr std::uint32_t notes(std::initializer_list<ShareNote> list) {
    std::uint32_t bits = 0;
    for (const ShareNote note : list)
        bits |= std::uint32_t{1} << static_cast<int>(note);
    return bits;
}

// Every note that a kind can be given.
const PerKind<std::uint32_t> PossibleNotes = {
    notes({Quarter, Half}),
    notes({Sixth, Ashabah}),
    notes({Ashabah, Sixth, TerhalangSuamiBapak}),
    notes({Ashabah}),
    notes({TerhalangAnakCucuBapakKakek, Ashabah}),
    notes({TerhalangAnakCucuBapakKakek, Ashabah}),
    notes({TerhalangAnakCucuBapakKakek, Sixth}),
    notes({TerhalangAnakPriaAnakWanita, Ashabah}),
    notes({TerhalangAnakCucuSuamiBapakKakek, Ashabah}),
    notes({TerhalangAnakCucuSuamiBapakKakek, Ashabah}),
    notes({TerhalangAnakCucuBapakKakekSauPria, Ashabah}),
    notes({TerhalangAnakCucuBapakKakekSauPria, Ashabah}),
    notes({TerhalangAnakBpkKakekSauPriaPaman, Ashabah}),
    notes({TerhalangAnakBpkKakekSauPriaPaman, Ashabah}),
    notes({Eighth, Quarter}),
    notes({Sixth, Third}),
    notes({AshabahBersamaAnakPria, Half, TwoThirds}),
    notes({TerhalangBapakIbu, Sixth}),
    notes({TerhalangAnakPria, TerhalangBersamaCucuPria, AshabahBersamaCucuPria, Sixth, TwoThirds,
           Half}),
    notes({TerhalangBersamaSaudaraKandungPria, AshabahBersamaSaudaraKandungPria,
           AshabahKarenaAnakCucuWanita, TerhalangAnakCucuBapakKakekNenek,
           AshabahBersamaAnakCucuWanita, Ashabah, Half, TwoThirds}),
    notes({TerhalangBersamaSaudaraSeBapakPria, AshabahBersamaSaudaraSeBapakPria,
           AshabahBersamaAnakCucuWanita, TerhalangAnakCucuBapakKakekNenek, Ashabah, Sixth, Half,
           TwoThirds}),
    notes({TerhalangBersamaSaudaraSeIbuPria, AshabahBersamaSaudaraSeIbuPria,
           TerhalangAnakCucuBapakKakekNenek, TerhalangSauPriaSekandung, Third}),
};

// A note that names a relative "Bersama" (together with) or "Karena" (because of) needs one of
// them in the calculation. Blocked together with him means he is blocked; residuary together
// with a single named relative means he is not.
enum class WithHim { Residuary, Blocked, Either };
struct Companion {
    ShareNote note;
    std::uint32_t anyOf;
    WithHim withHim;
};
constexpr Companion Companions[] = {
    {AshabahBersamaAnakPria, kinds({AnakPria}), WithHim::Residuary},
    {AshabahBersamaCucuPria, kinds({CucuPria}), WithHim::Residuary},
    {TerhalangBersamaCucuPria, kinds({CucuPria}), WithHim::Blocked},
    {AshabahBersamaSaudaraKandungPria, kinds({SaudaraPriaSekandung}), WithHim::Residuary},
    {TerhalangBersamaSaudaraKandungPria, kinds({SaudaraPriaSekandung}), WithHim::Blocked},
    {AshabahBersamaSaudaraSeBapakPria, kinds({SaudaraPriaSeBapak}), WithHim::Residuary},
    {TerhalangBersamaSaudaraSeBapakPria, kinds({SaudaraPriaSeBapak}), WithHim::Blocked},
    {AshabahBersamaSaudaraSeIbuPria, kinds({SaudaraPriaSeIbu}), WithHim::Residuary},
    {TerhalangBersamaSaudaraSeIbuPria, kinds({SaudaraPriaSeIbu}), WithHim::Blocked},
    {AshabahBersamaAnakCucuWanita, kinds({AnakWanita, CucuWanita}), WithHim::Either},
    {AshabahKarenaAnakCucuWanita, kinds({AnakWanita, CucuWanita}), WithHim::Either},
};

// Blocking notes that leave out a relative who blocks: the brothers' note a nearer brother,
// the cousins' note the son's son.
const PerKind<std::uint32_t> UnnamedBlockers = [] {
    PerKind<std::uint32_t> unnamed{};
    unnamed[slot(SaudaraPriaSeBapak)] = kinds({SaudaraPriaSekandung});
    unnamed[slot(SaudaraPriaSeIbu)] = kinds({SaudaraPriaSekandung, SaudaraPriaSeBapak});
    unnamed[slot(AnakPriaPamanSekandung)] = kinds({CucuPria});
    unnamed[slot(AnakPriaPamanSeBapak)] = kinds({CucuPria});
    return unnamed;
}();

constexpr std::uint32_t Descendants = kinds({AnakPria, CucuPria, AnakWanita, CucuWanita});
// The heirs whose fixed share a son leaves standing.
constexpr std::uint32_t SharersBesideTheSon = kinds({Suami, Bapak, Kakek, Istri, Ibu, Nenek});
constexpr std::uint32_t ExcludedByTheFather =
    kinds({SaudaraPriaSekandung, SaudaraPriaSeBapak, SaudaraPriaSeIbu, AnakPriaSaudaraSekandung,
           AnakPriaSaudaraSeBapak, PamanSekandung, PamanSeBapak, AnakPriaPamanSekandung,
           AnakPriaPamanSeBapak, Nenek});
constexpr std::uint32_t CountedByTheirNumber =
    kinds({AnakWanita, CucuWanita, SaudaraWanitaSekandung, SaudaraWanitaSeBapak});

enum class NoteClass { None, Fraction, Residuary, Blocked };

// What each note says, read from its text: "a / b ..." is that fraction of the estate.
// "Terhalang A/B/..." names who blocks; "Terhalang Bersama ..." is left to the companions.
struct NoteMeaning {
    NoteClass noteClass = NoteClass::None;
    double fraction = 0.0;
    std::uint32_t namedBlockers = 0;
};

std::uint32_t blockersNamed(QStringView names) {
    static const QHash<QString, std::uint32_t> relatives = {
        {u"Anak"_s, kinds({AnakPria, AnakWanita})},
        {u"Anak Pria"_s, kinds({AnakPria})},
        {u"Anak Wanita"_s, kinds({AnakWanita})},
        {u"Cucu"_s, kinds({CucuPria, CucuWanita})},
        {u"Suami"_s, kinds({Suami})},
        {u"Bapak"_s, kinds({Bapak})},
        {u"Bpk"_s, kinds({Bapak})},
        {u"Kakek"_s, kinds({Kakek})},
        {u"Ibu"_s, kinds({Ibu})},
        {u"Nenek"_s, kinds({Nenek})},
        {u"Sau.Pria"_s, kinds({SaudaraPriaSekandung, SaudaraPriaSeBapak})},
        {u"Sau. Pria Sekandung"_s, kinds({SaudaraPriaSekandung})},
        {u"Paman"_s, kinds({PamanSekandung, PamanSeBapak})},
    };
    std::uint32_t named = 0;
    for (const QStringView name : names.split(u'/')) {
        if (!relatives.contains(name.toString()))
            qFatal("unknown relative in a blocking note: %s", qPrintable(name.toString()));
        named |= relatives.value(name.toString());
    }
    return named;
}

std::array<NoteMeaning, LastNote + 1> readMeanings() {
    std::array<NoteMeaning, LastNote + 1> meanings{};
    for (int n = 0; n <= LastNote; ++n) {
        const QString text = shareNoteText(static_cast<ShareNote>(n));
        NoteMeaning& meaning = meanings[static_cast<std::size_t>(n)];
        if (text.startsWith(u"-> Ashabah")) {
            meaning.noteClass = NoteClass::Residuary;
        } else if (text.startsWith(u"Terhalang ")) {
            meaning.noteClass = NoteClass::Blocked;
            if (!text.startsWith(u"Terhalang Bersama "))
                meaning.namedBlockers = blockersNamed(QStringView(text).sliced(10));
        } else if (text.endsWith(u" Bagian")) {
            const QStringList parts = text.split(u' ');
            meaning.noteClass = NoteClass::Fraction;
            meaning.fraction = parts[0].toDouble() / parts[2].toDouble();
        }
    }
    return meanings;
}

const std::array<NoteMeaning, LastNote + 1> Meanings = readMeanings();

// Notes that a kind might wrongly pick up from an earlier calculation.
PerKind<ShareNote> trapNotes() {
    PerKind<ShareNote> earlier{};
    earlier[slot(SaudaraPriaSekandung)] = TerhalangAnakCucuBapakKakek;
    earlier[slot(SaudaraPriaSeBapak)] = TerhalangAnakCucuBapakKakek;
    earlier[slot(SaudaraPriaSeIbu)] = TerhalangAnakCucuBapakKakek;
    earlier[slot(CucuPria)] = TerhalangAnakPriaAnakWanita;
    earlier[slot(SaudaraWanitaSekandung)] = TerhalangAnakCucuBapakKakekNenek;
    return earlier;
}

ShareInput inputFor(int count, double estate) {
    ShareInput input;
    for (int k = 0; k < HeirKindCount; ++k)
        input.counts[static_cast<std::size_t>(k)] = heirInfo(heirKind(k)).several ? count : 1;
    input.earlierNotes = trapNotes();
    input.estate = estate;
    return input;
}

QString describe(std::uint32_t ticked, const ShareInput& input) {
    QStringList names;
    for (int k = 0; k < HeirKindCount; ++k) {
        if (ticked & (std::uint32_t{1} << k))
            names.append(heirInfo(heirKind(k)).identifier);
    }
    return u"[%1] counts %2, estate %3: "_s.arg(names.join(u", "))
        .arg(input.counts[slot(AnakWanita)])
        .arg(input.estate, 0, 'f', 2);
}

QString noteName(HeirKind kind, ShareNote note) {
    return heirInfo(kind).identifier % u" got \""_s % shareNoteText(note) % u'"';
}

// The order in which the amounts are added up: the son's daughters last.
constexpr int AddingOrder[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                               11, 12, 13, 14, 15, 16, 17, 19, 20, 21, 18};

// The invariants of one calculation; an empty text when all hold.
QString checkShares(const ShareInput& input, const Shares& shares, PerKind<std::uint32_t>& seen) {
    const std::uint32_t ticked = input.ticked;
    const ShareNote* const notes = shares.notes.data();
    const HeirAmount* const amounts = shares.amounts.data();
    const NoteMeaning* const meanings = Meanings.data();

    for (int k = 0; k < HeirKindCount; ++k) {
        const HeirKind kind = static_cast<HeirKind>(k);
        const ShareNote note = notes[k];
        const HeirAmount& amount = amounts[k];
        const bool noAmount = amount.type() != HeirAmount::Type::Double && amount.toDouble() == 0;
        if ((ticked >> k & 1U) == 0) {
            if (note != input.earlierNotes[static_cast<std::size_t>(k)])
                return noteName(kind, note) % u" without being ticked"_s;
            if (!noAmount)
                return heirInfo(kind).identifier % u" has an amount without being ticked"_s;
            continue;
        }
        const std::uint32_t noteBit = std::uint32_t{1} << static_cast<int>(note);
        if ((PossibleNotes[static_cast<std::size_t>(k)] & noteBit) == 0)
            return noteName(kind, note) % u", not one of its notes"_s;
        seen[static_cast<std::size_t>(k)] |= noteBit;

        const NoteMeaning& meaning = meanings[static_cast<int>(note)];
        if (meaning.noteClass == NoteClass::Fraction) {
            const double exact = meaning.fraction * input.estate;
            const bool right =
                kind == CucuWanita
                    ? amount.type() == HeirAmount::Type::Fixed &&
                          std::optional(amount.money()) == Money::fromDouble(exact)
                    : amount.type() == HeirAmount::Type::Double && amount.toDouble() == exact;
            if (!right)
                return noteName(kind, note) % u" with the amount "_s %
                       QString::number(amount.toDouble(), 'f', 6);
        } else if (!noAmount) {
            return noteName(kind, note) % u" with an amount"_s;
        }
        if (meaning.namedBlockers != 0 &&
            (ticked & (meaning.namedBlockers | UnnamedBlockers[static_cast<std::size_t>(k)])) == 0)
            return noteName(kind, note) % u" though none of them is ticked"_s;

        if ((ticked & kindBit(AnakPria)) && (SharersBesideTheSon >> k & 1U) == 0 &&
            meaning.noteClass == NoteClass::Fraction)
            return noteName(kind, note) % u" beside a son"_s;
        if ((ticked & kindBit(Bapak)) && (ExcludedByTheFather >> k & 1U) &&
            meaning.noteClass != NoteClass::Blocked)
            return noteName(kind, note) % u" beside the father"_s;

        for (const Companion& companion : Companions) {
            if (companion.note != note)
                continue;
            if ((ticked & companion.anyOf) == 0)
                return noteName(kind, note) % u" without that relative ticked"_s;
            if (companion.withHim == WithHim::Either)
                continue;
            const bool heIsBlocked =
                meanings[static_cast<int>(notes[std::countr_zero(companion.anyOf)])].noteClass ==
                NoteClass::Blocked;
            if (heIsBlocked != (companion.withHim == WithHim::Blocked))
                return noteName(kind, note) % (heIsBlocked
                                                   ? u" though that relative is blocked"_s
                                                   : u" though that relative is not blocked"_s);
        }
    }

    const bool descendant = (ticked & Descendants) != 0;
    const struct {
        HeirKind kind;
        ShareNote withDescendant;
        ShareNote without;
    } spousesAndFather[] = {
        {Suami, Quarter, Half}, {Istri, Eighth, Quarter}, {Bapak, Sixth, Ashabah}};
    // Only the father keeps the grandfather out; in his place the grandfather is a sharer
    // beside descendants and a residuary otherwise.
    if (ticked & kindBit(Kakek)) {
        const ShareNote expected = (ticked & kindBit(Bapak)) ? TerhalangSuamiBapak
                                   : descendant              ? Sixth
                                                             : Ashabah;
        if (notes[index(Kakek)] != expected)
            return noteName(Kakek, notes[index(Kakek)]) % u" where it should be \""_s %
                   shareNoteText(expected) % u'"';
    }
    for (const auto& heir : spousesAndFather) {
        const ShareNote note = notes[index(heir.kind)];
        if ((ticked & kindBit(heir.kind)) &&
            note != (descendant ? heir.withDescendant : heir.without))
            return noteName(heir.kind, note) %
                   (descendant ? u" beside a descendant"_s : u" without a descendant"_s);
    }

    bool anyDouble = false;
    double sum = 0.0;
    for (const int k : AddingOrder) {
        anyDouble = anyDouble || amounts[k].type() == HeirAmount::Type::Double;
        sum += amounts[k].toDouble();
    }
    if (anyDouble != std::holds_alternative<double>(shares.dividedTotal))
        return u"the total has the wrong type"_s;
    if (toDouble(shares.dividedTotal) != sum)
        return u"the total %1 is not the sum %2"_s.arg(toDouble(shares.dividedTotal), 0, 'f', 6)
            .arg(sum, 0, 'f', 6);
    if (std::optional(shares.remainder) != Money::fromDouble(input.estate - sum))
        return u"the remainder %1 is not the estate less the total"_s.arg(
            shares.remainder.toDecimalString());
    return QString();
}

} // namespace

class ShareSweepTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everySelectionKeepsTheInvariants_data();
    void everySelectionKeepsTheInvariants();
    void everyNoteOfEachKindOccurs();

private:
    PerKind<std::uint32_t> m_seen{};
    int m_blocksDone = 0;
};

void ShareSweepTest::everySelectionKeepsTheInvariants_data() {
    QTest::addColumn<HeirKind>("excludedSpouse");
    QTest::addColumn<int>("block");

    for (int block = 0; block < BlocksPerSex; ++block) {
        QTest::addRow("male deceased, selections block %d", block) << Suami << block;
        QTest::addRow("female deceased, selections block %d", block) << Istri << block;
    }
}

void ShareSweepTest::everySelectionKeepsTheInvariants() {
    QFETCH(HeirKind, excludedSpouse);
    QFETCH(int, block);

    const bool sampled = qEnvironmentVariableIsSet("ZW_SANITIZED");
    const std::uint32_t step = sampled ? SanitizedSampleStride : 1;
    const std::uint32_t blockSize = SelectionsPerSex / BlocksPerSex;
    const std::uint32_t first = static_cast<std::uint32_t>(block) * blockSize;
    const int gap = index(excludedSpouse);
    const std::uint32_t below = (std::uint32_t{1} << gap) - 1;

    ShareInput single = inputFor(1, 1000.0);
    ShareInput several = inputFor(2, 123'456'789.01);
    for (std::uint32_t choice = first + (sampled ? static_cast<std::uint32_t>(block) : 0);
         choice < first + blockSize; choice += step) {
        const std::uint32_t ticked = (choice & below) | ((choice & ~below) << 1);
        if (ticked == 0)
            continue;
        single.ticked = ticked;
        several.ticked = ticked;
        const auto one = computeShares(single);
        const auto two = computeShares(several);
        if (!one || !two)
            QFAIL(qPrintable(describe(ticked, single) % u"out of range"_s));
        if (const QString problem = checkShares(single, *one, m_seen); !problem.isEmpty())
            QFAIL(qPrintable(describe(ticked, single) % problem));
        if (const QString problem = checkShares(several, *two, m_seen); !problem.isEmpty())
            QFAIL(qPrintable(describe(ticked, several) % problem));
        for (int k = 0; k < HeirKindCount; ++k) {
            const auto s = static_cast<std::size_t>(k);
            if ((CountedByTheirNumber >> k & 1U) == 0 && one->notes[s] != two->notes[s])
                QFAIL(qPrintable(describe(ticked, several) % heirInfo(heirKind(k)).identifier %
                                 u" depends on the number of persons"_s));
        }
    }
    if (!sampled)
        ++m_blocksDone;
}

void ShareSweepTest::everyNoteOfEachKindOccurs() {
    if (m_blocksDone != 2 * BlocksPerSex)
        QSKIP("only a sample of the selections was checked");
    for (int k = 0; k < HeirKindCount; ++k) {
        const auto s = static_cast<std::size_t>(k);
        for (int n = 0; n <= LastNote; ++n) {
            const bool possible = PossibleNotes[s] >> n & 1U;
            const bool seen = m_seen[s] >> n & 1U;
            if (possible && !seen)
                QFAIL(qPrintable(heirInfo(heirKind(k)).identifier % u" never got \""_s %
                                 shareNoteText(static_cast<ShareNote>(n)) % u'"'));
        }
    }
}

QTEST_GUILESS_MAIN(ShareSweepTest)
#include "ShareSweepTest.moc"
