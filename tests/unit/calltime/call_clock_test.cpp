#include "support/rule_lines.h"
#include "support/call_rig.h"

using Field = CallClock::Field;
using CallClockTest = CallRigTest;

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
    scan(false);

    // The next call's first tick still shows the last call's cost.
    startAt(QTime(11, 0, 0));
    tickAt(QTime(11, 0, 1));
    EXPECT_EQ(tray.tips.last(), "Callwise Time=00:00:01 Cost=£0.06");
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
}

// A record holds "hh:mm:ss": at 99:59:59 the call is logged at that length
// and the link's time goes on as a new call, so no hour is lost or misread.
TEST_F(CallClockTest, ACallReaching100HoursIsLoggedAndANewOneGoesOn)
{
    chargeAllWeek("1", "0");
    clock.set(QDate(2026, 12, 5), QTime(23, 59, 30));
    scan(true);
    clock.set(QDate(2026, 12, 10), QTime(3, 59, 28));
    callClock.Timer2_Timer();
    EXPECT_EQ(shown(Field::LblDiffTime), "99:59:58");
    EXPECT_FALSE(dir.exists("netcosts.ini"));

    // The same weekday a week on is not the same day.
    clock.set(QDate(2026, 12, 12), QTime(23, 0, 0));
    callClock.Timer2_Timer();
    EXPECT_EQ(log(), "05:12:2026  ,  \r\n23:59:30  ,  \r\n99:59:59  ,  \r\n01.00#\r\n");
    EXPECT_EQ(shown(Field::LblStart), "03:59:29");
    EXPECT_EQ(shown(Field::LblDiffTime), "67:00:31");
    EXPECT_EQ(shown(Field::Label5), "£40.21");
    EXPECT_EQ(shown(Field::Label6), "Connected");

    EXPECT_EQ(journal(), "10:12:2026  ,  \r\n03:59:29  ,  \r\n67:00:31  ,  \r\n01.00#\r\n");
    scan(false);
    EXPECT_TRUE(log().endsWith("10:12:2026  ,  \r\n03:59:29  ,  \r\n67:00:31  ,  \r\n01.00#\r\n"));
}

// Ticks go on under a failed append's box; the new call's journal must not
// take the place of the record that did not reach the log.
TEST_F(CallClockTest, WhileALongCallsRecordFailsItsJournalKeepsThatRecord)
{
    chargeAllWeek("1", "0");
    startAt(QTime(10, 0, 0));
    tickAt(QTime(10, 0, 1));
    ASSERT_TRUE(QDir(dir.path()).mkdir("netcosts.ini"));
    QByteArray underTheBox;
    prompter.whileMessageOpen([&] {
        clock.advance(60);
        callClock.Timer2_Timer();
        underTheBox = journal();
    });
    clock.set(QDate(2026, 12, 9), QTime(14, 0, 0));
    callClock.Timer2_Timer();
    EXPECT_EQ(prompter.messages, QStringList{"File Save ERROR"});
    EXPECT_EQ(underTheBox.toStdString(),
              "05:12:2026  ,  \r\n10:00:00  ,  \r\n99:59:59  ,  \r\n01.00#\r\n");
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

// Idle, the clock does not tick. A call that starts in the first minute of
// a day, where no band applies yet, still carries the fee the last band of
// the day before left; one that ends before its first tick shows and logs
// its own time, not the last call's.
TEST_F(CallClockTest, ACallStartedAfterIdleHoursAndEndedBeforeItsFirstTick)
{
    for (int day = 0; day < TariffTable::kDays; ++day) {
        for (auto [band, start, fee] : {std::tuple{0, "00:00", "1"}, {1, "08:00", "4.2"},
                                        {2, "18:00", "1.5"}}) {
            tariff.setBandStart(day, band, start);
            tariff.setFee(day, band, fee);
        }
    }
    tariff.setMinConnectTime("0");
    startAt(QTime(10, 0, 0));
    tickAt(QTime(10, 5, 1));
    scan(false);
    clock.set(QDate(2026, 12, 6), QTime(0, 0, 30));
    scan(true);
    scan(false);
    EXPECT_TRUE(log().endsWith("06:12:2026  ,  \r\n00:00:30  ,  \r\n00:00:00  ,  \r\n01.50#\r\n"));
    EXPECT_EQ(shown(Field::LblDiffTime), "00:00:00");
    EXPECT_EQ(shown(Field::Label5), "£0.02"); // a minute begun at 1.5p, to the even penny
    EXPECT_EQ(tray.tips.last(), "Callwise Time=00:00:00 Cost=£0.25");
}

// The journal holds, from the start and never more than 10 s behind,
// the record the log gets when the call ends, and goes when it has.
TEST_F(CallClockTest, TheJournalFollowsTheCallAndGoesWhenItIsLogged)
{
    chargeAllWeek("2", "0");
    startAt(QTime(21, 14, 3));
    EXPECT_EQ(journal(), "05:12:2026  ,  \r\n21:14:03  ,  \r\n00:00:00  ,  \r\n02.00#\r\n");
    for (int s = 1; s <= 120; ++s) {
        tickAt(QTime(21, 14, 3).addSecs(s));
        const QTime journalled = QTime::fromString(journal().mid(32, 8), u"HH:mm:ss");
        const int behind = s - QTime(0, 0).secsTo(journalled);
        ASSERT_TRUE(behind >= 0 && behind < 10) << s;
    }
    const QByteArray atTwoMinutes = journal();
    EXPECT_TRUE(atTwoMinutes.contains("00:02:00  ,  \r\n02.00#"));
    scan(false);
    EXPECT_EQ(log(), atTwoMinutes);
    EXPECT_FALSE(dir.exists("callnow.ini"));
}

// With rules the running cost is theirs, and the charge shown at the end is
// kept beside the log, after the record, the journal holding it till then.
TEST_F(CallClockTest, UnderRulesTheChargeShownIsKeptBesideTheRecord)
{
    chargeAllWeek("2", "0");
    startAt(QTime(9, 0, 0));
    tickAt(QTime(9, 0, 30));
    scan(false);
    EXPECT_EQ(shown(Field::Label5), QString::fromUtf8("£0.02"));
    EXPECT_EQ(charges(), "") << "none without rules";

    rules.feePerCallPence = 15;
    const QByteArray record = "05:12:2026  ,  \r\n21:14:03  ,  \r\n00:05:01  ,  \r\n02.00#\r\n";
    startAt(QTime(21, 14, 3));
    EXPECT_TRUE(journal().endsWith("02.00#\r\n05:12:2026  ,  21:14:03  ,  00:00:00  ,  17#\r\n"));
    for (int s = 1; s <= 301; ++s)
        tickAt(QTime(21, 14, 3).addSecs(s));
    EXPECT_EQ(shown(Field::Label5), QString::fromUtf8("£0.27")); // 6 minutes begun at 2p, and 15p
    scan(false);
    EXPECT_TRUE(log().endsWith(record));
    EXPECT_EQ(charges(), "05:12:2026  ,  21:14:03  ,  00:05:01  ,  27#\r\n");
    EXPECT_FALSE(dir.exists("callnow.ini"));

    // The system's stop logs the call timed so far, and its charge.
    callClock.start();
    startAt(QTime(22, 0, 0));
    tickAt(QTime(22, 0, 59));
    callClock.stop(CallClock::CallAtStop::Log);
    EXPECT_TRUE(charges().endsWith("05:12:2026  ,  22:00:00  ,  00:00:59  ,  17#\r\n"));
}

TEST_F(CallClockTest, AJournalThatCannotBeWrittenIsTriedAgainUnseen)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("callnow.ini"));
    startAt(QTime(10, 0, 0));
    ASSERT_TRUE(QDir(dir.path()).rmdir("callnow.ini"));
    tickAt(QTime(10, 0, 1)); // at the next tick, not 10 s on
    EXPECT_TRUE(journal().contains("00:00:01"));
    scan(false);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_TRUE(log().contains("00:00:01"));
}

// The user's exit drops the call; the system's logs it, and keeps it in the
// journal, without a box, when the log cannot take it.
TEST_F(CallClockTest, StoppingWhileTimingDropsOrLogsTheCall)
{
    const QByteArray record = "05:12:2026  ,  \r\n11:00:00  ,  \r\n00:05:00  ,  \r\n00.00#\r\n";
    callClock.start();
    startAt(QTime(11, 0, 0));
    tickAt(QTime(11, 5, 0));
    callClock.stop(CallClock::CallAtStop::Log);
    callClock.stop(CallClock::CallAtStop::Log);
    EXPECT_EQ(log(), record);
    EXPECT_FALSE(dir.exists("callnow.ini"));
    EXPECT_EQ(shown(Field::Label6), "Not Connected");

    callClock.start();
    startAt(QTime(12, 0, 0));
    tickAt(QTime(12, 5, 0));
    callClock.stop();
    EXPECT_EQ(log(), record);
    EXPECT_FALSE(dir.exists("callnow.ini"));

    ASSERT_TRUE(QFile::remove(logPath()) && QDir(dir.path()).mkdir("netcosts.ini"));
    callClock.clearFlags(); // as a new start of the program
    callClock.start();
    startAt(QTime(11, 0, 0));
    tickAt(QTime(11, 5, 0));
    callClock.stop(CallClock::CallAtStop::Log);
    EXPECT_EQ(journal(), record);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

// With rules by time the fee in force, shown and logged, is the rule's: an
// "after" rule's from that far into the call, the lookup's where none is.
TEST_F(CallClockTest, UnderRulesByTimeTheFeeInForceIsTheRules)
{
    chargeAllWeek("2", "0");
    rules.timeRules = timeRulesOf({ "Sat 21:00-21:59 0.5 a minute",
        "Sat 21:00-21:59 10 per 120 s after 2 min" });
    priceAsSet();
    clock.set(clock.now().date(), QTime(20, 59, 0));
    EXPECT_EQ(callClock.feeNow(), 2.0);
    startAt(QTime(21, 0, 0));
    EXPECT_EQ(callClock.costnow, 0.5);
    tickAt(QTime(21, 1, 59));
    EXPECT_EQ(callClock.costnow, 0.5);
    tickAt(QTime(21, 2, 0));
    EXPECT_EQ(callClock.costnow, 5.0);
    EXPECT_EQ(shown(Field::Label5), QString::fromUtf8("£0.01")); // no unit begun at 120 s yet
    tickAt(QTime(21, 2, 1));
    EXPECT_EQ(shown(Field::Label5), QString::fromUtf8("£0.11")); // 2 minutes at 0.5p, 10p a unit
    scan(false);
    EXPECT_TRUE(log().endsWith("00:02:01  ,  \r\n05.00#\r\n"));
    EXPECT_EQ(callClock.feeNow(), 0.5) << "idle: no call's elapsed time";
    tickAt(QTime(22, 0, 0));
    EXPECT_EQ(callClock.costnow, 2.0);
}
