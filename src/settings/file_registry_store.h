#pragma once

// A registry kept in one text file, for systems without one. The file,
// registry.txt in the store's directory, can be read and mended in a text
// editor:
//
//   ; comment lines and blank lines are skipped
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Run]
//   "Callwise" = 1 : "/opt/callwise\\CALLWISE.exe\x00"
//
// A line in brackets opens a key: a root key's name, then the path below it.
// Each line under it is one value: its name in quotes, its type as a number
// (1 is REG_SZ), and its bytes in quotes. Inside quotes \\ is a backslash, \"
// a quote and \xHH the byte HH; every other byte outside printable ASCII is
// written that way. Key names hold printable ASCII only.
//
// Like the registry it stands for, key paths and value names match with case
// ignored (ASCII), and a path may start with a backslash. The file is read
// afresh each time a key is opened and rewritten whole, by the one file
// writer, at each change. A file that cannot be understood is moved aside, the
// user is told once, and the store starts empty.

#include "settings/registry_store.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

class FileRegistryStore final : public RegistryStore
{
public:
    FileRegistryStore(std::string directory, RegistryNotice notice);

    std::string filePath() const;

    RegistryResult createKey(std::int32_t root, const std::string &path, std::uint32_t access,
        RegistryKey &key) override;
    RegistryResult openKey(std::int32_t root, const std::string &path, std::uint32_t access,
        RegistryKey &key) override;
    RegistryResult setValue(RegistryKey key, const std::string &name, std::uint32_t type,
        const std::string &data) override;
    RegistryResult enumValue(RegistryKey key, std::uint32_t index, std::size_t nameBuffer,
        std::size_t dataBuffer, RegistryValueEntry &entry) override;
    RegistryResult enumKey(
        RegistryKey key, std::uint32_t index, std::size_t nameBuffer, std::string &name) override;
    RegistryResult closeKey(RegistryKey key) override;

private:
    // A key is found by its root and its path with case folded.
    using KeyId = std::pair<std::int32_t, std::string>;
    struct Key
    {
        std::string path; // as first written
        std::vector<RegistryValueEntry> values;
    };

    RegistryResult load();
    RegistryResult save() const;
    bool parse(const std::string &text);
    void addKey(std::int32_t root, const std::string &path);
    Key *keyOf(RegistryKey key);
    RegistryKey openHandle(KeyId id);
    void setAside();

    std::string m_directory;
    RegistryNotice m_notice;
    std::map<KeyId, Key> m_keys;
    std::map<RegistryKey, KeyId> m_open;
    RegistryKey m_nextHandle = 1;
    // A damaged file that could not be moved aside is never written over.
    bool m_keepDamagedFile = false;
};
