#include "settings/c_registry.h"
#include "settings/file_registry_store.h"
#include "support/temp_program_dir.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

class FileStoreTest : public testing::Test
{
protected:
    std::unique_ptr<FileRegistryStore> freshStore()
    {
        return std::make_unique<FileRegistryStore>(dir.file("callwise").toStdString(),
            [this](const std::string &m) { notices.push_back(m); });
    }
    cRegistry registryOver(RegistryStore &store, const std::string &section)
    {
        cRegistry registry({ store, "callwise", [](const std::string &) {} });
        registry.ClassKey(kHkeyLocalMachine);
        registry.SectionKey(section);
        registry.ValueKey("Callwise");
        return registry;
    }

    TempProgramDir dir;
    std::vector<std::string> notices;
};

TEST_F(FileStoreTest, KeepsValuesAcrossRunsInAReadableFile)
{
    {
        auto store = freshStore();
        registryOver(*store, "\\SOFTWARE\\Run").Value("/opt/callwise\\CALLWISE.exe \"q\" \xA3");
    }
    const QByteArray file = dir.read("callwise/registry.txt");
    EXPECT_TRUE(file.contains(
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Run]\n"
        "\"Callwise\" = 1 : \"/opt/callwise\\\\CALLWISE.exe \\\"q\\\" \\xA3\\x00\"\n"))
        << file.toStdString();

    auto store = freshStore();
    // Paths match with or without the leading backslash, and with case ignored.
    EXPECT_EQ(
        registryOver(*store, "software\\run").Value(), "/opt/callwise\\CALLWISE.exe \"q\" \xA3");
    EXPECT_TRUE(notices.empty());
}

TEST_F(FileStoreTest, DamagedFileIsKeptAsideAndTheUserToldOnce)
{
    QDir().mkpath(dir.file("callwise"));
    dir.write("callwise/registry.txt", "[HKEY_LOCAL_MACHINE\\Run]\n\"Callwise\" = 1 : \"cut off");

    auto store = freshStore();
    cRegistry registry = registryOver(*store, "Run");
    registry.Default("none");
    EXPECT_EQ(registry.Value(), "none");
    registry.Value("new");
    EXPECT_EQ(registry.Value(), "new");

    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("registry.txt.damaged"), std::string::npos);
    EXPECT_EQ(dir.read("callwise/registry.txt.damaged"),
        "[HKEY_LOCAL_MACHINE\\Run]\n\"Callwise\" = 1 : \"cut off");
}

TEST_F(FileStoreTest, PathsWithAnEmptyPartAreRefused)
{
    // found by fuzz_registry_store: [HKEY_CLASSES_ROOT\\o] was read as a key
    // listed as "o" that could not be opened by that name
    QDir().mkpath(dir.file("callwise"));
    dir.write("callwise/registry.txt", "[HKEY_CLASSES_ROOT\\\\o]\n");
    auto store = freshStore();
    RegistryKey key = 0;
    ASSERT_EQ(store->openKey(kHkeyClassesRoot, "", kKeyAllSpecificRights, key),
        RegistryCode::Success);
    std::string name;
    EXPECT_EQ(store->enumKey(key, 0, 256, name), RegistryCode::NoMoreItems);
    EXPECT_EQ(notices.size(), 1u); // not understood, so kept aside

    EXPECT_EQ(store->createKey(kHkeyCurrentUser, "\\\\o", kKeyAllSpecificRights, key),
        RegistryCode::BadPathname);
    EXPECT_EQ(store->createKey(kHkeyCurrentUser, "\\o", kKeyAllSpecificRights, key),
        RegistryCode::Success);
}

} // namespace
