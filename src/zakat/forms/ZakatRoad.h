#pragma once

#include "zakat/forms/ZakatKind.h"
#include "zakat/forms/ZakatState.h"

#include <QList>
#include <QString>

#include <array>

namespace zw {
struct AppContext;
}

namespace zw::zakat {

// The zakat road: it owns the road's state, registers its forms and runs the sequences that span
// several of them, above all the run through the chosen kinds. The forms show the state and pass
// on what the user does; the application reaches the road only through enter() and
// startAfresh().
class ZakatRoad {
public:
    explicit ZakatRoad(AppContext& context);
    ZakatRoad(const ZakatRoad&) = delete;
    ZakatRoad& operator=(const ZakatRoad&) = delete;

    // Form2, Form4 to Form7 and Form8.
    void registerForms();

    const ZakatState& state() const { return m_state; }
    ZakatState& state() { return m_state; }

    // The payer form emptied and shown.
    void enter();
    // Form8's "&U la n g i": the payer form emptied, the kind forms unlocked, the sheet emptied.
    void startAfresh();

    // Form2's OK: a new sheet with the payer's particulars, then the first chosen kind, modal.
    // `chosen` is in the asking order.
    void startRun(const std::array<QString, 5>& particulars, const QList<ZakatKind>& chosen);
    // A kind form's "&O  K  >>": its sentence recorded, then the next chosen kind (modal) or,
    // after the last, the filled sheet. True when the run went on to its end.
    bool kindAnswered(ZakatKind kind, const QString& sentence);
    void recordFitrah(const QString& sentence) { m_state.fitrahText = sentence; }
    // Form8's "&Waris".
    void leaveForInheritance();

private:
    AppContext& m_context;
    ZakatState m_state;
};

} // namespace zw::zakat
