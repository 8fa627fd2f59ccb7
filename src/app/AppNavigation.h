#pragma once

#include "ui/Navigation.h"

namespace zw {

struct AppContext;

namespace waris {
class WarisRoad;
}
namespace zakat {
class ZakatRoad;
}

// The ways between the roads and to the application's windows, with both roads at hand.
class AppNavigation : public Navigation {
public:
    AppNavigation(AppContext& context, waris::WarisRoad& waris, zakat::ZakatRoad& zakat);

    void enter(Road road) override;
    void startAfresh(Road road) override;
    void toMainMenu() override;
    void showHelp(Road road) override;
    void hideHelp(Road road) override;
    bool newCase() override;
    bool openCase(const QString& path) override;
    void toClosing() override;

private:
    AppContext& m_context;
    waris::WarisRoad& m_waris;
    zakat::ZakatRoad& m_zakat;
};

} // namespace zw
