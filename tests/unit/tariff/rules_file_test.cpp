#include "support/temp_program_dir.h"
#include "tariff/rules_file.h"
#include "tariff/time_rules.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(RulesFile, EveryRuleReadsBackAsWritten)
{
    TempProgramDir dir;
    const QString path = dir.file(QStringLiteral("netrules.ini"));
    EXPECT_TRUE(LoadRules(path).ok); // no file: no rules
    EXPECT_TRUE(LoadRules(path).rules.isDefault());

    TariffRules rules;
    rules.feePerCallPence = 15;
    rules.firstMs = 60000;
    rules.unitMs = 1000;
    rules.firstChargePence = ExactNumber::fraction(91, 10);
    rules.minimumChargePence = 20;
    rules.unitsAtOwnRate = true;
    for (const char *line : { "25/12", "Easter-2", "27/12/2027", "England and Wales" })
        rules.holidays << readHoliday(QString::fromLatin1(line)).value();
    for (const char *line : { "Mon-Fri 08:00-17:59 4.20 a minute",
             "Holidays 00:00-23:59 10.00 per 90 s after 60 min" })
        rules.timeRules << readTimeRule(QString::fromLatin1(line)).rule.value();
    ASSERT_TRUE(SaveRules(path, rules).ok);
    EXPECT_EQ(dir.read(QStringLiteral("netrules.ini")),
        "15.00\r\n60/1\r\n9.10\r\n20.00\r\n1\r\n25/12\r\nEaster-2\r\n27/12/2027\r\n"
        "England and Wales\r\nMon-Fri 08:00-17:59 4.20 a minute\r\n"
        "Holidays 00:00-23:59 10.00 per 90 s after 60 min\r\n");
    const RulesLoad loaded = LoadRules(path);
    EXPECT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.rules, rules);

    // An operator's amounts and units are kept to the last digit, short
    // numbers in the file's usual form: a flat first charge of 15 hours,
    // units of 158.4 s, free time and a price per second of 13 places.
    const QByteArray exact = "9.258\r\n54000/158.4\r\n500.00\r\n4.256\r\n1\r\n"
                             "Sat-Sun 00:00-23:59 free\r\n"
                             "Mon-Fri 00:00-23:59 0.0033333333333 per 1 s after 90 min\r\n";
    dir.write(QStringLiteral("netrules.ini"), exact);
    const RulesLoad operators = LoadRules(path);
    ASSERT_TRUE(operators.ok) << operators.why.toStdString();
    EXPECT_EQ(operators.rules.feePerCallPence, ExactNumber::fraction(9258, 1000));
    EXPECT_EQ(operators.rules.firstMs, 54000000);
    EXPECT_EQ(operators.rules.unitMs, 158400);
    EXPECT_EQ(operators.rules.minimumChargePence, ExactNumber::fraction(4256, 1000));
    EXPECT_EQ(operators.rules.timeRules.at(1).pence,
        ExactNumber::fraction(33333333333, 10000000000000));
    ASSERT_TRUE(SaveRules(path, operators.rules).ok);
    EXPECT_EQ(dir.read(QStringLiteral("netrules.ini")), exact);

    // Default rules leave no file behind.
    ASSERT_TRUE(SaveRules(path, TariffRules()).ok);
    EXPECT_FALSE(dir.exists(QStringLiteral("netrules.ini")));
}

// A line the window could not have written puts no rules in force and is
// named with its text and what is wrong; every other setting is kept for
// the window, the bad list lines among their lists as written.
TEST(RulesFile, DamageGivesNoRulesNamesTheLinesAndKeepsTheRest)
{
    const struct
    {
        QByteArray bytes;
        const char *why;
        const char *readable; // the file's lines for what still reads, joined by "|"
    } cases[] = {
        { "abc\r\n60/1\r\n", "line 1, \"abc\": not an amount of pence", "|60/1|||0" },
        { "15\r\n60/0\r\n\r\n20\r\n1\r\n", "line 2, \"60/0\": a unit cannot be 0 seconds",
            "15.00|||20.00|1" },
        { "15\r\n1 min\r\n", "line 2, \"1 min\": not charge units such as 60/1", "15.00||||0" },
        { "\r\n\r\n9.10\r\n", "line 3, \"9.10\": a first charge needs charge units on line 2",
            "||||0" },
        { "\r\n60/1\r\n-1\r\n", "line 3, \"-1\": not an amount of pence", "|60/1|||0" },
        { "\r\n\r\n\r\n-5\r\n1\r\n", "line 4, \"-5\": not an amount of pence", "||||1" },
        { "\r\n\r\n\r\n\r\nyes\r\n", "line 5, \"yes\": neither 1 nor 0", "||||0" },
        { "15\r\n\r\n\r\n\r\n0\r\n25/12\r\n 31/02\r\n",
            "line 7, \" 31/02\": not a day Callwise knows", "15.00||||0|25/12|31/02" },
        // a rule by time goes with the rules, after the holidays
        { "\r\n\r\n\r\n\r\n0\r\n25/12\r\nMon 08:00-25:00 1 a minute\r\nSat 1p\r\n",
            "line 7, \"Mon 08:00-25:00 1 a minute\": 25:00 is not a time of day; line 8, \"Sat "
            "1p\": no times of day are given, such as 08:00-17:59",
            "||||0|25/12|Mon 08:00-25:00 1 a minute|Sat 1p" },
        { "a\r\nb\r\nc\r\nd\r\ne\r\n",
            "line 1, \"a\": not an amount of pence; line 2, \"b\": not charge units such as "
            "60/1; line 3, \"c\": not an amount of pence; and 2 more",
            "||||0" },
    };
    TempProgramDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.constData());
        dir.write(QStringLiteral("netrules.ini"), c.bytes);
        const RulesLoad loaded = LoadRules(dir.file(QStringLiteral("netrules.ini")));
        EXPECT_FALSE(loaded.ok);
        EXPECT_TRUE(loaded.rules.isDefault());
        EXPECT_EQ(loaded.why.toStdString(), std::string("netrules.ini: ") + c.why);
        const QStringList lines = rulesLines(loaded.readable).mid(0, 5) + loaded.holidayLines
            + loaded.ruleLines;
        EXPECT_EQ(lines.join(u'|').toStdString(), c.readable);
    }
    // A file the system will not read says the system's reason.
    QDir(dir.path()).mkdir(QStringLiteral("netrules.ini-dir"));
    const RulesLoad directory = LoadRules(dir.file(QStringLiteral("netrules.ini-dir")));
    EXPECT_FALSE(directory.ok);
    EXPECT_FALSE(directory.why.isEmpty());
}

} // namespace
