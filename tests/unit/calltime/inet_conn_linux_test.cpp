#include "calltime/inet_conn.h"

#include <gtest/gtest.h>

#include <ifaddrs.h>
#include <net/if.h>

#include <vector>

// The interfaces the system reports, as this test sets them: the probe's
// calls to getifaddrs() land here instead of in the C library. The real link
// is the end-to-end test's.
namespace {
std::vector<ifaddrs> g_interfaces;
} // namespace

extern "C" int getifaddrs(ifaddrs **list)
{
    for (size_t i = 0; i < g_interfaces.size(); ++i)
        g_interfaces[i].ifa_next = i + 1 < g_interfaces.size() ? &g_interfaces[i + 1] : nullptr;
    *list = g_interfaces.empty() ? nullptr : g_interfaces.data();
    return 0;
}

extern "C" void freeifaddrs(ifaddrs *) { }

namespace {

constexpr unsigned kLowerUp = 0x10000; // IFF_LOWER_UP: the carrier
constexpr unsigned kUp = IFF_UP, kRunning = IFF_RUNNING | kLowerUp,
                   kBoth = IFF_UP | IFF_RUNNING | kLowerUp;

struct ProbeCase
{
    std::vector<std::pair<const char *, unsigned>> interfaces;
    bool connected;
};

void setInterfaces(const std::vector<std::pair<const char *, unsigned>> &interfaces)
{
    g_interfaces.clear();
    for (const auto &[name, flags] : interfaces) {
        ifaddrs entry {};
        entry.ifa_name = const_cast<char *>(name);
        entry.ifa_flags = flags;
        g_interfaces.push_back(entry);
    }
}

class LinuxProbe : public testing::TestWithParam<ProbeCase>
{
};

TEST_P(LinuxProbe, ACallLinkCountsWhileItIsUpAndRunningWithItsCarrier)
{
    setInterfaces(GetParam().interfaces);
    EXPECT_EQ(InetConn::IsConnected(), GetParam().connected);
}

const ProbeCase kLinks[] = {
    { {}, false }, { { { "ppp0", kBoth } }, true }, { { { "ppp0", kUp } }, false },
    { { { "ppp0", kRunning } }, false },
    { { { "ppp0", IFF_UP | IFF_RUNNING } }, false }, // the kernel behind a carrier lost
    { { { "ppp0", IFF_UP | kLowerUp } }, false },
    { { { "lo", kBoth }, { "tun0", kBoth }, { "xppp0", kBoth }, { "pp", kBoth } }, false },
    { { { "eth0", kBoth }, { "ppp1", kUp }, { "ppp7", kBoth | 0x1000 } }, true },
    { { { nullptr, kBoth }, { "ppp7", kBoth } }, true },
    // dial-up and mobile broadband only, by the name's start
    { { { "ppp12", kBoth } }, true }, { { { "wwan0", kBoth } }, true },
    { { { "wwp0s20f0u6i12", kBoth } }, true }, { { { "pp0", kBoth } }, false },
    { { { "wwa0", kBoth } }, false }, { { { "ww0", kBoth } }, false },
    { { { "wlan0", kBoth } }, false }, { { { "PPP0", kBoth } }, false },
    { { { "", kBoth } }, false },
};

INSTANTIATE_TEST_SUITE_P(Interfaces, LinuxProbe, testing::ValuesIn(kLinks));

} // namespace
