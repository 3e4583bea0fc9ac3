#include "calltime/inet_conn.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/if_tun.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

// A tun device stands in for the ppp link: it is up once its flags say so,
// and running while a program holds it open, as pppd holds its link.
class TunDevice
{
public:
    TunDevice(const char *name, bool up, bool persist = false)
    {
        m_fd = open("/dev/net/tun", O_RDWR | O_CLOEXEC);
        ifreq request{};
        request.ifr_flags = IFF_TUN | IFF_NO_PI;
        std::strncpy(request.ifr_name, name, IFNAMSIZ - 1);
        if (m_fd < 0 || ioctl(m_fd, TUNSETIFF, &request) != 0)
            throw std::runtime_error(std::string("tun device: ") + std::strerror(errno));
        if (persist)
            ioctl(m_fd, TUNSETPERSIST, 1);
        if (up) {
            const int control = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
            ioctl(control, SIOCGIFFLAGS, &request);
            request.ifr_flags |= IFF_UP;
            ioctl(control, SIOCSIFFLAGS, &request);
            close(control);
        }
    }
    ~TunDevice() { release(); }
    TunDevice(const TunDevice &) = delete;
    TunDevice &operator=(const TunDevice &) = delete;

    void release()
    {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
};

// The kernel passes carrier changes on a moment later, so a link that has
// just lost its holder may still read as running for a little while.
bool settlesTo(bool expected)
{
    for (int tries = 0; tries < 60 && InetConn::IsConnected() != expected; ++tries)
        usleep(50'000);
    return InetConn::IsConnected() == expected;
}

// Each test gets a network namespace of its own, so the machine's own
// interfaces (and any real ppp link) play no part.
class LinuxProbe : public testing::Test
{
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "needs root to create a network namespace; running as uid " << geteuid();
        if (unshare(CLONE_NEWNET) != 0)
            GTEST_SKIP() << "cannot create a network namespace: " << std::strerror(errno);
        if (access("/dev/net/tun", R_OK | W_OK) != 0)
            GTEST_SKIP() << "no /dev/net/tun: " << std::strerror(errno);
    }
};

TEST_F(LinuxProbe, APppLinkCountsWhileItIsUpAndHeldOpen)
{
    EXPECT_FALSE(InetConn::IsConnected()) << "a fresh namespace has no link";
    {
        TunDevice link("ppp0", false);
        EXPECT_FALSE(InetConn::IsConnected()) << "down";
    }
    TunDevice link("ppp0", true);
    EXPECT_TRUE(InetConn::IsConnected());
    link.release(); // the device goes with its last holder
    EXPECT_FALSE(InetConn::IsConnected());
}

TEST_F(LinuxProbe, AnUpLinkNobodyHoldsIsNotRunning)
{
    {
        TunDevice link("ppp1", true, true);
        EXPECT_TRUE(settlesTo(true));
    }
    EXPECT_TRUE(settlesTo(false)) << "a persistent link left behind has no carrier";
}

TEST_F(LinuxProbe, AMobileBroadbandLinkCountsToo)
{
    TunDevice tun("tun0", true);
    EXPECT_FALSE(InetConn::IsConnected());
    TunDevice link("wwan0", true);
    EXPECT_TRUE(InetConn::IsConnected());
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
