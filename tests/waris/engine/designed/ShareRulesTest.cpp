#include "waris/engine/designed/ShareRules.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <initializer_list>
#include <utility>

using namespace Qt::StringLiterals;
using namespace zw;
using namespace zw::waris;

namespace {

using enum HeirKind;
using enum ShareNote;

constexpr int LastNote = static_cast<int>(TerhalangSauPriaSekandung);
static_assert(LastNote < 32);

bool has(std::uint32_t bits, int bit) {
    return (bits >> bit & 1U) != 0;
}

constexpr std::uint32_t kinds(std::initializer_list<HeirKind> list) {
    std::uint32_t bits = 0;
    for (const HeirKind kind : list)
        bits |= kindBit(kind);
    return bits;
}

// Every count is 1 unless the row says otherwise.
void addRule(const char* name, std::initializer_list<HeirKind> ticked, ShareNote note,
             std::initializer_list<std::pair<HeirKind, int>> counts = {}) {
    QList<int> countList(HeirKindCount, 1);
    for (const auto& [kind, count] : counts)
        countList[index(kind)] = count;
    QTest::newRow(name) << kinds(ticked) << countList << *std::prev(ticked.end()) << note;
}

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
struct NoteMeaning {
    NoteClass noteClass = NoteClass::None;
    double fraction = 0.0;
};

std::array<NoteMeaning, LastNote + 1> readMeanings() {
    std::array<NoteMeaning, LastNote + 1> meanings{};
    for (int n = 0; n <= LastNote; ++n) {
        const QString text = shareNoteText(static_cast<ShareNote>(n));
        NoteMeaning& meaning = meanings[static_cast<std::size_t>(n)];
        if (text.startsWith(u"-> Ashabah")) {
            meaning.noteClass = NoteClass::Residuary;
        } else if (text.startsWith(u"Terhalang ")) {
            meaning.noteClass = NoteClass::Blocked;
        } else if (text.endsWith(u" Bagian")) {
            const QStringList parts = text.split(u' ');
            meaning.noteClass = NoteClass::Fraction;
            meaning.fraction = parts[0].toDouble() / parts[2].toDouble();
        }
    }
    return meanings;
}

const std::array<NoteMeaning, LastNote + 1> Meanings = readMeanings();

const NoteMeaning& meaningOf(ShareNote note) {
    return Meanings[static_cast<std::size_t>(note)];
}

// The sweep's input: counts of 1 or all several-person kinds at `count`, and notes that a kind
// might wrongly pick up from an earlier calculation.
ShareInput inputFor(int count, double estate) {
    ShareInput input;
    for (int k = 0; k < HeirKindCount; ++k)
        input.counts[k] = heirInfo(heirKind(k)).several ? count : 1;
    input.earlierNotes[index(SaudaraPriaSekandung)] = TerhalangAnakCucuBapakKakek;
    input.earlierNotes[index(SaudaraPriaSeBapak)] = TerhalangAnakCucuBapakKakek;
    input.earlierNotes[index(SaudaraPriaSeIbu)] = TerhalangAnakCucuBapakKakek;
    input.earlierNotes[index(CucuPria)] = TerhalangAnakPriaAnakWanita;
    input.earlierNotes[index(SaudaraWanitaSekandung)] = TerhalangAnakCucuBapakKakekNenek;
    input.estate = estate;
    return input;
}

QString describe(const ShareInput& input) {
    return u"ticked %1, counts %2, estate %3: "_s.arg(input.ticked, 0, 2)
        .arg(input.counts[index(AnakWanita)])
        .arg(input.estate, 0, 'f', 2);
}

QString noteName(HeirKind kind, ShareNote note) {
    return heirInfo(kind).identifier % u" got \""_s % shareNoteText(note) % u'"';
}

// The invariants of one ticked kind's note and amount; an empty text when all hold.
QString checkKind(const ShareInput& input, const Shares& shares, int k) {
    const HeirKind kind = heirKind(k);
    const std::uint32_t ticked = input.ticked;
    const ShareNote note = shares.notes[k];
    const HeirAmount& amount = shares.amounts[k];
    const NoteMeaning& meaning = meaningOf(note);
    const bool noAmount = amount.type() != HeirAmount::Type::Double && amount.toDouble() == 0;

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
    if ((ticked & kindBit(AnakPria)) && !has(SharersBesideTheSon, k) &&
        meaning.noteClass == NoteClass::Fraction)
        return noteName(kind, note) % u" beside a son"_s;
    if ((ticked & kindBit(Bapak)) && has(ExcludedByTheFather, k) &&
        meaning.noteClass != NoteClass::Blocked)
        return noteName(kind, note) % u" beside the father"_s;

    for (const Companion& companion : Companions) {
        if (companion.note != note)
            continue;
        if ((ticked & companion.anyOf) == 0)
            return noteName(kind, note) % u" without that relative ticked"_s;
        if (companion.withHim == WithHim::Either)
            continue;
        const ShareNote his = shares.notes[std::countr_zero(companion.anyOf)];
        const bool heIsBlocked = meaningOf(his).noteClass == NoteClass::Blocked;
        if (heIsBlocked != (companion.withHim == WithHim::Blocked))
            return noteName(kind, note) % u" though that relative is "_s %
                   (heIsBlocked ? u"blocked"_s : u"not blocked"_s);
    }
    return QString();
}

// The invariants of one calculation; an empty text when all hold.
QString checkShares(const ShareInput& input, const Shares& shares) {
    for (int k = 0; k < HeirKindCount; ++k) {
        const ShareNote note = shares.notes[k];
        if (!has(input.ticked, k)) {
            if (note != input.earlierNotes[k] || shares.amounts[k].toDouble() != 0)
                return noteName(heirKind(k), note) % u" without being ticked"_s;
            continue;
        }
        if (const QString problem = checkKind(input, shares, k); !problem.isEmpty())
            return problem;
    }

    bool anyDouble = false;
    double sum = 0.0;
    for (const HeirAmount& amount : shares.amounts) {
        anyDouble = anyDouble || amount.type() == HeirAmount::Type::Double;
        sum += amount.toDouble();
    }
    if (anyDouble != std::holds_alternative<double>(shares.dividedTotal))
        return u"the total has the wrong type"_s;
    // Far below any share, far above the rounding of another order of adding up.
    const double total = toDouble(shares.dividedTotal);
    if (std::abs(total - sum) > input.estate * 1e-9)
        return u"the total %1 is not the sum %2"_s.arg(total, 0, 'f', 6).arg(sum, 0, 'f', 6);
    if (std::optional(shares.remainder) != Money::fromDouble(input.estate - total))
        return u"the remainder %1 is not the estate less the total"_s.arg(
            shares.remainder.toDecimalString());
    return QString();
}

} // namespace

class ShareRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void noteOfAKindFollowsWhoElseIsThere_data();
    void noteOfAKindFollowsWhoElseIsThere();
    void everySelectionKeepsTheInvariants_data();
    void everySelectionKeepsTheInvariants();
};

// What the sweep's invariants leave open: the spouses', the father's and the grandfather's notes,
// and where a rule's tests overlap, the first that holds decides. The note checked is that of the
// last kind listed.
void ShareRulesTest::noteOfAKindFollowsWhoElseIsThere_data() {
    QTest::addColumn<std::uint32_t>("ticked");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<HeirKind>("kind");
    QTest::addColumn<ShareNote>("note");

    addRule("husband alone takes a half", {Suami}, Half);
    addRule("husband beside a son's daughter takes a quarter", {CucuWanita, Suami}, Quarter);
    addRule("wife alone takes a quarter", {Istri}, Quarter);
    addRule("wife beside a son takes an eighth", {AnakPria, Istri}, Eighth);
    addRule("father beside the mother is residuary", {Ibu, Bapak}, Ashabah);
    addRule("father beside a daughter takes a sixth", {AnakWanita, Bapak}, Sixth);
    addRule("grandfather alone is residuary", {Kakek}, Ashabah);
    addRule("grandfather beside a son's son takes a sixth", {CucuPria, Kakek}, Sixth);
    addRule("grandfather beside the father is blocked", {Bapak, Kakek}, TerhalangSuamiBapak);

    addRule("three brothers by the mother beside a daughter take one sixth",
            {AnakWanita, SaudaraPriaSeIbu}, Sixth, {{SaudaraPriaSeIbu, 3}});

    addRule("mother with a sister by the mother takes a sixth", {SaudaraWanitaSeIbu, Ibu}, Sixth);
    addRule("mother with two brothers by the mother takes a third", {SaudaraPriaSeIbu, Ibu}, Third,
            {{SaudaraPriaSeIbu, 2}});
    addRule("two son's daughters with one daughter take a sixth", {AnakWanita, CucuWanita}, Sixth,
            {{CucuWanita, 2}});
    addRule("one son's daughter with two daughters takes a half", {AnakWanita, CucuWanita}, Half,
            {{AnakWanita, 2}});

    addRule("full sister with the full brother and a son is blocked with him",
            {AnakPria, SaudaraPriaSekandung, SaudaraWanitaSekandung},
            TerhalangBersamaSaudaraKandungPria);
    addRule("full sister with one daughter and one son's daughter is residuary by them",
            {AnakWanita, CucuWanita, SaudaraWanitaSekandung}, AshabahKarenaAnakCucuWanita);
    addRule("full sister with one daughter, one son's daughter and a son is residuary by them",
            {AnakPria, AnakWanita, CucuWanita, SaudaraWanitaSekandung},
            AshabahKarenaAnakCucuWanita);
    addRule("full sister with two daughters and a son is blocked",
            {AnakPria, AnakWanita, SaudaraWanitaSekandung}, TerhalangAnakCucuBapakKakekNenek,
            {{AnakWanita, 2}});
    addRule("full sister with two daughters is residuary beside them",
            {AnakWanita, SaudaraWanitaSekandung}, AshabahBersamaAnakCucuWanita, {{AnakWanita, 2}});
    addRule("full sister with the wife and the mother is residuary",
            {Istri, Ibu, SaudaraWanitaSekandung}, Ashabah);
    addRule("full sister with the husband and the mother takes a half",
            {Suami, Ibu, SaudaraWanitaSekandung}, Half);

    addRule("sister by the father with a brother by the father and the father is blocked with him",
            {Bapak, SaudaraPriaSeBapak, SaudaraWanitaSeBapak}, TerhalangBersamaSaudaraSeBapakPria);
    addRule("sister by the father with a son and a daughter is residuary beside the daughter",
            {AnakPria, AnakWanita, SaudaraWanitaSeBapak}, AshabahBersamaAnakCucuWanita);
    addRule("sister by the father with the wife and the mother is residuary",
            {Istri, Ibu, SaudaraWanitaSeBapak}, Ashabah);
    addRule("one sister by the father with the wife, the mother and a full sister takes a sixth",
            {Istri, Ibu, SaudaraWanitaSekandung, SaudaraWanitaSeBapak}, Sixth);
    addRule("one sister by the father with the full brother takes a half",
            {SaudaraPriaSekandung, SaudaraWanitaSeBapak}, Half);

    addRule("sister by the mother with the full brother and the grandmother is blocked as by her",
            {SaudaraPriaSekandung, Nenek, SaudaraWanitaSeIbu}, TerhalangAnakCucuBapakKakekNenek);
}

void ShareRulesTest::noteOfAKindFollowsWhoElseIsThere() {
    QFETCH(std::uint32_t, ticked);
    QFETCH(QList<int>, counts);
    QFETCH(HeirKind, kind);
    QFETCH(ShareNote, note);

    ShareInput input;
    input.ticked = ticked;
    std::copy(counts.cbegin(), counts.cend(), input.counts.begin());
    input.estate = 1200.0;
    const auto shares = computeShares(input);
    QVERIFY(shares);
    QCOMPARE(shareNoteText(shares->notes[index(kind)]), shareNoteText(note));
}

void ShareRulesTest::everySelectionKeepsTheInvariants_data() {
    QTest::addColumn<HeirKind>("excludedSpouse");

    QTest::newRow("male deceased, every selection") << Suami;
    QTest::newRow("female deceased, every selection") << Istri;
}

// Under the sanitizers only every 17th selection is checked.
void ShareRulesTest::everySelectionKeepsTheInvariants() {
    QFETCH(HeirKind, excludedSpouse);

    const bool sampled = qEnvironmentVariableIsSet("ZW_SANITIZED");
    const std::uint32_t step = sampled ? 17 : 1;
    const std::uint32_t below = kindBit(excludedSpouse) - 1;

    ShareInput single = inputFor(1, 1000.0);
    ShareInput several = inputFor(2, 123'456'789.01);
    for (std::uint32_t choice = 1; choice < std::uint32_t{1} << (HeirKindCount - 1);
         choice += step) {
        const std::uint32_t ticked = (choice & below) | ((choice & ~below) << 1);
        single.ticked = ticked;
        several.ticked = ticked;
        const auto one = computeShares(single);
        const auto two = computeShares(several);
        if (!one || !two)
            QFAIL(qPrintable(describe(single) % u"out of range"_s));
        if (const QString problem = checkShares(single, *one); !problem.isEmpty())
            QFAIL(qPrintable(describe(single) % problem));
        if (const QString problem = checkShares(several, *two); !problem.isEmpty())
            QFAIL(qPrintable(describe(several) % problem));
        for (int k = 0; k < HeirKindCount; ++k) {
            if (!has(CountedByTheirNumber, k) && one->notes[k] != two->notes[k])
                QFAIL(qPrintable(describe(several) % heirInfo(heirKind(k)).identifier %
                                 u" depends on the number of persons"_s));
        }
    }
}

QTEST_GUILESS_MAIN(ShareRulesTest)
#include "ShareRulesTest.moc"
