#include "calllog/call_bytes.h"
#include "calllog/call_charges.h"
#include "calllog/call_log.h"
#include "calllog/day_costs.h"
#include "calllog/period.h"
#include "calllog/summary.h"
#include "calllog/summary_text.h"

#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 12, 6);
const Regional kBritish(QLocale(QLocale::English, QLocale::UnitedKingdom));

QString callOn(int daysAgo, const char *start, const char *duration, double fee)
{
    return callRecordLines(logDateText(kToday.addDays(-daysAgo)), duration, start, fee).join("");
}

Summary summarise(const QString &log, qint64 first, qint64 last, double minConnect = 3)
{
    return SummarisePeriod(log, kToday, first, last, minConnect, kBritish);
}

TEST(Summary, NewestDayFirstChargingBegunMinutesOrTheMinimumAndTheTotalRoundedAfterEachCall)
{
    const QString log = callOn(1, "09:00:00", "00:00:30", 2) + callOn(0, "23:00:00", "00:05:00", 2)
        + callOn(1, "08:00:00", "02:00:00", 0) + callOn(0, "21:14:03", "00:05:01", 2);
    const Summary summary = summarise(log, 0, 6);
    ASSERT_TRUE(summary.ok);
    EXPECT_EQ(summary.lines().join(u'|'),
        QString::fromUtf8("06:12:2026  ,  23:00:00  ,  00:05:00  ,  02.00  =  £0.10|"
                          "06:12:2026  ,  21:14:03  ,  00:05:01  ,  02.00  =  £0.12|"
                          "05:12:2026  ,  09:00:00  ,  00:00:30  ,  02.00  =  £0.06|"
                          "05:12:2026  ,  08:00:00  ,  02:00:00  ,  00.00  =  £0.00"));
    EXPECT_EQ(summary.totalSeconds, 7831);
    EXPECT_EQ(summary.totalPence, 28);
    // 3p then 4.5p: 7.5 rounds to 8, where rounding each call would give 7
    const QString mixed
        = callOn(0, "10:00:00", "00:02:00", 1.5) + callOn(0, "11:00:00", "00:03:00", 1.5);
    EXPECT_EQ(summarise(mixed, 0, 0, 0).totalPence, 8);
    // split over two days, the days are the total's steps: 3p and 5p, not 3p and 4p
    const auto days = costsByDay(summarise(
        callOn(0, "10:00:00", "00:02:00", 1.5) + callOn(1, "11:00:00", "00:03:00", 1.5), 0, 1, 0));
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0].pence * 10 + days[1].pence, 35);
}

class PeriodTest : public testing::TestWithParam<std::pair<const char16_t *, int>>
{
};

TEST_P(PeriodTest, TakesTodayAndTheDaysBeforeUpToItsLast)
{
    const auto [entry, lastDay] = GetParam();
    const auto offsets = periodOffsets(entry);
    ASSERT_TRUE(offsets.has_value());
    const QString log = callOn(lastDay + 1, "10:00:00", "00:01:00", 1)
        + callOn(lastDay, "10:00:00", "00:01:00", 1) + callOn(0, "10:00:00", "00:01:00", 1)
        + callOn(-1, "10:00:00", "00:01:00", 1);
    EXPECT_EQ(summarise(log, offsets->first, offsets->last).calls.size(), 2u);
}

const std::pair<const char16_t *, int> kEntries[] = { { u"1 Day", 0 }, { u"7 Days", 6 },
    { u"28 Days", 27 }, { u"2 Months", 55 }, { u"3 Months", 83 }, { u"1 Year", 364 } };
INSTANTIATE_TEST_SUITE_P(Entries, PeriodTest, testing::ValuesIn(kEntries));

// Calls priced under rules cost the charge kept when they ended, whatever
// their record and the min connect time now say; the others are priced from
// their records and counted.
TEST(Summary, KeptChargesPriceTheirCallsAndTheRestArePricedFromTheirRecordsAndCounted)
{
    const auto charge = [](int daysAgo, const char *start, const char *duration, const char *pence) {
        return (callChargeLine(logDateText(kToday.addDays(-daysAgo)), start, duration, 0).chopped(2)
                + pence + "\r\n").toLatin1();
    };
    const QString log = callOn(0, "10:00:00", "00:02:05", 4.2) + callOn(0, "11:00:00", "00:01:00", 2)
        + callOn(1, "09:00:00", "00:00:30", 2) + callOn(1, "10:00:00", "00:05:00", 2);
    const QByteArray charges = charge(1, "09:00:00", "00:00:30", "16#")
        + charge(0, "10:00:00", "00:02:05", "28#") + charge(1, "10:00:00", "00:05:00", "1x#");
    const Summary summary = SummarisePeriod(LogIndex(log, ChargeIndex(charges)), kToday, 0, 1, 3,
                                            kBritish);
    ASSERT_TRUE(summary.ok);
    QStringList costs;
    for (const QString &line : summary.lines())
        costs << line.section(u'=', 1).trimmed();
    // 28 and 16 kept; 3 minutes' minimum at 2p; 5 minutes at 2p, its charge damaged
    EXPECT_EQ(costs.join(u' '), QString::fromUtf8("£0.28 £0.06 £0.16 £0.10"));
    EXPECT_EQ(summary.totalPence, 60);
    EXPECT_EQ(summary.withoutCharge, 1);
    EXPECT_EQ(summary.damagedCharges, 1);
    EXPECT_EQ(summary.pricedWithoutRules(true), 2);
    EXPECT_EQ(summary.pricedWithoutRules(false), 1) << "a damaged charge counts even without rules";
    // Every call with its charge: the total is their sum, and nothing is counted.
    const QString kept = callOn(0, "10:00:00", "00:02:05", 4.2) + callOn(1, "09:00:00", "00:00:30", 2);
    const Summary all = SummarisePeriod(LogIndex(kept, ChargeIndex(charges)), kToday, 0, 1, 3,
                                        kBritish);
    EXPECT_EQ(all.totalPence, 28 + 16);
    EXPECT_EQ(all.pricedWithoutRules(true), 0);
}

// A data call's line shows its volume before its cost and the totals add its
// bytes; a minute call's line, a damaged bytes line's call and a summary
// without bytes read as they always have.
TEST(Summary, DataCallsShowTheirVolumeAndTheTotalsTheirBytes)
{
    const QString log = callOn(0, "10:00:00", "00:02:05", 0) + callOn(0, "11:00:00", "00:01:00", 2)
        + callOn(1, "09:00:00", "00:00:30", 0);
    const auto bytesLine = [](int daysAgo, const char *start, const char *duration, qint64 in,
                              qint64 out) {
        return (callBytesLine(logDateText(kToday.addDays(-daysAgo)), start, duration, in, out)
                + "\r\n").toLatin1();
    };
    const QByteArray bytes = bytesLine(0, "10:00:00", "00:02:05", 12000000, 345678)
        + bytesLine(1, "09:00:00", "00:00:30", 1000, 49000) + "06:12:2026  ,  11:00:00  ,  00:01:00  ,  x#\r\n";
    const Summary plain = summarise(log, 0, 1);
    const Summary summary =
        SummarisePeriod(LogIndex(log, {}, BytesIndex(bytes)), kToday, 0, 1, 3, kBritish);
    ASSERT_TRUE(summary.ok);
    const QStringList lines = summary.lines();
    EXPECT_EQ(lines[0], plain.lines()[0].replace(QStringLiteral("  =  "), QStringLiteral("  ,  12.3 MB  =  ")));
    EXPECT_EQ(lines[1], plain.lines()[1]);
    EXPECT_TRUE(lines[2].endsWith(QString::fromUtf8("  ,  0.1 MB  =  £0.00")));
    EXPECT_EQ(summary.dataCalls, 2);
    EXPECT_EQ(summary.totalReceived, 12001000);
    EXPECT_EQ(summary.totalSent, 394678);
    EXPECT_EQ(plain.dataCalls, 0);
    EXPECT_EQ(totalDataCaption(summary.totalReceived, summary.totalSent, summary.mbBytes, kBritish),
              "Total Data = 12.4 MB (12.0 MB received, 0.4 MB sent)");
    // Priced by volume, the volume stands in the price a minute's place;
    // in French the digits are the locale's.
    Summary priced = summary;
    priced.dataPriced = true;
    EXPECT_EQ(priced.line(0), plain.lines()[0].replace(QStringLiteral("  ,  00.00  =  "),
                                  QStringLiteral("  ,  12.3 MB by volume  =  ")));
    priced.regional = Regional(QLocale(QLocale::French, QLocale::France));
    EXPECT_TRUE(priced.line(2).contains(QStringLiteral("  ,  0,1 MB by volume  =  "))) << priced.line(2).toStdString();
    EXPECT_EQ(printedSummaryLines("h", {}, "c", "t").size(), 6) << "no data caption without data";
}

TEST(Summary, DateRangeInEitherOrderAndFutureDaysWhenTheLogHasThem)
{
    EXPECT_FALSE(periodOffsets(u"Date").has_value());
    const QDate from(2026, 11, 30), to(2026, 12, 4);
    for (const PeriodOffsets range :
        { dateRangeOffsets(from, to, kToday), dateRangeOffsets(to, from, kToday) }) {
        EXPECT_EQ(range.first, 2);
        EXPECT_EQ(range.last, 6);
    }
    const PeriodOffsets future = dateRangeOffsets(kToday.addDays(3), kToday, kToday);
    EXPECT_EQ(
        summarise(callOn(-2, "10:00:00", "00:01:00", 1), future.first, future.last).calls.size(),
        1u);
}

TEST(Summary, UnreadableRecordOfTheDayFailsWithAMessageAndNoKeyIsHalfADate)
{
    const QString good = callOn(0, "10:00:00", "00:01:00", 1);
    QString noHash = callOn(0, "11:00:00", "00:01:00", 1);
    noHash.chop(1);
    for (const QString &log : { good + noHash, good + logDateText(kToday) + "  ;  x#",
             good + logDateText(kToday) + ",,, 12#", good + logDateText(kToday) }) {
        const Summary summary = summarise(log, 0, 0);
        EXPECT_FALSE(summary.ok) << log.toStdString();
        EXPECT_TRUE(summary.error.contains("cannot be read"));
        EXPECT_TRUE(summary.calls.empty());
    }
    EXPECT_TRUE(summarise(good + noHash, 1, 5).ok) << "damage outside the period does not matter";
    // A record that lost its "#" runs on to the end of the next one.
    const Summary runOn = summarise(noHash + good, 0, 0);
    ASSERT_EQ(runOn.calls.size(), 1u);
    EXPECT_EQ(runOn.calls[0].record(), QStringView(noHash + good).chopped(1));
    const QString notDates = "06x12:2026  ,  10:00:00  ,  00:01:00  ,  01.00#"
                             "06:12x2026  ,  10:00:00  ,  00:01:00  ,  01.00#";
    EXPECT_EQ(summarise(good + notDates, 0, 0).calls.size(), 1u);
    // A key inside a record is part of it, not the start of another.
    const QString embedded
        = logDateText(kToday) + "  ,  " + logDateText(kToday) + "  ,  00:01:00  ,  01.00#";
    EXPECT_EQ(summarise(good + embedded, 0, 0).calls.size(), 2u);
}

TEST(Summary, RangeBeyondFourDigitYearsFailsWithAMessage)
{
    EXPECT_FALSE(summarise("", 0, 4'000'000).ok);
    EXPECT_FALSE(summarise("", -3'000'000, 0).ok);
    EXPECT_FALSE(summarise("", 5, 0).ok) << "a period that ends before it begins";
    EXPECT_TRUE(summarise("", 0, 40'000).ok); // wider than 16 bits is fine
}

TEST(Summary, TotalTimeCaptionPadsHoursAndMinutesButNotSeconds)
{
    const std::pair<qint64, const char *> times[] = { { 45, "00:00: 45" }, { 60, "00: 1: 0" },
        { 3725, " 1: 2: 5" }, { 3600, " 1:00: 0" }, { 100 * 3600 + 1, " 100:00: 1" } };
    for (const auto &[seconds, shown] : times)
        EXPECT_EQ(totalTimeCaption(seconds), QStringLiteral("Total Time = ") + shown);
}

} // namespace
