#include "ui/network_manager_metered.h"

// No NetworkManager here: the links' patterns decide.
std::optional<bool> NetworkManagerMetered::isMetered(const QString &)
{
    return std::nullopt;
}
