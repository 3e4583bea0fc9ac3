#include "calltime/inet_conn.h"
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

} // namespace
