#include "calllog/call_log.h"
#include "calllog/period.h"
#include "calllog/summary.h"
#include "calllog/summary_text.h"
#include "support/log_generator.h"

#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 12, 6);
const Regional kBritish(QLocale(QLocale::English, QLocale::UnitedKingdom));

QString callOn(int daysAgo, const char *start, const char *duration, double fee)
{
    return logRecordText(kToday.addDays(-daysAgo), QTime::fromString(start, "HH:mm:ss"), duration,
                         fee);
}

Summary summarise(const QString &log, qint64 first, qint64 last, double minConnect = 3)
{
    return SummarisePeriod(log, kToday, first, last, minConnect, kBritish);
}

TEST(Summary, ListLineShowsTheRecordAndItsCost)
{
    const QString log = logRecordText(QDate(2000, 6, 5), QTime(21, 14, 3), "00:05:01", 2);
    const Summary summary = SummarisePeriod(log, QDate(2000, 6, 5), 0, 0, 3, kBritish);
    ASSERT_TRUE(summary.ok);
    EXPECT_EQ(summary.lines,
              QStringList{QString::fromUtf8(
                  "05:06:2000  ,  21:14:03  ,  00:05:01  ,  02.00  =  £0.12")});
    EXPECT_EQ(summary.totalPence, 12);
    EXPECT_EQ(summary.totalSeconds, 301);
}

TEST(Summary, CostChargesStartedMinutesAndTheMinimum)
{
    const QString log = callOn(0, "10:00:00", "00:05:00", 2)    // 10
                        + callOn(0, "11:00:00", "00:05:01", 2)  // 12
                        + callOn(0, "12:00:00", "00:00:30", 2)  // minimum 6
                        + callOn(0, "13:00:00", "02:00:00", 0); // free
    const Summary summary = summarise(log, 0, 0);
    ASSERT_EQ(summary.calls.size(), 4u);
    EXPECT_DOUBLE_EQ(summary.calls[0].cost, 10);
    EXPECT_DOUBLE_EQ(summary.calls[1].cost, 12);
    EXPECT_DOUBLE_EQ(summary.calls[2].cost, 6);
    EXPECT_DOUBLE_EQ(summary.calls[3].cost, 0);
    EXPECT_EQ(summary.totalPence, 28);
}

TEST(Summary, TotalPenceIsRoundedAfterEveryCall)
{
    // three calls of 4.5 pence: 4, then 8 (from 8.5), then 12 (from 12.5)
    const QString call = callOn(0, "10:00:00", "00:03:00", 1.5);
    EXPECT_EQ(summarise(call + call + call, 0, 0, 0).totalPence, 12);
    EXPECT_EQ(summarise(call + call, 0, 0, 0).totalPence, 8);
}

TEST(Summary, NewestDayFirstAndLogOrderWithinADay)
{
    const QString log = callOn(1, "09:00:00", "00:01:00", 1) + callOn(0, "23:00:00", "00:01:00", 1)
                        + callOn(1, "08:00:00", "00:01:00", 1)
                        + callOn(0, "01:00:00", "00:01:00", 1);
    const Summary summary = summarise(log, 0, 6);
    ASSERT_EQ(summary.calls.size(), 4u);
    EXPECT_EQ(summary.calls[0].starttime(), u"23:00:00");
    EXPECT_EQ(summary.calls[1].starttime(), u"01:00:00");
    EXPECT_EQ(summary.calls[2].starttime(), u"09:00:00");
    EXPECT_EQ(summary.calls[3].starttime(), u"08:00:00");
}

TEST(Summary, PeriodEndsAreIncluded)
{
    const QString log = callOn(0, "10:00:00", "00:01:00", 1) + callOn(6, "10:00:00", "00:01:00", 1)
                        + callOn(7, "10:00:00", "00:01:00", 1);
    EXPECT_EQ(summarise(log, 0, 0).calls.size(), 1u);
    EXPECT_EQ(summarise(log, 0, 6).calls.size(), 2u); // seven days ago is not in "7 Days"
    EXPECT_EQ(summarise(log, 0, 7).calls.size(), 3u);
}

TEST(Summary, EmptyPeriodHasZeroTotals)
{
    const Summary summary = summarise(callOn(3, "10:00:00", "00:01:00", 1), 0, 0);
    ASSERT_TRUE(summary.ok);
    EXPECT_TRUE(summary.lines.isEmpty());
    EXPECT_EQ(totalTimeCaption(summary.totalSeconds), "Total Time = 00:00: 0");
    EXPECT_EQ(totalCostCaption(summary.totalPence, kBritish),
              QString::fromUtf8("Total Calls Cost= £0.00"));
}

TEST(Summary, FutureDaysAreListedWhenTheLogHasThem)
{
    const QString log = callOn(-2, "10:00:00", "00:01:00", 1);
    const PeriodOffsets range = dateRangeOffsets(kToday.addDays(3), kToday, kToday);
    EXPECT_EQ(summarise(log, range.first, range.last).calls.size(), 1u);
}

TEST(Summary, UnreadableRecordOfTheDayFailsWithAMessage)
{
    const QString good = callOn(0, "10:00:00", "00:01:00", 1);
    QString noHash = callOn(0, "11:00:00", "00:01:00", 1);
    noHash.chop(1);
    for (const QString &log : {good + noHash, good + logDateText(kToday) + "  ;  x#",
                               good + logDateText(kToday) + ",,, 12#"}) {
        const Summary summary = summarise(log, 0, 0);
        EXPECT_FALSE(summary.ok) << log.toStdString();
        EXPECT_TRUE(summary.error.contains("cannot be read"));
        EXPECT_TRUE(summary.lines.isEmpty());
    }
    // damage on a day outside the period does not matter
    EXPECT_TRUE(summarise(good + noHash, 1, 5).ok);
}

TEST(Summary, RangeBeyondFourDigitYearsFailsWithAMessage)
{
    EXPECT_FALSE(summarise("", 0, 4'000'000).ok);
    EXPECT_FALSE(summarise("", -3'000'000, 0).ok);
    EXPECT_TRUE(summarise("", 0, 40'000).ok); // wider than 16 bits is fine
}

TEST(TotalTimeCaption, FixedPartsAndSignedNumbers)
{
    EXPECT_EQ(totalTimeCaption(0), "Total Time = 00:00: 0");
    EXPECT_EQ(totalTimeCaption(45), "Total Time = 00:00: 45");
    EXPECT_EQ(totalTimeCaption(60), "Total Time = 00: 1: 0");
    EXPECT_EQ(totalTimeCaption(125), "Total Time = 00: 2: 5");
    EXPECT_EQ(totalTimeCaption(3600), "Total Time =  1:00: 0");
    EXPECT_EQ(totalTimeCaption(3725), "Total Time =  1: 2: 5");
    EXPECT_EQ(totalTimeCaption(100 * 3600 + 1), "Total Time =  100:00: 1");
}

TEST(Periods, EntriesAndTheirDays)
{
    EXPECT_EQ(periodEntries(), QStringList({"1 Day", "7 Days", "28 Days", "2 Months", "3 Months",
                                            "1 Year", "Date"}));
    const std::pair<const char16_t *, qint64> expected[] = {
        {u"1 Day", 0},     {u"7 Days", 6},    {u"28 Days", 27},
        {u"2 Months", 55}, {u"3 Months", 83}, {u"1 Year", 364}};
    for (const auto &[entry, last] : expected) {
        const auto offsets = periodOffsets(entry);
        ASSERT_TRUE(offsets.has_value());
        EXPECT_EQ(offsets->first, 0);
        EXPECT_EQ(offsets->last, last);
    }
    EXPECT_FALSE(periodOffsets(u"Date").has_value());
    EXPECT_FALSE(periodOffsets(u"Select").has_value());
}

TEST(Periods, DateRangeInEitherOrder)
{
    const QDate from(2026, 11, 30), to(2026, 12, 4);
    const PeriodOffsets forward = dateRangeOffsets(from, to, kToday);
    EXPECT_EQ(forward.first, 2);
    EXPECT_EQ(forward.last, 6);
    const PeriodOffsets backward = dateRangeOffsets(to, from, kToday);
    EXPECT_EQ(backward.first, forward.first);
    EXPECT_EQ(backward.last, forward.last);
    const PeriodOffsets single = dateRangeOffsets(to, to, kToday);
    EXPECT_EQ(single.first, 2);
    EXPECT_EQ(single.last, 2);
}

TEST(PrintedSummary, TitleBlankLinesHeadingListThenCostBeforeTime)
{
    EXPECT_EQ(printedSummaryLines("H", {"a", "b"}, "Cost Total", "Time Total"),
              QStringList({"Callwise Call Costs Summary", "", "", "H", "a", "b", "Cost Total",
                           "Time Total"}));
}

} // namespace
