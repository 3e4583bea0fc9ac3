#include "settings/c_registry.h"
#include "settings/run_entry.h"
#include "wine_registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace std::string_literals;

namespace {

const std::string kBase = "SOFTWARE\\CallwiseTest";

class WindowsRegistryTest : public testing::Test
{
protected:
    void SetUp() override { deleteTree(kBase); }
    void TearDown() override { deleteTree(kBase); }

    cRegistry::Host host()
    {
        return { *store, "callwise", [this](const std::string &m) { shown.push_back(m); } };
    }
    cRegistry registryAt(const std::string &section, const std::string &value = "Callwise")
    {
        cRegistry registry(host());
        registry.ClassKey(kHkeyLocalMachine);
        registry.SectionKey(section);
        registry.ValueKey(value);
        return registry;
    }

    std::unique_ptr<RegistryStore> store = systemRegistryStore(nullptr);
    std::vector<std::string> shown;
};

TEST_F(WindowsRegistryTest, WriteCreatesTheKeyPathAndTheEmptyTextIsOneNul)
{
    cRegistry registry = registryAt("\\" + kBase + "\\A\\B");
    EXPECT_FALSE(registry.KeyExists());
    registry.Value("C:\\Callwise\\CALLWISE.exe");
    EXPECT_TRUE(registry.KeyExists());
    EXPECT_EQ(registry.Value(), "C:\\Callwise\\CALLWISE.exe");
    EXPECT_EQ(queryValue(kBase + "\\A\\B", "Callwise")->data, "C:\\Callwise\\CALLWISE.exe\0"s);

    registry.Value("");
    const auto empty = queryValue(kBase + "\\A\\B", "Callwise");
    ASSERT_TRUE(empty); // emptied, not deleted
    EXPECT_EQ(empty->type, DWORD(REG_SZ));
    EXPECT_EQ(empty->data, "\0"s);
    EXPECT_EQ(registry.Value(), "");
}

TEST_F(WindowsRegistryTest, ReadStopsAtANameOrDataThatDoesNotFitTheBuffers)
{
    // Named to come first whether the registry lists values sorted or as written.
    const std::string fits = kBase + "\\Fits";
    ASSERT_TRUE(putValue(fits, "A" + std::string(253, 'n'), REG_SZ, std::string(254, 'd') + '\0'));
    ASSERT_TRUE(putValue(fits, "Callwise", REG_SZ, "found\0"s));
    EXPECT_EQ(registryAt(fits).Value(), "found");

    const std::string longName = kBase + "\\LongName";
    ASSERT_TRUE(putValue(longName, "A" + std::string(254, 'n'), REG_SZ, "x\0"s));
    ASSERT_TRUE(putValue(longName, "Callwise", REG_SZ, "hidden\0"s));
    const std::string longData = kBase + "\\LongData";
    ASSERT_TRUE(putValue(longData, "A", REG_SZ, std::string(255, 'd') + '\0'));
    ASSERT_TRUE(putValue(longData, "Callwise", REG_SZ, "hidden\0"s));
    for (const std::string &section : { longName, longData }) {
        cRegistry registry = registryAt(section);
        registry.Default("default");
        EXPECT_EQ(registry.Value(), "default") << section;
    }
}

TEST_F(WindowsRegistryTest, RefusedWriteRaises26001)
{
    // A key kept only in memory takes no lasting subkeys, so the create is refused.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (kBase + "\\Volatile").c_str(), 0, nullptr,
                  REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegCloseKey(key);

    cRegistry registry = registryAt(kBase + "\\Volatile\\Run");
    EXPECT_FALSE(registry.CreateKey());
    try {
        registry.Value("abc");
        FAIL() << "no error raised";
    } catch (const RegistryError &error) {
        EXPECT_EQ(error.Number, 26001); // its text is the same on every store
    }
    EXPECT_TRUE(shown.empty()); // a refusal, not a run-time failure
    EXPECT_FALSE(keyExists(kBase + "\\Volatile\\Run"));
}

TEST_F(WindowsRegistryTest, RunEntryIsWrittenDespiteTheLeadingBackslash)
{
    const std::string run = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    // The registry itself refuses the path as the entry gives it.
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &key, nullptr),
        ERROR_BAD_PATHNAME);

    writeRunEntry(1, host(), "C:\\Program Files\\Callwise");
    auto entry = queryValue(run, "Callwise");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->type, DWORD(REG_SZ));
    EXPECT_EQ(entry->data, "C:\\Program Files\\Callwise\\CALLWISE.exe\0"s);

    writeRunEntry(2, host(), "D:\\Other");
    EXPECT_EQ(queryValue(run, "Callwise")->data, "C:\\Program Files\\Callwise\\CALLWISE.exe\0"s);

    writeRunEntry(0, host(), "C:\\Program Files\\Callwise");
    entry = queryValue(run, "Callwise");
    deleteValue(run, "Callwise");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->data, "\0"s);
    EXPECT_TRUE(shown.empty());
}

} // namespace
