#include "common/rounding.h"
#include "tariff/call_charge.h"
#include "tariff/call_price.h"

#include <gtest/gtest.h>

namespace {

// Monday to Saturday 1.00p from 00:01, 4.20p from 08:01, 1.00p from 18:01;
// Sunday 0.50p from 00:01.
TariffTable week(const char *minConnect = "0")
{
    TariffTable table;
    for (int day = 0; day < 6; ++day) {
        table.setBandStart(day, 0, QStringLiteral("00:00"));
        table.setFee(day, 0, QStringLiteral("1.00"));
        table.setBandStart(day, 1, QStringLiteral("08:00"));
        table.setFee(day, 1, QStringLiteral("4.20"));
        table.setBandStart(day, 2, QStringLiteral("18:00"));
        table.setFee(day, 2, QStringLiteral("1.00"));
    }
    table.setBandStart(6, 0, QStringLiteral("00:00"));
    table.setFee(6, 0, QStringLiteral("0.50"));
    table.setMinConnectTime(QString::fromLatin1(minConnect));
    return table;
}

// Amounts as written: a double literal of up to 15 digits reads back as its decimal.
TariffRules rules(double perCall, const char *units, bool ownRate, const QStringList &holidays = {},
    std::optional<double> first = std::nullopt, double minimum = 0.0)
{
    TariffRules r;
    r.feePerCallPence = ExactNumber::fromDouble(perCall);
    if (const auto u = readUnits(QString::fromLatin1(units))) {
        r.firstMs = u->firstMs;
        r.unitMs = u->unitMs;
    }
    if (first)
        r.firstChargePence = ExactNumber::fromDouble(*first);
    r.minimumChargePence = ExactNumber::fromDouble(minimum);
    r.unitsAtOwnRate = ownRate;
    for (const QString &line : holidays)
        r.holidays << readHoliday(line).value();
    return r;
}

// Rules by time over the table and, where given, its charge units.
TariffRules byTime(const QStringList &lines, const char *units = "", const QStringList &holidays = {},
    std::optional<double> first = std::nullopt, double minimum = 0.0)
{
    TariffRules r = rules(0, units, false, holidays, first, minimum);
    for (const QString &line : lines)
        r.timeRules << readTimeRule(line).rule.value();
    return r;
}

const QStringList kFiveBands { "Mon-Sun 00:00-04:59 1 a minute", "Mon-Sun 05:00-06:59 2 a minute",
    "Mon-Sun 07:00-17:59 3 a minute", "Mon-Sun 18:00-21:59 4 a minute",
    "Mon-Sun 22:00-23:59 5 a minute" };
const QStringList kUnitsByBand { "Mon-Sun 00:00-23:59 1 per 10 s", "Mon-Fri 08:00-17:59 1.6 per 12 s" };
const QStringList kSeason { "01/06-31/08 00:00-23:59 0.1 a minute" };

struct Bill
{
    const char *what;
    const char *start; // "dd/MM/yyyy HH:mm:ss"
    qint64 seconds;
    double lastFee;
    TariffRules rules;
    double pence;
    const char *minConnect = "0";
};

void PrintTo(const Bill &bill, std::ostream *out)
{
    *out << bill.what;
}

class PricedAsBilled : public testing::TestWithParam<Bill>
{ };

// Each worked by hand as an operator's bill would be.
TEST_P(PricedAsBilled, ChargeTheOperatorWouldBill)
{
    const Bill &bill = GetParam();
    const QDateTime start = QDateTime::fromString(QString::fromLatin1(bill.start), u"dd/MM/yyyy HH:mm:ss");
    ASSERT_TRUE(start.isValid()) << bill.what;
    const CallToPrice call { start.date(), start.time().msecsSinceStartOfDay() / 1000, bill.seconds,
        bill.lastFee };
    EXPECT_DOUBLE_EQ(priceCall(call, week(bill.minConnect), bill.rules, TableRule::Live), bill.pence)
        << bill.what;
}

// 07/12/2026 is a Monday.
INSTANTIATE_TEST_SUITE_P(Rules, PricedAsBilled, testing::Values(
    Bill { "per call: 3 minutes begun 12.6 + 15", "07/12/2026 10:00:00", 125, 4.2, rules(15, "", false), 28 },
    Bill { "60/1: 4.2 + 65 × 0.07 = 8.75", "07/12/2026 10:00:00", 125, 4.2, rules(0, "60/1", false), 9 },
    Bill { "30/30: 2.1 + 4 × 2.1 = 10.5, half to even", "07/12/2026 10:00:00", 125, 4.2, rules(0, "30/30", false), 10 },
    Bill { "flat first 9.1 + 4.55", "07/12/2026 10:00:00", 125, 4.2, rules(0, "60/1", false, {}, 9.1), 14 },
    Bill { "minimum charge", "07/12/2026 10:00:00", 10, 1.0, rules(0, "", false, {}, std::nullopt, 20), 20 },
    Bill { "minimum counts the fee per call", "07/12/2026 10:00:00", 10, 1.0, rules(15, "", false, {}, std::nullopt, 20), 20 },
    Bill { "own rate across 08:01: 1+1+1+4.2+4.2", "07/12/2026 07:58:00", 240, 4.2, rules(0, "", true), 11 },
    Bill { "whole call at its last fee: 5 × 4.2", "07/12/2026 07:58:00", 240, 4.2, rules(0, "", false, {"25/12"}), 21 },
    Bill { "own rate across midnight into Sunday", "12/12/2026 23:58:00", 300, 0.5, rules(0, "60/60", true), 4 },
    Bill { "into Christmas Day priced as Sunday", "24/12/2026 23:59:00", 180, 0.5, rules(0, "60/60", true, {"25/12"}), 2 },
    Bill { "Easter Monday 2027 as Sunday", "29/03/2027 10:00:00", 120, 0.5, rules(0, "60/60", true, {"Easter+1"}), 1 },
    Bill { "Easter Monday 2027, England and Wales", "29/03/2027 10:00:00", 120, 0.5, rules(0, "60/60", true, {"England and Wales"}), 1 },
    Bill { "the substitute 28/12/2026", "28/12/2026 10:00:00", 120, 0.5, rules(0, "60/60", true, {"England and Wales"}), 1 },
    Bill { "27/12/2027 once", "27/12/2027 10:00:00", 120, 0.5, rules(0, "60/60", true, {"27/12/2027"}), 1 },
    Bill { "not a holiday without the rule", "29/03/2027 10:00:00", 120, 4.2, rules(0, "60/60", true), 8 },
    Bill { "1/1 for two hours across 08:01", "07/12/2026 07:00:00", 7200, 4.2, rules(0, "1/1", true), 309 },
    Bill { "units cover the min connect time", "07/12/2026 10:00:00", 10, 4.2, rules(0, "60/1", false), 13, "3" },
    Bill { "every rule at once", "24/12/2026 23:59:30", 95, 4.2, rules(15, "30/1", true, {"25/12"}, std::nullopt, 10), 17 }));
INSTANTIATE_TEST_SUITE_P(ByTime, PricedAsBilled, testing::Values(
    Bill { "12 s units to 18:00 then 10 s", "07/12/2026 17:59:30", 125, 0, byTime(kUnitsByBand), 14 },
    Bill { "the last written wins", "07/12/2026 17:59:30", 125, 0, byTime({ kUnitsByBand[1], kUnitsByBand[0] }), 13 },
    Bill { "cheaper after 60 min", "07/12/2026 10:00:00", 5400, 0, byTime({ "Mon-Sun 00:00-23:59 1 a minute", "Mon-Sun 00:00-23:59 0.5 a minute after 60 min" }), 75 },
    Bill { "Holidays", "26/12/2026 10:00:00", 600, 0, byTime({ "Holidays 00:00-23:59 0.3 a minute" }, "", { "26/12" }), 3 },
    Bill { "25/12", "25/12/2026 10:00:00", 600, 0, byTime({ "25/12 00:00-23:59 0.1 a minute" }), 1 },
    Bill { "the day before the season", "31/05/2027 10:00:00", 600, 0, byTime(kSeason), 46 },
    Bill { "the season's first day", "01/06/2027 10:00:00", 600, 0, byTime(kSeason), 1 },
    Bill { "the season's last day", "31/08/2027 10:00:00", 600, 0, byTime(kSeason), 1 },
    Bill { "the day after the season", "01/09/2027 10:00:00", 600, 0, byTime(kSeason), 46 },
    Bill { "five bands in a day", "07/12/2026 04:58:00", 86400, 0, byTime(kFiveBands), 4080 },
    Bill { "across midnight, the morning's end", "07/12/2026 05:58:00", 180, 0, byTime({ "Mon 22:00-05:59 3 a minute" }), 8 },
    Bill { "across midnight, the evening's end", "07/12/2026 23:58:00", 180, 0, byTime({ "Mon 22:00-05:59 3 a minute" }), 8 },
    Bill { "Good Friday by Easter-2", "26/03/2027 10:00:00", 600, 0, byTime({ "Easter-2 00:00-23:59 0.1 a minute" }), 1 },
    Bill { "not Good Friday", "25/03/2027 10:00:00", 600, 0, byTime({ "Easter-2 00:00-23:59 0.1 a minute" }), 46 },
    Bill { "flat first 9.1, then 30 s units", "07/12/2026 10:00:00", 125, 0, byTime({ "Mon-Sun 00:00-23:59 1 per 30 s" }, "60/1", {}, 9.1), 12 },
    Bill { "min connect in 20 s units", "07/12/2026 10:00:00", 10, 0, byTime({ "Mon-Sun 00:00-23:59 1 per 20 s" }), 9, "3" },
    Bill { "the table's 30/30 up to a rule", "07/12/2026 17:59:00", 125, 0, byTime({ "Mon 18:00-23:59 0.5 per 60 s" }, "30/30"), 5 },
    Bill { "a day no rule covers", "07/12/2026 07:00:00", 7200, 0, byTime({ "Sun 00:00-00:00 9 a minute" }, "1/1"), 309 }));
// Operators' prices to the last digit and units in fractions of a second,
// summed exactly and rounded once.
INSTANTIATE_TEST_SUITE_P(Exact, PricedAsBilled, testing::Values(
    // 3600 units of 1 s × 0.33333333333 = 1199.999999988, rounded once: 1200.
    Bill { "a price per second for an hour", "07/12/2026 10:00:00", 3600, 0, byTime({ "Mon-Sun 00:00-23:59 0.33333333333 per 1 s" }), 1200 },
    // Units begin at 0, 158.4 and 316.8 s, all before 400 s: 3 × 10 = 30.
    Bill { "158.4 s units by time", "07/12/2026 10:00:00", 400, 0, byTime({ "Mon-Sun 00:00-23:59 10 per 158.4 s" }), 30 },
    // The third unit would begin at 316.8 s, after the call's 316: 2 × 10 = 20.
    Bill { "158.4 s units, the last not begun", "07/12/2026 10:00:00", 316, 0, byTime({ "Mon-Sun 00:00-23:59 10 per 158.4 s" }), 20 },
    // 158.4/158.4 at 4.20 a minute: a unit is 4.2 × 158.4 / 60 = 11.088;
    // 1 + ⌈(400 − 158.4) / 158.4⌉ = 3 units = 33.264, rounded once: 33.
    Bill { "158.4/158.4 charge units", "07/12/2026 10:00:00", 400, 4.2, rules(0, "158.4/158.4", false), 33 },
    // 11:30:30 to 14:30:30 at 1 a minute, 12:00-13:59 free: 30 minutes
    // begun up to 12:00:30, free until 14:00:00, then 31 minutes begun
    // before 14:30:30 = 61.
    Bill { "free hours inside a call", "07/12/2026 11:30:30", 10800, 0, byTime({ "Mon-Sun 00:00-23:59 1 a minute", "Mon-Sun 12:00-13:59 free" }), 61 },
    // 500 for the first 54000 s, then ⌈120 / 60⌉ = 2 units at 4.2 = 508.4: 508.
    Bill { "a flat first charge of 15 hours", "07/12/2026 10:00:00", 54120, 4.2, rules(0, "54000/60", false, {}, 500), 508 },
    // All 14 hours inside the flat first charge: 500.
    Bill { "a call inside the 15 hours", "07/12/2026 10:00:00", 50400, 4.2, rules(0, "54000/60", false, {}, 500), 500 },
    // 10 s at 0.3 a minute in 1 s units = 0.05, below the minimum 4.256: 4.
    Bill { "a minimum of 4.256p", "07/12/2026 10:00:00", 10, 0.3, rules(0, "1/1", false, {}, std::nullopt, 4.256), 4 },
    // From 17:50, 600 s × 0.07000000001 = 42.000000006, then 600 s ×
    // 0.01666666667 = 10.000000002; 52.000000008: 52.
    Bill { "prices of eleven places by time", "07/12/2026 17:50:00", 1200, 0, byTime({ "Mon-Sun 08:00-17:59 0.07000000001 per 1 s", "Mon-Sun 18:00-07:59 0.01666666667 per 1 s" }), 52 },
    // 25 × 0.1 = 2.5 exactly, half to even: 2 (a double sum makes 2.5000000000000004, 3).
    Bill { "an exact half rounds to even", "07/12/2026 10:00:00", 25, 0, byTime({ "Mon-Sun 00:00-23:59 0.1 per 1 s" }), 2 },
    // 90 minutes at 1, then from 90 min 10 units of 1 s at 6 a minute = 1: 91.
    Bill { "clauses in any order", "07/12/2026 10:00:00", 5410, 0, byTime({ "Mon-Sun 00:00-23:59 1 a minute", "Mon-Sun 00:00-23:59 6 a minute after 90 min in 1 s units" }), 91 }));

// The last: the first 30 s from 23:59:30 at Thursday's 1.00 = 0.5; 65
// one-second units on Christmas Day, 60 in its first minute still at 1.00
// and 5 from 00:01 at Sunday's 0.50 = 1.0417; with 15p, 16.54, above 10.

// With no rules the table's own two rules, to the penny, for every length
// and fee a call can have.
TEST(PricedWithoutRules, TheTableRulesUnchanged)
{
    const TariffRules none;
    for (const char *minConnect : { "0", "3", "", "x" }) {
        const TariffTable table = week(minConnect);
        for (const double fee : { 0.0, 1.5, 4.2, 12.34 }) {
            for (qint64 seconds = 0; seconds < 2 * 3600; seconds += 7) {
                const CallToPrice call { QDate(2026, 12, 7), 36000, seconds, fee };
                EXPECT_EQ(priceCall(call, table, none, TableRule::Live),
                    double(CallCharge(seconds / 3600, seconds / 60 % 60, fee,
                        QString::fromLatin1(minConnect))));
                const double minimum = QString::fromLatin1(minConnect).toDouble() * fee;
                double cost = double(seconds / 60) * fee + (seconds % 60 > 0 ? fee : 0.0);
                EXPECT_DOUBLE_EQ(priceCall(call, table, none, TableRule::Summary),
                    std::max(cost, minimum)) << seconds << ' ' << fee;
            }
        }
    }
}

// Where no rule by time matches, every unit is the table's, as without them.
TEST(PricedByTime, ADayNoRuleCoversAsWithoutThem)
{
    const QStringList sundayOnly { QStringLiteral("Sun 00:00-00:00 9 a minute") };
    for (const char *units : { "", "60/1", "30/30", "45/20" }) {
        for (const char *minConnect : { "0", "3" }) {
            for (qint64 seconds = 0; seconds < 2 * 3600; seconds += 13) {
                const CallToPrice call { QDate(2026, 12, 7), 7 * 3600 + 50 * 60 + 17, seconds, 0 };
                EXPECT_EQ(priceCall(call, week(minConnect), byTime(sundayOnly, units), TableRule::Live),
                    priceCall(call, week(minConnect), rules(0, units, true), TableRule::Live))
                    << units << ' ' << minConnect << ' ' << seconds;
            }
        }
    }
}

// The coach's next step: the elapsed second from which the next unit is
// charged, and its length; without rules by time each minute begun, or the
// units after the first charge.
TEST(PricedByTime, TheNextUnitStep)
{
    const struct
    {
        TariffRules rules;
        qint64 elapsed;
        UnitStep step;
    } cases[] = {
        { byTime(kUnitsByBand), 0, { 1, 12000 } }, { byTime(kUnitsByBand), 12, { 13, 12000 } },
        { byTime(kUnitsByBand), 13, { 25, 12000 } }, { byTime(kUnitsByBand), 25, { 37, 10000 } },
        { byTime({ "Sun 00:00-00:00 9 a minute" }), 0, { 60, 60000 } },
        { byTime({ "Sun 00:00-00:00 9 a minute" }), 60, { 120, 60000 } },
        { byTime({ "Mon-Sun 00:00-23:59 1 per 30 s" }, "60/1", {}, 9.1), 1, { 61, 30000 } },
        // 158.4 s units from 17:59:30: the second begins at 158.4 s, charged from 159.
        { byTime({ "Mon-Sun 00:00-23:59 10 per 158.4 s" }), 1, { 159, 158400 } },
        // A flat first charge of 15 hours: the first unit after it at 54000 s.
        { byTime({ "Mon-Sun 00:00-23:59 1 per 60 s" }, "54000/60", {}, 500), 10, { 54001, 60000 } },
        { TariffRules(), 0, { 60, 60000 } }, { TariffRules(), 119, { 120, 60000 } },
        { rules(0, "60/1", false), 60, { 61, 1000 } }, { rules(0, "60/1", false), 61, { 62, 1000 } },
        { rules(0, "30/30", false), 31, { 61, 30000 } },
    };
    for (const auto &c : cases) {
        const CallPricer pricer(week(), c.rules);
        const CallToPrice call { QDate(2026, 12, 7), 17 * 3600 + 59 * 60 + 30, c.elapsed, 0 };
        EXPECT_EQ(pricer.nextUnitStep(call, c.elapsed), c.step) << c.elapsed;
    }
}

// A damaged record's start is no day: its units take the last fee.
TEST(PricedWithoutADay, UnitsTakeTheLastFee)
{
    const CallToPrice call { QDate(), 0, 125, 4.2 };
    EXPECT_EQ(priceCall(call, week(), rules(0, "60/1", true, { "25/12" }), TableRule::Live), 9);
}

TEST(Holidays, EnglandAndWales)
{
    EXPECT_EQ(easterSunday(2027), QDate(2027, 3, 28));
    EXPECT_EQ(easterSunday(2026), QDate(2026, 4, 5));
    const QList<QDate> y2026 = englandAndWalesHolidays(2026);
    EXPECT_TRUE(y2026.contains(QDate(2026, 12, 28)));
    EXPECT_FALSE(y2026.contains(QDate(2026, 12, 26)));
    EXPECT_TRUE(y2026.contains(QDate(2026, 5, 4)) && y2026.contains(QDate(2026, 5, 25))
        && y2026.contains(QDate(2026, 8, 31)) && y2026.contains(QDate(2026, 4, 3)));
    const QList<QDate> y2027 = englandAndWalesHolidays(2027);
    EXPECT_TRUE(y2027.contains(QDate(2027, 12, 27)) && y2027.contains(QDate(2027, 12, 28)));
    EXPECT_TRUE(y2027.contains(QDate(2027, 3, 29)) && y2027.contains(QDate(2027, 1, 1)));
    EXPECT_EQ(englandAndWalesHolidays(2022).first(), QDate(2022, 1, 3)); // a Saturday
    for (const char *bad : { "31/02", "Easter*2", "32/12/2027", "Christmas", "" })
        EXPECT_FALSE(readHoliday(QString::fromLatin1(bad))) << bad;
}

} // namespace
