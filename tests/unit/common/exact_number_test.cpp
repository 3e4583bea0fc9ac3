#include "common/exact_number.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Text in, the decimal written back (two places at least) and the nearest
// whole number, half to even.
TEST(ExactNumber, ReadsWritesAndRoundsAsWritten)
{
    const struct
    {
        const char *typed;
        const char *written;
        qint64 rounded;
    } cases[] = {
        { "4.20", "4.20", 4 },
        { " 0.0033333333333 ", "0.0033333333333", 0 },
        { "0.123456789012345678", "0.123456789012345678", 0 },
        { "1199.999999988", "1199.999999988", 1200 },
        { "27.0000000010617493347", "27.0000000010617493347", 27 },
        { "1e-30", "0.000000000000000000000000000001", 0 },
        { "2.5", "2.50", 2 },
        { "3.5", "3.50", 4 },
        { "-2.5", "-2.50", -2 },
        { ".5", "0.50", 0 },
        { "15.", "15.00", 15 },
        { "1e3", "1000.00", 1000 },
        { "4256e-3", "4.256", 4 },
        { "123456789012345678901234567890", "123456789012345678901234567890.00",
            std::numeric_limits<qint64>::max() },
    };
    for (const auto &c : cases) {
        const std::optional<ExactNumber> read = ExactNumber::fromText(QString::fromLatin1(c.typed));
        ASSERT_TRUE(read) << c.typed;
        EXPECT_EQ(read->toText(2), QString::fromLatin1(c.written)) << c.typed;
        EXPECT_EQ(read->roundHalfEven(), c.rounded) << c.typed;
    }
    for (const char *refused : { "", "-", ".", "1.2.3", "4p", "1e", "1e99",
             "1234567890123456789012345678901" })
        EXPECT_FALSE(ExactNumber::fromText(QString::fromLatin1(refused))) << refused;
}

TEST(ExactNumber, SumsSharesOfAMinuteWithoutLoss)
{
    // 158.4 s of 4.20 a minute is 11.088, three times 33.264; a tenth 25
    // times is 2.5 exactly, where doubles add up to 2.5000000000000004.
    const ExactNumber share = ExactNumber::fraction(158400, 60000);
    EXPECT_EQ((*ExactNumber::fromText(u"4.2") * share * 3).toText(), "33.264");
    ExactNumber sum;
    for (int i = 0; i < 25; ++i)
        sum += ExactNumber::fraction(1, 10);
    EXPECT_EQ(sum, ExactNumber::fraction(5, 2));
    EXPECT_EQ(sum.roundHalfEven(), 2);
    // A third never ends: cut at the places asked for, and compared exactly.
    const ExactNumber third = ExactNumber(1) / 3;
    EXPECT_FALSE(third.endsWithin(18));
    EXPECT_EQ(third.toText(0, 5), "0.33333");
    EXPECT_LT(third, *ExactNumber::fromText(u"0.33333333333333334"));
    EXPECT_EQ(third * 3 - 1, ExactNumber());
    EXPECT_EQ(ExactNumber::fromDouble(4.2), ExactNumber::fraction(42, 10));
    EXPECT_EQ(ExactNumber(7) / 0, ExactNumber());
}

} // namespace
