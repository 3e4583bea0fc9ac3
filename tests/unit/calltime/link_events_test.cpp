#include "support/call_rig.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <linux/if_tun.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

// The call clock on the system's link messages, against real links: tun
// devices named as dial-up and mobile links are, in a network namespace of
// the test's own, which only root may make.

namespace {

using Field = CallClock::Field;

ifreq request(const char *name)
{
    ifreq named {};
    std::strncpy(named.ifr_name, name, IFNAMSIZ - 1);
    return named;
}

// A point-to-point tun device, as pppd's link: it has carrier while it is
// held open, and goes when its holder lets go, as a link does on hanging up.
class TunLink
{
public:
    explicit TunLink(const char *name) : m_name(name)
    {
        m_fd = ::open("/dev/net/tun", O_RDWR | O_CLOEXEC);
        ifreq tun = request(name);
        tun.ifr_flags = IFF_TUN | IFF_NO_PI;
        if (m_fd < 0 || ::ioctl(m_fd, TUNSETIFF, &tun) != 0)
            ADD_FAILURE() << "no tun " << name << ": " << std::strerror(errno);
    }
    ~TunLink() { hangUp(); }

    // As `ip link set up` and `down`.
    void setUp(bool up)
    {
        const int control = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        ifreq flags = request(m_name);
        if (::ioctl(control, SIOCGIFFLAGS, &flags) != 0)
            ADD_FAILURE() << "no flags of " << m_name << ": " << std::strerror(errno);
        flags.ifr_flags = short(up ? flags.ifr_flags | IFF_UP : flags.ifr_flags & ~IFF_UP);
        if (::ioctl(control, SIOCSIFFLAGS, &flags) != 0)
            ADD_FAILURE() << "cannot set " << m_name << ": " << std::strerror(errno);
        ::close(control);
    }
    // Up without carrier is up but not running, as a modem that has not
    // connected yet.
    void setCarrier(bool on)
    {
        int carrier = on;
        if (::ioctl(m_fd, TUNSETCARRIER, &carrier) != 0)
            ADD_FAILURE() << "no carrier change: " << std::strerror(errno);
    }
    // An IPv4 packet of this many bytes comes in over the link.
    void receive(int bytes)
    {
        std::vector<unsigned char> packet(size_t(bytes), 0);
        packet[0] = 0x45;
        if (::write(m_fd, packet.data(), packet.size()) != bytes)
            ADD_FAILURE() << "nothing received on " << m_name << ": " << std::strerror(errno);
    }
    void hangUp()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    const char *m_name;
    int m_fd = -1;
};

class LinkEventsTest : public CallRigTest
{
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root for a network namespace and a tun device";
        if (::access("/dev/net/tun", R_OK | W_OK) != 0)
            GTEST_SKIP() << "no /dev/net/tun on this machine";
        m_home = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
        if (m_home < 0 || ::unshare(CLONE_NEWNET) != 0)
            GTEST_SKIP() << "cannot make a network namespace: " << std::strerror(errno);
        chargeAllWeek("2", "0");
        priceAsSet();
    }
    void TearDown() override
    {
        linkClock.stop();
        if (m_home >= 0) {
            EXPECT_EQ(::setns(m_home, CLONE_NEWNET), 0);
            ::close(m_home);
        }
    }

    // Runs the event loop until the test holds, for at most two seconds.
    template <typename Test> bool waitUntil(Test test)
    {
        QElapsedTimer spin;
        for (spin.start(); !test() && spin.elapsed() < 2000;)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        return test();
    }
    bool waitForTiming(bool timing)
    {
        return waitUntil([&] { return linkClock.isTiming() == timing; });
    }
    void runEvents(int milliseconds)
    {
        QElapsedTimer spin;
        for (spin.start(); spin.elapsed() < milliseconds;)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    qsizetype records() const { return log().count('#'); }

    SystemConnectionProbe system;
    CallClock linkClock { { clock, regional, system, tray, prompter, source, logPath() } };
    int m_home = -1;
};

TEST_F(LinkEventsTest, ACallRunsFromTheLinkRunningToItsGoingWithoutAScan)
{
    TunLink ppp("ppp0");
    ppp.setUp(true); // before the start: the first answer finds it
    linkClock.start();
    ASSERT_TRUE(linkClock.isListening());
    EXPECT_FALSE(linkClock.isScanning());
    ASSERT_TRUE(waitForTiming(true));
    clock.advance(65);
    linkClock.Timer2_Timer();
    ppp.setUp(false);
    ASSERT_TRUE(waitForTiming(false));
    EXPECT_EQ(log(), "05:12:2026  ,  \r\n10:00:00  ,  \r\n00:01:05  ,  \r\n02.00#\r\n");

    ppp.setUp(true);
    ASSERT_TRUE(waitForTiming(true));
    ppp.hangUp(); // the device goes
    ASSERT_TRUE(waitForTiming(false));
    EXPECT_EQ(records(), 2);
    EXPECT_FALSE(linkClock.isScanning() || linkClock.isTicking()) << "idle, nothing wakes";
}

// Both edges wait in the socket together, each seen in its turn.
TEST_F(LinkEventsTest, ALinkThatComesAndGoesBeforeItIsReadIsAShortCall)
{
    linkClock.start();
    TunLink wwan("wwan0");
    runEvents(100); // the first answer and the device's making
    wwan.setUp(true);
    wwan.setUp(false);
    ASSERT_TRUE(waitUntil([&] { return records() == 1; }));
    EXPECT_EQ(log(), "05:12:2026  ,  \r\n10:00:00  ,  \r\n00:00:00  ,  \r\n02.00#\r\n");
    EXPECT_EQ(linkClock.text(Field::Label6), "Not Connected");
}

TEST_F(LinkEventsTest, ACallLinkUpButNotRunningIsNoCallUntilItRuns)
{
    linkClock.start();
    TunLink ppp("ppp0");
    ppp.setCarrier(false);
    ppp.setUp(true);
    TunLink other("tun0"); // running, but no call link
    other.setUp(true);
    runEvents(200);
    EXPECT_FALSE(linkClock.isTiming());
    ppp.setCarrier(true);
    EXPECT_TRUE(waitForTiming(true));
}

// Messages that come while a failed append's box is open wait for it to
// close; none is lost.
TEST_F(LinkEventsTest, LinkMessagesWaitForAFailedAppendsBox)
{
    CallClock failing({clock, regional, system, tray, prompter, source, dir.file("gone/x.ini")});
    failing.start();
    TunLink ppp("ppp0");
    ppp.setUp(true);
    ASSERT_TRUE(waitUntil([&] { return failing.isTiming(); }));
    bool timedUnderTheBox = true;
    prompter.whileMessageOpen([&] {
        ppp.setUp(true);
        runEvents(100);
        timedUnderTheBox = failing.isTiming();
    });
    ppp.setUp(false);
    ASSERT_TRUE(waitUntil([&] { return !prompter.messages.isEmpty(); }));
    EXPECT_FALSE(timedUnderTheBox);
    EXPECT_TRUE(waitUntil([&] { return failing.isTiming(); })) << "the link came up again";
    failing.stop();
}

// More changes than the socket holds: the ones lost are made up for by
// asking for every link's state again.
TEST_F(LinkEventsTest, ChangesLostForWantOfRoomAreFoundByAskingAgain)
{
    LinkEvents events;
    ASSERT_GE(events.open(), 0);
    TunLink other("tun0"); // no call link: its messages only fill the socket
    for (int i = 0; i < 1000; ++i) {
        other.setUp(true);
        other.setUp(false);
    }
    TunLink ppp("ppp0");
    ppp.setUp(true);
    bool connected = false;
    EXPECT_TRUE(waitUntil([&] {
        const LinkEvents::Changes changes = events.read();
        EXPECT_FALSE(changes.failed);
        if (!changes.connected.empty())
            connected = changes.connected.back();
        return connected;
    }));
}

TEST_F(LinkEventsTest, WhereTheSocketCannotBeOpenedTheScanPolls)
{
#ifdef __SANITIZE_ADDRESS__
    // UndefinedBehaviorSanitizer opens a pipe to check each virtual call, so
    // with no descriptor to spare it reports every call as a bad one.
    GTEST_SKIP() << "the sanitizers need spare file descriptors of their own";
#endif
    // No descriptor to spare: the socket cannot be opened.
    rlimit files {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &files), 0);
    const int lowest = ::dup(2);
    ::close(lowest);
    const rlimit none { rlim_t(lowest), files.rlim_max };
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    linkClock.setScanInterval(20);
    linkClock.start();
    ::setrlimit(RLIMIT_NOFILE, &files);
    EXPECT_FALSE(linkClock.isListening());
    EXPECT_TRUE(linkClock.isScanning());

    TunLink ppp("ppp0");
    ppp.setUp(true);
    EXPECT_TRUE(waitForTiming(true));
}

// The bytes that came after the last tick are counted from the message of
// the link's going, when its counters can no longer be read.
TEST_F(LinkEventsTest, ACallsLastBytesComeWithItsLinksGoing)
{
    for (const char *setting : { "all", "default" }) // no IPv6 of the kernel's own on the link
        std::ofstream(std::string("/proc/sys/net/ipv6/conf/") + setting + "/disable_ipv6") << 1;
    CallClock counting(
        { clock, regional, system, tray, prompter, source, logPath(), &billing });
    counting.start();
    TunLink wwan("wwan0");
    wwan.setUp(true);
    ASSERT_TRUE(waitUntil([&] { return counting.isTiming(); }));
    for (int i = 0; i < 3; ++i)
        wwan.receive(1000);
    wwan.hangUp();
    ASSERT_TRUE(waitUntil([&] { return records() == 1; }));
    EXPECT_EQ(bytes().toStdString(), "05:12:2026  ,  10:00:00  ,  00:00:00  ,  3000  ,  0#\r\n");
    counting.stop();
}

} // namespace
