#pragma once

// The bytes a call moves, from the kernel's own counters of its link:
// received and sent, as `ip -s link` shows them. Read from the link's
// messages (IFLA_STATS64 in rtnetlink's RTM_NEWLINK, which the link events
// already receive) or, where none come, from
// /sys/class/net/IF/statistics/{rx,tx}_bytes. The counters run from the
// link's making, so a call's bytes are the differences between samples
// taken at its start, at its ticks and at its end; a counter that goes back
// (the link made anew under the same name) is counted from 0 again rather
// than as a negative amount, as vnStat does. Plain C++, no Qt: the probe's
// library is built alone for Windows, where there are no counters to read.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

struct LinkCounters
{
    std::uint64_t received = 0;
    std::uint64_t sent = 0;

    bool operator==(const LinkCounters &) const = default;
};

// The counters of the interface of this name under the system's directory
// of network interfaces (tests give another). Nothing when it has none, or
// the name is not one interface's.
std::optional<LinkCounters> readLinkCounters(
    const std::string &interfaceName, const std::string &netDirectory = "/sys/class/net");

// The link and its counters a link message carries: one netlink message,
// its header included. Nothing unless it is an RTM_NEWLINK or an RTM_DELLINK
// (a link's going carries its last counters) of a link (not a bridge
// port's) with IFLA_STATS64, whole within the bytes given.
struct LinkMessageCounters
{
    int index = 0;
    LinkCounters counters;
};
std::optional<LinkMessageCounters> linkMessageCounters(const void *message, std::size_t length);

// The counters of the interface of this name now, with its index, so a
// link made anew under the same name is known by its new index.
std::optional<LinkMessageCounters> sampleLink(const std::string &interfaceName);
// The index of the interface of this name; 0 when there is none.
int interfaceIndex(const std::string &interfaceName);

// A call's bytes, from the samples of its link's counters in turn. The first
// sample is where the count begins.
class ByteCount
{
public:
    void add(const LinkCounters &sample);

    std::uint64_t received() const { return m_received; }
    std::uint64_t sent() const { return m_sent; }

private:
    std::optional<LinkCounters> m_last;
    std::uint64_t m_received = 0;
    std::uint64_t m_sent = 0;
};
