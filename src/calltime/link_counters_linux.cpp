#include "calltime/link_counters.h"

#include <linux/if_link.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <sys/socket.h>

#include <charconv>
#include <cstring>
#include <fstream>

namespace {

// The one number a statistics file holds.
std::optional<std::uint64_t> readCounter(const std::string &path)
{
    std::ifstream file(path);
    std::string text;
    if (!file || !std::getline(file, text))
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<LinkCounters> readLinkCounters(
    const std::string &interfaceName, const std::string &netDirectory)
{
    // A name is one directory's: never a path of its own.
    if (interfaceName.empty() || interfaceName == "." || interfaceName == ".."
        || interfaceName.find('/') != std::string::npos)
        return std::nullopt;
    const std::string statistics = netDirectory + '/' + interfaceName + "/statistics/";
    const std::optional<std::uint64_t> received = readCounter(statistics + "rx_bytes");
    const std::optional<std::uint64_t> sent = readCounter(statistics + "tx_bytes");
    if (!received || !sent)
        return std::nullopt;
    return LinkCounters { *received, *sent };
}

std::optional<LinkMessageCounters> linkMessageCounters(const void *message, std::size_t length)
{
    nlmsghdr header {};
    if (length < sizeof header)
        return std::nullopt;
    std::memcpy(&header, message, sizeof header);
    if ((header.nlmsg_type != RTM_NEWLINK && header.nlmsg_type != RTM_DELLINK)
        || header.nlmsg_len > length || header.nlmsg_len < NLMSG_LENGTH(sizeof(ifinfomsg)))
        return std::nullopt;
    const auto *bytes = static_cast<const unsigned char *>(message);
    ifinfomsg info {};
    std::memcpy(&info, bytes + NLMSG_HDRLEN, sizeof info);
    // Other families (a bridge's ports) speak of a link's role, not of the link.
    if (info.ifi_family != AF_UNSPEC)
        return std::nullopt;
    // The attributes, each copied out: the buffer need not be aligned for them.
    std::size_t at = NLMSG_LENGTH(NLMSG_ALIGN(sizeof(ifinfomsg)));
    while (at + sizeof(rtattr) <= header.nlmsg_len) {
        rtattr attribute {};
        std::memcpy(&attribute, bytes + at, sizeof attribute);
        if (attribute.rta_len < sizeof attribute || at + attribute.rta_len > header.nlmsg_len)
            break;
        if (attribute.rta_type == IFLA_STATS64
            && attribute.rta_len >= RTA_LENGTH(sizeof(rtnl_link_stats64))) {
            rtnl_link_stats64 stats {};
            std::memcpy(&stats, bytes + at + RTA_LENGTH(0), sizeof stats);
            return LinkMessageCounters { info.ifi_index, { stats.rx_bytes, stats.tx_bytes } };
        }
        at += RTA_ALIGN(attribute.rta_len);
    }
    return std::nullopt;
}

std::optional<LinkMessageCounters> sampleLink(const std::string &interfaceName)
{
    const std::optional<LinkCounters> counters = readLinkCounters(interfaceName);
    const int index = counters ? interfaceIndex(interfaceName) : 0;
    if (index == 0)
        return std::nullopt;
    return LinkMessageCounters { index, *counters };
}

int interfaceIndex(const std::string &interfaceName)
{
    return int(::if_nametoindex(interfaceName.c_str()));
}
