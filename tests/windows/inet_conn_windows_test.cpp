#include "calltime/inet_conn.h"
#include "calltime/windows_links.h"
#include "wine_registry.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

const std::string kRemoteAccess = "System\\CurrentControlSet\\Services\\RemoteAccess";

struct ProbeCase
{
    const char *label;
    DWORD type;
    std::string data;
    bool connected;
};

class WindowsProbeTest : public testing::TestWithParam<ProbeCase>
{
protected:
    void SetUp() override
    {
        if (keyExists(kRemoteAccess))
            GTEST_SKIP() << "this registry has a remote access service of its own";
    }
    void TearDown() override { deleteTree(kRemoteAccess); }
};

TEST_P(WindowsProbeTest, RemoteConnectionValue)
{
    const ProbeCase &c = GetParam();
    ASSERT_TRUE(putValue(kRemoteAccess, "Remote Connection", c.type, c.data));
    EXPECT_EQ(InetConn::IsConnected(), c.connected);
}

INSTANTIATE_TEST_SUITE_P(Values, WindowsProbeTest,
    testing::Values(ProbeCase { "one", REG_DWORD, "\x01\0\0\0"s, true },
        ProbeCase { "only_second_byte", REG_DWORD, "\0\x01\0\0"s, true },
        ProbeCase { "zero", REG_DWORD, "\0\0\0\0"s, false },
        ProbeCase { "eight_bytes", REG_QWORD, "\x01\0\0\0\0\0\0\0"s, false },
        // The type is not looked at: four nonzero bytes of any kind count.
        ProbeCase { "four_binary_bytes", REG_BINARY, "\0\0\0\x80"s, true }),
    [](const testing::TestParamInfo<ProbeCase> &info) { return info.param.label; });

TEST_F(WindowsProbeTest, MissingKeyOrValueIsNotConnected)
{
    EXPECT_FALSE(InetConn::IsConnected());
    ASSERT_TRUE(putValue(kRemoteAccess, "Other", REG_DWORD, "\x01\0\0\0"s));
    EXPECT_FALSE(InetConn::IsConnected());
}

// The system's word of interfaces wakes the reader, which answers with the
// whole probe: the registry value too, at once as the listening starts.
TEST_F(WindowsProbeTest, EventsAnswerWithTheRegistryValue)
{
    LinkEvents events;
    ASSERT_GE(events.open(), 0);
    EXPECT_FALSE(LinkEvents::tellAll()) << "the registry value must still be polled";
    ASSERT_TRUE(putValue(kRemoteAccess, "Remote Connection", REG_DWORD, "\x01\0\0\0"s));
    Sleep(50);
    EXPECT_EQ(events.read().connected, std::vector<bool> { true });
    EXPECT_TRUE(events.read().connected.empty()) << "nothing new";
    events.close();
    EXPECT_TRUE(events.read().failed);
}

struct InterfaceCase
{
    unsigned long type;
    int operStatus;
    bool callLinkUp;
};

class WindowsInterfaceTest : public testing::TestWithParam<InterfaceCase>
{};

TEST_P(WindowsInterfaceTest, PppAndMobileBroadbandThatAreUp)
{
    EXPECT_EQ(isCallLinkUp(GetParam().type, GetParam().operStatus), GetParam().callLinkUp);
}

// IF_TYPE_PPP 23, IF_TYPE_WWANPP 243, IF_TYPE_WWANPP2 244, Ethernet 6, Wi-Fi
// 71, a tunnel 131; IfOperStatusUp 1, Down 2, Dormant 5, LowerLayerDown 7.
INSTANTIATE_TEST_SUITE_P(Types, WindowsInterfaceTest,
    testing::Values(InterfaceCase { 23, 1, true }, InterfaceCase { 243, 1, true },
        InterfaceCase { 244, 1, true }, InterfaceCase { 23, 2, false },
        InterfaceCase { 243, 5, false }, InterfaceCase { 244, 7, false },
        InterfaceCase { 6, 1, false }, InterfaceCase { 71, 1, false },
        InterfaceCase { 131, 1, false }));

// Wine's interfaces (its loopback and the host's) are listed, none a call.
TEST(WindowsLinks, ListedWithTheirCounters)
{
    const std::vector<WindowsLink> links = windowsLinks();
    ASSERT_FALSE(links.empty());
    for (const WindowsLink &link : links) {
        EXPECT_FALSE(link.name.empty());
        EXPECT_EQ(interfaceIndex(link.name), link.index);
        EXPECT_FALSE(link.callLinkUp) << link.name;
    }
    EXPECT_TRUE(InetConn::CallLinkName().empty());
    EXPECT_FALSE(sampleLink("no such link"));
}

} // namespace
