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

const NumberCase kTexts[] = {
    // plain forms and signs
    { "1.50", 1.5, true, true }, { "01.50", 1.5, true, true }, { ".75", 0.75, true, true },
    { "2.", 2, true, true }, { "-3", -3, true, true }, { "-0.0", 0, true, true },
    { "+4.2", 4.2, true, true },
    // blanks are ignored wherever they stand
    { "  1 2\t3 ", 123, true, true }, { " - 1 . 5", -1.5, true, true },
    // reading stops at the first character that cannot continue
    { "2p", 2, true, false }, { "08:00", 8, true, false }, { "1.5.6", 1.5, true, false },
    { "12,5", 12, true, false },
    // exponents, only with digits after them
    { "1e3", 1000, true, true }, { "2.5E-1", 0.25, true, true }, { "1 e + 2", 100, true, true },
    { "3e", 3, true, false }, { "3e+", 3, true, false }, { "4ex", 4, true, false },
    { "1e-400", 0, true, true },
    // no number reads as 0
    { "", 0, false, false }, { "abc", 0, false, false }, { ".", 0, false, false },
    { "-", 0, false, false }, { "+.e5", 0, false, false }, { "  ", 0, false, false },
    // too large for a double is no number rather than infinity
    { "1e400", 0, false, false }, { "99999e99999", 0, false, false },
};

INSTANTIATE_TEST_SUITE_P(Texts, NumberReaderTest, testing::ValuesIn(kTexts));

} // namespace
