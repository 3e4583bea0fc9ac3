#include "desktop/network_manager_metered.h"

// No NetworkManager on Windows: the links' patterns decide.
std::optional<bool> NetworkManagerMetered::isMetered(const QString &)
{
    return std::nullopt;
}
