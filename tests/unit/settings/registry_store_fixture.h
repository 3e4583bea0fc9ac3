#pragma once

#include "settings/c_registry.h"
#include "settings/file_registry_store.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

// A store that has broken down: every call but the close answers with what
// `fail` returns, or throws what it throws.
class BrokenStore final : public RegistryStore
{
public:
    explicit BrokenStore(std::function<RegistryResult()> fail)
        : fail(std::move(fail))
    { }

    RegistryResult createKey(
        std::int32_t, const std::string &, std::uint32_t, RegistryKey &) override
    {
        return fail();
    }
    RegistryResult openKey(std::int32_t, const std::string &, std::uint32_t, RegistryKey &) override
    {
        return fail();
    }
    RegistryResult setValue(
        RegistryKey, const std::string &, std::uint32_t, const std::string &) override
    {
        return fail();
    }
    RegistryResult enumValue(
        RegistryKey, std::uint32_t, std::size_t, std::size_t, RegistryValueEntry &) override
    {
        return fail();
    }
    RegistryResult enumKey(RegistryKey, std::uint32_t, std::size_t, std::string &) override
    {
        return fail();
    }
    RegistryResult closeKey(RegistryKey) override { return RegistryCode::Success; }

    std::function<RegistryResult()> fail;
};

inline BrokenStore refusingStore()
{
    return BrokenStore([] { return RegistryResult(RegistryCode::AccessDenied); });
}

class RegistryTest : public testing::Test
{
protected:
    cRegistry registryAt(const std::string &section, const std::string &value = "Callwise")
    {
        return registryOver(store, section, value);
    }
    cRegistry registryOver(
        RegistryStore &over, const std::string &section, const std::string &value = "Callwise")
    {
        cRegistry registry(
            { over, "callwise", [this](const std::string &m) { shown.push_back(m); } });
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
    std::vector<std::string> notices;
    FileRegistryStore store { dir.path().toStdString(),
        [this](const std::string &text) { notices.push_back(text); } };
    std::vector<std::string> shown;
};
