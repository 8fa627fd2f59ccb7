#pragma once

#include "TestApp.h"
#include "waris/HeirKind.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zw::test {

struct DeceasedEntry {
    QString name = QStringLiteral("Ahmad");
    QString address = QStringLiteral("Jl. Mawar 5");
    QString birth = QStringLiteral("Bandung, 1-2-1940");
    QString death = QStringLiteral("Jakarta, 3-4-2020");
    bool male = true;
    QString estate = QStringLiteral("1000000");
};

// A typed count, or nothing to cancel that question with Escape.
using CountAnswer = std::optional<QString>;

// Steps of the inheritance road, done on the real widgets as a user would.
class WarisSteps {
public:
    explicit WarisSteps(TestApp& app)
        : m_app(app) {}

    // Main menu "&Waris", the deceased's data and its OK.
    void enterDeceased(const DeceasedEntry& entry);
    void tick(const QList<waris::HeirKind>& kinds);
    // "&Lanjutkan", answering the count questions in order; the questions asked are kept.
    void calculate(const QList<CountAnswer>& answers);
    // The whole road up to Hasil.
    void run(const DeceasedEntry& entry, const QList<waris::HeirKind>& kinds,
             const QList<CountAnswer>& answers = {});

    void click(const QString& formName, const QString& buttonName);
    QString caption(const QString& formName, const QString& labelName);
    // Name, count, amount and note of detail row r (1 to 21).
    QStringList detailRow(int row);
    bool ticked(int kind);
    bool enabled(int kind);

    QStringList questions;

private:
    void answer(QList<CountAnswer> answers);

    TestApp& m_app;
};

} // namespace zw::test
