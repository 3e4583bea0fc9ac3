#include "alerts/data_month.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 MB = kDecimalMb;
const QDate kToday(2026, 12, 9); // a Wednesday

DataSession at(QDate day, qint64 mb, int hour = 12)
{
    return { day, hour * 3600, 600, mb * MB, 0 };
}

// Every day since the first: 1 MB a weekday, 10 MB a day at weekends.
std::vector<DataSession> weeklyHabit(QDate first)
{
    std::vector<DataSession> sessions;
    for (QDate day = first; day < kToday; day = day.addDays(1))
        sessions.push_back(at(day, day.dayOfWeek() >= 6 ? 10 : 1));
    return sessions;
}

// Each day of December to the 8th: 5 MB.
std::vector<DataSession> fivePerDay()
{
    std::vector<DataSession> sessions;
    for (int day = 1; day <= 8; ++day)
        sessions.push_back(at(QDate(2026, 12, day), 5));
    return sessions;
}

template <typename... More>
std::vector<DataSession> with(std::vector<DataSession> sessions, More... more)
{
    (sessions.push_back(more), ...);
    return sessions;
}

DataTariff allowance(qint64 mb, int startDay = 1)
{
    DataTariff tariff;
    for (auto &day : tariff.bands) {
        day[0] = { QStringLiteral("07:59"), 10.0 };
        day[1] = { QStringLiteral("19:59"), 0.0 }; // free nights
    }
    tariff.allowanceMb = mb;
    tariff.billStartDay = startDay;
    return tariff;
}

// Months worked by hand. December 9th to 31st is 23 days, today included.
TEST(DataMonth, UsedLeftBudgetAndRunOutAsWorkedByHand)
{
    const struct
    {
        const char *what;
        DataTariff tariff;
        std::vector<DataSession> sessions;
        qint64 usedMb, leftMb;
        int daysLeft;
        std::optional<QDate> runsOut;
    } months[] = {
        // 58 MB left at 5 a day from the 10th: 55 by the 20th, 60 by the 21st.
        { "an even pace", allowance(100),
            with(fivePerDay(), at(kToday, 2), at(kToday, 50, 23), at({ 2026, 11, 30 }, 5)), 42, 58,
            23, QDate(2026, 12, 21) },
        // 26 used; 74 left at 1 a weekday and 10 a weekend day from Thursday the 10th.
        { "a weekly habit", allowance(100), weeklyHabit({ 2026, 10, 1 }), 26, 74, 23,
            QDate(2026, 12, 29) },
        { "lasting the month", allowance(1000), weeklyHabit({ 2026, 10, 1 }), 26, 974, 23, {} },
        { "used up on the 3rd", allowance(100),
            { at({ 2026, 12, 1 }, 60), at({ 2026, 12, 3 }, 50) }, 110, 0, 23, QDate(2026, 12, 3) },
        { "under a week of calls to pace by", allowance(100), { at({ 2026, 12, 5 }, 90) }, 90, 10,
            23, {} },
        { "a bill from the 15th", allowance(100, 15),
            { at({ 2026, 11, 14 }, 30), at({ 2026, 11, 20 }, 20) }, 20, 80, 6, {} },
        { "no allowance", allowance(0), fivePerDay(), 40, 0, 23, {} },
    };
    for (const auto &m : months) {
        const DataMonth month = dataMonthOf(m.sessions, DataPricer(m.tariff), kToday);
        EXPECT_EQ(month.usedBytes, m.usedMb * MB) << m.what;
        EXPECT_EQ(month.leftBytes, m.leftMb * MB) << m.what;
        EXPECT_EQ(month.daysLeft, m.daysLeft) << m.what;
        EXPECT_DOUBLE_EQ(month.dailyBudgetBytes, double(m.leftMb * MB) / m.daysLeft) << m.what;
        EXPECT_EQ(month.runsOut, m.runsOut) << m.what;
        EXPECT_EQ(month.usedUp, m.tariff.hasAllowance() && m.leftMb == 0) << m.what;
    }
}

// The call in progress counts as though logged; one that crossed the bill's
// start on the 1st falls on each side by the bytes kept at it: 0.9 MB of its
// 2 MB in the old month, the rest in the new.
TEST(DataMonth, TheCallInProgressCountsAndASplitCallFallsOnEachSide)
{
    DataTariff every; // no bands: every byte counts
    every.allowanceMb = 100;
    const DataSession whole { { 2026, 12, 31 }, 86395, 8, 2 * MB, 0 };
    const std::vector<DataSession> parts = splitSession(whole, SessionSplit { 5, 900000, 0 });
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[1].startDate, QDate(2027, 1, 1));
    EXPECT_EQ(std::tuple(parts[1].startSecond, parts[1].seconds, parts[1].received),
        std::tuple(0, qint64(3), qint64(1100000)));
    EXPECT_EQ(splitSession(whole, std::nullopt).size(), 1u);
    const struct
    {
        QDate today;
        std::vector<DataSession> logged, running;
        qint64 usedBytes;
    } cases[] = {
        { kToday, fivePerDay(), { at(kToday, 20) }, 60 * MB },
        { kToday, fivePerDay(), {}, 40 * MB },
        { { 2026, 12, 31 }, {}, { parts[0] }, 900000 },
        { { 2027, 1, 1 }, parts, {}, 1100000 },
        { { 2027, 1, 1 }, {}, parts, 1100000 },
    };
    const DataPricer pricer(every);
    for (const auto &c : cases) {
        EXPECT_EQ(dataMonthOf(dataDaysOf(c.logged, pricer, c.today), pricer, c.today, c.running)
                      .usedBytes,
            c.usedBytes)
            << c.today.toString().toStdString();
    }
}

TEST(DataMonth, EachWarningIsDueOnceABillMonth)
{
    const struct
    {
        qint64 usedMb;
        int level;
        DataWarnings given, due;
    } cases[] = {
        { 79, 80, {}, {} },
        { 80, 80, {}, { true, false } },
        { 90, 80, { true, false }, {} },
        { 50, 50, {}, { true, false } },
        { 100, 80, { true, false }, { false, true } },
        { 120, 80, {}, { true, true } },
        { 120, 80, { true, true }, {} },
    };
    for (const auto &c : cases)
        EXPECT_EQ(dueDataWarnings(c.usedMb * MB, 100 * MB, c.level, c.given), c.due) << c.usedMb;
    EXPECT_EQ(dueDataWarnings(500 * MB, 0, 80, {}), DataWarnings {}); // no allowance
}

} // namespace
