// Each data file under the faults a disk can have: the save returns failure,
// the user is told, and no byte saved before is changed, in that file or any
// other.

#include "calllog/call_log.h"
#include "settings/auto_run.h"
#include "settings/file_registry_store.h"
#include "settings/settings_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"
#include "tariff/fee_file.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
bool g_syncFails = false;
} // namespace

// A disk that takes the bytes but cannot make them last: every sync this
// program asks for fails while g_syncFails is set.
extern "C" int fsync(int fd)
{
    if (g_syncFails) {
        errno = EIO;
        return -1;
    }
    return int(syscall(SYS_fsync, fd));
}

namespace {

struct DataFile
{
    const char *name;
    QString fileName;
    // Saves something new, as the program does; ok as its caller sees it.
    bool (*save)(const QString &dir, ScriptedPrompter &prompter);
    // Shown on a failed save; empty where the caller shows the returned error.
    QString failureMessage;
};

QString at(const QString &dir, const char16_t *name)
{
    return QDir(dir).filePath(QString::fromUtf16(name));
}

bool appendCall(const QString &dir, ScriptedPrompter &prompter)
{
    return AppendCallRecord(
        at(dir, kCallLogFileName), "07:12:2026", "00:03:10", "06:58:02", 1.5, prompter)
        .ok;
}

bool saveRunEntry(const QString &dir, ScriptedPrompter &prompter)
{
    FileRegistryStore store(dir.toStdString(), [&prompter](const std::string &text) {
        prompter.showMessage(QString::fromStdString(text));
    });
    const qsizetype before = prompter.messages.size();
    applyAutoRunTellingUser(1, { store, prompter, dir, dir + "/callwise", {} });
    return prompter.messages.size() == before;
}

const DataFile kDataFiles[] = {
    { "FeeFile", QString::fromUtf16(kFeeFileName),
        [](const QString &dir, ScriptedPrompter &) {
            TariffTable table;
            table.setFee(2, 1, QStringLiteral("3.25"));
            return SaveFees(table, at(dir, kFeeFileName)).ok;
        },
        {} },
    { "SettingsFile", QString::fromUtf16(kSettingsFileName),
        [](const QString &dir, ScriptedPrompter &) {
            const FileResult result = SaveSettings(at(dir, kSettingsFileName), 1000, { 0, 1, 0 });
            EXPECT_TRUE(result.ok || !result.error.isEmpty()); // the window shows the reason
            return result.ok;
        },
        {} },
    { "CallLog", QString::fromUtf16(kCallLogFileName), appendCall,
        QString::fromUtf16(kFileSaveError) },
    { "RegistryStore", QStringLiteral("registry.txt"), saveRunEntry,
        QStringLiteral("Failed to set registry value") },
};

void PrintTo(const DataFile &data, std::ostream *out)
{
    *out << data.name;
}

using Contents = std::map<QString, QByteArray>;

class DataFileFaults : public testing::TestWithParam<DataFile>
{
protected:
    // Every data file as saved, so a fault in one shows if it reaches another.
    void SetUp() override
    {
        ScriptedPrompter quiet;
        for (const DataFile &each : kDataFiles)
            ASSERT_TRUE(each.save(dir.path(), quiet)) << each.name;
        appendCall(dir.path(), quiet);
        ASSERT_TRUE(quiet.messages.isEmpty());
    }

    Contents contents() const
    {
        Contents all;
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            all[name] = dir.read(name);
        return all;
    }

    void expectFailedSaveTold()
    {
        const Contents before = contents();
        EXPECT_FALSE(GetParam().save(dir.path(), prompter));
        const std::string shown = prompter.messages.join(u'\n').toStdString();
        if (GetParam().failureMessage.isEmpty()) {
            EXPECT_TRUE(prompter.messages.isEmpty()) << shown;
        } else {
            ASSERT_EQ(prompter.messages.size(), 1) << shown;
            EXPECT_TRUE(prompter.messages[0].startsWith(GetParam().failureMessage)) << shown;
        }
        EXPECT_EQ(contents(), before) << "a failed save changed or left a file";
    }

    TempProgramDir dir;
    ScriptedPrompter prompter;
};

TEST_P(DataFileFaults, FullDiskRefusesTheSaveAndTellsTheUser)
{
    // Room for part of what is written, so a torn write would show.
    const qint64 room = dir.read(GetParam().fileName).size() + 20;
    FileSizeLimit full(GetParam().fileName == QString::fromUtf16(kCallLogFileName) ? room : 20);
    expectFailedSaveTold();
}

INSTANTIATE_TEST_SUITE_P(EachDataFile, DataFileFaults, testing::ValuesIn(kDataFiles),
    [](const testing::TestParamInfo<DataFile> &info) { return std::string(info.param.name); });

// The log is the one file appended in place: a record the disk could not
// make last is taken back, and the user told, as for a full disk.
TEST(CallLogFaults, FailingSyncRefusesTheAppendAndTellsTheUser)
{
    TempProgramDir dir;
    ScriptedPrompter prompter;
    ASSERT_TRUE(appendCall(dir.path(), prompter));
    const QByteArray before = dir.read(QString::fromUtf16(kCallLogFileName));
    g_syncFails = true;
    EXPECT_FALSE(appendCall(dir.path(), prompter));
    g_syncFails = false;
    EXPECT_EQ(prompter.messages, QStringList{QString::fromUtf16(kFileSaveError)});
    EXPECT_EQ(dir.read(QString::fromUtf16(kCallLogFileName)), before);
}

} // namespace
