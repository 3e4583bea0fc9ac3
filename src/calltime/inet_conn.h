#pragma once

// Whether the dial-up link is up. The platform decides how to tell: Windows
// asks the remote access service's registry value, other systems look for a
// metered link's network interface that is up and running. Plain C++, no Qt.

#include "calltime/link_counters.h"
#include "calltime/link_events.h"

#include <string>

namespace InetConn {

// True while the dial-up link is up. Every failure to find out reads as false.
bool IsConnected();

// Where the probe looks at interfaces (not on Windows): whether one of this
// name carries a metered call. pppd's ppp* (dial-up, PPP-mode modems,
// Bluetooth dial-up) and the kernel's WWAN names wwan* and wwp* (QMI and MBIM
// mobile broadband under ModemManager).
bool IsCallInterface(const char *name);
// Whether the interface of this name and flags is a call link that is up and
// running, with its carrier: the one rule for listed interfaces and for the
// system's messages.
bool IsCallLinkUp(const char *name, unsigned flags);
// The name of a call link that is up and running; empty when none is.
std::string CallLinkName();

} // namespace InetConn

// What the scan asks; tests hand it a scripted answer instead of the system's.
class ConnectionProbe
{
public:
    virtual ~ConnectionProbe() = default;
    virtual bool IsConnected() = 0;
    // The system's messages of the link's changes, where it sends them; none
    // and the probe is polled.
    virtual LinkEvents *events() { return nullptr; }
    // The call link's name and its byte counters, for the bytes a call moves;
    // none where they cannot be told.
    virtual std::string callLinkName() { return {}; }
    virtual std::optional<LinkMessageCounters> linkSample(const std::string &) { return {}; }
};

class SystemConnectionProbe final : public ConnectionProbe
{
public:
    bool IsConnected() override { return InetConn::IsConnected(); }
    LinkEvents *events() override { return &m_events; }
    std::string callLinkName() override { return InetConn::CallLinkName(); }
    // Where /sys shows another network namespace's links, the link's own
    // messages tell its counters, as it comes and as it goes.
    std::optional<LinkMessageCounters> linkSample(const std::string &name) override
    {
        if (std::optional<LinkMessageCounters> sample = sampleLink(name))
            return sample;
        const int index = interfaceIndex(name);
        const std::optional<LinkCounters> counters
            = index != 0 ? m_events.lastCounters(index) : std::nullopt;
        if (!counters)
            return std::nullopt;
        return LinkMessageCounters { index, *counters };
    }

private:
    LinkEvents m_events;
};
