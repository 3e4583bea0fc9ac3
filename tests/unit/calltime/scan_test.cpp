#include "call_clock_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

namespace {

using Field = CallClock::Field;

TEST_F(CallClockTest, EachScanFollowsTheLinkAndOnlyTheEndOfACallIsLogged)
{
    // from timing?, link up?, timing after, records appended by the scan
    const std::tuple<bool, bool, bool, int> transitions[] = {
        {false, true, true, 0}, {true, true, true, 0}, {true, false, false, 1}, {false, false, false, 0}};
    for (const auto &[timing, up, after, records] : transitions) {
        SCOPED_TRACE(testing::Message() << "timing " << timing << ", link " << up);
        callClock.clearFlags();
        if (timing) {
            startAt(QTime(10, 0, 0));
            tickAt(QTime(10, 0, 5));
        }
        const qsizetype before = log().count('#');
        clock.advance(10);
        scan(up);
        EXPECT_EQ(callClock.non, after);
        EXPECT_EQ(shown(Field::Label6), after ? "Connected" : "Not Connected");
        EXPECT_EQ(callClock.inter, after);
        EXPECT_EQ(callClock.connect, after);
        EXPECT_EQ(log().count('#') - before, records);
        if (timing && after) {
            EXPECT_EQ(shown(Field::LblStart), "10:00:00") << "a second scan restarted the call";
        }
    }
}

TEST_F(CallClockTest, ALinkThatComesAndGoesBetweenScansIsNeverTimed)
{
    scan(false);
    probe.up = true;
    tickAt(QTime(10, 0, 1)); // the probe is asked only at scans
    scan(false);
    EXPECT_FALSE(callClock.non);
    EXPECT_TRUE(shown(Field::LblStart).isEmpty());
    EXPECT_FALSE(dir.exists("netcosts.ini"));
}

TEST_F(CallClockTest, ScansDuringTheBoxOfAFailedAppendDoNotCloseTheCallAgain)
{
    path = dir.file("gone/netcosts.ini"); // no such directory: the append fails
    CallClock failing({clock, british, probe, tray, prompter, tariff, path});
    probe.up = true;
    failing.Timer1_Timer();
    failing.Timer2_Timer();

    int scansWhileOpen = 0;
    prompter.whileMessageOpen([&] {
        for (bool up : {false, false, true, false}) {
            probe.up = up;
            failing.Timer1_Timer();
            failing.Timer2_Timer();
            ++scansWhileOpen;
        }
        EXPECT_EQ(failing.text(Field::Label6), "Not Connected");
    });
    probe.up = false;
    failing.Timer1_Timer();
    EXPECT_EQ(scansWhileOpen, 4);
    EXPECT_EQ(prompter.messages, QStringList{"File Save ERROR"});
    EXPECT_FALSE(failing.non || failing.inter);

    // Once the box is closed the next scan that sees the link starts a call.
    prompter.whileMessageOpen({});
    probe.up = true;
    failing.Timer1_Timer();
    EXPECT_EQ(failing.text(Field::Label6), "Connected");
}

TEST_F(CallClockTest, TimersRunFromStartToStopAndAZeroScanIntervalStopsTheScan)
{
    EXPECT_EQ(callClock.scanInterval(), 5000);
    callClock.setScanInterval(1000);
    EXPECT_FALSE(callClock.isScanning()) << "nothing runs before start";
    callClock.start();
    EXPECT_TRUE(callClock.isScanning() && callClock.isTicking());

    callClock.setScanInterval(0);
    EXPECT_FALSE(callClock.isScanning());
    QElapsedTimer spin;
    for (spin.start(); spin.elapsed() < 50;)
        QCoreApplication::processEvents();
    EXPECT_EQ(probe.asked, 0) << "a zero interval must not scan on every pass";

    callClock.setScanInterval(10);
    probe.up = true;
    for (spin.restart(); !callClock.non && spin.elapsed() < 5000;)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_TRUE(callClock.non) << "the scan timer asks the probe";
    callClock.stop();
    EXPECT_FALSE(callClock.isScanning() || callClock.isTicking());
}

} // namespace
