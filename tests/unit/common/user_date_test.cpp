#include "common/user_date.h"

#include <gtest/gtest.h>

TEST(UserDate, DayFirstOrYearFirstAndNothingElse)
{
    EXPECT_EQ(readUserDate(u"5/6/2000"), QDate(2000, 6, 5));
    EXPECT_EQ(readUserDate(u" 2026-12-06 "), QDate(2026, 12, 6));
    EXPECT_EQ(readUserDate(u"29/02/2024"), QDate(2024, 2, 29));
    for (const char16_t *text : { u"", u"abc", u"31/02/2026", u"06/13/2026", u"1/1/26",
             u"05/06/2000x", u"2026-1-", u"00/01/2026" })
        EXPECT_FALSE(readUserDate(text).has_value()) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(userDateText(QDate(2026, 1, 2)), "02/01/2026");
}
