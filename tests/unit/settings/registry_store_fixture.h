#pragma once

#include "settings/c_registry.h"
#include "settings/file_registry_store.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

// The file store with writes that can be made to fail, to be refused or to
// break down as a run-time failure.
class ScriptedStore final : public RegistryStore
{
public:
    explicit ScriptedStore(const QString &dir)
        : m_file(dir.toStdString(), [this](const std::string &text) { notices.push_back(text); })
    { }

    RegistryResult createKey(
        std::int32_t root, const std::string &path, std::uint32_t access, RegistryKey &key) override
    {
        return m_file.createKey(root, path, access, key);
    }
    RegistryResult openKey(
        std::int32_t root, const std::string &path, std::uint32_t access, RegistryKey &key) override
    {
        return m_file.openKey(root, path, access, key);
    }
    RegistryResult setValue(RegistryKey key, const std::string &name, std::uint32_t type,
        const std::string &data) override
    {
        if (fault)
            throw *fault;
        if (refuse)
            return RegistryCode::AccessDenied;
        return m_file.setValue(key, name, type, data);
    }
    RegistryResult enumValue(RegistryKey key, std::uint32_t index, std::size_t nameBuffer,
        std::size_t dataBuffer, RegistryValueEntry &entry) override
    {
        return m_file.enumValue(key, index, nameBuffer, dataBuffer, entry);
    }
    RegistryResult enumKey(
        RegistryKey key, std::uint32_t index, std::size_t nameBuffer, std::string &name) override
    {
        return m_file.enumKey(key, index, nameBuffer, name);
    }
    RegistryResult closeKey(RegistryKey key) override { return m_file.closeKey(key); }

    FileRegistryStore &file() { return m_file; }

    bool refuse = false;
    std::optional<RegistryFault> fault;
    std::vector<std::string> notices;

private:
    FileRegistryStore m_file;
};

class RegistryTest : public testing::Test
{
protected:
    cRegistry registryAt(const std::string &section, const std::string &value = "Callwise")
    {
        cRegistry registry(
            { store, "callwise", [this](const std::string &m) { shown.push_back(m); } });
        registry.ClassKey(kHkeyLocalMachine);
        registry.SectionKey(section);
        registry.ValueKey(value);
        return registry;
    }
    // The bytes the store holds for a value, by enumeration.
    std::optional<RegistryValueEntry> stored(const std::string &section, const std::string &name)
    {
        RegistryKey key = 0;
        if (store.openKey(kHkeyLocalMachine, section, kKeyQueryValue, key) != 0)
            return std::nullopt;
        RegistryValueEntry entry;
        std::optional<RegistryValueEntry> found;
        for (std::uint32_t i = 0; store.enumValue(key, i, 1 << 16, 1 << 16, entry) == 0; ++i) {
            if (entry.name == name)
                found = entry;
        }
        store.closeKey(key);
        return found;
    }
    void put(const std::string &section, const std::string &name, std::uint32_t type,
        const std::string &data)
    {
        RegistryKey key = 0;
        store.createKey(kHkeyLocalMachine, section, kKeyAllSpecificRights, key);
        store.setValue(key, name, type, data);
        store.closeKey(key);
    }

    QTemporaryDir dir;
    ScriptedStore store { dir.path() };
    std::vector<std::string> shown;
};
