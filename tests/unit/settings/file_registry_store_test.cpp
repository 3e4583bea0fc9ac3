#include "registry_store_fixture.h"
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class FileStoreTest : public RegistryTest
{
protected:
    QByteArray file(const char *name = "registry.txt") const
    {
        QFile in(QDir(dir.path()).filePath(name));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    void write(const QByteArray &bytes)
    {
        QFile out(QDir(dir.path()).filePath("registry.txt"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    }
    std::unique_ptr<FileRegistryStore> again()
    {
        return std::make_unique<FileRegistryStore>(
            dir.path().toStdString(), [this](const std::string &m) { notices.push_back(m); });
    }
};

TEST_F(FileStoreTest, KeepsValuesAcrossRunsInAReadableFile)
{
    registryAt("\\SOFTWARE\\Run").Value("/opt/callwise\\CALLWISE.exe \"q\" \xA3");
    EXPECT_TRUE(file().contains("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Run]\n"
                                "\"Callwise\" = 1 : \"/opt/callwise\\\\CALLWISE.exe \\\"q\\\" "
                                "\\xA3\\x00\"\n"))
        << file().toStdString();
    // Paths match with or without the leading backslash, and with case ignored.
    auto next = again();
    EXPECT_EQ(
        registryOver(*next, "software\\run").Value(), "/opt/callwise\\CALLWISE.exe \"q\" \xA3");
    EXPECT_TRUE(notices.empty());
}

TEST_F(FileStoreTest, DamagedFileIsKeptAsideAndTheUserToldOnce)
{
    for (const QByteArray damaged : {"[HKEY_LOCAL_MACHINE\\Run]\n\"Callwise\" = 1 : \"cut off",
                                     "[HKEY_LOCAL_MACHINE\\Run]\n\"Callwise\" =  : \"no type\"\n"}) {
        notices.clear();
        QFile::remove(QDir(dir.path()).filePath("registry.txt.damaged"));
        write(damaged);
        auto next = again();
        cRegistry registry = registryOver(*next, "Run");
        registry.Default("none");
        EXPECT_EQ(registry.Value(), "none");
        registry.Value("new");
        EXPECT_EQ(registry.Value(), "new");
        ASSERT_EQ(notices.size(), 1u) << damaged.toStdString();
        EXPECT_NE(notices[0].find("registry.txt.damaged"), std::string::npos);
        EXPECT_EQ(file("registry.txt.damaged"), damaged);
    }
}

TEST_F(FileStoreTest, PathsWithAnEmptyPartAreRefused)
{
    // found by fuzzing: [HKEY_CLASSES_ROOT\\o] was read as a key listed as
    // "o" that could not be opened by that name
    write("[HKEY_CLASSES_ROOT\\\\o]\n");
    auto next = again();
    RegistryKey key = 0;
    ASSERT_EQ(
        next->openKey(kHkeyClassesRoot, "", kKeyAllSpecificRights, key), RegistryCode::Success);
    std::string name;
    EXPECT_EQ(next->enumKey(key, 0, 256, name), RegistryCode::NoMoreItems);
    EXPECT_EQ(notices.size(), 1u); // not understood, so kept aside
    EXPECT_EQ(next->createKey(kHkeyCurrentUser, "\\\\o", kKeyAllSpecificRights, key),
        RegistryCode::BadPathname);
    EXPECT_EQ(next->createKey(kHkeyCurrentUser, "a\\\\b", kKeyAllSpecificRights, key),
              RegistryCode::BadPathname);
    EXPECT_EQ(next->createKey(kHkeyCurrentUser, "\\o", kKeyAllSpecificRights, key),
        RegistryCode::Success);
}

} // namespace
