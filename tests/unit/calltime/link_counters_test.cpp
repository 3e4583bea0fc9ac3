#include "calltime/link_counters.h"

#include "support/temp_program_dir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <linux/if_link.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>

#include <cstring>
#include <vector>

namespace {

TEST(ByteCount, AddsWhatEachCounterMovedAndCountsARestartFromZero)
{
    const struct
    {
        const char *what;
        std::vector<LinkCounters> samples;
        LinkCounters counted;
    } cases[] = {
        { "no sample", {}, { 0, 0 } },
        { "the first sample is the start", { { 5000, 700 } }, { 0, 0 } },
        { "ticks add up", { { 5000, 700 }, { 6000, 900 }, { 6000, 900 }, { 9000, 1000 } },
            { 4000, 300 } },
        { "the link made anew", { { 5000, 700 }, { 6000, 900 }, { 200, 50 }, { 1200, 60 } },
            { 2200, 260 } },
        { "one counter back", { { 5000, 700 }, { 6000, 100 } }, { 1000, 100 } },
        { "past 32 bits", { { 0xfffffff0u, 0 }, { 0x100000010u, 0 } }, { 0x20, 0 } },
    };
    for (const auto &c : cases) {
        ByteCount count;
        for (const LinkCounters &sample : c.samples)
            count.add(sample);
        EXPECT_EQ((LinkCounters { count.received(), count.sent() }), c.counted) << c.what;
    }
}

TEST(LinkCounters, ReadsTheInterfacesStatistics)
{
    TempProgramDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("ppp0/statistics")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("wwan0/statistics")));
    dir.write(QStringLiteral("ppp0/statistics/rx_bytes"), "123456789012\n");
    dir.write(QStringLiteral("ppp0/statistics/tx_bytes"), "42\n");
    dir.write(QStringLiteral("wwan0/statistics/rx_bytes"), "x\n");
    dir.write(QStringLiteral("wwan0/statistics/tx_bytes"), "1\n");
    const std::string net = dir.path().toStdString();
    EXPECT_EQ(readLinkCounters("ppp0", net), (LinkCounters { 123456789012u, 42 }));
    for (const char *none : { "wwan0", "ppp1", "", "..", "ppp0/statistics" })
        EXPECT_FALSE(readLinkCounters(none, net)) << none;
}

// A link message as the kernel sends it: the header, the link, its name and
// its 64-bit statistics.
std::vector<char> linkMessage(int type, unsigned char family, bool withStats)
{
    std::vector<char> message(NLMSG_SPACE(sizeof(ifinfomsg)));
    const auto attribute = [&message](unsigned short kind, const void *data, size_t size) {
        const rtattr header { static_cast<unsigned short>(RTA_LENGTH(size)), kind };
        const size_t at = message.size();
        message.resize(at + RTA_SPACE(size));
        std::memcpy(message.data() + at, &header, sizeof header);
        std::memcpy(message.data() + at + RTA_LENGTH(0), data, size);
    };
    attribute(IFLA_IFNAME, "ppp0", 5);
    if (withStats) {
        rtnl_link_stats64 stats {};
        stats.rx_bytes = 0x123456789;
        stats.tx_bytes = 4321;
        stats.rx_packets = 7;
        attribute(IFLA_STATS64, &stats, sizeof stats);
    }
    nlmsghdr header {};
    header.nlmsg_len = unsigned(message.size());
    header.nlmsg_type = static_cast<unsigned short>(type);
    ifinfomsg info {};
    info.ifi_family = family;
    info.ifi_index = 9;
    std::memcpy(message.data(), &header, sizeof header);
    std::memcpy(message.data() + NLMSG_HDRLEN, &info, sizeof info);
    return message;
}

TEST(LinkCounters, ReadsTheStatisticsOfALinkMessage)
{
    const std::vector<char> message = linkMessage(RTM_NEWLINK, AF_UNSPEC, true);
    // One byte in, so nothing is read where it is aligned by chance.
    std::vector<char> shifted(1);
    shifted.insert(shifted.end(), message.begin(), message.end());
    const std::optional<LinkMessageCounters> read
        = linkMessageCounters(shifted.data() + 1, message.size());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->index, 9);
    EXPECT_EQ(read->counters, (LinkCounters { 0x123456789, 4321 }));

    EXPECT_FALSE(linkMessageCounters(message.data(), message.size() - 1)); // cut short
    EXPECT_FALSE(linkMessageCounters(message.data(), 10));
    const std::vector<char> without = linkMessage(RTM_NEWLINK, AF_UNSPEC, false);
    EXPECT_FALSE(linkMessageCounters(without.data(), without.size()));
    // A link's going carries its last counters.
    const std::vector<char> gone = linkMessage(RTM_DELLINK, AF_UNSPEC, true);
    EXPECT_EQ(linkMessageCounters(gone.data(), gone.size())->counters, read->counters);
    const std::vector<char> port = linkMessage(RTM_NEWLINK, AF_BRIDGE, true);
    EXPECT_FALSE(linkMessageCounters(port.data(), port.size()));
}

} // namespace
