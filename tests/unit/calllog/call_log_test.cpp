#include "calllog/call_log.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

const QByteArray kRecord = "05:06:2000  ,  \r\n21:14:03  ,  \r\n00:12:41  ,  \r\n01.50#\r\n";

class CallLogTest : public testing::Test
{
protected:
    QString path() const { return dir.file("netcosts.ini"); }

    TempProgramDir dir;
    ScriptedPrompter prompter;
};

TEST_F(CallLogTest, AppendWritesFourLineRecordsOldestFirst)
{
    // the duration comes before the start time among the arguments
    ASSERT_TRUE(AppendCallRecord(path(), "05:06:2000", "00:12:41", "21:14:03", 1.5, prompter).ok);
    ASSERT_TRUE(AppendCallRecord(path(), "06:06:2000", "00:00:05", "08:00:00", 0, prompter).ok);
    EXPECT_EQ(dir.read("netcosts.ini"),
        kRecord + "06:06:2000  ,  \r\n08:00:00  ,  \r\n00:00:05  ,  \r\n00.00#\r\n");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(CallLogTest, LoadJoinsAnyLinesWithoutTheirEndsAndCreatesAMissingLogUnlessTold)
{
    EXPECT_EQ(LoadCallLog(path(), MissingLog::LeaveAlone), "");
    EXPECT_FALSE(dir.exists("netcosts.ini"));
    EXPECT_EQ(LoadCallLog(path()), "");
    EXPECT_EQ(dir.read("netcosts.ini"), "");
    EXPECT_TRUE(dir.exists("netcosts.ini"));

    dir.write("netcosts.ini", "not a record\r\nat all\r\n" + kRecord.chopped(2));
    EXPECT_EQ(
        LoadCallLog(path()), "not a recordat all05:06:2000  ,  21:14:03  ,  00:12:41  ,  01.50#");
}

// The charges and bytes kept beside the log go with it; none are made where
// there were none, and side records that cannot be emptied are named.
TEST_F(CallLogTest, ClearingEmptiesTheLogAndTheSideRecordsBesideIt)
{
    using Answer = ScriptedPrompter::Answer;
    const QByteArray charge = "05:06:2000  ,  21:14:03  ,  00:12:41  ,  20#\r\n";
    const QByteArray bytes = "05:06:2000  ,  21:14:03  ,  00:12:41  ,  900  ,  80#\r\n";
    dir.write("netcosts.ini", kRecord);
    prompter.answer(Answer::Yes);
    EXPECT_EQ(ClearCallLog(path(), prompter), ClearOutcome::Cleared);
    EXPECT_EQ(dir.read("netcosts.ini"), "");
    EXPECT_FALSE(dir.exists("netcharges.ini"));
    EXPECT_FALSE(dir.exists("netbytes.ini"));

    dir.write("netcosts.ini", kRecord);
    dir.write("netcharges.ini", charge);
    dir.write("netbytes.ini", bytes);
    prompter.answer(Answer::No);
    EXPECT_EQ(ClearCallLog(path(), prompter), ClearOutcome::Cancelled);
    EXPECT_EQ(dir.read("netcharges.ini") + dir.read("netbytes.ini"), charge + bytes);
    prompter.answer(Answer::Yes);
    EXPECT_EQ(ClearCallLog(path(), prompter), ClearOutcome::Cleared);
    EXPECT_EQ(dir.read("netcosts.ini") + dir.read("netcharges.ini") + dir.read("netbytes.ini"), "");
    EXPECT_TRUE(prompter.messages.isEmpty());

    QFile::remove(dir.file("netcharges.ini"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("netcharges.ini/x"));
    prompter.answer(Answer::Yes);
    EXPECT_EQ(ClearCallLog(path(), prompter), ClearOutcome::Failed);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].startsWith(
        "The call log has been cleared, but the charges of its calls in netcharges.ini could not be"));

    ASSERT_TRUE(QDir(dir.path()).rmpath("netcharges.ini/x"));
    QFile::remove(dir.file("netbytes.ini"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("netbytes.ini/x"));
    prompter.answer(Answer::Yes);
    EXPECT_EQ(ClearCallLog(path(), prompter), ClearOutcome::Failed);
    ASSERT_EQ(prompter.messages.size(), 2);
    EXPECT_TRUE(prompter.messages[1].startsWith(
        "The call log has been cleared, but the bytes of its calls in netbytes.ini could not be"));
}

} // namespace
