#include "waris/engine/faraid/FaraidEngine.h"
#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/SpecialCases.h"

#include <QTest>

using namespace zw::waris;

class FaraidBenchmark : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every kind but the husband, two persons where allowed, an estate, steps and texts included.
    void fullDivisionOfTwentyOneKinds() {
        FaraidInput input;
        for (int k = 1; k < HeirKindCount; ++k)
            input.counts[k] = heirInfo(heirKind(k)).several ? 2 : 1;
        input.estate = zw::Rupiah::fromSen(123'456'789'012'34);
        input.funeral = zw::Rupiah::fromSen(1'000'000'00);
        const MoneyText money = moneyIn(QLocale(QLocale::Indonesian, QLocale::Indonesia));
        QBENCHMARK {
            const FaraidOutcome outcome = divideEstate(input);
            if (!std::holds_alternative<FaraidResult>(outcome) ||
                faraidSteps(std::get<FaraidResult>(outcome), money).isEmpty())
                QFAIL("division failed");
        }
    }

    // Under KHI: a wife, the parents, sons, daughters and two predeceased children's branches,
    // joint property, zakat, both bequests; amounts, texts and the working. Target: < 20 µs.
    void fullDivisionUnderKhi() {
        FaraidInput input;
        input.law = Law::Khi;
        for (const auto& [kind, count] : {std::pair{HeirKind::Istri, 2},
                                          {HeirKind::Bapak, 1},
                                          {HeirKind::Ibu, 1},
                                          {HeirKind::AnakPria, 5},
                                          {HeirKind::AnakWanita, 4},
                                          {HeirKind::SaudaraPriaSekandung, 3}})
            input.counts[kind] = count;
        input.predeceased = {{HeirKind::AnakPria, 2, 1}, {HeirKind::AnakWanita, 0, 3}};
        input.estate = zw::Rupiah::fromSen(987'654'321'00);
        input.jointProperty = zw::Rupiah::fromSen(500'000'000'01);
        input.zakat = zw::Rupiah::fromSen(2'500'000'00);
        input.obligatoryBequest = zw::Rupiah::fromSen(300'000'000'00);
        input.bequest = zw::Rupiah::fromSen(100'000'000'00);
        const MoneyText money = moneyIn(QLocale(QLocale::Indonesian, QLocale::Indonesia));
        QBENCHMARK {
            const FaraidOutcome outcome = divideEstate(input);
            if (!std::holds_alternative<FaraidResult>(outcome) ||
                faraidSteps(std::get<FaraidResult>(outcome), money).isEmpty())
                QFAIL("division failed");
        }
    }

    // A wife, then a son, then the father die before the division, each leaving heirs partly
    // of the first division; four divisions merged on one common base, amounts and the working.
    // Target: < 100 µs.
    void munasakhatOfThreeDeaths() {
        SpecialInput special;
        for (const auto& [kind, count] : {std::pair{HeirKind::Istri, 1},
                                          {HeirKind::Bapak, 1},
                                          {HeirKind::Ibu, 1},
                                          {HeirKind::AnakPria, 3},
                                          {HeirKind::AnakWanita, 2}})
            special.input.counts[kind] = count;
        special.input.estate = zw::Rupiah::fromSen(987'654'321'00);
        const auto heirs = [](std::initializer_list<std::pair<HeirKind, int>> list) {
            FaraidPerKind<int> counts{};
            for (const auto& [kind, count] : list)
                counts[kind] = count;
            return counts;
        };
        special.deaths = {
            {HeirKind::Istri, 1, heirs({{HeirKind::AnakPria, 3}, {HeirKind::AnakWanita, 2}})},
            {HeirKind::AnakPria, 1,
             heirs({{HeirKind::Kakek, 1},
                    {HeirKind::Nenek, 1},
                    {HeirKind::SaudaraPriaSekandung, 2},
                    {HeirKind::SaudaraWanitaSekandung, 2}})},
            {HeirKind::Bapak, 1, heirs({{HeirKind::Istri, 1}, {HeirKind::AnakPria, 2}})}};
        QBENCHMARK {
            const SpecialOutcomeOrError divided = divideSpecial(special);
            if (!std::holds_alternative<SpecialResult>(divided))
                QFAIL("division failed");
        }
    }

    // A pregnant widow beside the parents, a son and two daughters, up to four babies: fifteen
    // outcomes, the least of each heir, the held amount and each outcome's amounts. Target:
    // < 100 µs.
    void hamlOfFourUnborn() {
        SpecialInput special;
        for (const auto& [kind, count] : {std::pair{HeirKind::Istri, 1},
                                          {HeirKind::Bapak, 1},
                                          {HeirKind::Ibu, 1},
                                          {HeirKind::AnakPria, 1},
                                          {HeirKind::AnakWanita, 2}})
            special.input.counts[kind] = count;
        special.input.estate = zw::Rupiah::fromSen(987'654'321'00);
        special.unborn = UnbornKind::Child;
        special.unbornMax = 4;
        QBENCHMARK {
            const SpecialOutcomeOrError divided = divideSpecial(special);
            if (!std::holds_alternative<SpecialResult>(divided) ||
                std::get<SpecialResult>(divided).outcomes.size() != 15)
                QFAIL("division failed");
        }
    }

    // Both sexes of the deceased, counts 1 and 2: 8 388 604 divisions, fractions only.
    // A wife with distant kin of every line, by tanzil: the places divided, then shared; amounts,
    // texts and the working.
    void distantKinOfEveryLine() {
        FaraidInput input;
        input.counts[HeirKind::Istri] = 1;
        for (const HeirKind kind : {HeirKind::KakekDariIbu, HeirKind::SaudaraPriaIbu,
                                    HeirKind::SaudaraWanitaBapak, HeirKind::PamanSeIbu})
            input.counts[kind] = 1;
        for (const HeirKind place : {HeirKind::AnakWanita, HeirKind::AnakWanita,
                                     HeirKind::CucuWanita, HeirKind::SaudaraWanitaSekandung,
                                     HeirKind::SaudaraPriaSeIbu, HeirKind::PamanSekandung})
            input.predeceased.push_back({place, place == HeirKind::PamanSekandung ? 0 : 1, 2});
        input.estate = zw::Rupiah::fromSen(987'654'321'00);
        const MoneyText money = moneyIn(QLocale(QLocale::Indonesian, QLocale::Indonesia));
        QBENCHMARK {
            const FaraidOutcome outcome = divideEstate(input);
            if (!std::holds_alternative<FaraidResult>(outcome) ||
                faraidSteps(std::get<FaraidResult>(outcome), money).isEmpty())
                QFAIL("division failed");
        }
    }

    void wholeSweepFractionsOnly() {
        QBENCHMARK_ONCE {
            std::int64_t divisions = 0;
            for (const HeirKind otherSpouse : {HeirKind::Suami, HeirKind::Istri}) {
                const std::uint32_t below = kindBit(otherSpouse) - 1;
                for (const int persons : {1, 2}) {
                    FaraidInput input;
                    input.detail = FaraidDetail::SharesOnly;
                    for (std::uint32_t choice = 1; choice < std::uint32_t{1} << (HeirKindCount - 1);
                         ++choice) {
                        const std::uint32_t ticked = (choice & below) | ((choice & ~below) << 1);
                        for (int k = 0; k < HeirKindCount; ++k) {
                            input.counts[k] = ((ticked >> k) & 1U)
                                                  ? (heirInfo(heirKind(k)).several ? persons : 1)
                                                  : 0;
                        }
                        if (!std::holds_alternative<FaraidResult>(divideEstate(input)))
                            QFAIL("division failed");
                        ++divisions;
                    }
                }
            }
            qInfo("divisions: %lld", static_cast<long long>(divisions));
        }
    }
};

QTEST_GUILESS_MAIN(FaraidBenchmark)
#include "FaraidBenchmark.moc"
