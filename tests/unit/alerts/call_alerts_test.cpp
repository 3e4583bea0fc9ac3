#include "calllog/call_bytes.h"
#include "calllog/call_log.h"
#include "support/call_rig.h"

namespace {

class CallAlertsTest : public CallRigTest
{
protected:
    CallAlertsTest() { chargeAllWeek("2.00", "0"); priceAsSet(); }

    void choose(const QByteArray &lines)
    {
        dir.write("alerts.ini", lines);
        priceAsSet(); // the tariff is read before the choices, as at start-up
        alerts.load();
    }
    void log(QDate day, int minutes, double fee = 1)
    {
        appendLines(logPath(), callRecordLines(logDateText(day),
                                   QTime(0, minutes).toString(u"hh:mm:ss"), "09:00:00", fee));
    }
    // 10p a day from 21 November to 4 December: a forecast of 10p a day.
    void logTwoWeeks()
    {
        for (QDate day(2026, 11, 21); day < QDate(2026, 12, 5); day = day.addDays(1))
            log(day, 10);
    }
    // The ticks of a call of whole minutes, second by second as the timer
    // gives them.
    void talk(int minutes)
    {
        for (int second = 0; second < minutes * 60; ++second) {
            clock.advance(1);
            callClock.Timer2_Timer();
            QCoreApplication::processEvents();
        }
    }
    // The forecast is weighed after a call's end or the start-up; its speech
    // and save come after that.
    static void settle() { for (int i = 0; i < 2; ++i) QCoreApplication::processEvents(); }
    void call(int minutes) { scan(true); talk(minutes); scan(false); settle(); }
};

// Every begun minute is charged: at 00:05:00 six minutes at 2p.
TEST_F(CallAlertsTest, SaysTheCostShownAtEachMultipleOfTheInterval)
{
    struct Case { const char *choices; int minutes; QStringList said; };
    const Case cases[] = {
        {"0\r\n\r\n\r\n", 11, {}},
        {"1\r\n\r\n\r\n", 3,
            {"One minute, four pence.", "Two minutes, six pence.", "Three minutes, eight pence."}},
        {"5\r\n\r\n\r\n", 11, {"Five minutes, twelve pence.", "Ten minutes, twenty-two pence."}},
        {"15\r\n\r\n\r\n", 61,
            {"Fifteen minutes, thirty-two pence.", "Thirty minutes, sixty-two pence.",
                "Forty-five minutes, ninety-two pence.", "One hour, one pound twenty-two."}},
    };
    for (const Case &c : cases) {
        speaker.said.clear();
        choose(c.choices);
        call(c.minutes);
        EXPECT_EQ(speaker.said, c.said) << c.choices;
    }
}

TEST_F(CallAlertsTest, WarnsOnceAMonthWhenTheLoggedAndRunningCostPassTheLimit)
{
    // 50p logged this month (10 minutes at 5p); November's call does not count.
    log({2026, 11, 30}, 20, 5);
    log({2026, 12, 1}, 10, 5);
    choose("5\r\n100\r\n\r\n");
    call(30); // passes at 00:25:00, when 26 minutes at 2p make 102p in all
    EXPECT_EQ(balloons,
        QStringList { "This month's calls have cost £1.02, past your limit of £1.00." });
    EXPECT_EQ(urgencies, QList { Urgency::Critical });
    EXPECT_EQ(speaker.said.filter("limit"), QStringList { "This month's calls have cost one pound "
                                                          "two, past your limit of one pound." });
    EXPECT_EQ(dir.read("alerts.ini"), "5\r\n100\r\n01:12:2026\r\n1\r\n\r\n0\r\n0\r\n");

    alerts.load(); // as at a restart, which keeps December warned
    call(5);
    EXPECT_EQ(balloons.size(), 1);

    // A new month warns again, from its own calls only.
    clock.set(QDate(2027, 1, 2), QTime(10, 0, 0));
    call(51);
    EXPECT_EQ(balloons.value(1), "This month's calls have cost £1.02, past your limit of £1.00.");
}

// The bill's month counts from its start day, and the data bundle's fee
// (netdata.ini's line 58, from its line 59's day) once in it from its day.
TEST_F(CallAlertsTest, CountsTheSpendingAndTheBundleFeeFromTheBillsStartDay)
{
    const auto bundle = [](const char *fee, int day) {
        return QByteArray("\r\n").repeated(56) + "1\r\n" + fee + "\r\n"
            + QByteArray::number(day) + "\r\n10.00\r\n";
    };
    const struct
    {
        int startDay;
        QDate today;
        QByteArray data; // netdata.ini
        std::optional<qint64> limit;
        qint64 pence;
        bool warned;
    } cases[] = {
        {1, {2026, 12, 5}, {}, {}, 16 + 32, false}, {15, {2026, 12, 5}, {}, {}, 4 + 8 + 16 + 32, false},
        {28, {2026, 12, 5}, {}, {}, 8 + 16 + 32, false}, {2, {2026, 12, 1}, {}, {}, 2 + 4 + 8 + 16, false},
        {15, {2026, 11, 14}, {}, {}, 1 + 2, false}, {15, {2026, 12, 15}, {}, {}, 0, false},
        {15, {2026, 12, 15}, bundle("1000", 15), {}, 1000, false}, // the fee alone
        {1, {2026, 12, 5}, bundle("999.5", 1), {}, 16 + 32 + 1000, false},
        {1, {2026, 12, 5}, bundle("1000", 6), {}, 16 + 32, false}, // due tomorrow
        {15, {2026, 12, 5}, bundle("1000", 1), {}, 4 + 8 + 16 + 32 + 1000, false},
        // A call priced by its data, 45p beyond the allowance, and the fee.
        {15, {2026, 12, 16}, bundle("1000", 15), {}, 45 + 1000, false},
        {15, {2026, 12, 16}, {}, 1000, 45, false},
        {15, {2026, 12, 16}, bundle("1000", 15), 1000, 45 + 1000, true}, // past by the fee
    };
    for (const auto &[day, pence] : {std::pair(QDate(2026, 11, 1), 1), {{2026, 11, 14}, 2},
             {{2026, 11, 15}, 4}, {{2026, 11, 30}, 8}, {{2026, 12, 1}, 16}, {{2026, 12, 5}, 32}})
        log(day, pence);
    log({2026, 12, 16}, 1);
    dir.write("netcharges.ini", "16:12:2026  ,  09:00:00  ,  00:01:00  ,  45#\r\n");
    for (const auto &c : cases) {
        clock.set(c.today, QTime(10, 0));
        if (c.data.isEmpty())
            QFile::remove(dir.file("netdata.ini"));
        else
            dir.write("netdata.ini", c.data);
        priceAsSet();
        balloons.clear();
        alerts.apply(0, c.limit, c.startDay, {});
        EXPECT_EQ(alerts.monthSpending(), c.pence) << c.startDay << ' ' << c.today.day();
        EXPECT_EQ(!balloons.isEmpty(), c.warned) << c.today.day() << ' ' << balloons.join('|').toStdString();
    }
    QFile::remove(dir.file("netdata.ini"));
    // A call counts in the bill's month it began in, as its record will.
    clock.set(QDate(2026, 12, 14), QTime(23, 55));
    alerts.apply(0, std::nullopt, 15, {});
    scan(true); talk(4); // 10p
    EXPECT_EQ(alerts.monthSpending(), 4 + 8 + 16 + 32 + 10);
    talk(2);
    EXPECT_EQ(alerts.monthSpending(), 0);
}

// Weighed once start-up is over: a bill from the 15th has 140p spent and
// 9 days of 10p to come, one from the 1st 40p and 26 days.
TEST_F(CallAlertsTest, WeighsTheForecastAgainstTheLimitAtStartUp)
{
    const struct { const char *choices, *balloon; } cases[] = {
        {"0\r\n200\r\n\r\n15\r\n\r\n", "will cost £2.30, past your limit of £2.00."},
        {"0\r\n200\r\n\r\n15\r\n15:11:2026\r\n", nullptr}, // given this month
        {"0\r\n200\r\n\r\n15\r\n15:10:2026\r\n", "will cost £2.30, past your limit of £2.00."},
        {"0\r\n230\r\n\r\n15\r\n\r\n", nullptr},
        {"0\r\n130\r\n\r\n15\r\n\r\n", "This month's calls have cost £1.40, past your limit of £1.30."},
        {"0\r\n\r\n\r\n15\r\n\r\n", nullptr},
        {"0\r\n200\r\n\r\n", "will cost £3.00, past your limit of £2.00."},
    };
    logTwoWeeks();
    for (const auto &c : cases) {
        balloons.clear();
        choose(c.choices);
        settle();
        EXPECT_EQ(balloons.join('|').remove("At this pace this month's calls "),
            c.balloon ? c.balloon : "") << c.choices;
        if (c.balloon) {
            // A forecast warns, not yet critical; spending past the limit (its warning's place) is.
            EXPECT_EQ(urgencies.last(), balloons.last().startsWith("At this pace")
                    ? Urgency::Normal : Urgency::Critical);
        }
    }
}

TEST_F(CallAlertsTest, WarnsOfTheForecastOnceABillsMonthWhenACallEndsAndAgainWhenTheLimitIsRaised)
{
    logTwoWeeks();
    choose("5\r\n235\r\n\r\n15\r\n\r\n");
    scan(true);
    talk(3); // 8p running makes 238p expected, but a tick does not weigh it
    EXPECT_TRUE(balloons.isEmpty());
    scan(false); settle(); // the end of the call does
    EXPECT_EQ(balloons, QStringList {"At this pace this month's calls will cost £2.36, past your "
                                     "limit of £2.35."});
    EXPECT_EQ(speaker.said, QStringList {"At this pace this month's calls will cost two pounds "
                                         "thirty-six, past your limit of two pounds thirty-five."});
    EXPECT_EQ(dir.read("alerts.ini"), "5\r\n235\r\n\r\n15\r\n15:11:2026\r\n0\r\n0\r\n");

    call(3);
    alerts.load(); // as at a restart
    settle();
    EXPECT_EQ(balloons.size(), 1);

    alerts.apply(5, 300, 15, {}); // above the 242p expected: armed again
    alerts.apply(5, 240, 15, {});
    EXPECT_EQ(balloons.value(1), "At this pace this month's calls will cost £2.42, past your "
                                 "limit of £2.40.");
}

// A data tariff of 100 MB a month from the 1st: the level's warning and the
// allowance's, each once a bill month, kept after alerts.ini's own lines.
TEST_F(CallAlertsTest, WarnsOfTheDataAtTheLevelAndAtTheAllowanceOnceABillMonth)
{
    const QString level = "This month's data has used 85.0 MB of your allowance of 100.0 MB, 85 % of it.";
    const QString reached = "This month's data has reached your allowance of 100.0 MB.";
    const struct
    {
        qint64 mb;
        const char *dataLines; // after the seven of the choices
        QString balloon;
        const char *kept;
    } cases[] = {
        {85, "", level, "80\r\n01:12:2026\r\n\r\n"},
        {85, "80\r\n01:11:2026\r\n\r\n", level, "80\r\n01:12:2026\r\n\r\n"},
        {85, "80\r\n01:12:2026\r\n\r\n", "", nullptr},
        {85, "90\r\n\r\n\r\n", "", nullptr},
        {120, "", reached, "80\r\n01:12:2026\r\n01:12:2026\r\n"},
        {120, "80\r\n01:12:2026\r\n\r\n", reached, "80\r\n01:12:2026\r\n01:12:2026\r\n"},
        {120, "80\r\n01:12:2026\r\n01:12:2026\r\n", "", nullptr},
    };
    dir.write("netdata.ini", QByteArray("\r\n").repeated(56) + "100\r\n\r\n1\r\n");
    const QDate day = clock.now().date().addDays(-1);
    log(day, 10);
    for (const auto &c : cases) {
        dir.write("netbytes.ini", (callBytesLine(logDateText(day), "09:00:00", "00:10:00",
                                                 c.mb * 1000000, 0) + "\r\n").toLatin1());
        balloons.clear();
        urgencies.clear();
        choose(QByteArray("5\r\n\r\n\r\n1\r\n\r\n0\r\n0\r\n") + c.dataLines);
        settle();
        EXPECT_EQ(balloons.join('|'), c.balloon) << c.mb << ' ' << c.dataLines;
        if (!c.kept)
            continue;
        EXPECT_EQ(urgencies.value(0), c.mb > 100 ? Urgency::Critical : Urgency::Normal);
        EXPECT_EQ(speaker.said.value(speaker.said.size() - 1), c.balloon);
        EXPECT_EQ(dir.read("alerts.ini"), QByteArray("5\r\n\r\n\r\n1\r\n\r\n0\r\n0\r\n") + c.kept);
    }
}

// 70 MB used before a call on a mobile link: its 11th MB passes the 80 MB level
// and is warned of at that tick, and the call's end warns no more.
TEST_F(CallAlertsTest, WarnsOfTheDataDuringTheCallThatPassesTheLevel)
{
    dir.write("netdata.ini", QByteArray("\r\n").repeated(56) + "100\r\n\r\n1\r\n");
    choose("0\r\n\r\n\r\n1\r\n\r\n0\r\n0\r\n");
    settle();
    dataUsed = 70000000;
    probe.linkName = "wwan0";
    probe.sample = LinkMessageCounters { 3, { 0, 0 } };
    scan(true);
    talk(1);
    probe.sample = LinkMessageCounters { 3, { 5000000, 4000000 } };
    talk(1);
    EXPECT_TRUE(balloons.isEmpty()) << "79 MB";
    probe.sample = LinkMessageCounters { 3, { 10000000, 5000000 } };
    talk(1);
    EXPECT_EQ(balloons, QStringList { "This month's data has used 85.0 MB of your allowance of "
                                      "100.0 MB, 85 % of it." });
    EXPECT_EQ(urgencies, QList { Urgency::Normal });
    talk(1);
    scan(false);
    settle();
    EXPECT_EQ(balloons.size(), 1);
    EXPECT_EQ(dir.read("alerts.ini"), "0\r\n\r\n\r\n1\r\n\r\n0\r\n0\r\n80\r\n01:12:2026\r\n\r\n");
}

// Without a speech engine the balloon still comes.
TEST_F(CallAlertsTest, ALimitRaisedAboveTheSpendingArmsTheWarningAgain)
{
    speaker.available = false;
    log({2026, 12, 2}, 55, 2); // 110p
    choose("0\r\n100\r\n12:2026\r\n");
    EXPECT_TRUE(alerts.apply(0, 105, 1, {}).ok); // lowered, still warned this month
    EXPECT_TRUE(balloons.isEmpty());
    alerts.apply(0, 200, 1, {});
    EXPECT_EQ(dir.read("alerts.ini"), "0\r\n200\r\n\r\n1\r\n\r\n0\r\n0\r\n");
    alerts.apply(1, 100, 1, {});
    EXPECT_EQ(
        balloons, QStringList { "This month's calls have cost £1.10, past your limit of £1.00." });
    QCoreApplication::processEvents();
    EXPECT_TRUE(speaker.said.isEmpty());
}

TEST_F(CallAlertsTest, AnUnreadableChoicesFileMeansNoAlerts)
{
    choose("7\r\n10\r\n\r\n"); // an interval not offered
    call(2);
    QFile::remove(dir.file("alerts.ini"));
    QDir(dir.path()).mkdir("alerts.ini"); // a directory where the file should be
    alerts.load();
    EXPECT_FALSE(alerts.apply(1, 5, 1, {}).ok);
    call(2);
    EXPECT_EQ(balloons.size(), 1); // the choices hold for the run
    EXPECT_EQ(speaker.said.size(), 3);
}

} // namespace
