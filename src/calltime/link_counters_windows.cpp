#include "calltime/link_counters.h"

#include "calltime/windows_links.h"

// clang-format off
#include <winsock2.h>
#include <ws2ipdef.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

// A link's counters are the byte counts of its row in the interface table,
// kept from the link's making as Linux's are.

namespace {

// Mobile broadband's interface types (GSM and CDMA), as Windows' own
// ipifcons.h names them IF_TYPE_WWANPP and IF_TYPE_WWANPP2; mingw-w64's lacks them.
constexpr unsigned long kTypeWwanGsm = 243;
constexpr unsigned long kTypeWwanCdma = 244;

} // namespace

bool isCallLinkUp(unsigned long type, int operStatus)
{
    const bool callType = type == IF_TYPE_PPP || type == kTypeWwanGsm || type == kTypeWwanCdma;
    return callType && operStatus == IfOperStatusUp;
}

std::vector<WindowsLink> windowsLinks()
{
    std::vector<WindowsLink> links;
    MIB_IF_TABLE2 *table = nullptr;
    if (GetIfTable2(&table) != NO_ERROR)
        return links;
    for (ULONG i = 0; i < table->NumEntries; ++i) {
        const MIB_IF_ROW2 &row = table->Table[i];
        WindowsLink link;
        const int size
            = WideCharToMultiByte(CP_UTF8, 0, row.Alias, -1, nullptr, 0, nullptr, nullptr);
        if (size > 1) {
            link.name.resize(std::size_t(size));
            WideCharToMultiByte(
                CP_UTF8, 0, row.Alias, -1, link.name.data(), size, nullptr, nullptr);
            link.name.resize(std::size_t(size - 1));
        }
        link.index = int(row.InterfaceIndex);
        link.callLinkUp = isCallLinkUp(row.Type, row.OperStatus);
        link.counters = { row.InOctets, row.OutOctets };
        links.push_back(std::move(link));
    }
    FreeMibTable(table);
    return links;
}

namespace {

std::optional<WindowsLink> linkNamed(const std::string &name)
{
    if (name.empty())
        return std::nullopt;
    for (WindowsLink &link : windowsLinks()) {
        if (link.name == name)
            return std::move(link);
    }
    return std::nullopt;
}

} // namespace

// Windows has no directory of interfaces: the table answers for all.
std::optional<LinkCounters> readLinkCounters(const std::string &interfaceName, const std::string &)
{
    const std::optional<WindowsLink> link = linkNamed(interfaceName);
    return link ? std::optional(link->counters) : std::nullopt;
}

// No link messages: the interface table is asked instead.
std::optional<LinkMessageCounters> linkMessageCounters(const void *, std::size_t)
{
    return std::nullopt;
}

std::optional<LinkMessageCounters> sampleLink(const std::string &interfaceName)
{
    const std::optional<WindowsLink> link = linkNamed(interfaceName);
    if (!link || link->index == 0)
        return std::nullopt;
    return LinkMessageCounters { link->index, link->counters };
}

int interfaceIndex(const std::string &interfaceName)
{
    const std::optional<WindowsLink> link = linkNamed(interfaceName);
    return link ? link->index : 0;
}
