#pragma once

// The network interfaces as Windows' IP Helper lists them (GetIfTable2), for
// the probe, its counters and its events on Windows. A call link is a PPP
// interface (dial-up, PPP-mode modems, dial-up over Bluetooth, PPPoE) or a
// mobile-broadband one, whose operational status is up. Plain C++, no Qt.

#include "calltime/link_counters.h"

#include <string>
#include <vector>

struct WindowsLink
{
    std::string name; // the interface's alias, as the network settings show it, in UTF-8
    int index = 0;
    bool callLinkUp = false;
    LinkCounters counters; // InOctets, OutOctets
};

// Whether an interface of this type (IF_TYPE_*) and operational status
// (IF_OPER_STATUS) is a call link that is up.
bool isCallLinkUp(unsigned long type, int operStatus);

// Every interface; none when they cannot be listed.
std::vector<WindowsLink> windowsLinks();
