#include "calltime/inet_conn.h"

#include "calltime/windows_links.h"

#include <windows.h>

#include <cstdint>

namespace InetConn {

namespace {

// The remote access service keeps "Remote Connection" nonzero while a
// dial-up connection is up. Its type is not examined: any four bytes that are
// not all zero mean connected.
bool remoteConnection()
{
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\RemoteAccess", &key)
        != ERROR_SUCCESS) {
        return false;
    }
    std::uint32_t number = 0;
    DWORD type = 0;
    DWORD size = sizeof number;
    bool answer = false;
    if (RegQueryValueExA(key, "Remote Connection", nullptr, &type,
                         reinterpret_cast<BYTE *>(&number), &size)
        == ERROR_SUCCESS) {
        answer = number != 0;
    }
    RegCloseKey(key);
    return answer;
}

} // namespace

// The remote access service's own link has no name here; a PPP or mobile
// broadband interface that is up has its alias, and its counters.
std::string CallLinkName()
{
    for (const WindowsLink &link : windowsLinks()) {
        if (link.callLinkUp)
            return link.name;
    }
    return {};
}

bool IsConnected()
{
    if (remoteConnection())
        return true;
    for (const WindowsLink &link : windowsLinks()) {
        if (link.callLinkUp)
            return true;
    }
    return false;
}

} // namespace InetConn
