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

// minutes begun at the fee, or the minimum, each rounded half to even; an
// unreadable minimum reads as 0, and a charge far beyond 16 bits does not wrap
const ChargeCase kCases[] = {
    { 0, 0, 4.2, "3", 13 }, { 0, 2, 1.5, "3", 4 }, { 1, 5, 1.0, "3", 66 }, { 0, 2, 1.5, "0", 4 },
    { 0, 0, 0.0, "9", 0 }, { 5, 0, 0.0, "3", 0 }, { 0, 0, 2.5, "0", 2 }, { 0, 0, 3.5, "0", 4 },
    { 0, 0, 4.0, "", 4 }, { 0, 0, 4.0, "x", 4 }, { 23, 59, 99.99, "3", 143986 },
    { 100, 0, 999999.0, "3", 6000993999 },
};

INSTANTIATE_TEST_SUITE_P(Cases, CallChargeTest, testing::ValuesIn(kCases));

} // namespace
