#include "tariff/time_rules.h"
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

    // A fee of 10p per call, and charge units such as "60/1" or none.
    void setRules(const char *units)
    {
        rules = {};
        rules.feePerCallPence = 10;
        if (const std::optional<ChargeUnits> read = readUnits(QString::fromLatin1(units))) {
            rules.firstMs = read->firstMs;
            rules.unitMs = read->unitMs;
        }
    }

    CountingChime chime;
    bool speechOn = true;
    CallCoach coach { { clock, regional, source, chime, speaker,
                          [this](const QString &t) { balloons << t; }, [this] { return speechOn; } },
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

// With rules the tone comes before each step of the charge that makes it
// grow, at 2p a minute with a fee of 10p per call.
struct StepTones
{
    const char *units;
    double minimumCharge;
    int secondsBefore;
    std::vector<qint64> at;
};

const StepTones kStepTones[] = {
    { "", 0, 10, { 50, 110, 170, 230 } }, // each minute begun, as without rules
    { "", 15, 10, { 110, 170, 230 } }, // the least charge covers two minutes
    { "30/30", 0, 10, { 21, 51, 81, 111, 141, 171, 201, 231 } }, // charged from the 31st second
    { "60/60", 0, 15, { 46, 106, 166, 226 } },
    { "60/1", 0, 10, { 51 } }, // the first minute's end only, never each second
    { "30/1", 0, 15, { 16 } }, { "1/1", 0, 5, {} }, // a first charge shorter than the warning
};

TEST_F(CallCoachTest, WithRulesSoundsBeforeEachStepOfTheChargeLongEnoughToWarnOf)
{
    chargeAllWeek("2.00", "0");
    for (const StepTones &row : kStepTones) {
        setRules(row.units);
        rules.minimumChargePence = ExactNumber::fromDouble(row.minimumCharge);
        coach.setChoices({ row.secondsBefore, 0 });
        chime.at.clear();
        call(239);
        EXPECT_EQ(chime.at, row.at) << row.units << " least " << row.minimumCharge;
    }
}

// Under rules by time the tone comes only before units of a minute or
// longer; shorter ones are named in the alerts window instead.
TEST_F(CallCoachTest, UnderRulesByTimeTonesOnlyBeforeUnitsOfAMinuteOrMore)
{
    chargeAllWeek("2.00", "0");
    coach.setChoices({ 10, 0 });
    const struct
    {
        const char *rule;
        std::vector<qint64> at;
        bool note;
    } rows[] = {
        { "Mon-Sun 00:00-23:59 10 per 90 s", { 81, 171 }, false },
        { "Mon-Sun 00:00-23:59 1 per 10 s", {}, true },
        { "Sun 00:00-00:00 1 per 10 s", { 50, 110, 170, 230 }, false }, // the table's minutes
    };
    for (const auto &row : rows) {
        rules = {};
        rules.timeRules = { readTimeRule(QString::fromLatin1(row.rule)).rule.value() };
        priceAsSet();
        EXPECT_EQ(coach.unitsNote().isEmpty(), !row.note) << row.rule;
        chime.at.clear();
        call(239);
        EXPECT_EQ(chime.at, row.at) << row.rule;
    }
}

// The change told is where the fee of the rule in force changes: a rule
// that begins at 18:00, or five minutes into the call.
TEST_F(CallCoachTest, UnderRulesByTimeTellsWhereTheRulesFeeChanges)
{
    chargeAllWeek("2.00", "0");
    speechOn = false;
    coach.setChoices({ 0, 5 });
    const struct
    {
        const char *rule;
        const char *balloon;
        const char *next; // at 17:59 in the call
    } rows[] = {
        { "Sat 18:00-23:59 0.5 a minute",
            "At 18:00 the rate falls from 2.00p to 0.50p a minute; this call would then cost "
            "£0.04 in all.",
            "Next rate change: 18:00, 0.50p a minute" },
        { "Sat 00:00-23:59 1 a minute after 5 min",
            "At 18:03 the rate falls from 2.00p to 1.00p a minute; this call would then cost "
            "£0.10 in all.",
            "Next rate change: 18:03, 1.00p a minute" },
    };
    for (const auto &row : rows) {
        rules = {};
        rules.timeRules = { readTimeRule(QString::fromLatin1(row.rule)).rule.value() };
        balloons.clear();
        startAt(QTime(17, 58, 0));
        tickAt(QTime(17, 58, 30));
        tickAt(QTime(17, 59, 0));
        EXPECT_EQ(coach.nextChangeText(), row.next);
        scan(false);
        EXPECT_EQ(balloons, QStringList { row.balloon }) << row.rule;
    }
    // No call, no time into one.
    EXPECT_EQ(coach.nextChangeText(), "No rate change today or tomorrow");
}

// Saturday: 4.20p a minute from midnight, 1.50p from 18:00; Sunday 1.00p,
// 0.50p from 20:00. Calls from 17:58:00, the change told at 17:58:30.
struct ChangeTold
{
    const char *units;
    bool ownRate;
    const char *holiday;
    const char *balloon;
    const char *next; // the alerts window's line at 17:59
};

const ChangeTold kChangesTold[] = {
    // 10p and 4 minutes begun at 1.50p
    { "", false, "",
        "At 18:01 the rate falls from 4.20p to 1.50p a minute; this call would then "
        "cost £0.16 in all.",
        "Next rate change: 18:01, 1.50p a minute" },
    // 10p, the first minute's 1.50p and 120 seconds at 0.025p: 14.50p, to the even 14p
    { "60/1", false, "",
        "At 18:01 the rate falls from 0.07p to 0.025p a second; this call would "
        "then cost £0.14 in all.",
        "Next rate change: 18:01, 0.025p a second" },
    // each unit at its own rate: all six begun before 18:01, at 2.10p
    { "30/30", true, "",
        "At 18:01 the rate falls from 2.10p to 0.75p per 30 seconds; this call "
        "would then cost £0.23 in all.",
        "Next rate change: 18:01, 0.75p per 30 seconds" },
    // a holiday has Sunday's bands: 1.00p until 20:00
    { "", false, "5/12", "", "Next rate change: 20:01, 0.50p a minute" },
};

TEST_F(CallCoachTest, WithRulesTellsTheChangeByTheRulesFeePerUnitAndHolidays)
{
    for (auto [day, band, start, fee] : { std::tuple { 5, 0, "00:00", "4.20" },
             { 5, 1, "18:00", "1.50" }, { 6, 0, "00:00", "1.00" }, { 6, 1, "20:00", "0.50" } }) {
        tariff.setBandStart(day, band, start);
        tariff.setFee(day, band, fee);
    }
    speechOn = false;
    coach.setChoices({ 0, 5 });
    for (const ChangeTold &row : kChangesTold) {
        setRules(row.units);
        rules.unitsAtOwnRate = row.ownRate;
        if (*row.holiday)
            rules.holidays = { readHoliday(QString::fromLatin1(row.holiday)).value() };
        balloons.clear();
        startAt(QTime(17, 58, 0));
        tickAt(QTime(17, 58, 30));
        tickAt(QTime(17, 59, 0));
        EXPECT_EQ(coach.nextChangeText(), row.next);
        scan(false);
        EXPECT_EQ(balloons, *row.balloon ? QStringList { row.balloon } : QStringList())
            << row.units;
    }
}

} // namespace
