#include "call_clock_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

namespace {

using Field = CallClock::Field;

enum class State { Idle, Timing };

struct Transition
{
    const char *name;
    State from;
    bool linkUp;
    State to;
    int records; // appended by this scan
};

void PrintTo(const Transition &t, std::ostream *out)
{
    *out << t.name;
}

class ScanTransition : public CallClockTest, public testing::WithParamInterface<Transition>
{
protected:
    State state() const
    {
        const bool timing = callClock.non && shown(Field::Label6) == "Connected";
        const bool idle = !callClock.non && shown(Field::Label6) == "Not Connected";
        EXPECT_NE(timing, idle) << "between states";
        return timing ? State::Timing : State::Idle;
    }
};

TEST_P(ScanTransition, FollowsTheTable)
{
    const Transition &t = GetParam();
    if (t.from == State::Timing) {
        startAt(QTime(10, 0, 0));
        tickAt(QTime(10, 0, 5));
    }
    const QByteArray before = log();
    scan(t.linkUp);
    EXPECT_EQ(state(), t.to);
    EXPECT_EQ(callClock.inter, t.to == State::Timing);
    EXPECT_EQ(callClock.connect, callClock.inter);
    EXPECT_EQ(log().count('#') - before.count('#'), t.records);
    if (t.from == State::Timing && t.to == State::Timing)
        EXPECT_EQ(shown(Field::LblStart), "10:00:00") << "a second scan restarted the call";
}

INSTANTIATE_TEST_SUITE_P(
    CallClock, ScanTransition,
    testing::Values(Transition{"IdleSeesUp", State::Idle, true, State::Timing, 0},
                    Transition{"TimingSeesDown", State::Timing, false, State::Idle, 1},
                    Transition{"TimingSeesUp", State::Timing, true, State::Timing, 0},
                    Transition{"IdleSeesDown", State::Idle, false, State::Idle, 0}),
    [](const testing::TestParamInfo<Transition> &info) { return std::string(info.param.name); });

TEST_F(CallClockTest, ALinkThatComesAndGoesBetweenScansIsNeverTimed)
{
    // The probe is asked only at scans: up in between is never seen.
    scan(false);
    probe.up = true;
    tickAt(QTime(10, 0, 1));
    probe.up = false;
    scan(false);
    EXPECT_FALSE(callClock.non);
    EXPECT_EQ(shown(Field::Label6), "Not Connected");
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
    EXPECT_FALSE(failing.non);
    EXPECT_FALSE(failing.inter);

    // Once the box is closed the next scan that sees the link starts a call.
    prompter.whileMessageOpen({});
    probe.up = true;
    failing.Timer1_Timer();
    EXPECT_TRUE(failing.non);
    EXPECT_EQ(failing.text(Field::Label6), "Connected");
}

TEST_F(CallClockTest, TimersRunFromStartToStopAndAZeroScanIntervalStopsTheScan)
{
    EXPECT_EQ(callClock.scanInterval(), 5000);
    callClock.setScanInterval(1000);
    EXPECT_FALSE(callClock.isScanning()) << "nothing runs before start";
    callClock.start();
    EXPECT_TRUE(callClock.isScanning());
    EXPECT_TRUE(callClock.isTicking());

    callClock.setScanInterval(0);
    EXPECT_FALSE(callClock.isScanning());
    EXPECT_TRUE(callClock.isTicking());
    QElapsedTimer spin;
    spin.start();
    while (spin.elapsed() < 50)
        QCoreApplication::processEvents();
    EXPECT_EQ(probe.asked, 0) << "a zero interval must not scan on every pass";

    callClock.setScanInterval(10);
    probe.up = true;
    for (spin.restart(); !callClock.non && spin.elapsed() < 5000;)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_TRUE(callClock.non) << "the scan timer asks the probe";
    callClock.stop();
    EXPECT_FALSE(callClock.isScanning());
    EXPECT_FALSE(callClock.isTicking());
}

} // namespace
