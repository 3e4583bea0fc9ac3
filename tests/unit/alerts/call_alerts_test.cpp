#include "support/call_rig.h"

namespace {

// A call's record as the log holds it.
QByteArray record(const char *date, const char *duration, const char *fee)
{
    return QByteArray(date) + "  ,  \r\n09:00:00  ,  \r\n" + duration + "  ,  \r\n" + fee + "#\r\n";
}

class CallAlertsTest : public CallRigTest
{
protected:
    CallAlertsTest() { chargeAllWeek("2.00", "0"); }

    void choose(const QByteArray &lines)
    {
        dir.write("alerts.ini", lines);
        alerts.load();
    }

    // A call of whole minutes, ticked second by second as the timer would.
    void call(int minutes)
    {
        scan(true);
        for (int second = 0; second < minutes * 60; ++second) {
            clock.advance(1);
            callClock.Timer2_Timer();
            QCoreApplication::processEvents();
        }
        scan(false);
    }
};

struct Speaking
{
    const char *choices;
    int minutes;
    QStringList said;
};

class SpeakingTest : public CallAlertsTest, public testing::WithParamInterface<Speaking>
{
};

// Every begun minute is charged: at 00:05:00 six minutes at 2p.
TEST_P(SpeakingTest, SaysTheCostShownAtEachMultipleOfTheInterval)
{
    choose(GetParam().choices);
    call(GetParam().minutes);
    EXPECT_EQ(speaker.said, GetParam().said);
    EXPECT_TRUE(balloons.isEmpty());
}

const Speaking kSpeaking[] = {
    { "0\r\n\r\n\r\n", 11, {} },
    { "1\r\n\r\n\r\n", 3,
        { "One minute, four pence.", "Two minutes, six pence.", "Three minutes, eight pence." } },
    { "5\r\n\r\n\r\n", 11, { "Five minutes, twelve pence.", "Ten minutes, twenty-two pence." } },
    { "15\r\n\r\n\r\n", 61,
        { "Fifteen minutes, thirty-two pence.", "Thirty minutes, sixty-two pence.",
            "Forty-five minutes, ninety-two pence.", "One hour, one pound twenty-two." } },
};

INSTANTIATE_TEST_SUITE_P(Rows, SpeakingTest, testing::ValuesIn(kSpeaking));

TEST_F(CallAlertsTest, WarnsOnceAMonthWhenTheLoggedAndRunningCostPassTheLimit)
{
    // 50p logged this month (10 minutes at 5p); November's call does not count.
    dir.write("netcosts.ini",
        record("30:11:2026", "00:20:00", "05.00") + record("01:12:2026", "00:10:00", "05.00"));
    choose("5\r\n100\r\n\r\n");
    call(30); // passes at 00:25:00, when 26 minutes at 2p make 102p in all
    const QString warning = "This month's calls have cost £1.02, past your limit of £1.00.";
    EXPECT_EQ(balloons, QStringList { warning });
    EXPECT_EQ(speaker.said.filter("limit"),
        QStringList {
            "This month's calls have cost one pound two, past your limit of one pound." });
    EXPECT_EQ(dir.read("alerts.ini"), "5\r\n100\r\n12:2026\r\n");

    {
        // A restart keeps December warned.
        CallAlerts restarted { { clock, regional, speaker,
                                   [this](const QString &t) { balloons << t; }, [] { return 0.0; },
                                   dir.file("netcosts.ini"), dir.file("alerts.ini") }, callClock };
        restarted.load();
        call(5);
        EXPECT_EQ(balloons.size(), 1);
    }

    // A new month warns again, from its own calls only.
    clock.set(QDate(2027, 1, 2), QTime(10, 0, 0));
    call(51);
    EXPECT_EQ(balloons.value(1), "This month's calls have cost £1.02, past your limit of £1.00.");
}

TEST_F(CallAlertsTest, ACallCountsInTheMonthItBegan)
{
    clock.set(QDate(2026, 11, 30), QTime(23, 55, 0));
    choose("0\r\n20\r\n\r\n");
    call(15); // 22p at 00:05 on 1 December, but logged as November's
    EXPECT_TRUE(balloons.isEmpty());
}

// Without a speech engine the balloon still comes.
TEST_F(CallAlertsTest, ALimitRaisedAboveTheSpendingArmsTheWarningAgain)
{
    speaker.available = false;
    dir.write("netcosts.ini", record("02:12:2026", "00:55:00", "02.00")); // 110p
    choose("0\r\n100\r\n12:2026\r\n");
    EXPECT_EQ(alerts.monthSpending(), 110);
    EXPECT_TRUE(alerts.apply(0, 105).ok); // lowered, still warned this month
    EXPECT_TRUE(balloons.isEmpty());
    alerts.apply(0, 200);
    EXPECT_EQ(dir.read("alerts.ini"), "0\r\n200\r\n\r\n");
    alerts.apply(1, 100);
    EXPECT_EQ(
        balloons, QStringList { "This month's calls have cost £1.10, past your limit of £1.00." });
    QCoreApplication::processEvents();
    EXPECT_TRUE(speaker.said.isEmpty());
}

TEST_F(CallAlertsTest, AnUnreadableChoicesFileMeansNoAlerts)
{
    for (const char *bad : { "7\r\n10\r\n\r\n", "1\r\nten\r\n\r\n", "1\r\n-5\r\n\r\n",
             "1\r\n10\r\n13:2026\r\n", "1\r\n" }) {
        choose(bad);
        EXPECT_EQ(alerts.choices(), AlertChoices {}) << bad;
    }
    call(2);
    QDir(dir.path()).remove("alerts.ini");
    QDir(dir.path()).mkdir("alerts.ini"); // a directory where the file should be
    alerts.load();
    EXPECT_FALSE(alerts.apply(1, 5).ok);
    call(2);
    EXPECT_EQ(balloons.size(), 1); // the choices hold for the run
    EXPECT_EQ(speaker.said.size(), 3);
}

} // namespace
