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
    const char *const days[7][6] = { { "00:00", "1.00", "08:00", "4.20", "18:00", "1.50" },
        { "00:00", "1.00", "08:00", "4.20", "18:00", "4.20" }, { "", "2.00" }, { "00:00", "2.00" },
        { "06:00", "", "09:00", "3.00" }, { "00:00", "0.00" },
        { "00:00", "1.00", "20:00", "0.50" } };
    TariffTable table;
    for (int day = 0; day < TariffTable::kDays; ++day)
        for (int cell = 0; cell < 6 && days[day][cell]; ++cell)
            table.setCell(TariffTable::startIndex(day, 0) + cell, days[day][cell]);
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

// Each row is checked against the lookup itself too, run minute by minute
// to the end of tomorrow, so the rows cannot drift from its rule.
TEST(NextRateChange, IsTheFirstMinuteTheLookupGivesAnotherFee)
{
    for (const Change &c : kChanges) {
        const QDateTime now(kMonday.addDays(c.day), c.now);
        SCOPED_TRACE(now.toString().toStdString());
        const std::optional<RateChange> expected = c.changeDay < 0
            ? std::nullopt
            : std::optional(
                RateChange { QDateTime(kMonday.addDays(c.changeDay), c.at), c.from, c.to });
        EXPECT_EQ(nextRateChange(week(), now, c.costnow), expected);

        FakeClock clock(now);
        double costnow = c.costnow;
        LookUpFee(week(), clock, costnow);
        const double inForce = costnow;
        std::optional<RateChange> walked;
        for (clock.set(now.addSecs(60 - now.time().second()));
             !walked && clock.now().date() <= now.date().addDays(1); clock.advance(60)) {
            LookUpFee(week(), clock, costnow);
            if (costnow != inForce)
                walked = RateChange { clock.now(), inForce, costnow };
        }
        EXPECT_EQ(walked, expected);
    }
}

// Without rules the call that stays on is priced whole at the new fee, the
// one that hangs up a second before at the old; a 3 minute minimum.
TEST(CostsAroundChange, TheMinutesBegunAtEachFeeAndTheMinimum)
{
    TariffTable table;
    table.setMinConnectTime("3");
    const CallPricer pricer(table, TariffRules());
    const auto costs = [&](const RateChange &change, qint64 elapsed) {
        return costsAroundChange(change, { kMonday, 0, elapsed, 0 }, pricer);
    };
    const RateChange rise { QDateTime(kMonday, QTime(8, 1)), 1, 4.2 };
    const std::pair<qint64, ChangeCosts> rows[] = { { 29 * 60 + 30, { 126, 30 } },
        { 30 * 60, { 130, 30 } }, { 60, { 13, 3 } }, { 1, { 13, 3 } } };
    for (const auto &[elapsed, expected] : rows)
        EXPECT_EQ(costs(rise, elapsed), expected) << elapsed;
    // 45 minutes at 1.5p: 67.5p, to the even 68p.
    EXPECT_EQ(costs({ rise.at, 4.2, 1.5 }, 44 * 60 + 30), (ChangeCosts { 68, 189 }));
}

TEST(RateChangeSentence, ShownAndSpokenBothWaysAndTheNextAtAGlance)
{
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    const RateChange fall { QDateTime(kMonday, QTime(18, 1)), 4.2, 1.5 };
    const RateChange rise { QDateTime(kMonday, QTime(8, 1)), 1, 4.2 };
    EXPECT_EQ(rateChangeSentence(fall, { 68, 187 }, Regional(british)),
        "At 18:01 the rate falls from 4.20p to 1.50p a minute; this call would then cost £0.68 "
        "in all.");
    EXPECT_EQ(rateChangeSentence(rise, { 126, 30 }, Regional(british)),
        "At 08:01 the rate rises from 1.00p to 4.20p a minute; stay on and this whole call costs "
        "£1.26, hang up before and it costs £0.30.");
    EXPECT_EQ(spokenRateChangeSentence(fall, { 68, 187 }, british),
        "At 18:01 the rate falls from 4.2 pence to 1.5 pence a minute; this call would then "
        "cost sixty-eight pence in all.");
    EXPECT_TRUE(spokenRateChangeSentence({ rise.at, 2, 1 }, { 13, 3 }, british)
                    .startsWith("At 08:01 the rate falls from two pence to one penny a minute"));
    EXPECT_TRUE(spokenRateChangeSentence(fall, { 68, 187 }, british, 30)
                    .startsWith("At 18:01 the rate falls from 2.1 pence to 0.75 pence per 30 "
                                "seconds;"));
    // Pence only under the pound: elsewhere the currency's own form.
    EXPECT_EQ(
        rateChangeSentence(fall, { 68, 187 }, Regional(QLocale(QLocale::French, QLocale::France))),
        QString::fromUtf8("At 18:01 the rate falls from 0,042\u00a0\u20ac to 0,015\u00a0\u20ac a "
                          "minute; this call would then cost 0,68\u00a0\u20ac in all."));
    EXPECT_EQ(nextRateChangeText(fall, kMonday, Regional(british)),
        "Next rate change: 18:01, 1.50p a minute");
    EXPECT_EQ(nextRateChangeText(rise, kMonday.addDays(-1), Regional(british), 30),
        "Next rate change: tomorrow 08:01, 2.10p per 30 seconds");
    EXPECT_EQ(nextRateChangeText(std::nullopt, kMonday, Regional(british)),
        "No rate change today or tomorrow");
}

} // namespace
