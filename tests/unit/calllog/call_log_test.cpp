#include "calllog/call_log.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

const QByteArray kRecord = "05:06:2000  ,  \r\n21:14:03  ,  \r\n00:12:41  ,  \r\n01.50#\r\n";

class CallLogTest : public testing::Test
{
protected:
    QString path() const { return dir.file("netcosts.ini"); }

    TempProgramDir dir;
    ScriptedPrompter prompter;
};

TEST_F(CallLogTest, AppendWritesTheFourLineRecordByteForByte)
{
    // the duration comes before the start time among the arguments
    ASSERT_TRUE(AppendCallRecord(path(), "05:06:2000", "00:12:41", "21:14:03", 1.5, prompter).ok);
    EXPECT_EQ(dir.read("netcosts.ini"), kRecord);
    EXPECT_EQ(kRecord.size(), 55);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(CallLogTest, RecordsFollowOneAnotherOldestFirst)
{
    AppendCallRecord(path(), "05:06:2000", "00:12:41", "21:14:03", 1.5, prompter);
    AppendCallRecord(path(), "06:06:2000", "00:00:05", "08:00:00", 0, prompter);
    EXPECT_EQ(dir.read("netcosts.ini"),
              kRecord + "06:06:2000  ,  \r\n08:00:00  ,  \r\n00:00:05  ,  \r\n00.00#\r\n");
}

TEST(LogFeeText, AtLeastTwoWholeDigitsAndTwoDecimals)
{
    EXPECT_EQ(logFeeText(0), "00.00");
    EXPECT_EQ(logFeeText(1.5), "01.50");
    EXPECT_EQ(logFeeText(12), "12.00");
    EXPECT_EQ(logFeeText(125.4), "125.40");
    EXPECT_EQ(logFeeText(4.199), "04.20");
}

TEST(LogDateText, DayMonthYearWithColons)
{
    EXPECT_EQ(logDateText(QDate(2026, 12, 5)), "05:12:2026");
    EXPECT_EQ(logDateText(QDate(987, 1, 2)), "02:01:0987");
}

TEST_F(CallLogTest, FailedAppendLeavesNoHalfRecordAndTellsTheUser)
{
    AppendCallRecord(path(), "05:06:2000", "00:12:41", "21:14:03", 1.5, prompter);
    FileResult result;
    {
        FileSizeLimit limit(kRecord.size() + 20);
        result = AppendCallRecord(path(), "06:06:2000", "00:00:05", "08:00:00", 2, prompter);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(dir.read("netcosts.ini"), kRecord);
    EXPECT_EQ(prompter.messages, QStringList{"File Save ERROR"});
}

TEST_F(CallLogTest, AppendIntoAnUnwritablePlaceTellsTheUser)
{
    EXPECT_FALSE(
        AppendCallRecord(dir.file("gone/netcosts.ini"), "a", "b", "c", 1, prompter).ok);
    EXPECT_EQ(prompter.messages, QStringList{"File Save ERROR"});
}

TEST_F(CallLogTest, LoadJoinsTheLinesWithoutTheirEnds)
{
    dir.write("netcosts.ini", kRecord + kRecord.chopped(2)); // last line without CR LF
    const QString one = "05:06:2000  ,  21:14:03  ,  00:12:41  ,  01.50#";
    EXPECT_EQ(one.size(), 47);
    EXPECT_EQ(LoadCallLog(path()), one + one);
}

TEST_F(CallLogTest, LoadCreatesAMissingLogUnlessToldNotTo)
{
    EXPECT_EQ(LoadCallLog(path(), MissingLog::LeaveAlone), "");
    EXPECT_FALSE(dir.exists("netcosts.ini"));
    EXPECT_EQ(LoadCallLog(path()), "");
    EXPECT_TRUE(dir.exists("netcosts.ini"));
    EXPECT_EQ(dir.read("netcosts.ini"), "");
}

TEST_F(CallLogTest, LoadTakesAnyContent)
{
    dir.write("netcosts.ini", "not a record\r\nat all");
    EXPECT_EQ(LoadCallLog(path()), "not a recordat all");
}

TEST_F(CallLogTest, ClearAsksAndNoChangesNothing)
{
    dir.write("netcosts.ini", kRecord);
    prompter.answer(ScriptedPrompter::Answer::No);
    EXPECT_EQ(ClearCallLog(path(), prompter), ClearOutcome::Cancelled);
    EXPECT_EQ(prompter.questions, QStringList{"Are You SURE?"});
    EXPECT_EQ(dir.read("netcosts.ini"), kRecord);
}

TEST_F(CallLogTest, ClearOnYesLeavesAnEmptyFile)
{
    dir.write("netcosts.ini", kRecord);
    prompter.answer(ScriptedPrompter::Answer::Yes);
    EXPECT_EQ(ClearCallLog(path(), prompter), ClearOutcome::Cleared);
    EXPECT_TRUE(dir.exists("netcosts.ini"));
    EXPECT_EQ(dir.read("netcosts.ini"), "");
}

TEST_F(CallLogTest, ClearThatFailsKeepsEveryCallAndSaysSo)
{
    // a log that cannot be replaced: its name is taken by a directory
    ASSERT_TRUE(QDir(dir.path()).mkpath("netcosts.ini"));
    dir.write("netcosts.ini/keep", kRecord);
    prompter.answer(ScriptedPrompter::Answer::Yes);
    EXPECT_EQ(ClearCallLog(path(), prompter), ClearOutcome::Failed);
    EXPECT_EQ(prompter.messages,
              QStringList{"The call log could not be cleared. All its calls are still there."});
    EXPECT_EQ(dir.read("netcosts.ini/keep"), kRecord);
}

} // namespace
