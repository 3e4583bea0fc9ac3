#include "tariff/call_charge.h"

#include <gtest/gtest.h>

namespace {

struct ChargeCase
{
    qint64 hours;
    qint64 minutes;
    double fee;
    const char *minConnect;
    qint64 charge;
};

class CallChargeTest : public testing::TestWithParam<ChargeCase>
{
};

TEST_P(CallChargeTest, ChargesEveryMinuteBegunAndTheMinimum)
{
    const ChargeCase &c = GetParam();
    EXPECT_EQ(CallCharge(c.hours, c.minutes, c.fee, QString::fromLatin1(c.minConnect)), c.charge);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CallChargeTest,
    testing::Values(ChargeCase{0, 0, 4.2, "3", 13},  // 4.2 -> 4, minimum 12.6 -> 13
                    ChargeCase{0, 2, 1.5, "3", 4},   // 4.5 -> 4, minimum 4.5 -> 4
                    ChargeCase{1, 5, 1.0, "3", 66},
                    ChargeCase{0, 2, 1.5, "0", 4},   // three minutes begun
                    ChargeCase{0, 0, 0.0, "9", 0},
                    ChargeCase{5, 0, 0.0, "3", 0},
                    ChargeCase{0, 0, 2.5, "0", 2},   // half to even
                    ChargeCase{0, 0, 3.5, "0", 4},
                    ChargeCase{0, 0, 4.0, "", 4},    // empty min connect time reads as 0
                    ChargeCase{0, 0, 4.0, "x", 4},
                    // a charge far beyond 16 bits does not wrap
                    ChargeCase{23, 59, 99.99, "3", 143986}, ChargeCase{100, 0, 999999.0, "3",
                                                                       6000993999}));

} // namespace
