#include "alerts/forecast.h"
#include "calllog/call_log.h"

#include <gtest/gtest.h>

namespace {

const Regional kBritish(QLocale(QLocale::English, QLocale::UnitedKingdom));

TEST(BillMonth, RunsFromTheStartDayToTheDayBeforeTheNextAcrossMonthsAndYears)
{
    struct Case { QDate today; int startDay; QDate first, last; };
    const Case cases[] = {
        {{2026, 12, 7}, 1, {2026, 12, 1}, {2026, 12, 31}},
        {{2026, 12, 7}, 15, {2026, 11, 15}, {2026, 12, 14}},
        {{2026, 12, 15}, 15, {2026, 12, 15}, {2027, 1, 14}},
        {{2027, 1, 3}, 28, {2026, 12, 28}, {2027, 1, 27}},
        {{2026, 3, 1}, 28, {2026, 2, 28}, {2026, 3, 27}},
        {{2026, 12, 7}, 31, {2026, 12, 1}, {2026, 12, 31}}, // not offered: the 1st
    };
    for (const Case &c : cases) {
        const BillMonth bill = billMonthOf(c.today, c.startDay);
        EXPECT_EQ(std::pair(bill.first, bill.last), std::pair(c.first, c.last)) << c.startDay;
    }
}

class ForecastTest : public ::testing::Test
{
protected:
    const QDate today{2026, 12, 9}; // a Wednesday
    QString log;
    MonthlyFee fee;

    // A call of whole minutes at 1p a minute, so it costs its minutes.
    void callOn(QDate day, int minutes)
    {
        log += callRecordLines(logDateText(day), QTime(0, minutes).toString(u"hh:mm:ss"),
                               QStringLiteral("10:00:00"), 1).join(u"");
    }
    auto forecast(int startDay)
    {
        return forecastBill(LogIndex(log), today, billMonthOf(today, startDay), 0, kBritish, fee);
    }
};

TEST_F(ForecastTest, AWeekOfLogThenSpentSinceTheBillsFirstDayPlusEachWeekdaysEightWeekAverage)
{
    callOn(today.addDays(-6), 0);
    EXPECT_FALSE(forecast(1));
    callOn({2026, 9, 30}, 59); // a Wednesday nine weeks back: too old to count
    for (int week = 1; week <= 8; ++week)
        callOn(today.addDays(-7 * week + 1), week); // Thursdays: 1 to 8 minutes
    callOn({2026, 12, 5}, 40); // Saturday, before the bill's first day
    callOn({2026, 12, 7}, 10);
    callOn(today, 3);

    const auto f = forecast(7);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->spentPence, 13);
    ASSERT_EQ(f->days.size(), 28u); // 10 Dec to 6 Jan
    EXPECT_EQ(f->days.front().day, QDate(2026, 12, 10));
    EXPECT_DOUBLE_EQ(f->days.front().pence, 4.5); // Thursdays
    EXPECT_DOUBLE_EQ(f->days[2].pence, 5); // Saturdays: 40p over eight
    EXPECT_DOUBLE_EQ(f->days[1].pence, 0); // Fridays
    EXPECT_DOUBLE_EQ(f->restPence, 4 * 4.5 + 4 * 5 + 4 * 10.0 / 8);
    EXPECT_EQ(f->expectedPence(7), 13 + 7 + 43);

    // The bundle's fee on its own day: spent once due, else expected on it.
    for (const auto &[startDay, spent, rest] : {std::tuple(7, 13 + 500, 0), {9, 13 + 500, 0},
             {10, 13, 500}, {6, 13, 500}}) {
        fee = { 500, startDay };
        const auto withFee = forecast(7);
        ASSERT_TRUE(withFee);
        EXPECT_EQ(withFee->spentPence, spent) << startDay;
        EXPECT_DOUBLE_EQ(withFee->restPence, f->restPence + rest) << startDay;
    }
}

} // namespace
