#include "registry_store_fixture.h"
#include "settings/auto_run.h"
#include "support/scripted_prompter.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

class AutoRunTest : public RegistryTest
{
protected:
    AutoRunPlace place(const QString &programDir = QStringLiteral("/opt/call wise"))
    {
        return placeIn(store, programDir);
    }
    AutoRunPlace placeIn(
        RegistryStore &over, const QString &programDir = QStringLiteral("/opt/call wise"))
    {
        return { over, prompter, programDir, QStringLiteral("/opt/call wise/callwise"),
            config.filePath(QStringLiteral("autostart")) };
    }
    std::string runEntry() { return registryAt(kRunKeyPath).Value(); }
    QByteArray autostartEntry()
    {
        QFile file(config.filePath(QStringLiteral("autostart/callwise.desktop")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir config;
    ScriptedPrompter prompter;
};

TEST_F(AutoRunTest, OnWritesThePathOffEmptiesItOtherFlagsLeaveIt)
{
    ASSERT_TRUE(ApplyAutoRun(1, place()).ok);
    EXPECT_EQ(runEntry(), "/opt/call wise\\CALLWISE.exe");
    EXPECT_EQ(autostartEntry(),
        "[Desktop Entry]\nType=Application\nName=Callwise\n"
        "Exec=\"/opt/call wise/callwise\"\nTerminal=false\n");

    ASSERT_TRUE(ApplyAutoRun(2, place()).ok);
    EXPECT_EQ(runEntry(), "/opt/call wise\\CALLWISE.exe");
    EXPECT_FALSE(autostartEntry().isEmpty());

    ASSERT_TRUE(ApplyAutoRun(0, place()).ok);
    const auto entry = stored(kRunKeyPath, "Callwise");
    ASSERT_TRUE(entry); // emptied, never deleted
    EXPECT_EQ(entry->data, "\0"s);
    EXPECT_FALSE(QFile::exists(config.filePath(QStringLiteral("autostart/callwise.desktop"))));
}

TEST_F(AutoRunTest, RootDirectoryKeepsItsOwnBackslash)
{
    ApplyAutoRun(1, place(QStringLiteral("C:\\")));
    EXPECT_EQ(runEntry(), "C:\\\\CALLWISE.exe");
}

TEST_F(AutoRunTest, FailedWriteIsToldAndTheRunGoesOn)
{
    BrokenStore refusing = refusingStore();
    EXPECT_THROW(ApplyAutoRun(1, placeIn(refusing)), RegistryError);

    applyAutoRunTellingUser(0, placeIn(refusing));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].endsWith("Key: 'Callwise' to value: ''"));
}

} // namespace
