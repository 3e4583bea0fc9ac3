#include "alerts/call_coach.h"
#include "support/call_rig.h"

namespace {

// Writes down the elapsed time shown when each tone was played.
struct CountingChime final : Chime
{
    bool isAvailable() override { return available; }
    void play() override { at.push_back(clock->shownElapsedSeconds()); }
    const CallClock *clock = nullptr;
    bool available = true;
    std::vector<qint64> at; // not a QList: Qt 6.4 compares two empty ones through a null pointer
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
    std::vector<qint64> at;
};

const Tones kTones[] = {
    { 10, "0", 1, { 50, 110, 170, 230 } }, { 5, "0", 1, { 55, 115, 175, 235 } }, { 0, "0", 1, {} },
    { 10, "0", 7, { 56, 112, 175, 231 } }, // a late tick still warns
    { 15, "3", 1, { 165, 225 } }, // no minute inside the minimum adds to the charge
};

TEST_F(CallCoachTest, SoundsOnceBeforeEachMinuteThatMakesTheChargeGrow)
{
    for (const Tones &row : kTones) {
        chargeAllWeek("2.00", row.minConnect);
        coach.setChoices({ row.secondsBefore, 0 });
        chime.at.clear();
        call(239, row.step);
        EXPECT_EQ(chime.at, row.at)
            << row.secondsBefore << " s before, ticks " << row.step << " s apart";
    }
    EXPECT_TRUE(speaker.said.isEmpty());
}

TEST_F(CallCoachTest, NothingWithoutACallAndTheWordWithoutASound)
{
    chargeAllWeek("2.00", "0");
    coach.setChoices({ 10, 10 });
    for (const QTime time : { QTime(10, 0, 50), QTime(10, 1, 55) })
        tickAt(time);
    QCoreApplication::processEvents();
    EXPECT_TRUE(chime.at.empty());
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
}

} // namespace
