#include "calltime/link_events.h"

#include "calltime/inet_conn.h"
#include "calltime/windows_links.h"

// clang-format off
#include <winsock2.h>
#include <ws2ipdef.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

#include <climits>

namespace {

// On IP Helper's thread: a byte down the socket wakes the caller's loop. A
// byte that finds the socket full is not needed, one is there already.
void WINAPI interfaceChanged(PVOID context, PMIB_IPINTERFACE_ROW, MIB_NOTIFICATION_TYPE)
{
    const char byte = 1;
    send(*static_cast<SOCKET *>(context), &byte, 1, 0);
}

// A socket bound to the loopback interface at a port of the system's choosing.
SOCKET loopbackSocket(sockaddr_in &address)
{
    const SOCKET s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (s == INVALID_SOCKET)
        return s;
    address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (bind(s, reinterpret_cast<sockaddr *>(&address), length) != 0
        || getsockname(s, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        closesocket(s);
        return INVALID_SOCKET;
    }
    return s;
}

} // namespace

int LinkEvents::open()
{
    if (m_fd >= 0)
        return m_fd;
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return -1;
    m_running.clear();
    m_counters.clear();
    m_connected = false;
    sockaddr_in address;
    const SOCKET receiver = loopbackSocket(address);
    sockaddr_in unused;
    const SOCKET waker = receiver == INVALID_SOCKET ? INVALID_SOCKET : loopbackSocket(unused);
    u_long nonBlocking = 1;
    // The caller takes the descriptor as an int: sockets are small handles.
    if (waker == INVALID_SOCKET || receiver > SOCKET(INT_MAX)
        || connect(waker, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ioctlsocket(receiver, FIONBIO, &nonBlocking) != 0
        || ioctlsocket(waker, FIONBIO, &nonBlocking) != 0) {
        if (waker != INVALID_SOCKET)
            closesocket(waker);
        if (receiver != INVALID_SOCKET)
            closesocket(receiver);
        WSACleanup();
        return -1;
    }
    m_fd = int(receiver);
    m_waker = waker;
    HANDLE notification = nullptr;
    if (NotifyIpInterfaceChange(AF_UNSPEC, interfaceChanged, &m_waker, FALSE, &notification)
        != NO_ERROR) {
        close();
        return -1;
    }
    m_notification = notification;
    // The state as it is now comes as the first change, as Linux's answer does.
    const char byte = 1;
    send(waker, &byte, 1, 0);
    return m_fd;
}

void LinkEvents::close()
{
    if (m_fd < 0)
        return;
    // Waits for a call of interfaceChanged under way: none comes after.
    if (m_notification)
        CancelMibChangeNotify2(m_notification);
    m_notification = nullptr;
    closesocket(SOCKET(m_waker));
    closesocket(SOCKET(m_fd));
    m_waker = ~std::uintptr_t(0);
    m_fd = -1;
    WSACleanup();
}

LinkEvents::Changes LinkEvents::read()
{
    Changes changes;
    bool woken = false;
    char buffer[64];
    while (m_fd >= 0) {
        const int got = recv(SOCKET(m_fd), buffer, sizeof buffer, 0);
        if (got > 0) {
            woken = true;
            continue;
        }
        if (got < 0 && WSAGetLastError() == WSAEWOULDBLOCK)
            break;
        close();
    }
    if (woken) {
        // The interfaces' word, and the registry value's answer beside it.
        for (const WindowsLink &link : windowsLinks()) {
            if (link.callLinkUp)
                m_counters[link.index] = link.counters;
        }
        const bool connected = InetConn::IsConnected();
        if (connected != m_connected) {
            m_connected = connected;
            changes.connected.push_back(connected);
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
    return false;
}
