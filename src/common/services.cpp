#include "services.h"

#include "desktopservices.h"

namespace {
std::unique_ptr<Services> &slot()
{
    static std::unique_ptr<Services> current;
    return current;
}
} // namespace

Services &services()
{
    auto &current = slot();
    if (!current)
        current = std::make_unique<DesktopServices>();
    return *current;
}

void installServices(std::unique_ptr<Services> replacement)
{
    slot() = std::move(replacement);
}
