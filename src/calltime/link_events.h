#pragma once

// The system's own word that a link changed, so a call starts and ends the
// moment its link does, and nothing wakes between changes. On Linux these are
// rtnetlink's link messages (as `ip monitor link` reads them); on Windows IP
// Helper's word that an interface changed (NotifyIpInterfaceChange), which
// says nothing of the remote access service's registry value, so the probe
// is polled as well; elsewhere, and where they cannot be had, there are none
// and the probe is polled. Plain C++ over the system's calls, no Qt: the
// caller waits on the descriptor (a QSocketNotifier; on Windows a socket the
// system's word is passed on to) and reads when it is readable.

#include "calltime/link_counters.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <vector>

class LinkEvents
{
public:
    LinkEvents() = default;
    ~LinkEvents() { close(); }
    LinkEvents(const LinkEvents &) = delete;
    LinkEvents &operator=(const LinkEvents &) = delete;

    // Starts listening, and asks for every link's state, whose answers come
    // as changes too. Returns the descriptor to wait on, or -1 where the
    // system tells nothing.
    int open();
    void close();

    struct Changes
    {
        // Whether a call link is up and running, after each change of that
        // answer, in the order the system made them: a link that came and
        // went before this read is seen to do both.
        std::vector<bool> connected;
        // The descriptor failed and is closed: the caller polls from now on.
        bool failed = false;
    };
    // What has arrived, without waiting.
    Changes read();

    // The byte counters the last message of the link of this index carried,
    // that of its going too: a call's last bytes, once its device is gone.
    std::optional<LinkCounters> lastCounters(int index) const;

    // Whether the messages tell every change of the answer, so that the
    // probe need not be polled while they come.
    static bool tellAll();

private:
#ifdef _WIN32
    // The system's word arrives on a thread of its own, and goes on as a
    // byte from the socket m_waker to m_fd.
    std::uintptr_t m_waker = ~std::uintptr_t(0);
    void *m_notification = nullptr;
#endif
    void askForLinks();
    void seen(int index, bool running);
    void answered();

    int m_fd = -1;
    unsigned m_sequence = 0;
    unsigned m_askedAt = 0;      // the sequence number of the answer awaited; 0: none
    bool m_askAgain = false;     // messages were lost while it was on its way
    std::set<int> m_running;     // indexes of the call links up and running
    std::set<int> m_unconfirmed; // known links the awaited answer has not named yet
    bool m_connected = false;
    std::map<int, LinkCounters> m_counters; // by link index
};
