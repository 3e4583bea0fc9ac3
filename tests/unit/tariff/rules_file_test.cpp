#include "support/temp_program_dir.h"
#include "tariff/rules_file.h"

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
    rules.firstSeconds = 60;
    rules.unitSeconds = 1;
    rules.firstChargePence = 9.1;
    rules.minimumChargePence = 20;
    rules.unitsAtOwnRate = true;
    rules.holidays = QStringList { QStringLiteral("25/12"), QStringLiteral("Easter-2"),
        QStringLiteral("27/12/2027"), QStringLiteral("England and Wales") };
    rules.timeRules = QStringList { QStringLiteral("Mon-Fri 08:00-17:59 4.20 a minute"),
        QStringLiteral("Holidays 00:00-23:59 10.00 per 90 s after 60 min") };
    ASSERT_TRUE(SaveRules(path, rules).ok);
    EXPECT_EQ(dir.read(QStringLiteral("netrules.ini")),
        "15.00\r\n60/1\r\n9.10\r\n20.00\r\n1\r\n25/12\r\nEaster-2\r\n27/12/2027\r\n"
        "England and Wales\r\nMon-Fri 08:00-17:59 4.20 a minute\r\n"
        "Holidays 00:00-23:59 10.00 per 90 s after 60 min\r\n");
    const RulesLoad loaded = LoadRules(path);
    EXPECT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.rules, rules);

    // Pence are kept to the hundredth the file is written with, so what a
    // hand-written file holds is priced the same before and after a save.
    dir.write(QStringLiteral("netrules.ini"), "1.234\r\n\r\n\r\n0.004\r\n");
    EXPECT_EQ(LoadRules(path).rules.feePerCallPence, 1.23);
    EXPECT_EQ(LoadRules(path).rules.minimumChargePence, 0);

    // Default rules leave no file behind.
    ASSERT_TRUE(SaveRules(path, TariffRules()).ok);
    EXPECT_FALSE(dir.exists(QStringLiteral("netrules.ini")));
}

// A line the window could not have written is no rules at all, named.
TEST(RulesFile, DamageGivesNoRulesAndSaysWhere)
{
    const struct
    {
        QByteArray bytes;
        int line;
    } cases[] = {
        { "abc\r\n", 1 }, { "15\r\n60/0\r\n", 2 }, { "\r\n\r\n9.10\r\n", 3 }, { "\r\n60/1\r\n-1\r\n", 3 },
        { "\r\n\r\n\r\n-5\r\n", 4 }, { "\r\n\r\n\r\n\r\nyes\r\n", 5 }, { "\r\n\r\n\r\n\r\n0\r\n31/02\r\n", 6 },
        { "\r\n\r\n\r\n\r\n0\r\n25/12\r\nMon 08:00-25:00 1 a minute\r\n", 7 },
    };
    TempProgramDir dir;
    for (const auto &c : cases) {
        dir.write(QStringLiteral("netrules.ini"), c.bytes);
        const RulesLoad loaded = LoadRules(dir.file(QStringLiteral("netrules.ini")));
        EXPECT_FALSE(loaded.ok) << c.bytes.constData();
        EXPECT_TRUE(loaded.rules.isDefault());
        EXPECT_EQ(loaded.why, QStringLiteral("Line %1 of netrules.ini is not a rule Callwise writes.").arg(c.line));
    }
    // A file the system will not read says the system's reason.
    QDir(dir.path()).mkdir(QStringLiteral("netrules.ini-dir"));
    const RulesLoad directory = LoadRules(dir.file(QStringLiteral("netrules.ini-dir")));
    EXPECT_FALSE(directory.ok);
    EXPECT_FALSE(directory.why.isEmpty());
}

} // namespace
