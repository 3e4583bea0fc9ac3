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

// A link carries traffic while its interface is both up and running.
bool IsConnected()
{
    ifaddrs *interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0)
        return false;
    constexpr unsigned kLinkUp = IFF_UP | IFF_RUNNING;
    bool connected = false;
    for (const ifaddrs *i = interfaces; i && !connected; i = i->ifa_next) {
        connected = i->ifa_name && IsCallInterface(i->ifa_name)
                    && (i->ifa_flags & kLinkUp) == kLinkUp;
    }
    freeifaddrs(interfaces);
    return connected;
}

} // namespace InetConn
