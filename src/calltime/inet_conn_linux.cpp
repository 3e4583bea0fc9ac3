#include "calltime/inet_conn.h"

#include <ifaddrs.h>
#include <net/if.h>

#include <array>
#include <cstring>

namespace InetConn {

bool IsCallInterface(const char *name)
{
    for (const char *prefix : std::array{"ppp", "wwan", "wwp"}) {
        if (std::strncmp(name, prefix, std::strlen(prefix)) == 0)
            return true;
    }
    return false;
}

// A link carries traffic while its interface is up and running and has its
// carrier (IFF_LOWER_UP, which <net/if.h> does not name). Running alone can
// show for up to a second while the kernel catches up with a carrier lost
// just before the link was set up: a call that never was.
bool IsCallLinkUp(const char *name, unsigned flags)
{
    constexpr unsigned kLowerUp = 0x10000;
    constexpr unsigned kLinkUp = IFF_UP | IFF_RUNNING | kLowerUp;
    return name && IsCallInterface(name) && (flags & kLinkUp) == kLinkUp;
}

std::string CallLinkName()
{
    ifaddrs *interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0)
        return {};
    std::string name;
    for (const ifaddrs *i = interfaces; i && name.empty(); i = i->ifa_next) {
        if (IsCallLinkUp(i->ifa_name, i->ifa_flags))
            name = i->ifa_name;
    }
    freeifaddrs(interfaces);
    return name;
}

bool IsConnected()
{
    ifaddrs *interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0)
        return false;
    bool connected = false;
    for (const ifaddrs *i = interfaces; i && !connected; i = i->ifa_next)
        connected = IsCallLinkUp(i->ifa_name, i->ifa_flags);
    freeifaddrs(interfaces);
    return connected;
}

} // namespace InetConn
