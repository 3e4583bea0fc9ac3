#include "tariff/time_rules.h"

#include <gtest/gtest.h>

namespace {

// Each line as typed, the line written for the rule it reads as, and what
// one unit of it costs.
TEST(TimeRuleReader, ReadsTolerantlyAndWritesTheCanonicalLine)
{
    const struct
    {
        const char *typed;
        const char *written;
        double unitPence;
        double unitSeconds;
    } cases[] = {
        { "Mon-Fri 08:00-17:59 4.20 a minute in 12 s units",
            "Mon-Fri 08:00-17:59 4.20 a minute in 12 s units", 0.84, 12 },
        { "  monday - FRIDAY   8:00 - 17:59  4.2p per minute in 10 seconds units ",
            "Mon-Fri 08:00-17:59 4.20 a minute in 10 s units", 0.7, 10 },
        { "Sat-Sun, holidays 00:00-23:59 10 per 90 s",
            "Sat-Sun,Holidays 00:00-23:59 10.00 per 90 s", 10, 90 },
        { "01/06-31/08 21:00-05:00 .5 a min after 60 mins",
            "01/06-31/08 21:00-05:00 0.50 a minute after 60 min", 0.5, 60 },
        { "Mon-Fri 08:00-17:59 4.20 a minute after 90 min in 12 s units",
            "Mon-Fri 08:00-17:59 4.20 a minute in 12 s units after 90 min", 0.84, 12 },
        { "Fri-Mon,25/12,1/1/2027,Easter-2,easter+1,EASTER 00:00-23:59 0.12346p per 2 min after 90 "
          "secs",
            "Fri-Mon,25/12,01/01/2027,Easter-2,Easter+1,Easter 00:00-23:59 0.12346 per 120 s after "
            "90 s",
            0.12346, 120 },
        { "Sun 00:00-00:00 0 a minute", "Sun 00:00-00:00 free", 0, 1 },
        { "Sat-Sun 00:00-23:59 FREE after 30 min", "Sat-Sun 00:00-23:59 free after 30 min", 0, 1 },
        // the clauses in any order
        { "Mon-Fri 08:00-17:59 4.20 a minute after 90 min in 12 s units",
            "Mon-Fri 08:00-17:59 4.20 a minute in 12 s units after 90 min", 0.84, 12 },
        { "Mon-Fri 08:00-17:59 after 90 min 4.20 a minute",
            "Mon-Fri 08:00-17:59 4.20 a minute after 90 min", 4.2, 60 },
        // prices to the last digit written, units in fractions of a second
        { "Mon-Sun 00:00-23:59 0.33333333333 per 1 s", "Mon-Sun 00:00-23:59 0.33333333333 per 1 s",
            0.33333333333, 1 },
        { "Mon-Sun 00:00-23:59 10 per 158.4 s", "Mon-Sun 00:00-23:59 10.00 per 158.4 s", 10,
            158.4 },
        { "Mon 00:00-23:59 0.123456789012345 a minute in 12.5 s units",
            "Mon 00:00-23:59 0.123456789012345 a minute in 12.5 s units",
            0.123456789012345 * 12.5 / 60, 12.5 },
        { "24/12-02/01 18:00-07:59 1000000 per 3600 sec",
            "24/12-02/01 18:00-07:59 1000000.00 per 3600 s", 1e6, 3600 },
    };
    for (const auto &c : cases) {
        const TimeRuleRead read = readTimeRule(QString::fromLatin1(c.typed));
        ASSERT_TRUE(read.rule) << c.typed << ": " << read.why.toStdString();
        EXPECT_TRUE(read.why.isEmpty());
        EXPECT_EQ(timeRuleText(*read.rule), QString::fromLatin1(c.written)) << c.typed;
        EXPECT_DOUBLE_EQ(read.rule->unitPence().toDouble(), c.unitPence) << c.typed;
        EXPECT_EQ(double(read.rule->unitMs) / 1000, c.unitSeconds) << c.typed;
        EXPECT_EQ(readTimeRule(timeRuleText(*read.rule)).rule, read.rule) << c.typed;
    }
}

TEST(TimeRuleReader, RefusesWithAReason)
{
    const struct
    {
        const char *typed;
        const char *why;
    } cases[] = {
        { "", "the line is empty" },
        { "Mon-Fri 4.20 a minute", "no times of day are given, such as 08:00-17:59" },
        { "08:00-17:59 4.20 a minute", "no days are named" },
        { ", 08:00-17:59 4.20 a minute", "no days are named" },
        { "Mon-Fry 08:00-17:59 4.20 a minute", "Mon-Fry is not a day" },
        { "31/02 08:00-17:59 4.20 a minute", "31/02 is not a day of the calendar" },
        { "29/02/2027 08:00-17:59 4.20 a minute", "29/02/2027 is not a day of the calendar" },
        { "01/06-31/09 08:00-17:59 4.20 a minute", "31/09 is not a day of the calendar" },
        { "Mon 25:00-17:59 4.20 a minute", "25:00 is not a time of day" },
        { "Mon 08:00-17:60 4.20 a minute", "17:60 is not a time of day" },
        { "Mon 08:00-17:59", "no price is given" },
        { "Mon 08:00-17:59 a minute", "no price is given" },
        { "Mon 08:00-17:59 -1 a minute", "a price cannot be below 0" },
        { "Mon 08:00-17:59 4.20", "the price says neither \"a minute\" nor \"per\" a unit" },
        { "Mon 08:00-17:59 4.20 a fortnight",
            "4.20 a fortnight is not a price such as \"4.20 a minute\" or \"10 per 90 s\"" },
        { "Mon 08:00-17:59 1000001 a minute", "a price cannot be over 1000000 pence" },
        { "Mon 08:00-17:59 4.20 per 0 s", "a unit cannot be 0 seconds" },
        { "Mon 08:00-17:59 4.20 a minute in 0 s units", "a unit cannot be 0 seconds" },
        { "Mon 08:00-17:59 4.20 per 3601 s", "a unit cannot be over 3600 seconds" },
        { "Mon 08:00-17:59 4.20 per 99999999999999 s", "a unit cannot be over 3600 seconds" },
        { "Mon 08:00-17:59 4.20 per 9 hours", "hours is not seconds or minutes" },
        { "Mon 08:00-17:59 4.20 per 0.0001 s",
            "a unit is counted to the thousandth of a second at most" },
        { "Mon 08:00-17:59 10 per 90 s in 12 s units",
            "10 per 90 s in 12 s units is not a price such as \"4.20 a minute\" or \"10 per 90 s\"" },
        { "Mon 08:00-17:59 4.20 a minute after 1441 min",
            "a rule cannot begin over 24 hours into a call" },
    };
    for (const auto &c : cases) {
        const TimeRuleRead read = readTimeRule(QString::fromLatin1(c.typed));
        EXPECT_FALSE(read.rule) << c.typed;
        EXPECT_EQ(read.why, QString::fromLatin1(c.why)) << c.typed;
    }
}

// The last rule written that matches wins; days, minutes across midnight,
// "after", the holidays, a season across the new year and Easter.
TEST(TimeRuleBook, FindsTheLastMatchingRule)
{
    const HolidayCalendar holidays({ readHoliday(u"26/12").value() });
    QList<TimeRule> rules;
    for (const char *line : { "Mon-Fri 08:00-17:59 1 a minute", "Fri-Mon 21:00-05:00 2 a minute",
             "Mon-Fri 08:00-17:59 3 a minute after 60 min",
             "Holidays,Easter-2 00:00-23:59 4 a minute", "24/12-02/01 12:00-12:59 5 a minute" })
        rules << readTimeRule(QString::fromLatin1(line)).rule.value();
    const TimeRuleBook book(rules, holidays);
    const struct
    {
        QDate day;
        int minute;
        qint64 into;
        double fee; // 0: no rule
    } cases[] = {
        { QDate(2026, 12, 7), 8 * 60, 0, 1 },
        { QDate(2026, 12, 7), 7 * 60 + 59, 0, 0 },
        { QDate(2026, 12, 7), 17 * 60 + 59, 3599, 1 },
        { QDate(2026, 12, 7), 17 * 60 + 59, 3600, 3 },
        { QDate(2026, 12, 7), 4 * 60, 0, 2 },
        { QDate(2026, 12, 7), 22 * 60, 0, 2 },
        { QDate(2026, 12, 8), 4 * 60, 0, 0 },
        { QDate(2026, 12, 8), 18 * 60, 0, 0 },
        { QDate(2026, 12, 26), 9 * 60, 0, 4 },
        { QDate(2027, 1, 2), 12 * 60, 0, 5 },
        { QDate(2026, 12, 24), 12 * 60 + 59, 0, 5 },
        { QDate(2026, 12, 23), 12 * 60, 0, 1 },
        { QDate(2026, 4, 3), 10 * 60, 0, 4 },
        { QDate(2026, 4, 10), 10 * 60, 0, 1 },
        { QDate(), 10 * 60, 0, 0 },
    };
    for (const auto &c : cases) {
        const TimeRule *rule = book.ruleAt(c.day, c.minute, c.into);
        EXPECT_EQ(rule ? rule->minuteFee() : 0.0, c.fee)
            << c.day.toString(Qt::ISODate).toStdString() << " " << c.minute << " " << c.into;
    }
    EXPECT_EQ(book.nextChangeAfter(8 * 60), 12 * 60);
    EXPECT_EQ(book.nextChangeAfter(21 * 60), 24 * 60);
    EXPECT_EQ(book.nextThresholdAfter(0), 3600);
}

} // namespace
