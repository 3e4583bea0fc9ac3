#include "call_clock_fixture.h"

namespace {

using Field = CallClock::Field;

TEST_F(CallClockTest, StartingACallShowsItsStartAndConnectedInRedButNoElapsedTime)
{
    QList<Field> changes;
    QObject::connect(&callClock, &CallClock::textChanged, &callClock,
        [&](Field field) { changes.append(field); });
    startAt(QTime(21, 14, 3));
    EXPECT_EQ(callClock.startday, "Saturday");
    EXPECT_EQ(callClock.startdate, "05:12:2026");
    EXPECT_EQ(shown(Field::LblStart), "21:14:03");
    EXPECT_EQ(shown(Field::Label6), "Connected");
    EXPECT_EQ(callClock.label6Colour(), 255);
    EXPECT_TRUE(changes.contains(Field::LblStart) && changes.contains(Field::Label6));
    EXPECT_FALSE(changes.contains(Field::LblDiffTime));
    EXPECT_TRUE(shown(Field::LblDiffTime).isEmpty()) << "set by the first tick, not the start";
}

TEST_F(CallClockTest, ChargeReadsWholeMinutesBegunOrTheMinimumAndTheTipLagsOneTick)
{
    chargeAllWeek("2", "0");
    startAt(QTime(10, 0, 0));
    tickAt(QTime(10, 0, 1));
    EXPECT_EQ(shown(Field::LblDiffTime), "00:00:01");
    EXPECT_EQ(callClock.costnow, 2.0);
    EXPECT_EQ(shown(Field::Label5), "£0.02");
    EXPECT_EQ(tray.tips, QStringList { "Callwise Time=00:00:01 Cost=" });

    tariff.setMinConnectTime("3");
    tickAt(QTime(10, 0, 2));
    EXPECT_EQ(shown(Field::Label5), "£0.06");
    tickAt(QTime(10, 2, 10));
    EXPECT_EQ(shown(Field::Label5), "£0.06");
    EXPECT_EQ(tray.tips.last(), "Callwise Time=00:02:10 Cost=£0.06");
    tariff.setFee(5, 0, "1.5");
    tickAt(QTime(10, 3, 10));
    EXPECT_EQ(shown(Field::Label5), "£0.06") << "4 minutes at 1.5p is 6p";
    scan(false);

    // The next call's first tick still shows the last call's cost.
    startAt(QTime(11, 0, 0));
    tickAt(QTime(11, 0, 1));
    EXPECT_EQ(tray.tips.last(), "Callwise Time=00:00:01 Cost=£0.06");
}

TEST(TrayTip, KeepsAtMost63Characters)
{
    RecordingTray tray;
    tray.SetTrayTip(QString(70, u'x'));
    tray.SetTrayTip("short");
    EXPECT_EQ(tray.tips, QStringList({ QString(63, u'x'), "short" }));
}

TEST_F(CallClockTest, ElapsedTimeAcrossMidnightAndDaysAndNeverBackwards)
{
    chargeAllWeek("1", "0");
    clock.set(QDate(2026, 12, 5), QTime(23, 59, 30));
    scan(true);
    clock.set(QDate(2026, 12, 6), QTime(0, 0, 30));
    callClock.Timer2_Timer();
    EXPECT_EQ(shown(Field::LblDiffTime), "00:01:00");
    tickAt(QTime(0, 0, 0)); // the clock set back
    EXPECT_EQ(shown(Field::LblDiffTime), "00:01:00");
    tickAt(QTime(0, 1, 0));
    EXPECT_EQ(shown(Field::LblDiffTime), "00:02:00");

    // The same weekday a week on is not the same day.
    clock.set(QDate(2026, 12, 12), QTime(23, 0, 0));
    callClock.Timer2_Timer();
    EXPECT_EQ(shown(Field::LblDiffTime), "167:01:00");
    EXPECT_EQ(shown(Field::Label5), "£100.22") << "hours read whole, not by their first two digits";
}

TEST_F(CallClockTest, AWholeCallAppendsItsShownTextsAndTheFeeOfTheLastTick)
{
    chargeAllWeek("2", "3");
    startAt(QTime(21, 14, 3));
    for (int s = 1; s <= 301; ++s)
        tickAt(QTime(21, 14, 3).addSecs(s));
    tariff.setFee(5, 0, "9"); // a later fee that no tick has seen
    scan(false);
    EXPECT_EQ(log(), "05:12:2026  ,  \r\n21:14:03  ,  \r\n00:05:01  ,  \r\n02.00#\r\n");
    EXPECT_EQ(shown(Field::Label6), "Not Connected");
    EXPECT_EQ(callClock.label6Colour(), 0);

    // Idle: the date goes on, the last call stays on show.
    tickAt(QTime(21, 30, 0));
    EXPECT_EQ(shown(Field::Label4), "Saturday, Dec 5 2026  21:30:00");
    EXPECT_EQ(shown(Field::LblStart), "21:14:03");
    EXPECT_EQ(shown(Field::LblDiffTime), "00:05:01");
    EXPECT_EQ(shown(Field::Label5), "£0.12");
}

} // namespace
