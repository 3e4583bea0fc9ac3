#include "calltime/link_counters.h"

// No link counters here: calls are priced by the minute alone.

std::optional<LinkCounters> readLinkCounters(const std::string &, const std::string &)
{
    return std::nullopt;
}

std::optional<LinkMessageCounters> linkMessageCounters(const void *, std::size_t)
{
    return std::nullopt;
}

std::optional<LinkMessageCounters> sampleLink(const std::string &)
{
    return std::nullopt;
}

int interfaceIndex(const std::string &)
{
    return 0;
}
