// Each data file under the faults a disk can have: the save returns failure,
// the user is told, and no byte saved before is changed, in that file or any
// other, and no temporary file is left.

#include "calllog/call_log.h"
#include "data_files.h"
#include "support/temp_program_dir.h"

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
// program asks for, of a file or a directory, fails while g_syncFails is set.
extern "C" int fsync(int fd)
{
    if (g_syncFails) {
        errno = EIO;
        return -1;
    }
    return int(syscall(SYS_fsync, fd));
}

void PrintTo(const DataFile &data, std::ostream *out)
{
    *out << data.name;
}

namespace {

using Contents = std::map<QString, QByteArray>;

class DataFileFaults : public testing::TestWithParam<DataFile>
{
protected:
    // Every data file as saved, so a fault in one shows if it reaches another.
    void SetUp() override
    {
        ScriptedPrompter quiet;
        for (const DataFile &each : kDataFiles)
            ASSERT_TRUE(each.save(dir.path(), quiet, 0)) << each.name;
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
        EXPECT_FALSE(GetParam().save(dir.path(), prompter, 1));
        EXPECT_TRUE(GetParam().toldOfFailure(prompter.messages))
            << prompter.messages.join(u'\n').toStdString();
        EXPECT_EQ(contents(), before) << "a failed save changed or left a file";
    }

    TempProgramDir dir;
    ScriptedPrompter prompter;
};

TEST_P(DataFileFaults, FullDiskRefusesTheSaveAndTellsTheUser)
{
    // Room for part of what is written, so a torn write would show.
    const bool appended = GetParam().fileName == QString::fromUtf16(kCallLogFileName);
    FileSizeLimit full(appended ? dir.read(GetParam().fileName).size() + 20 : 8);
    expectFailedSaveTold();
}

TEST_P(DataFileFaults, FailingSyncRefusesTheSaveAndTellsTheUser)
{
    g_syncFails = true;
    expectFailedSaveTold();
    g_syncFails = false;
}

INSTANTIATE_TEST_SUITE_P(EachDataFile, DataFileFaults, testing::ValuesIn(kDataFiles),
    [](const testing::TestParamInfo<DataFile> &info) { return std::string(info.param.name); });

} // namespace
