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
bool g_listFails = false;
} // namespace

extern "C" int getifaddrs(ifaddrs **list)
{
    if (g_listFails)
        return -1;
    for (size_t i = 0; i < g_interfaces.size(); ++i)
        g_interfaces[i].ifa_next = i + 1 < g_interfaces.size() ? &g_interfaces[i + 1] : nullptr;
    *list = g_interfaces.empty() ? nullptr : g_interfaces.data();
    return 0;
}

extern "C" void freeifaddrs(ifaddrs *) { }

namespace {

constexpr unsigned kUp = IFF_UP, kRunning = IFF_RUNNING, kBoth = IFF_UP | IFF_RUNNING;

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

TEST_P(LinuxProbe, APppLinkCountsWhileItIsUpAndRunning)
{
    setInterfaces(GetParam().interfaces);
    EXPECT_EQ(InetConn::IsConnected(), GetParam().connected);
}

INSTANTIATE_TEST_SUITE_P(Interfaces, LinuxProbe,
    testing::Values(ProbeCase { {}, false }, ProbeCase { { { "ppp0", kBoth } }, true },
        ProbeCase { { { "ppp0", kUp } }, false }, ProbeCase { { { "ppp0", kRunning } }, false },
        ProbeCase {
            { { "lo", kBoth }, { "tun0", kBoth }, { "xppp0", kBoth }, { "pp", kBoth } }, false },
        ProbeCase { { { "eth0", kBoth }, { "ppp1", kUp }, { "ppp7", kBoth | 0x1000 } }, true },
        ProbeCase { { { nullptr, kBoth }, { "ppp7", kBoth } }, true }));

TEST(LinuxProbeFailure, AListThatCannotBeHadIsNoLink)
{
    setInterfaces({ { "ppp0", kBoth } });
    g_listFails = true;
    EXPECT_FALSE(InetConn::IsConnected());
    g_listFails = false;
}

struct InterfaceName
{
    const char *name;
    bool isCall;
};

class CallInterfaceName : public testing::TestWithParam<InterfaceName>
{};

TEST_P(CallInterfaceName, CountsOnlyDialUpAndMobileBroadband)
{
    EXPECT_EQ(InetConn::IsCallInterface(GetParam().name), GetParam().isCall) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, CallInterfaceName,
    testing::Values(InterfaceName{"ppp0", true}, InterfaceName{"ppp12", true},
        InterfaceName{"wwan0", true}, InterfaceName{"wwp0s20f0u6i12", true},
        InterfaceName{"pp0", false}, InterfaceName{"wwa0", false}, InterfaceName{"ww0", false},
        InterfaceName{"xppp0", false}, InterfaceName{"eth0", false},
        InterfaceName{"wlan0", false}, InterfaceName{"tun0", false},
        InterfaceName{"PPP0", false}, InterfaceName{"", false}));

} // namespace
