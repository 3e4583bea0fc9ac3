#include "calltime/inet_conn.h"

#include <windows.h>

#include <cstdint>

namespace InetConn {

// The remote access service's link has no counters Callwise reads.
std::string CallLinkName()
{
    return {};
}

// The remote access service keeps "Remote Connection" nonzero while a
// dial-up connection is up. Its type is not examined: any four bytes that are
// not all zero mean connected.
bool IsConnected()
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

} // namespace InetConn
