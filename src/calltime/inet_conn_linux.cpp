#include "calltime/inet_conn.h"

#include <ifaddrs.h>
#include <net/if.h>

#include <cstring>

namespace InetConn {

// pppd names its links ppp0, ppp1, ...; such a link carries traffic while its
// interface is both up and running.
bool IsConnected()
{
    ifaddrs *interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0)
        return false;
    constexpr unsigned kLinkUp = IFF_UP | IFF_RUNNING;
    bool connected = false;
    for (const ifaddrs *i = interfaces; i && !connected; i = i->ifa_next) {
        connected = i->ifa_name && std::strncmp(i->ifa_name, "ppp", 3) == 0
                    && (i->ifa_flags & kLinkUp) == kLinkUp;
    }
    freeifaddrs(interfaces);
    return connected;
}

} // namespace InetConn
