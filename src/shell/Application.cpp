#include "shell/Application.h"

namespace zw {

struct Application::Private {};

Application::Application()
    : d(new Private)
{
}

Application::~Application()
{
    delete d;
}

bool Application::start()
{
    return false;
}

} // namespace zw
