#include "support/fake_clock.h"
#include "tariff/fee_lookup.h"

#include <gtest/gtest.h>

namespace {

struct LookupCase
{
    int day; // of the week from Monday 7 December 2026
    QTime time;
    double before; // costnow as the previous lookup left it
    double fee;
};

class FeeLookupTest : public testing::TestWithParam<LookupCase>
{
protected:
    static TariffTable week()
    {
        const std::vector<std::pair<const char *, const char *>> days[] = {
            { { "00:00", "1.00" }, { "08:00", "4.20" }, { "18:00", "1.00" } },
            { { "18:00", "1.00" }, { "08:00", "4.20" } }, // the last in band order wins
            { { "", "2.00" }, { "8:00", "9.00" }, { "abc", "7.00" } }, // starts compare as texts
            { { "", "2p" }, { "01:00", "0" }, { "02:00", "-1" }, { "03:00", "abc" } },
            { { "22:00", "3.00" } }, { { "00:00", "0.00" } },
            { { "00:00", "0.50" }, { "20:00", "0.25" } }
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
};

TEST_P(FeeLookupTest, BandFromTheMinuteAfterItsStartOrTheFeeBefore)
{
    const LookupCase &c = GetParam();
    FakeClock clock(QDateTime(QDate(2026, 12, 7).addDays(c.day), c.time));
    double costnow = c.before;
    LookUpFee(week(), clock, costnow);
    EXPECT_DOUBLE_EQ(costnow, c.fee);
}

const LookupCase kWeek[] = {
    { 0, QTime(7, 59), 0, 1.0 }, { 0, QTime(8, 0, 59), 0, 1.0 }, { 0, QTime(8, 1), 0, 4.2 },
    { 0, QTime(18, 0), 0, 4.2 }, { 0, QTime(18, 1), 0, 1.0 }, { -1, QTime(23, 59), 0, 0.25 },
    // midnight keeps the previous day's fee for a minute
    { 0, QTime(0, 0, 30), 0.25, 0.25 }, { 0, QTime(0, 1), 0.25, 1.0 },
    { 1, QTime(19, 0), 0, 4.2 }, { 2, QTime(0, 0), 0, 2.0 }, { 2, QTime(23, 59), 0, 2.0 },
    // fees that are not positive never apply; "2p" applies as 2
    { 3, QTime(4, 0), 0, 2.0 }, { 4, QTime(23, 0), 0, 3.0 }, { 5, QTime(12, 0), 3.0, 3.0 },
    { 5, QTime(23, 59), 3.0, 3.0 },
};

INSTANTIATE_TEST_SUITE_P(Week, FeeLookupTest, testing::ValuesIn(kWeek));

} // namespace
