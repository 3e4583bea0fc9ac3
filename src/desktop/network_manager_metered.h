#pragma once

#include "calltime/link_billing.h"

// NetworkManager's Metered property of a link's device, read over the
// system bus where NetworkManager runs; never started for the asking, and
// given a quarter of a second at most, once at a call's start.
class NetworkManagerMetered final : public MeteredLinks
{
public:
    std::optional<bool> isMetered(const QString &linkName) override;
};
