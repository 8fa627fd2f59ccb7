#pragma once

#include "ui/Navigation.h"

namespace zw {

struct AppContext;

// The ways between the roads, with both roads at hand.
class AppNavigation : public Navigation {
public:
    explicit AppNavigation(AppContext& context);

    void toZakat() override;
    void toInheritance() override;
    void toClosing() override;

private:
    AppContext& m_context;
};

} // namespace zw
