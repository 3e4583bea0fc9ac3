#include "support/call_rig.h"

#include <QElapsedTimer>

using Field = CallClock::Field;
using CallClockTest = CallRigTest;

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
    // No such directory: the append fails.
    CallClock failing({clock, regional, probe, tray, prompter, source, dir.file("gone/x.ini")});
    probe.up = true;
    failing.Timer1_Timer();
    failing.Timer2_Timer();

    prompter.whileMessageOpen([&] {
        for (bool up : {false, false, true, false}) {
            probe.up = up;
            failing.Timer1_Timer();
            failing.Timer2_Timer();
        }
        EXPECT_EQ(failing.text(Field::Label6), "Not Connected");
    });
    probe.up = false;
    failing.Timer1_Timer();
    EXPECT_EQ(prompter.messages, QStringList{"File Save ERROR"});
    EXPECT_FALSE(failing.non || failing.inter);

    // Once the box is closed the next scan that sees the link starts a call.
    prompter.whileMessageOpen({});
    probe.up = true;
    failing.Timer1_Timer();
    EXPECT_EQ(failing.text(Field::Label6), "Connected");
}

TEST_F(CallClockTest, TheScanRunsFromStartToStopAndTheTickWhileTimingOrShown)
{
    EXPECT_EQ(callClock.scanInterval(), 5000);
    callClock.setScanInterval(1000);
    callClock.setDateTimeShown(true);
    EXPECT_FALSE(callClock.isScanning() || callClock.isTicking()) << "nothing runs before start";
    callClock.start();
    EXPECT_TRUE(callClock.isScanning() && callClock.isTicking());
    EXPECT_FALSE(callClock.isListening()) << "a probe without messages is scanned";
    callClock.setDateTimeShown(false);
    EXPECT_FALSE(callClock.isTicking()) << "idle and unseen: nothing to tick for";
    clock.set(clock.now().date(), QTime(10, 30, 0));
    callClock.setDateTimeShown(true);
    EXPECT_EQ(shown(Field::Label4), "Saturday, Dec 5 2026  10:30:00") << "shown again, at once";
    callClock.setDateTimeShown(false);

    callClock.setScanInterval(0);
    EXPECT_FALSE(callClock.isScanning());
    QElapsedTimer spin;
    for (spin.start(); spin.elapsed() < 50;)
        QCoreApplication::processEvents();
    EXPECT_EQ(probe.asked, 0) << "a zero interval must not scan on every pass";

    callClock.setScanInterval(10);
    for (bool up : {true, false}) {
        probe.up = up;
        for (spin.restart(); callClock.non != up && spin.elapsed() < 5000;)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        EXPECT_EQ(callClock.non, up) << "the scan timer asks the probe";
        EXPECT_EQ(callClock.isTicking(), up) << "a call is timed unseen";
    }
    callClock.stop();
    EXPECT_FALSE(callClock.isScanning() || callClock.isTicking());
}
