#include "common/number_reader.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>

namespace {

struct NumberCase
{
    const char *text;
    double value;
    bool found;
    bool whole;
};

class NumberReaderTest : public testing::TestWithParam<NumberCase>
{
};

TEST_P(NumberReaderTest, ReadsLeadingNumber)
{
    const NumberCase &c = GetParam();
    const LeadingNumber n = readLeadingNumber(QString::fromLatin1(c.text));
    EXPECT_DOUBLE_EQ(n.value, c.value) << c.text;
    EXPECT_EQ(std::signbit(n.value), std::signbit(c.value)) << c.text; // no negative zero
    EXPECT_EQ(n.found, c.found) << c.text;
    EXPECT_EQ(n.whole, c.whole) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberReaderTest,
    testing::Values(
        // plain forms and signs
        NumberCase { "1.50", 1.5, true, true }, NumberCase { "01.50", 1.5, true, true },
        NumberCase { ".75", 0.75, true, true }, NumberCase { "2.", 2, true, true },
        NumberCase { "-3", -3, true, true }, NumberCase { "-0.0", 0, true, true },
        NumberCase { "+4.2", 4.2, true, true },
        // blanks are ignored wherever they stand
        NumberCase { "  1 2\t3 ", 123, true, true }, NumberCase { " - 1 . 5", -1.5, true, true },
        // reading stops at the first character that cannot continue
        NumberCase { "2p", 2, true, false }, NumberCase { "08:00", 8, true, false },
        NumberCase { "1.5.6", 1.5, true, false }, NumberCase { "12,5", 12, true, false },
        // exponents, only with digits after them
        NumberCase { "1e3", 1000, true, true }, NumberCase { "2.5E-1", 0.25, true, true },
        NumberCase { "1 e + 2", 100, true, true }, NumberCase { "3e", 3, true, false },
        NumberCase { "3e+", 3, true, false }, NumberCase { "4ex", 4, true, false },
        NumberCase { "1e-400", 0, true, true },
        // no number reads as 0
        NumberCase { "", 0, false, false }, NumberCase { "abc", 0, false, false },
        NumberCase { ".", 0, false, false }, NumberCase { "-", 0, false, false },
        NumberCase { "+.e5", 0, false, false }, NumberCase { "  ", 0, false, false },
        // too large for a double is no number rather than infinity
        NumberCase { "1e400", 0, false, false }, NumberCase { "99999e99999", 0, false, false }));

} // namespace
