#include "common/rounding.h"

#include <gtest/gtest.h>

#include <limits>

TEST(RoundHalfEven, HalvesToEvenOthersToNearestAndSaturates)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    const std::pair<double, qint64> cases[] = { { 2.5, 2 }, { 3.5, 4 }, { -2.5, -2 }, { -3.5, -4 },
        { 0.5, 0 }, { 2501.5, 2502 }, { 12.6, 13 }, { 4.2, 4 }, { -0.4, 0 },
        { 2.4999999999999996, 2 }, { 1e300, kMax }, { -1e300, std::numeric_limits<qint64>::min() },
        { kInf, kMax }, { std::numeric_limits<double>::quiet_NaN(), 0 } };
    for (const auto &[value, rounded] : cases)
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
}
