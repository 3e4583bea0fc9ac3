#include "wine_registry.h"

#include <vector>

namespace {

HKEY openForWrite(const std::string &path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
            &key, nullptr)
        != ERROR_SUCCESS)
        return nullptr;
    return key;
}

} // namespace

std::optional<RawValue> queryValue(const std::string &path, const std::string &name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue value;
    DWORD size = 0;
    std::optional<RawValue> found;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size)
        == ERROR_SUCCESS) {
        std::vector<BYTE> bytes(size + 1);
        if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, bytes.data(), &size)
            == ERROR_SUCCESS) {
            value.data.assign(reinterpret_cast<const char *>(bytes.data()), size);
            found = value;
        }
    }
    RegCloseKey(key);
    return found;
}

bool putValue(const std::string &path, const std::string &name, DWORD type, const std::string &data)
{
    HKEY key = openForWrite(path);
    if (!key)
        return false;
    const LONG result = RegSetValueExA(key, name.c_str(), 0, type,
        reinterpret_cast<const BYTE *>(data.data()), DWORD(data.size()));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool keyExists(const std::string &path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void deleteTree(const std::string &path)
{
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, path.c_str());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str());
}

void deleteValue(const std::string &path, const std::string &name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}
