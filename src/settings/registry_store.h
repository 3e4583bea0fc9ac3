#pragma once

// The registry operations cRegistry is built on, under their Windows names.
// On Windows they are advapi32's single-byte functions; elsewhere a small
// file of our own stands in. Results are Windows error codes (0 is success),
// texts are single-byte and data are raw bytes, so the class behaves the same
// over either store. A store signals a run-time failure, as opposed to a
// refused operation, by throwing.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

using RegistryKey = std::uintptr_t; // an open key; 0 is none
using RegistryResult = long;

namespace RegistryCode {
inline constexpr RegistryResult Success = 0;
inline constexpr RegistryResult FileNotFound = 2;
inline constexpr RegistryResult AccessDenied = 5;
inline constexpr RegistryResult InvalidHandle = 6;
inline constexpr RegistryResult WriteFault = 29;
inline constexpr RegistryResult BadPathname = 161;
inline constexpr RegistryResult MoreData = 234;
inline constexpr RegistryResult NoMoreItems = 259;
} // namespace RegistryCode

// Predefined root keys, as the signed 32-bit numbers callers hold them in.
inline constexpr std::int32_t kHkeyClassesRoot = std::int32_t(0x80000000u);
inline constexpr std::int32_t kHkeyCurrentUser = std::int32_t(0x80000001u);
inline constexpr std::int32_t kHkeyLocalMachine = std::int32_t(0x80000002u);
inline constexpr std::int32_t kHkeyUsers = std::int32_t(0x80000003u);
inline constexpr std::int32_t kHkeyCurrentConfig = std::int32_t(0x80000005u);

inline constexpr std::uint32_t kRegSz = 1;

inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
// Query value to create link, without the standard rights.
inline constexpr std::uint32_t kKeyAllSpecificRights = 0x003F;

// A run-time failure inside a store, with the number and description the
// user is shown.
struct RegistryFault : std::runtime_error
{
    RegistryFault(long number, const std::string &description)
        : std::runtime_error(description)
        , number(number)
    { }
    long number;
};

struct RegistryValueEntry
{
    std::string name;
    std::uint32_t type = 0;
    std::string data; // the stored bytes, a text's terminating NUL included
};

class RegistryStore
{
public:
    virtual ~RegistryStore() = default;

    // RegCreateKeyExA: opens the key, creating it and missing keys on the way.
    virtual RegistryResult createKey(
        std::int32_t root, const std::string &path, std::uint32_t access, RegistryKey &key)
        = 0;
    // RegOpenKeyExA: opens an existing key only.
    virtual RegistryResult openKey(
        std::int32_t root, const std::string &path, std::uint32_t access, RegistryKey &key)
        = 0;
    // RegSetValueExA: stores the bytes under the name, replacing an older value.
    virtual RegistryResult setValue(
        RegistryKey key, const std::string &name, std::uint32_t type, const std::string &data)
        = 0;
    // RegEnumValueA with buffers of the given sizes: the name must leave room
    // for its NUL and the data must fit, else MoreData; NoMoreItems past the end.
    virtual RegistryResult enumValue(RegistryKey key, std::uint32_t index, std::size_t nameBuffer,
        std::size_t dataBuffer, RegistryValueEntry &entry)
        = 0;
    // RegEnumKeyA: the name of the subkey at the index.
    virtual RegistryResult enumKey(
        RegistryKey key, std::uint32_t index, std::size_t nameBuffer, std::string &name)
        = 0;
    // RegCloseKey; never throws, so it can run while a failure unwinds.
    virtual RegistryResult closeKey(RegistryKey key) = 0;
};

// How a store tells the user something once, as the prompter would.
using RegistryNotice = std::function<void(const std::string &)>;

// The registry of this system: advapi32 on Windows; elsewhere the file store
// in $XDG_CONFIG_HOME/callwise/ (~/.config/callwise/ when unset).
std::unique_ptr<RegistryStore> systemRegistryStore(RegistryNotice notice);
