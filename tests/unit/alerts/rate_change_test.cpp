#include "alerts/rate_change.h"
#include "common/regional.h"
#include "support/fake_clock.h"
#include "tariff/fee_lookup.h"

#include <gtest/gtest.h>

namespace {

const QDate kMonday(2026, 12, 7);

// Monday's day rate; Tuesday's evening band at the same fee; Wednesday's band
// without a start (it applies at midnight itself); Thursday at Wednesday's
// fee; Friday's band without a fee; Saturday's fee of 0 that never applies.
TariffTable week()
{
    const std::vector<std::pair<const char *, const char *>> days[] = {
        { { "00:00", "1.00" }, { "08:00", "4.20" }, { "18:00", "1.50" } },
        { { "00:00", "1.00" }, { "08:00", "4.20" }, { "18:00", "4.20" } }, { { "", "2.00" } },
        { { "00:00", "2.00" } }, { { "06:00", "" }, { "09:00", "3.00" } }, { { "00:00", "0.00" } },
        { { "00:00", "1.00" }, { "20:00", "0.50" } },
    };
    TariffTable table;
    for (int day = 0; day < TariffTable::kDays; ++day) {
        for (int band = 0; band < int(days[day].size()); ++band) {
            table.setBandStart(day, band, days[day][band].first);
            table.setFee(day, band, days[day][band].second);
        }
    }
    return table;
}

struct Change
{
    int day; // from Monday
    QTime now;
    double costnow;
    int changeDay; // -1: no change up to the end of tomorrow
    QTime at {};
    double from = 0, to = 0;
};

class NextRateChangeTest : public testing::TestWithParam<Change>
{
};

// Checked against the lookup itself, run minute by minute to the end of
// tomorrow, so the rows cannot drift from the rule they describe.
TEST_P(NextRateChangeTest, IsTheFirstMinuteTheLookupGivesAnotherFee)
{
    const Change &c = GetParam();
    const QDateTime now(kMonday.addDays(c.day), c.now);
    const std::optional<RateChange> change = nextRateChange(week(), now, c.costnow);
    const std::optional<RateChange> expected = c.changeDay < 0 ? std::nullopt
        : std::optional(RateChange { QDateTime(kMonday.addDays(c.changeDay), c.at), c.from, c.to });
    EXPECT_EQ(change, expected);

    FakeClock clock(now);
    double costnow = c.costnow;
    LookUpFee(week(), clock, costnow);
    const double inForce = costnow;
    std::optional<RateChange> walked;
    for (clock.set(QDateTime(now.date(), QTime(now.time().hour(), now.time().minute())).addSecs(60));
         !walked && clock.now().date() <= now.date().addDays(1); clock.advance(60)) {
        LookUpFee(week(), clock, costnow);
        if (costnow != inForce)
            walked = RateChange { clock.now(), inForce, costnow };
    }
    EXPECT_EQ(walked, expected);
}

const Change kChanges[] = {
    { 0, QTime(10, 0), 4.2, 0, QTime(18, 1), 4.2, 1.5 }, // later today
    { 0, QTime(8, 0, 59), 1, 0, QTime(8, 1), 1, 4.2 }, // the band's start keeps the fee before
    { 0, QTime(0, 0, 30), 0.5, 0, QTime(0, 1), 0.5, 1 }, // midnight keeps Sunday's fee
    { 0, QTime(18, 30), 1.5, 1, QTime(0, 1), 1.5, 1 }, // none left today: tomorrow's table
    { 6, QTime(23, 59), 0.5, 7, QTime(0, 1), 0.5, 1 }, // Sunday into Monday
    { 1, QTime(9, 0), 4.2, 2, QTime(0, 0), 4.2, 2 }, // the same fee is no change
    { 2, QTime(12, 0), 2, -1 }, // Thursday goes on at Wednesday's fee
    { 4, QTime(5, 0), 2, 4, QTime(9, 1), 2, 3 }, // a band without a fee never applies
    { 4, QTime(10, 0), 3, -1 }, { 5, QTime(12, 0), 3, 6, QTime(0, 1), 3, 1 },
    { 4, QTime(10, 0), 0, -1 }, // costnow is set from the lookup at now first
};

INSTANTIATE_TEST_SUITE_P(Week, NextRateChangeTest, testing::ValuesIn(kChanges));

struct Said
{
    double from, to;
    qint64 elapsedAtChange;
    const char *minConnect;
    const char *shown;
    const char *spoken;
};

class RateChangeSentenceTest : public testing::TestWithParam<Said>
{
};

TEST_P(RateChangeSentenceTest, PricesTheWholeCallAtTheFeeOfItsLastTick)
{
    const Said &s = GetParam();
    const RateChange change { QDateTime(kMonday, s.to > s.from ? QTime(8, 1) : QTime(18, 1)),
        s.from, s.to };
    const ChangeCosts costs = costsAroundChange(change, s.elapsedAtChange, s.minConnect);
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_EQ(rateChangeSentence(change, costs, Regional(british)), QString::fromUtf8(s.shown));
    EXPECT_EQ(spokenRateChangeSentence(change, costs, british), QString::fromUtf8(s.spoken));
}

const Said kSaid[] = {
    { 4.2, 1.5, 44 * 60 + 30, "3", // 45 minutes at 1.5p: 67.5p, to the even 68p
        "At 18:01 the rate falls from 4.20p to 1.50p a minute; this call would then cost £0.68 "
        "in all.",
        "At 18:01 the rate falls from 4.2 pence to 1.5 pence a minute; this call would then "
        "cost sixty-eight pence in all." },
    { 1, 4.2, 29 * 60 + 30, "3",
        "At 08:01 the rate rises from 1.00p to 4.20p a minute; stay on and this whole call costs "
        "£1.26, hang up before and it costs £0.30.",
        "At 08:01 the rate rises from one penny to 4.2 pence a minute; stay on and this whole "
        "call costs one pound twenty-six, hang up before and it costs thirty pence." },
    { 1, 4.2, 30 * 60, "0", // on the minute: staying on begins the 31st
        "At 08:01 the rate rises from 1.00p to 4.20p a minute; stay on and this whole call costs "
        "£1.30, hang up before and it costs £0.30.",
        "At 08:01 the rate rises from one penny to 4.2 pence a minute; stay on and this whole "
        "call costs one pound thirty, hang up before and it costs thirty pence." },
    { 2, 3, 60, "3", // the minimum either way
        "At 08:01 the rate rises from 2.00p to 3.00p a minute; stay on and this whole call costs "
        "£0.09, hang up before and it costs £0.06.",
        "At 08:01 the rate rises from two pence to three pence a minute; stay on and this whole "
        "call costs nine pence, hang up before and it costs six pence." },
};

INSTANTIATE_TEST_SUITE_P(Rows, RateChangeSentenceTest, testing::ValuesIn(kSaid));

TEST(RateChangeText, SaysTodaysTimeTomorrowsOrNone)
{
    const RateChange evening { QDateTime(kMonday, QTime(18, 1)), 4.2, 1.5 };
    EXPECT_EQ(nextRateChangeText(evening, kMonday), "Next rate change: 18:01, 1.50p a minute");
    EXPECT_EQ(nextRateChangeText(evening, kMonday.addDays(-1)),
        "Next rate change: tomorrow 18:01, 1.50p a minute");
    EXPECT_EQ(nextRateChangeText(std::nullopt, kMonday), "No rate change today or tomorrow");
}

} // namespace
