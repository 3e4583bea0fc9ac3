#include "calltime/link_events.h"

#include "calltime/inet_conn.h"

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace {

struct Link
{
    int index = 0;
    bool running = false; // a call link, up and running
};

// A link message's interface and whether it is a call link that is up and
// running, by the rule the probe applies to the interfaces it lists.
bool readLink(nlmsghdr *header, Link &link)
{
    if (header->nlmsg_len < NLMSG_LENGTH(sizeof(ifinfomsg)))
        return false;
    const auto *info = static_cast<ifinfomsg *>(NLMSG_DATA(header));
    // Other families (a bridge's ports) speak of a link's role, not of the link.
    if (info->ifi_family != AF_UNSPEC)
        return false;
    link.index = info->ifi_index;
    link.running = false;
    if (header->nlmsg_type == RTM_DELLINK)
        return true;
    std::array<char, IFNAMSIZ + 1> name {};
    int length = int(IFLA_PAYLOAD(header));
    for (auto *attribute = IFLA_RTA(info); RTA_OK(attribute, length);
         attribute = RTA_NEXT(attribute, length)) {
        if (attribute->rta_type == IFLA_IFNAME) {
            std::memcpy(name.data(), RTA_DATA(attribute),
                        std::min<size_t>(RTA_PAYLOAD(attribute), IFNAMSIZ));
            break;
        }
    }
    link.running = InetConn::IsCallLinkUp(name.data(), info->ifi_flags);
    return true;
}

// NLMSG_OK's test, without its comparison of the header's unsigned length
// with the signed one left.
bool messageFits(const nlmsghdr *header, int length)
{
    return length >= int(sizeof(nlmsghdr)) && header->nlmsg_len >= sizeof(nlmsghdr)
        && header->nlmsg_len <= unsigned(length);
}

// The status a dump's end carries: negative when it failed.
int doneStatus(nlmsghdr *header)
{
    int status = 0;
    if (header->nlmsg_len >= NLMSG_LENGTH(sizeof status))
        std::memcpy(&status, NLMSG_DATA(header), sizeof status);
    return status;
}

} // namespace

int LinkEvents::open()
{
    if (m_fd >= 0)
        return m_fd;
    m_fd = ::socket(AF_NETLINK, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, NETLINK_ROUTE);
    if (m_fd < 0)
        return -1;
    m_running.clear();
    m_counters.clear();
    m_connected = false;
    m_askedAt = 0;
    sockaddr_nl local {};
    local.nl_family = AF_NETLINK;
    local.nl_groups = RTMGRP_LINK;
    if (::bind(m_fd, reinterpret_cast<sockaddr *>(&local), sizeof local) != 0) {
        close();
        return -1;
    }
    // Subscribed first, so no change falls between the answer and the messages.
    askForLinks();
    return m_fd;
}

void LinkEvents::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

// Every link's state, an answer of many messages. A running link it does not
// name went while messages were being lost.
void LinkEvents::askForLinks()
{
    struct
    {
        nlmsghdr header;
        ifinfomsg link;
    } request {};
    request.header.nlmsg_len = sizeof request;
    request.header.nlmsg_type = RTM_GETLINK;
    request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    // Messages the system sends unasked carry 0.
    request.header.nlmsg_seq = ++m_sequence == 0 ? ++m_sequence : m_sequence;
    request.link.ifi_family = AF_UNSPEC;
    sockaddr_nl kernel {};
    kernel.nl_family = AF_NETLINK;
    if (::sendto(m_fd, &request, sizeof request, 0, reinterpret_cast<sockaddr *>(&kernel),
                 sizeof kernel)
        != ssize_t(sizeof request)) {
        close();
        return;
    }
    m_askedAt = request.header.nlmsg_seq;
    m_askAgain = false;
    m_unconfirmed = m_running;
}

void LinkEvents::seen(int index, bool running)
{
    m_unconfirmed.erase(index);
    if (running)
        m_running.insert(index);
    else
        m_running.erase(index);
}

void LinkEvents::answered()
{
    m_askedAt = 0;
    // An answer that may have missed a change takes no link away: a link
    // gone for a moment would cut a call in two. The next answer will.
    if (m_askAgain) {
        askForLinks();
        return;
    }
    for (const int index : m_unconfirmed)
        m_running.erase(index);
    m_unconfirmed.clear();
}

LinkEvents::Changes LinkEvents::read()
{
    Changes changes;
    alignas(nlmsghdr) std::array<char, 32768> buffer;
    while (m_fd >= 0) {
        sockaddr_nl from {};
        socklen_t fromLength = sizeof from;
        // MSG_TRUNC: the whole length, should it not have fitted.
        const ssize_t got = ::recvfrom(m_fd, buffer.data(), buffer.size(), MSG_TRUNC,
                                       reinterpret_cast<sockaddr *>(&from), &fromLength);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (got < 0 && errno != ENOBUFS) {
            close();
            break;
        }
        // Messages were lost, for want of room here or in the socket: ask
        // for the whole state again, once the answer on its way is in.
        if (got < 0 || size_t(got) > buffer.size()) {
            if (m_askedAt)
                m_askAgain = true;
            else
                askForLinks();
            continue;
        }
        // Only the kernel speaks for the links; any process may send here.
        if (from.nl_pid != 0)
            continue;
        int length = int(got);
        for (auto *header = reinterpret_cast<nlmsghdr *>(buffer.data());
             m_fd >= 0 && messageFits(header, length); header = NLMSG_NEXT(header, length)) {
            const bool answer = m_askedAt != 0 && header->nlmsg_seq == m_askedAt;
            // Links changed while the answer was being made: it may be stale.
            if (answer && (header->nlmsg_flags & NLM_F_DUMP_INTR))
                m_askAgain = true;
            Link link;
            if (header->nlmsg_type == NLMSG_DONE && answer) {
                if (doneStatus(header) < 0)
                    close(); // the state cannot be known: the caller polls
                else
                    answered();
            } else if (header->nlmsg_type == NLMSG_ERROR && answer) {
                close();
            } else if ((header->nlmsg_type == RTM_NEWLINK || header->nlmsg_type == RTM_DELLINK)
                       && readLink(header, link)) {
                seen(link.index, link.running);
                if (const auto counters = linkMessageCounters(header, header->nlmsg_len))
                    m_counters[counters->index] = counters->counters;
            }
            if (m_connected != !m_running.empty()) {
                m_connected = !m_running.empty();
                changes.connected.push_back(m_connected);
            }
        }
    }
    changes.failed = m_fd < 0;
    return changes;
}

std::optional<LinkCounters> LinkEvents::lastCounters(int index) const
{
    const auto found = m_counters.find(index);
    if (found == m_counters.end())
        return std::nullopt;
    return found->second;
}

bool LinkEvents::tellAll()
{
    return true;
}
