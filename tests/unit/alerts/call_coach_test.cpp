#include "alerts/call_coach.h"
#include "support/call_rig.h"

namespace {

// Writes down the elapsed time shown when each tone was played.
struct CountingChime final : Chime
{
    bool isAvailable() override { return available; }
    void play() override { at << clock->shownElapsedSeconds(); }
    const CallClock *clock = nullptr;
    bool available = true;
    QList<qint64> at;
};

class CallCoachTest : public CallRigTest
{
protected:
    CallCoachTest() { chime.clock = &callClock; }

    // A call from now, ticked every step seconds for the given seconds.
    void call(int seconds, int step = 1)
    {
        scan(true);
        for (int second = step; second <= seconds; second += step) {
            clock.advance(step);
            callClock.Timer2_Timer();
            QCoreApplication::processEvents();
        }
        scan(false);
    }

    CountingChime chime;
    bool speechOn = true;
    CallCoach coach { { clock, regional, tariff, chime, speaker,
                          [this](const QString &t) { balloons << t; },
                          [this] { return speechOn; } },
        callClock };
};

struct Tones
{
    int secondsBefore;
    const char *minConnect;
    int step; // seconds between ticks
    QList<qint64> at;
};

class MinuteToneTest : public CallCoachTest, public testing::WithParamInterface<Tones>
{
};

TEST_P(MinuteToneTest, SoundsOnceBeforeEachMinuteThatMakesTheChargeGrow)
{
    chargeAllWeek("2.00", GetParam().minConnect);
    coach.setChoices({ GetParam().secondsBefore, 0 });
    call(239, GetParam().step);
    EXPECT_EQ(chime.at, GetParam().at);
    EXPECT_TRUE(speaker.said.isEmpty());
}

const Tones kTones[] = {
    { 10, "0", 1, { 50, 110, 170, 230 } }, { 5, "0", 1, { 55, 115, 175, 235 } }, { 0, "0", 1, {} },
    { 10, "0", 7, { 56, 112, 175, 231 } }, // a late tick still warns
    { 15, "3", 1, { 165, 225 } }, // no minute inside the minimum adds to the charge
};

INSTANTIATE_TEST_SUITE_P(Rows, MinuteToneTest, testing::ValuesIn(kTones));

TEST_F(CallCoachTest, NothingWithoutACallAndTheWordWithoutASound)
{
    chargeAllWeek("2.00", "0");
    coach.setChoices({ 10, 10 });
    for (int second = 0; second < 120; ++second) {
        clock.advance(1);
        callClock.Timer2_Timer();
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(chime.at.isEmpty());
    chime.available = false;
    call(60);
    EXPECT_EQ(speaker.said, QStringList { "minute" });
}

TEST_F(CallCoachTest, TellsOncePerChangePerCallWhatTheChangeDoesToIt)
{
    for (auto [band, start, fee] :
        { std::tuple { 0, "00:00", "1.00" }, { 1, "08:00", "4.20" }, { 2, "18:00", "1.50" } }) {
        tariff.setBandStart(5, band, start);
        tariff.setFee(5, band, fee);
    }
    coach.setChoices({ 0, 5 });
    startAt(QTime(7, 40, 0));
    for (const QTime time : { QTime(7, 55, 59), QTime(7, 56, 0), QTime(7, 59, 0), QTime(8, 2, 0) })
        tickAt(time);
    scan(false);
    EXPECT_EQ(balloons,
        QStringList { "At 08:01 the rate rises from 1.00p to 4.20p a minute; stay on and this "
                      "whole call costs £0.92, hang up before and it costs £0.21." });
    QCoreApplication::processEvents();
    EXPECT_EQ(speaker.said.size(), 1);

    // A new call is told again, at once when it starts inside the warning.
    speechOn = false;
    balloons.clear();
    startAt(QTime(17, 58, 0));
    tickAt(QTime(17, 58, 1));
    tickAt(QTime(17, 59, 1));
    EXPECT_EQ(balloons,
        QStringList { "At 18:01 the rate falls from 4.20p to 1.50p a minute; this call would "
                      "then cost £0.06 in all." });
    QCoreApplication::processEvents();
    EXPECT_EQ(speaker.said.size(), 1);

    // Off: the clock is no longer watched.
    coach.setChoices({});
    startAt(QTime(22, 58, 0));
    tariff.setBandStart(5, 3, "23:00");
    tariff.setFee(5, 3, "9");
    tickAt(QTime(22, 59, 0));
    EXPECT_EQ(balloons.size(), 1);
}

} // namespace
