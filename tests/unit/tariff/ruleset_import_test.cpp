#include "support/temp_program_dir.h"
#include "tariff/call_price.h"
#include "tariff/fee_file.h"
#include "tariff/rules_file.h"
#include "tariff/ruleset_import.h"

#include <gtest/gtest.h>

namespace {

RulesetImport imported(const char *text)
{
    return readRulesetText(QByteArray(text), QStringLiteral("fallback"));
}

QStringList lines(const QList<TimeRule> &rules)
{
    QStringList lines;
    for (const TimeRule &rule : rules)
        lines << timeRuleText(rule);
    return lines;
}

ExactNumber exactly(const char *text)
{
    return *ExactNumber::fromText(QString::fromLatin1(text));
}

// Each "on" line with an exact default, and the rules by time it becomes.
TEST(RulesetImport, EachRuleBecomesItsRuleByTime)
{
    const struct
    {
        const char *on;
        QStringList rules;
    } cases[] = {
        { "on (monday..friday) between (8:00..17:59) use (0.10, 90)",
            { "Mon-Fri 08:00-17:59 10.00 per 90 s" } },
        { "ON(Fri..Mon)BETWEEN(22:00..6:59)USE(.033,60) # wraps both ways",
            { "Fri-Mon 22:00-06:59 3.30 per 60 s" } },
        { "on (saturday, sunday) between () use (0.05, 90, 600)",
            { "Sat,Sun 00:00-23:59 5.00 per 90 s after 10 min" } },
        { "on (12/25, 26.12, 02/29) between (18:00..24:00) use (0.01, 1)",
            { "25/12,26/12,29/02 18:00-23:59 1.00 per 1 s" } },
        { "on (12/24..01.01) between (..7:59, 20:00..) use (0.000125, 3600)",
            { "24/12-01/01 00:00-07:59 0.0125 per 3600 s",
                "24/12-01/01 20:00-23:59 0.0125 per 3600 s" } },
        { "on (easter-2..easter+1, easter) between (0:00..0:00) use (0, 60, 45)",
            { "Easter-2,Easter-1,Easter,Easter+1,Easter 00:00-00:00 free after 45 s" } },
        { "on () between () use (12, 3600)", { "Mon-Sun 00:00-23:59 1200.00 per 3600 s" } },
        // Times and dates as people write them; free time; prices and units
        // as the operator writes them.
        { "on (1/01, 3/05) between (0:0..6:59, 24:00..0:5) use (0,0)",
            { "01/01,05/03 00:00-06:59 free", "01/01,05/03 00:00-00:05 free" } },
        { "on (sun) between (21:00..) use (0.0, 0, 60)", { "Sun 21:00-23:59 free after 1 min" } },
        { "on () between () use (0.0033333333333, 1)",
            { "Mon-Sun 00:00-23:59 0.33333333333 per 1 s" } },
        { "on (mon) between () use (0.0000001, 158.4)", { "Mon 00:00-23:59 0.00001 per 158.4 s" } },
    };
    for (const auto &c : cases) {
        const QByteArray text = QByteArray("default=(0.06, 60)\n") + c.on;
        const RulesetImport read = readRulesetText(text);
        ASSERT_TRUE(read.tariff) << c.on << ": " << read.refusal.message().toStdString();
        EXPECT_EQ(lines(read.tariff->rules.timeRules), c.rules) << c.on;
        for (const QString &line : lines(read.tariff->rules.timeRules))
            EXPECT_TRUE(read.tariff->summary.contains(line));
    }
}

TEST(RulesetImport, SettingsBecomeTheTableAndTheRules)
{
    const RulesetImport read = imported("\xEF\xBB\xBF# Example Telecom, by hand\r\n"
                                        "name = Example Telecom\r\n"
                                        "currency_symbol=EUR\r\n"
                                        "currency_position=left\r\n"
                                        "currency_digits=3\r\n"
                                        "per_connection=0.0125\r\n"
                                        "minimum_costs=0.1\r\n"
                                        "flat_init_costs=(0.10,72)\r\n"
                                        "default=(0.0833, 60)\r\n"
                                        "default=(0.02, 60, 3600)\r\n"
                                        "default=(0.04, 60, 1800)\r\n"
                                        "on (monday) between (8:00..17:59) use (0.1, 90)\r\n");
    ASSERT_TRUE(read.tariff) << read.refusal.message().toStdString();
    const RulesetTariff &tariff = *read.tariff;
    EXPECT_EQ(tariff.name, "Example Telecom");
    EXPECT_EQ(tariff.currency.symbol, "EUR");
    EXPECT_TRUE(tariff.currency.symbolFirst);
    EXPECT_EQ(tariff.currency.digits, 3);
    for (int day = 0; day < TariffTable::kDays; ++day) {
        EXPECT_EQ(tariff.table.band(day, 0).bandStart, "00:00");
        EXPECT_EQ(tariff.table.band(day, 0).fee, "8.33");
        EXPECT_TRUE(tariff.table.band(day, 1).bandStart.isEmpty());
    }
    EXPECT_EQ(tariff.table.minConnectTime(), "0");
    const TariffRules &rules = tariff.rules;
    EXPECT_EQ(rules.feePerCallPence, exactly("1.25"));
    EXPECT_EQ(rules.minimumChargePence, ExactNumber(10));
    EXPECT_EQ(rules.firstMs, 72000);
    EXPECT_EQ(rules.unitMs, 60000);
    EXPECT_EQ(rules.firstChargePence, 10);
    EXPECT_TRUE(rules.unitsAtOwnRate);
    EXPECT_TRUE(rules.holidays.isEmpty());
    // The longer wait after the shorter, the "on" lines after both.
    EXPECT_EQ(lines(rules.timeRules),
        QStringList({ "Mon-Sun 00:00-23:59 4.00 per 60 s after 30 min",
            "Mon-Sun 00:00-23:59 2.00 per 60 s after 60 min", "Mon 08:00-17:59 10.00 per 90 s" }));
    EXPECT_EQ(tariff.summary.mid(0, 7),
        QStringList({ "Ruleset: Example Telecom",
            "Prices in EUR, each amount below in hundredths of it",
            "Every day from 00:00: 8.33 a minute",
            "Charge units: 72/60, each at the rate in force when it begins",
            "First charge: 10 for the first 72 s", "Fee per call: 1.25", "Minimum charge: 10" }));

    // A default whose fee a minute has more than two decimals is the first
    // rule by time; a flat charge of no time is a fee for each call.
    const RulesetImport inexact = imported("per_connection=0.01\ndefault=(0.05, 90)\n"
                                           "flat_init_costs=(0.02, 0)");
    ASSERT_TRUE(inexact.tariff) << inexact.refusal.message().toStdString();
    EXPECT_EQ(inexact.tariff->name, "fallback");
    EXPECT_EQ(inexact.tariff->table.band(6, 0).fee, "3.33");
    EXPECT_EQ(lines(inexact.tariff->rules.timeRules),
        QStringList { "Mon-Sun 00:00-23:59 5.00 per 90 s" });
    EXPECT_EQ(inexact.tariff->rules.feePerCallPence, 3);
    EXPECT_EQ(inexact.tariff->rules.firstMs, 90000);
    EXPECT_FALSE(inexact.tariff->rules.firstChargePence);

    // Free time by default; costs to their last digit; a first charge of hours.
    const RulesetImport exact = imported("default=(0.0, 0)\nper_connection=0.09258\n"
                                         "minimum_costs=0.04256\nflat_init_costs=(5,54000)");
    ASSERT_TRUE(exact.tariff) << exact.refusal.message().toStdString();
    EXPECT_EQ(exact.tariff->table.band(0, 0).fee, "0.00");
    EXPECT_EQ(exact.tariff->rules.feePerCallPence, exactly("9.258"));
    EXPECT_EQ(exact.tariff->rules.minimumChargePence, exactly("4.256"));
    EXPECT_EQ(exact.tariff->rules.firstChargePence, ExactNumber(500));
    EXPECT_EQ(exact.tariff->rules.firstMs, 54000000);
    EXPECT_EQ(exact.tariff->rules.unitMs, 1000);
}

// The currency as the file writes it, in UTF-8 or Latin-1, and what the user
// is told where it is not their own; a setting given twice takes the later.
TEST(RulesetImport, CurrencyIsReadAsWrittenAndNamedWhereNotTheUsers)
{
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    const QString other = "Amounts will show in your own currency, \u00A3, as the ruleset's "
                          "figures: Callwise converts no currency.";
    const struct
    {
        const char *settings;
        QString symbol;
        QString note;
    } cases[] = {
        { "currency_symbol=\xC2\xA3", "\u00A3", {} },
        { "currency_symbol=\xA3", "\u00A3", {} },
        { "\xEF\xBB\xBF" "currency_symbol= gbp ", "gbp", {} },
        { "currency_symbol=\xE2\x82\xAC", "\u20AC", other },
        { "currency_symbol=USD\ncurrency_symbol=EUR", "EUR", other },
        { "name=x", "", {} },
    };
    for (const auto &c : cases) {
        const RulesetImport read = imported(
            (QByteArray(c.settings) + "\nname=a\nname=b\ndefault=(1,60)").constData());
        ASSERT_TRUE(read.tariff) << c.settings;
        EXPECT_EQ(read.tariff->name, "b");
        EXPECT_EQ(read.tariff->currency.symbol, c.symbol) << c.settings;
        EXPECT_EQ(currencyNote(read.tariff->currency, british), c.note) << c.settings;
    }
}

// Whatever cannot be kept exactly gives no tariff, and names the line.
TEST(RulesetImport, RefusalsNameTheLineAndTheReason)
{
    const struct
    {
        const char *ruleset;
        int line;
        const char *why;
    } cases[] = {
        { "name=x\n", 0, "it has no default=(cost, seconds), the price where no rule applies" },
        { "default=(0.1, 60)\ndefault=(0.2, 60)", 2, "default is set already on line 1" },
        { "default=(0.1,60,60)\ndefault=(0.2,30,60)", 2,
            "a default after 60 s is set already on line 1" },
        { "on (mon..sun) between (9:00..22:59) use (1, 60)\non (mon..sat) between (23:00..8:59)"
          " use (1, 60)\non (sun) between (23:00..24:00, 0:0..8:58) use (1, 60)", 0,
            "it has no default=(cost, seconds), and no rule prices a call that begins on "
            "Sunday at 08:59" },
        { "on () between (9:00..8:58) use (1, 60)\non () between (8:59..8:59) use (1, 60, 1)", 0,
            "it has no default=(cost, seconds), and no rule prices a call that begins on "
            "Monday at 08:59" },
        { "on (12/25) between () use (1, 60)\non (monday..sunday) between (..23:58) use (1, 60)", 0,
            "it has no default=(cost, seconds), and no rule prices a call that begins on "
            "Monday at 23:59" },
        { "default=(0.1, 60)\non (monday..friday) between (8:00..) use (0.1, 0)", 2,
            "a unit cannot be 0 seconds" },
        { "default=(0.1, 3601)", 1, "a unit cannot be longer than 3600 seconds" },
        { "default=(0.1, 1.2345)", 1,
            "\"1.2345\" is no number of seconds (to the thousandth at most)" },
        { "default=(1,60)\nflat_init_costs=(5, 86400.5)", 2,
            "a first charge cannot be longer than a day (86400 seconds)" },
        { "default=(-0.1, 60)", 1, "a price cannot be below 0" },
        { "default=(1e-3, 60)", 1, "\"1e-3\" is no amount" },
        { "default=(0.1234567890123456789012345678901, 60)", 1,
            "\"0.1234567890123456789012345678901\" has more digits than any price (at most 30)" },
        { "default=(0.1)", 1, "\"(0.1)\" is not (cost, seconds) or (cost, seconds, after)" },
        { "default=(0.1, 60, 86401)", 1,
            "\"86401\" is past a day (86400 s), the most Callwise counts into a call" },
        { "\n\ndefault=(1,60)\non (monday) between (25:00..26:00) use (1, 60)", 4,
            "\"25:00\" is no time of day (h:mm)" },
        { "default=(1,60)\non (monday) between (8:00) use (1, 60)", 2,
            "\"8:00\" is no range of times (h:mm..h:mm)" },
        { "default=(1,60)\non (13/25) between () use (1, 60)", 2,
            "\"13/25\" is no day of the year" },
        { "default=(1,60)\non (monday..12/25) between () use (1, 60)", 2,
            "\"monday..12/25\" joins days of two kinds; a range runs from weekday to weekday, date "
            "to "
            "date or easter to easter" },
        { "default=(1,60)\non (funday) between () use (1, 60)", 2,
            "\"funday\" is no weekday, date (mm/dd or dd.mm) or day from easter" },
        { "default=(1,60)\non (easter+1..easter-1) between () use (1, 60)", 2,
            "\"easter+1..easter-1\" must run forwards over at most 31 days" },
        { "default=(1,60)\non (monday) use (1, 60)", 2,
            "a rule reads \"on (days) between (times) use (cost, seconds)\"" },
        { "default=(1,60)\nonly=12/25", 2, "\"only\" is no setting of a ruleset" },
        { "default=(1,60)\nuse (1, 60)", 2,
            "it is neither a setting \"name=value\" nor an \"on\" rule" },
        { "default=(1,60)\nflat_init_costs=(0.1, 60, 5)", 2,
            "a flat first charge has no \"after\"" },
        { "default=(1,60)\ncurrency_position=middle", 2, "the position is left or right" },
        { "default=(1,60)\ncurrency_digits=two", 2, "the digits are a whole number from 0 to 9" },
    };
    for (const auto &c : cases) {
        const RulesetImport read = imported(c.ruleset);
        EXPECT_FALSE(read.tariff) << c.ruleset;
        EXPECT_EQ(read.refusal.line, c.line) << c.ruleset;
        EXPECT_EQ(read.refusal.why, QString::fromLatin1(c.why)) << c.ruleset;
    }
    EXPECT_EQ(imported("default=(0.1, 60)\n on (mon) between (8:00..) use (0.1, 0)  # day")
                  .refusal.message(),
        "line 2, \"on (mon) between (8:00..) use (0.1, 0)  # day\": a unit cannot be 0 seconds");
}

// Saved by the tariff editor's writers and loaded back, an imported ruleset
// is the same tariff and prices every call as the ruleset read directly.
TEST(RulesetImport, SavedAndLoadedPricesAsRead)
{
    TempProgramDir dir;
    dir.write("week.rst",
        "name=Week\nflat_init_costs=(0.05,30)\nper_connection=0.01\nminimum_costs=0.07\n"
        "default=(0.05, 90)\ndefault=(0.01,60,1200)\n"
        "on (monday..friday) between (8:00..17:59) use (0.1, 90)\n"
        "on (saturday..sunday, 12/25) between (22:00..6:59) use (0.005, 60)\n"
        "on (easter-2..easter+1) between () use (0.02, 10, 60)\n");
    const RulesetImport read = readRuleset(dir.file("week.rst"));
    ASSERT_TRUE(read.tariff) << read.refusal.message().toStdString();
    EXPECT_EQ(read.tariff->name, "Week");
    ASSERT_TRUE(SaveFees(read.tariff->table, dir.file("netfees.ini")).ok);
    ASSERT_TRUE(SaveRules(dir.file("netrules.ini"), read.tariff->rules).ok);
    TariffTable table;
    ASSERT_TRUE(LoadFees(table, dir.file("netfees.ini")));
    const RulesLoad rules = LoadRules(dir.file("netrules.ini"));
    ASSERT_TRUE(rules.ok) << rules.why.toStdString();
    EXPECT_EQ(rules.rules, read.tariff->rules);

    const CallPricer direct(read.tariff->table, read.tariff->rules);
    const CallPricer saved(table, rules.rules);
    // As the dialer charges: 5 for the first 30 s and 1 a call, then each
    // unit at the line in force when it begins, the last written winning.
    const struct
    {
        QDate day;
        int startSecond;
        qint64 seconds;
        double pence;
    } calls[] = {
        { QDate(2026, 12, 7), 10 * 3600, 100, 16 }, // Monday's 10 per 90 s at 30 s
        { QDate(2026, 12, 7), 20 * 3600, 0, 7 }, // the minimum
        { QDate(2026, 4, 3), 12 * 3600, 200, 32 }, // Good Friday: 10, then 8 × 2 from 120 s
        { QDate(2026, 12, 25), 23 * 3600, 250, 8 }, // 4 × 0.5 on Christmas night
        { QDate(2026, 12, 6), 12 * 3600, 1300, 73 }, // 13 × 5 per 90 s, then 2 × 1 after 20 min
    };
    for (const auto &c : calls) {
        const CallToPrice call { c.day, c.startSecond, c.seconds, 0.0 };
        EXPECT_EQ(direct.price(call, TableRule::Live), c.pence) << c.day.toString().toStdString();
        EXPECT_EQ(saved.price(call, TableRule::Live), c.pence);
    }
    EXPECT_FALSE(readRuleset(dir.file("none.rst")).tariff);
    EXPECT_EQ(readRuleset(dir.path()).refusal.message(), "it cannot be read");
}

} // namespace
