#include "tariff/fee_lookup.h"
#include "support/fake_clock.h"

#include <gtest/gtest.h>

namespace {

const QDate kMonday(2026, 12, 7);
const QDate kSaturday(2026, 12, 5);

class FeeLookupTest : public testing::Test
{
protected:
    FeeLookupTest()
    {
        setDay(0, {{"00:00", "1.00"}, {"08:00", "4.20"}, {"18:00", "1.00"}, {"", ""}});
    }

    void setDay(int day, std::initializer_list<std::pair<const char *, const char *>> bands)
    {
        int band = 0;
        for (const auto &[start, fee] : bands) {
            table.setBandStart(day, band, start);
            table.setFee(day, band, fee);
            ++band;
        }
    }

    double lookUpAt(QDate date, QTime time)
    {
        clock.set(date, time);
        LookUpFee(table, clock, costnow);
        return costnow;
    }

    TariffTable table;
    FakeClock clock;
    double costnow = 0.0;
};

TEST_F(FeeLookupTest, BandAppliesFromTheMinuteAfterItsStart)
{
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday, QTime(7, 59)), 1.0);
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday, QTime(8, 0, 59)), 1.0);
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday, QTime(8, 1)), 4.2);
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday, QTime(18, 0)), 4.2);
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday, QTime(18, 1)), 1.0);
}

TEST_F(FeeLookupTest, MidnightKeepsThePreviousDaysFee)
{
    setDay(6, {{"00:00", "0.50"}, {"20:00", "0.25"}});
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday.addDays(-1), QTime(23, 59)), 0.25);
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday, QTime(0, 0, 30)), 0.25);
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday, QTime(0, 1)), 1.0);
}

TEST_F(FeeLookupTest, NoApplyingBandKeepsCostnow)
{
    setDay(4, {{"22:00", "3.00"}});
    setDay(5, {{"00:00", "0.00"}});
    EXPECT_DOUBLE_EQ(lookUpAt(kSaturday.addDays(-1), QTime(23, 0)), 3.0);
    EXPECT_DOUBLE_EQ(lookUpAt(kSaturday, QTime(12, 0)), 3.0);
    EXPECT_DOUBLE_EQ(lookUpAt(kSaturday, QTime(23, 59)), 3.0);
}

TEST_F(FeeLookupTest, LastApplyingBandInBandOrderWins)
{
    setDay(1, {{"18:00", "1.00"}, {"08:00", "4.20"}});
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday.addDays(1), QTime(19, 0)), 4.2);
}

TEST_F(FeeLookupTest, StartTextsCompareAsTexts)
{
    // an empty start applies all day; one without its leading zero never does
    setDay(2, {{"", "2.00"}, {"8:00", "9.00"}, {"abc", "7.00"}});
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday.addDays(2), QTime(0, 0)), 2.0);
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday.addDays(2), QTime(23, 59)), 2.0);
}

TEST_F(FeeLookupTest, FeesThatAreNotPositiveNeverApply)
{
    setDay(3, {{"", "3.00"}, {"01:00", "0"}, {"02:00", "-1"}, {"03:00", "abc"}, });
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday.addDays(3), QTime(4, 0)), 3.0);
}

TEST_F(FeeLookupTest, FeeWithTrailingTextAppliesAsItsLeadingNumber)
{
    setDay(3, {{"", "2p"}});
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday.addDays(3), QTime(12, 0)), 2.0);
}

TEST_F(FeeLookupTest, DefaultTableLeavesCostnowAtZero)
{
    table.resetToDefaults();
    EXPECT_DOUBLE_EQ(lookUpAt(kMonday, QTime(12, 0)), 0.0);
}

} // namespace
