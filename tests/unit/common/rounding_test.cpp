#include "common/rounding.h"

#include <gtest/gtest.h>

#include <limits>

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(4.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(0.5), 0);
}

TEST(RoundHalfEven, OtherFractionsGoToTheNearest)
{
    EXPECT_EQ(roundHalfEven(12.6), 13);
    EXPECT_EQ(roundHalfEven(4.2), 4);
    EXPECT_EQ(roundHalfEven(-0.4), 0);
    EXPECT_EQ(roundHalfEven(2500.5), 2500);
    EXPECT_EQ(roundHalfEven(2501.5), 2502);
    EXPECT_EQ(roundHalfEven(2.4999999999999996), 2);
}

TEST(RoundHalfEven, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(roundHalfEven(1e300), std::numeric_limits<qint64>::max());
    EXPECT_EQ(roundHalfEven(-1e300), std::numeric_limits<qint64>::min());
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()),
              std::numeric_limits<qint64>::max());
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}
