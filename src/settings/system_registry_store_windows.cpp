#include "settings/registry_store.h"

#include <windows.h>

#include <vector>

namespace {

// advapi32's single-byte functions. Windows NT rejects a key path that
// starts with a backslash, so it is dropped here.
class WindowsRegistryStore final : public RegistryStore
{
public:
    RegistryResult createKey(
        std::int32_t root, const std::string &path, std::uint32_t access, RegistryKey &key) override
    {
        SECURITY_ATTRIBUTES security {};
        HKEY opened = nullptr;
        DWORD disposition = 0;
        char emptyClass[] = "";
        const LONG result = RegCreateKeyExA(rootKey(root), relative(path), 0, emptyClass, 0, access,
            &security, &opened, &disposition);
        key = reinterpret_cast<RegistryKey>(opened);
        return result;
    }

    RegistryResult openKey(
        std::int32_t root, const std::string &path, std::uint32_t access, RegistryKey &key) override
    {
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExA(rootKey(root), relative(path), 0, access, &opened);
        key = reinterpret_cast<RegistryKey>(opened);
        return result;
    }

    RegistryResult setValue(RegistryKey key, const std::string &name, std::uint32_t type,
        const std::string &data) override
    {
        return RegSetValueExA(handle(key), name.c_str(), 0, type,
            reinterpret_cast<const BYTE *>(data.data()), DWORD(data.size()));
    }

    RegistryResult enumValue(RegistryKey key, std::uint32_t index, std::size_t nameBuffer,
        std::size_t dataBuffer, RegistryValueEntry &entry) override
    {
        std::vector<char> name(nameBuffer + 1);
        std::vector<BYTE> data(dataBuffer + 1);
        DWORD nameLength = DWORD(nameBuffer);
        DWORD dataLength = DWORD(dataBuffer);
        DWORD type = 0;
        const LONG result = RegEnumValueA(
            handle(key), index, name.data(), &nameLength, nullptr, &type, data.data(), &dataLength);
        if (result == ERROR_SUCCESS) {
            entry.name.assign(name.data(), nameLength);
            entry.type = type;
            entry.data.assign(reinterpret_cast<const char *>(data.data()), dataLength);
        }
        return result;
    }

    RegistryResult enumKey(
        RegistryKey key, std::uint32_t index, std::size_t nameBuffer, std::string &name) override
    {
        std::vector<char> buffer(nameBuffer + 1, '\0');
        const LONG result = RegEnumKeyA(handle(key), index, buffer.data(), DWORD(nameBuffer));
        if (result == ERROR_SUCCESS)
            name = buffer.data(); // up to its terminating NUL
        return result;
    }

    RegistryResult closeKey(RegistryKey key) override { return RegCloseKey(handle(key)); }

private:
    // The signed 32-bit root widens as Windows' own HKEY_* constants do.
    static HKEY rootKey(std::int32_t root)
    {
        return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(root)));
    }
    static HKEY handle(RegistryKey key) { return reinterpret_cast<HKEY>(key); }
    static const char *relative(const std::string &path)
    {
        return path.c_str() + (!path.empty() && path.front() == '\\' ? 1 : 0);
    }
};

} // namespace

std::unique_ptr<RegistryStore> systemRegistryStore(RegistryNotice)
{
    return std::make_unique<WindowsRegistryStore>();
}
