#include "tariff/tariff_normalise.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char *text;
    const char *written;
};

const Case kTimes[] = {
    { "", "" }, { "8:5", "08:05" }, { "8:30", "08:30" }, { "8:5:59", "08:05" },
    { "08:00", "08:00" }, { " 08:00", "08:00" }, { "23:59", "23:59" },
    // designators
    { "8:30 PM", "20:30" }, { "8:30pm", "20:30" }, { "12:00 AM", "00:00" },
    { "12:15 PM", "12:15" }, { "1:00 p", "13:00" }, { "11:59:59 am", "11:59" },
    // dates, with and without a time
    { "05/06/2000", "00:00" }, { "2000-06-05", "00:00" },
    { "05/06/2000 18:45", "18:45" }, { "2000-06-05 6:45 PM", "18:45" },
    // day counts whose fraction is the time
    { "0.5", "12:00" }, { "0.75", "18:00" }, { "8", "00:00" }, { "-0.25", "06:00" },
    { "0.99999999", "00:00" },
    // everything else unchanged
    { "24:00", "24:00" }, { "25:00", "25:00" }, { "abc", "abc" }, { "8:60", "8:60" },
    { "13:00 PM", "13:00 PM" }, { "31/02/2026", "31/02/2026" }, { " ", " " },
    { "05/06/2000 25:00", "05/06/2000 25:00" }, { "1e300", "1e300" },
};

const Case kFees[] = {
    { "", "" }, { "1.5", "1.50" }, { ".75", "0.75" }, { "2", "2.00" }, { "4.199", "4.20" },
    { "-1", "-1.00" }, { "-.001", "0.00" }, { "1 000", "1000.00" }, { "1e3", "1000.00" },
    { "999999", "999999.00" }, { "abc", "abc" }, { "2p", "2p" }, { "1.5.", "1.5." },
    // a whole part longer than the cell would come back as another number
    { "1e6", "1e6" }, { "-1e5", "-1e5" },
};

// Times as hours and minutes, fees with two decimals; what is neither stays as typed.
TEST(Normalise, TimesAndFees)
{
    for (const Case &c : kTimes)
        EXPECT_EQ(normaliseTime(QLatin1String(c.text)), QLatin1String(c.written)) << c.text;
    for (const Case &c : kFees)
        EXPECT_EQ(normaliseFee(QLatin1String(c.text)), QLatin1String(c.written)) << c.text;
}

} // namespace
