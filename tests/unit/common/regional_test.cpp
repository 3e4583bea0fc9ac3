#include "common/regional.h"

#include <gtest/gtest.h>

namespace {

const Regional kBritish(QLocale(QLocale::English, QLocale::UnitedKingdom));

TEST(Regional, CurrencyShowsWholePenceAsPounds)
{
    const struct {
        double pence;
        const char *shown;
    } cases[] = {
        {0, "£0.00"}, {1.5, "£0.02"}, {4.5, "£0.04"}, {19.035, "£0.19"},
        {123456789, "£1,234,567.89"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(kBritish.currency(c.pence), QString::fromUtf8(c.shown)) << c.pence;
}

} // namespace
