#include "tariff/tariff_normalise.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char *text;
    const char *written;
};

class TimeNormaliseTest : public testing::TestWithParam<Case>
{
};

TEST_P(TimeNormaliseTest, WritesHoursAndMinutes)
{
    EXPECT_EQ(normaliseTime(QString::fromLatin1(GetParam().text)),
              QString::fromLatin1(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TimeNormaliseTest,
    testing::Values(
        Case{"", ""}, Case{"8:5", "08:05"}, Case{"8:30", "08:30"}, Case{"8:5:59", "08:05"},
        Case{"08:00", "08:00"}, Case{" 08:00", "08:00"}, Case{"23:59", "23:59"},
        // designators
        Case{"8:30 PM", "20:30"}, Case{"8:30pm", "20:30"}, Case{"12:00 AM", "00:00"},
        Case{"12:15 PM", "12:15"}, Case{"1:00 p", "13:00"}, Case{"11:59:59 am", "11:59"},
        // dates, with and without a time
        Case{"05/06/2000", "00:00"}, Case{"2000-06-05", "00:00"},
        Case{"05/06/2000 18:45", "18:45"}, Case{"2000-06-05 6:45 PM", "18:45"},
        // day counts whose fraction is the time
        Case{"0.5", "12:00"}, Case{"0.75", "18:00"}, Case{"8", "00:00"}, Case{"-0.25", "06:00"},
        Case{"0.99999999", "00:00"},
        // everything else unchanged
        Case{"24:00", "24:00"}, Case{"25:00", "25:00"}, Case{"abc", "abc"}, Case{"8:60", "8:60"},
        Case{"13:00 PM", "13:00 PM"}, Case{"31/02/2026", "31/02/2026"}, Case{" ", " "},
        Case{"05/06/2000 25:00", "05/06/2000 25:00"}, Case{"1e300", "1e300"}));

class FeeNormaliseTest : public testing::TestWithParam<Case>
{
};

TEST_P(FeeNormaliseTest, WritesTwoDecimals)
{
    EXPECT_EQ(normaliseFee(QString::fromLatin1(GetParam().text)),
              QString::fromLatin1(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FeeNormaliseTest,
    testing::Values(Case{"", ""}, Case{"1.5", "1.50"}, Case{".75", "0.75"}, Case{"2", "2.00"},
                    Case{"4.199", "4.20"}, Case{"-1", "-1.00"}, Case{"-.001", "0.00"},
                    Case{"1 000", "1000.00"}, Case{"1e3", "1000.00"}, Case{"999999", "999999.00"},
                    Case{"abc", "abc"}, Case{"2p", "2p"}, Case{"1.5.", "1.5."},
                    // a whole part longer than the cell would come back as another number
                    Case{"1e6", "1e6"}, Case{"-1e5", "-1e5"}));

} // namespace
