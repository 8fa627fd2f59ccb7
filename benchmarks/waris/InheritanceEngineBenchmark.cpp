#include "waris/engine/designed/InheritanceEngine.h"
#include "waris/engine/designed/ShareRules.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace zw::waris;

namespace {

const QLocale EnglishUs(QLocale::English, QLocale::UnitedStates);

HeirSelection everyoneButTheHusband() {
    HeirSelection selection = HeirSelection::fromBits((1U << HeirKindCount) - 1);
    selection.setTicked(HeirKind::Suami, false);
    return selection;
}

ShareInput sweepInput(int count, double estate) {
    ShareInput input;
    for (int k = 0; k < HeirKindCount; ++k)
        input.counts[static_cast<std::size_t>(k)] = heirInfo(heirKind(k)).several ? count : 1;
    input.estate = estate;
    return input;
}

} // namespace

class InheritanceEngineBenchmark : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void calculationWithTwentyOneKinds() {
        const HeirSelection selection = everyoneButTheHusband();
        CalculationState state;
        const CountAsker asker = [](HeirKind) {
            return std::optional(u"2"_s);
        };
        QBENCHMARK {
            const auto outcome = calculate(state, selection, u"1,000,000"_s, EnglishUs, asker);
            if (!std::holds_alternative<CalculationResult>(outcome))
                QFAIL("calculation failed");
        }
    }

    void sharesOfTwentyOneKinds() {
        ShareInput input = sweepInput(2, 1'000'000.0);
        input.ticked = everyoneButTheHusband().bits();
        QBENCHMARK {
            const auto shares = computeShares(input);
            if (!shares)
                QFAIL("out of range");
        }
    }

    // Both sexes, every selection with the other spouse unticked, counts all 1 and all 2.
    void wholeSweep() {
        constexpr std::uint32_t selections = std::uint32_t{1} << (HeirKindCount - 1);
        ShareInput single = sweepInput(1, 1000.0);
        ShareInput several = sweepInput(2, 123'456'789.01);
        double checksum = 0.0;
        QBENCHMARK_ONCE {
            for (const HeirKind spouse : {HeirKind::Suami, HeirKind::Istri}) {
                const std::uint32_t below = (std::uint32_t{1} << index(spouse)) - 1;
                for (std::uint32_t choice = 0; choice < selections; ++choice) {
                    const std::uint32_t ticked = (choice & below) | ((choice & ~below) << 1);
                    single.ticked = ticked;
                    several.ticked = ticked;
                    checksum += computeShares(single)->remainder.toDouble();
                    checksum += computeShares(several)->remainder.toDouble();
                }
            }
        }
        QVERIFY(checksum != 0.0);
    }
};

QTEST_GUILESS_MAIN(InheritanceEngineBenchmark)
#include "InheritanceEngineBenchmark.moc"
