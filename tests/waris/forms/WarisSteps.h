#pragma once

#include "ModalGuard.h"
#include "TestApp.h"
#include "waris/engine/HeirKind.h"

#include <QLocale>

#include <memory>
#include <optional>
#include <variant>

namespace zw::test {

inline const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);
inline const QLocale Indonesia(QLocale::Indonesian, QLocale::Indonesia);

struct DeceasedEntry {
    QString name = QStringLiteral("Ahmad");
    QString address = QStringLiteral("Jl. Mawar 5");
    QString birth = QStringLiteral("Bandung, 1-2-1940");
    QString death = QStringLiteral("Jakarta, 3-4-2020");
    std::optional<bool> male = true; // nothing: no sex chosen
    QString estate = QStringLiteral("1000000");
};

enum class Cancel { Escape, CloseWindow };
// A typed count, or a way to cancel the question.
using CountAnswer = std::variant<QString, Cancel>;
using Boxes = QList<int>;

// Base of the inheritance road's GUI tests: a fresh program for each test, a watchdog against
// stray modal windows, and the steps of the road done on the real widgets as a user would.
class WarisTest : public QObject {
    Q_OBJECT

protected Q_SLOTS:
    void init();
    void cleanup();

protected:
    void start(const QLocale& locale = UnitedStates);
    // Main menu "&Waris"; then the deceased's data typed, without OK.
    void openEntry();
    void fill(const DeceasedEntry& entry);
    // Both, and OK.
    void enterDeceased(const DeceasedEntry& entry);
    void tick(const QList<waris::HeirKind>& kinds);
    // "&Lanjutkan", answering the count questions in order; the questions asked are kept.
    void calculate(const QList<CountAnswer>& answers);
    // The whole road up to Hasil.
    void run(const DeceasedEntry& entry, const QList<waris::HeirKind>& kinds,
             const QList<CountAnswer>& answers = {});

    void click(const QString& formName, const QString& buttonName);
    QString caption(const QString& formName, const QString& labelName);
    QString fieldText(const QString& formName, const QString& fieldName);
    // Name, count, amount and note of detail row r (1 to 21).
    QStringList detailRow(int row);
    Boxes tickedBoxes();
    Boxes enabledBoxes();
    // The male, female and both-sexes presets.
    QList<bool> presetsEnabled();

    std::unique_ptr<TestApp> m_app;
    QStringList m_questions;

private:
    void answer(QList<CountAnswer> answers);

    std::unique_ptr<ModalWatchdog> m_watchdog;
};

Boxes range(int first, int last);

} // namespace zw::test
