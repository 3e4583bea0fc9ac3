#include "calllog/call_log.h"
#include "common/translations.h"
#include "report/report.h"
#include "support/fake_clock.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QSvgRenderer>

namespace {

const Regional kBritish(QLocale(QLocale::English, QLocale::UnitedKingdom));

const QByteArray kTwoCalls = "05:12:2026  ,  \r\n21:14:03  ,  \r\n00:05:01  ,  \r\n02.00#\r\n"
                             "06:12:2026  ,  \r\n08:00:00  ,  \r\n00:00:30  ,  \r\n01.50#\r\n";

class ReportTest : public testing::Test
{
protected:
    int run(QStringList arguments)
    {
        out.clear();
        err.clear();
        QTextStream outStream(&out), errStream(&err);
        return runReport(arguments, dir.path(), clock, kBritish, outStream, errStream);
    }

    TempProgramDir dir;
    FakeClock clock{QDateTime(QDate(2026, 12, 6), QTime(12, 0))};
    QString out;
    QString err;
};

TEST_F(ReportTest, PrintsWhatTheCostsWindowPrints)
{
    dir.write("netcosts.ini", kTwoCalls);
    ASSERT_EQ(run({"7 Days"}), 0) << err.toStdString();
    EXPECT_EQ(out, QString::fromUtf8(
                       "Callwise Call Costs Summary\n\n\n"
                       "Date     -           Time      - Connection - Cost per min - Cost\n"
                       "06:12:2026  ,  08:00:00  ,  00:00:30  ,  01.50  =  £0.04\n"
                       "05:12:2026  ,  21:14:03  ,  00:05:01  ,  02.00  =  £0.12\n"
                       "Total Calls Cost= £0.16\n"
                       "Total Time = 00: 5: 31\n"));
    EXPECT_TRUE(err.isEmpty());

    // The minimum connect time comes from the fee file.
    dir.write("netfees.ini", QByteArray("\r\n").repeated(56) + "0\r\n");
    ASSERT_EQ(run({"--today", "06/12/2026", "1 Day"}), 0);
    EXPECT_TRUE(out.contains(QString::fromUtf8("01.50  =  £0.02"))) << out.toStdString();
}

// A call priced under rules costs its kept charge in the summary and the CSV alike.
TEST_F(ReportTest, KeptChargesPriceTheirCalls)
{
    dir.write("netcosts.ini", kTwoCalls);
    dir.write("netcharges.ini", "05:12:2026  ,  21:14:03  ,  00:05:01  ,  30#\r\n");
    ASSERT_EQ(run({"7 Days"}), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QString::fromUtf8("02.00  =  £0.30\nTotal Calls Cost= £0.34\n")))
        << out.toStdString();
    ASSERT_EQ(run({"--csv", "7 Days"}), 0);
    EXPECT_TRUE(out.endsWith("\r\n2026-12-05,21:14:03,00:05:01,2.00,30.00\r\n")) << out.toStdString();
}

// As in the program, rules that cannot be used are told once and the fees price.
TEST_F(ReportTest, ARulesFileThatCannotBeUsedIsToldOnce)
{
    dir.write("netcosts.ini", kTwoCalls);
    ASSERT_EQ(run({ "7 Days" }), 0);
    const QString byFees = out;
    dir.write("netrules.ini", "15\r\n60/0\r\n");
    ASSERT_EQ(run({ "7 Days" }), 0);
    EXPECT_EQ(out, byFees);
    EXPECT_EQ(err,
        "callwise-report: netrules.ini: line 2, \"60/0\": a unit cannot be 0 seconds; "
        "calls are priced by the fees alone.\n");
}

TEST_F(ReportTest, DateRangeAndOtherDirectoryAndToday)
{
    TempProgramDir other;
    other.write("netcosts.ini", kTwoCalls);
    ASSERT_EQ(run({"--dir", other.path(), "--today", "01/01/2027", "--from", "06/12/2026",
                   "--to", "2026-12-05"}), 0);
    EXPECT_EQ(out.count("  =  "), 2);
    ASSERT_EQ(run({"--dir", other.path(), "--today", "01/01/2027", "7 Days"}), 0);
    EXPECT_EQ(out.count("  =  "), 0);
}

TEST_F(ReportTest, CsvHasAHeaderARowPerCallAndQuotesWhatNeedsIt)
{
    dir.write("netcosts.ini", kTwoCalls + "06:12:2026  ,  \"8\"  ,  00:01:00  ,  01.00#\r\n");
    ASSERT_EQ(run({"--csv", "28 Days"}), 0);
    EXPECT_TRUE(out.startsWith("date,start_time,duration,fee_pence_per_minute,cost_pence\r\n"
                               "2026-12-06,08:00:00,00:00:30,1.50,4.50\r\n"
                               "2026-12-06,\"\"\"8\"\"\",00:,"));
    EXPECT_TRUE(out.endsWith("\r\n2026-12-05,21:14:03,00:05:01,2.00,12.00\r\n")) << out.toStdString();
}

TEST_F(ReportTest, ChartIsDrawnIntoAnSvgOrAPngAndAFileThatCannotBeWrittenSaysWhy)
{
    dir.write("netcosts.ini", kTwoCalls);
    dir.write("alerts.ini", "0\r\n500\r\n\r\n");
    ASSERT_EQ(run({"--chart", dir.file("week.PNG"), "7 Days"}), 0) << err.toStdString();
    EXPECT_TRUE(out.isEmpty() && err.isEmpty());
    EXPECT_EQ(QImage(dir.file("week.PNG")).size(), QSize(640, 400));
    ASSERT_EQ(run({"--chart", dir.file("bill.svg"), "This bill"}), 0);
    const QSvgRenderer svg(dir.file("bill.svg"));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 640, 400));
    EXPECT_TRUE(dir.read("bill.svg").contains("Spent £0.16   Limit £5.00</title>"));
    EXPECT_EQ(run({"--chart", dir.file("none/c.svg"), "1 Day"}), 1);
    EXPECT_TRUE(err.startsWith("callwise-report: cannot write ")) << err.toStdString();
}

TEST_F(ReportTest, BadArgumentsExitTwoWithOneLine)
{
    const QList<QStringList> bad = { {}, { "2 Weeks" }, { "Date" }, { "--from", "01/12/2026" },
        { "--to", "01/12/2026" }, { "--today", "tomorrow", "1 Day" }, { "--dir" },
        { "--verbose", "1 Day" }, { "1 Day", "7 Days" },
        { "1 Day", "--from", "01/12/2026", "--to", "02/12/2026" },
        { "This bill" }, { "--chart", "c.pdf", "1 Day" }, { "--csv", "--chart", "c.png", "1 Day" },
        { "--bill", "1 Day" }, { "--bill", "--csv" }, { "--data", "1 Day" }, { "--csv", "--data", "1 Day" },
        { "--tariff" }, { "--rules", "r.ini", "1 Day" },
        { "--tariff", "a.ini", "--compare", "b.ini", "1 Day" },
        { "--compare", "a.ini", "--csv", "1 Day" }, { "--tariff", "a.ini", "--bill" },
        { "--compare", "a.ini" },
        { "--statement" }, { "--statement", "b.csv", "--csv" }, { "--statement", "b.csv", "--bill" },
        { "--statement", "b.csv", "1 Day", "--from", "01/12/2026", "--to", "02/12/2026" },
        { "--statement", "b.csv", "--tariff", "a.ini", "1 Day" },
        { "--from", "31/02/2026", "--to", "01/12/2026" } };
    for (const QStringList &arguments : bad) {
        EXPECT_EQ(run(arguments), 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
        EXPECT_TRUE(out.isEmpty());
    }
    EXPECT_TRUE(err.contains("--from 31/02/2026 is not a day of the calendar")) << err.toStdString();
}

// Scripts keep working under a translation: the English names are always
// taken, and the user's language's besides.
TEST_F(ReportTest, PeriodsAreTakenInEnglishAndInTheUsersLanguage)
{
    dir.write("netcosts.ini", kTwoCalls);
    const struct
    {
        const char *language, *period, *title, *total;
    } languages[] = { { "fr-FR", "7 jours", "Callwise - Récapitulatif",
                          "Coût total des appels = £0.16" },
        { "de-DE", "7 Tage", "Callwise - Übersicht", "Gesamtkosten der Anrufe = £0.16" } };
    for (const auto &c : languages) {
        installTranslations({ QString::fromLatin1(c.language) });
        for (const char *period : { c.period, "7 Days" }) {
            ASSERT_EQ(run({ period }), 0) << err.toStdString();
            EXPECT_TRUE(out.startsWith(QString::fromUtf8(c.title))) << period;
            EXPECT_TRUE(out.contains(QString::fromUtf8(c.total))) << out.toStdString();
        }
    }
    EXPECT_EQ(run({ "2 Weeks" }), 2);
    EXPECT_TRUE(err.contains(QString::fromUtf8("unbekannter Zeitraum „2 Weeks“ (einer von 1 Tag,")))
        << err.toStdString();
    installTranslations({ QStringLiteral("en-GB") });
    EXPECT_EQ(run({ "7 jours" }), 2);
    EXPECT_TRUE(err.contains(u"unknown period \"7 jours\" (one of 1 Day,")) << err.toStdString();
}

// 10p a day from 22 November: two weeks of log by 6 December, a forecast
// of 10p a day, and under a week by 27 November.
TEST_F(ReportTest, BillPrintsTheBillsMonthByTheAlertChoices)
{
    for (QDate day(2026, 11, 22); day < QDate(2026, 12, 6); day = day.addDays(1))
        appendLines(dir.file("netcosts.ini"),
            callRecordLines(logDateText(day), "00:10:00", "09:00:00", 1));
    dir.write("alerts.ini", "0\r\n200\r\n\r\n15\r\n");
    ASSERT_EQ(run({ "--bill" }), 0) << err.toStdString();
    EXPECT_EQ(out, QString::fromUtf8("Bill's month: 15/11/2026 to 14/12/2026\nSince 15 Nov: £1.40\n"
                                     "Expected by 14 Dec: £2.20\nLimit: £2.00\n"));
    dir.write("alerts.ini", "unreadable");
    run({ "--today", "27/11/2026", "--bill" });
    EXPECT_EQ(out, QString::fromUtf8("Bill's month: 01/11/2026 to 30/11/2026\nSince 1 Nov: £0.60\n"
                                     "No forecast yet: the log holds less than a week of calls.\n"
                                     "Limit: none\n"));
}

// A data call shows its volume and bytes in every form; the bill adds the
// data tariff's month. A minute-only log's CSV has no byte columns (above).
TEST_F(ReportTest, DataCallsShowTheirBytesAndTheBillTheAllowance)
{
    dir.write("netcosts.ini", kTwoCalls);
    dir.write("netbytes.ini", "05:12:2026  ,  21:14:03  ,  00:05:01  ,  12000000  ,  345678#\r\n");
    ASSERT_EQ(run({"7 Days"}), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QString::fromUtf8("08:00:00  ,  00:00:30  ,  01.50  =  £0.04\n")));
    EXPECT_TRUE(out.contains(QString::fromUtf8("00:05:01  ,  02.00  ,  12.3 MB  =  £0.12\n")));
    EXPECT_TRUE(out.endsWith("Total Data = 12.3 MB (12.0 MB received, 0.3 MB sent)\n"));
    ASSERT_EQ(run({"--csv", "7 Days"}), 0);
    EXPECT_EQ(out, "date,start_time,duration,fee_pence_per_minute,cost_pence,bytes_received,"
                   "bytes_sent\r\n2026-12-06,08:00:00,00:00:30,1.50,4.50,,\r\n"
                   "2026-12-05,21:14:03,00:05:01,2.00,12.00,12000000,345678\r\n");
    // Without a data tariff every byte, in the alerts' bill month.
    ASSERT_EQ(run({"--bill"}), 0) << err.toStdString();
    EXPECT_TRUE(out.endsWith("Since 1 Dec: £0.16\nNo forecast yet: the log holds less than a week "
                             "of calls.\nLimit: none\nData used since 1 Dec: 12.3 MB\n"))
        << out.toStdString();
    // The bundle's £5 a month from the 1st, and the call in the journal: 6p (its 3 minutes
    // at least) and 5 MB.
    dir.write("netdata.ini", QByteArray("\r\n").repeated(56) + "100\r\n500\r\n1\r\n\r\n1000000\r\n1\r\n");
    dir.write("callnow.ini", "06:12:2026  ,  \r\n10:00:00  ,  \r\n00:01:00  ,  \r\n02.00#\r\n"
                             "06:12:2026  ,  10:00:00  ,  00:01:00  ,  5000000  ,  0#\r\n");
    ASSERT_EQ(run({"--bill"}), 0) << err.toStdString();
    EXPECT_TRUE(out.endsWith("Since 1 Dec: £5.22\nNo forecast yet: the log holds less than a week "
                             "of calls.\nLimit: none\nData used since 1 Dec: 17.3 MB\nData left: "
                             "82.7 MB of 100.0 MB\nDaily budget: 3.2 MB a day, 26 days left\n"
                             "Runs out: not by 31 Dec\n"))
        << out.toStdString();
    QFile::remove(dir.file("callnow.ini"));
    ASSERT_EQ(run({"--chart", dir.file("data.svg"), "--data", "This bill"}), 0) << err.toStdString();
    EXPECT_TRUE(dir.read("data.svg").contains("Used 12.3 MB   Allowance 100.0 MB</title>"));
    // A data bill: the session on both within the tolerance, one billed only.
    dir.write("netcharges.ini", "05:12:2026  ,  21:14:03  ,  00:05:01  ,  30#\r\n");
    dir.write("data.csv", "Date,Time,Volume (KB),Cost\r\n05/12/2026,21:14:00,12100,0.31\r\n"
                          "06/12/2026,09:00:00,1.5 MB,0.02\r\n");
    ASSERT_EQ(run({"--statement", dir.file("data.csv")}), 0) << err.toStdString();
    EXPECT_EQ(out, QString::fromUtf8("data.csv against the log's data from 05/12/2026 to 06/12/2026\n"
                                     "Sessions billed: 2, logged: 1, on both: 1\n\n"
                                     "Billed and not logged: 1\n  06/12/2026 09:00:00  1.5 MB  £0.02  (line 3)\n\n"
                                     "Logged and not billed: 0\n\nPriced differently: 1\n"
                                     "  05/12/2026 21:14:03  12.3 MB  billed £0.31, logged £0.30\n\n"
                                     "Billed total: £0.33\nLogged total: £0.30\n"
                                     "Difference: £0.03 more on the bill\n"));
}

TEST_F(ReportTest, StatementIsCheckedAgainstTheLogOfItsDaysOrOfThePeriod)
{
    dir.write("netcosts.ini", kTwoCalls);
    dir.write("bill.csv", "Date,Time,Duration,Cost\r\n05/12/2026,21:14:00,301,0.12\r\n");
    ASSERT_EQ(run({ "--statement", dir.file("bill.csv") }), 0) << err.toStdString();
    EXPECT_TRUE(out.startsWith("bill.csv against the log from 05/12/2026 to 05/12/2026\n"
                               "Calls billed: 1, logged: 1, on both: 1\n"));
    EXPECT_TRUE(out.endsWith("\nEvery call on both the bill and the log is priced as billed.\n"))
        << out.toStdString();
    ASSERT_EQ(run({ "--statement", dir.file("bill.csv"), "7 Days" }), 0);
    EXPECT_TRUE(out.contains("Logged and not billed: 1\n  06/12/2026 08:00:00  00:00:30")) << out.toStdString();

    dir.write("nodate.csv", "Time,Duration,Cost\r\n10:00,60,0.05\r\n");
    const QStringList reasons[] = { { dir.file("none.csv"), "none.csv: it cannot be read: " },
        { dir.file("nodate.csv"), "no header names the date" } };
    for (const QStringList &c : reasons) {
        EXPECT_EQ(run({ "--statement", c[0] }), 1);
        EXPECT_TRUE(err.contains(c[1]) && out.isEmpty()) << err.toStdString();
    }
}

TEST_F(ReportTest, HelpAndVersionGoToStandardOutput)
{
    for (const char *help : { "--help", "-h" })
        EXPECT_TRUE(run({ help }) == 0 && out.contains("--chart FILE] --from DD/MM/YYYY --to DD/MM/YYYY\n")
            && out.contains("--chart <FILE>") && out.contains("--compare <FILE>")
            && out.contains("--tariff FILE [--rules FILE] PERIOD")
            && out.contains("--statement <FILE.csv>"))
            << out.toStdString();
    ASSERT_EQ(run({ "--version" }), 0);
    EXPECT_EQ(out, "callwise-report 2.5\n");
}

TEST_F(ReportTest, WhatCannotBeReadExitsOneWithItsReason)
{
    TempProgramDir logIsADirectory;
    ASSERT_TRUE(QDir(logIsADirectory.path()).mkdir("netcosts.ini"));
    const QStringList reasons[] = { { dir.file("none"), "no such directory" },
        { "/dev/null", "not a directory" }, { logIsADirectory.path(), "is a directory" } };
    for (const QStringList &c : reasons) {
        EXPECT_EQ(run({ "--dir", c[0], "1 Day" }), 1);
        EXPECT_TRUE(err.contains(c[1]) && out.isEmpty()) << err.toStdString();
    }
    EXPECT_EQ(run({ "--dir", dir.path(), "1 Day" }), 0) << "no log: no calls";
}

// The same bands every day, "start", "fee", ... up to four, and the min
// connect time: a fee file as the tariff editor saves it.
QByteArray feeFile(QStringList bands, const char *minConnect)
{
    while (bands.size() < 8)
        bands << QString();
    return ((bands.join("\r\n") + "\r\n").repeated(7) + minConnect + "\r\n").toLatin1();
}

// Priced today by 1p a minute at night and in the evening, 4p by day, a 3
// minute minimum: 20p, 10p, 20p (ending at 08:03) and 3p, 53p in all.
class OtherTariffTest : public ReportTest
{
protected:
    void SetUp() override
    {
        dir.write("netfees.ini", kBanded);
        dir.write("netcosts.ini",
            "06:12:2026  ,  10:00:00  ,  00:05:00  ,  04.00#06:12:2026  ,  20:00:00  ,  "
            "00:10:00  ,  01.00#05:12:2026  ,  07:58:00  ,  00:05:00  ,  04.00#"
            "05:12:2026  ,  23:00:00  ,  00:00:30  ,  01.00#");
    }
    const QByteArray kBanded = feeFile({ "00:00", "1.00", "08:00", "4.00", "18:00", "1.00" }, "3");
    const QByteArray kFlat = feeFile({ "00:00", "2.50" }, "3");
    const QByteArray kCheaperDays
        = feeFile({ "00:00", "1.00", "08:00", "3.00", "18:00", "1.00" }, "1");
};

TEST_F(OtherTariffTest, EachCallIsPricedAgainByTheOtherFileAsItWouldHaveCharged)
{
    const struct
    {
        QByteArray fees;
        QByteArray rules; // none when empty
        const char *sentence;
    } cases[] = {
        { kBanded, {}, "With other.ini these calls would have cost £0.53: the same." },
        // 12.5p, 25p, 12.5p and 7.5p, the total brought to whole pence after each.
        { kFlat, {}, "With other.ini these calls would have cost £0.58: £0.05 more." },
        // 15p and 15p at the fee in force at the end, 1p for the half minute.
        { kCheaperDays, {}, "With other.ini these calls would have cost £0.41: £0.12 less." },
        // Each minute at its own fee, counted as the live clock counts them:
        // 18p, 11p, 12p (three minutes before 08:01) and 1p.
        { kCheaperDays, "\r\n\r\n\r\n\r\n1\r\n",
            "With other.ini these calls would have cost £0.42: £0.11 less." },
    };
    for (const auto &c : cases) {
        dir.write("other.ini", c.fees);
        QStringList arguments { "--tariff", dir.file("other.ini"), "7 Days" };
        if (!c.rules.isEmpty()) {
            dir.write("r.ini", c.rules);
            arguments << "--rules" << dir.file("r.ini");
        }
        ASSERT_EQ(run(arguments), 0) << err.toStdString();
        EXPECT_EQ(out, QString::fromUtf8("4 calls from 30/11/2026 to 06/12/2026\n"
                                         "Total Calls Cost= £0.53\n")
                + QString::fromUtf8(c.sentence) + '\n');
    }
    ASSERT_EQ(run({ "--csv", "--tariff", dir.file("other.ini"), "--rules", dir.file("r.ini"),
                  "1 Day" }), 0);
    EXPECT_TRUE(out.endsWith(",other_cost_pence\r\n2026-12-06,10:00:00,00:05:00,4.00,20.00,18.00\r\n"
                             "2026-12-06,20:00:00,00:10:00,1.00,10.00,11.00\r\n")) << out.toStdString();
}

TEST_F(OtherTariffTest, CompareRanksTheFilesAndTodaysCheapestFirst)
{
    dir.write("flat.ini", kFlat);
    dir.write("days.ini", kCheaperDays);
    dir.write("same.ini", kBanded);
    const QString ranking = QString::fromUtf8("4 calls from 30/11/2026 to 06/12/2026, cheapest first:\n"
                                              "1. days.ini: £0.41, £0.12 less\n"
                                              "2. Today's tariff: £0.53\n"
                                              "3. same.ini: £0.53, the same\n"
                                              "4. flat.ini: £0.58, £0.05 more\n");
    ASSERT_EQ(run({ "--compare", dir.file("flat.ini"), dir.file("same.ini"), dir.file("days.ini"),
                  "7 Days" }), 0) << err.toStdString();
    EXPECT_EQ(out, ranking);
    ASSERT_EQ(run({ "--compare", dir.file("flat.ini"), "--from", "30/11/2026", "--compare",
                  dir.file("same.ini"), "--to", "06/12/2026", dir.file("days.ini") }), 0);
    EXPECT_EQ(out, ranking);
}

// 1p a minute begun and 2p a call, Saturday's free: 5p, 10p, 0p and 0p, and 8p.
TEST_F(OtherTariffTest, ARulesetPricesByItsOwnTableAndRules)
{
    const QByteArray ruleset = "name=Other\r\nper_connection=0.02\r\ndefault=(0.01, 60)\r\n"
                               "on (saturday) between () use (0, 60)\r\n";
    dir.write("other.rst", ruleset);
    dir.write("other.txt", ruleset);
    ASSERT_EQ(run({ "--tariff", dir.file("other.rst"), "7 Days" }), 0) << err.toStdString();
    EXPECT_TRUE(out.endsWith(
        QString::fromUtf8("With other.rst these calls would have cost £0.23: £0.30 less.\n")))
        << out.toStdString();
    ASSERT_EQ(run({ "--compare", dir.file("other.txt"), "7 Days" }), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QString::fromUtf8("1. other.txt: £0.23, £0.30 less\n")));
}

TEST_F(OtherTariffTest, AFileThatIsNoFeeFileOrNoRulesIsRefusedWithItsReason)
{
    dir.write("rules.ini", "15.00\r\n60/1\r\n\r\n\r\n0\r\n");
    dir.write("bad.rst", "# no unit\r\ndefault=(0.1, 0)\r\n");
    dir.write("bad.RST", "default=(0.1, 60)\r\n");
    dir.write("long.ini", QByteArray(kBanded).replace("1.00", "1.00 a minute"));
    dir.write("zero.ini", feeFile({ "00:00", "0" }, "3"));
    dir.write("other.ini", kFlat);
    const struct
    {
        QStringList arguments;
        QString why;
    } cases[] = {
        { { "--tariff", dir.file("none.ini") }, dir.file("none.ini") + ": there is no such file" },
        { { "--tariff", dir.path() }, dir.path() + ": it is a directory" },
        { { "--tariff", dir.file("rules.ini") },
            "rules.ini is not a fee file: a fee file has 57 lines and it has 5" },
        { { "--tariff", dir.file("netcosts.ini") },
            "netcosts.ini is not a fee file: a fee file has 57 lines and it has 1" },
        { { "--tariff", dir.file("long.ini") },
            "long.ini is not a fee file: line 2 is longer than" },
        { { "--tariff", dir.file("zero.ini") },
            "zero.ini is not a fee file: it holds no fee above 0" },
        { { "--tariff", dir.file("other.ini"), "--rules", dir.file("none.ini") },
            "none.ini: there is no such file" },
        { { "--tariff", dir.file("other.ini"), "--rules", dir.file("netfees.ini") },
            "netfees.ini: line 1, \"00:00\": not an amount of pence" },
        { { "--compare", dir.file("other.ini"), dir.file("zero.ini") },
            "zero.ini is not a fee file" },
        { { "--compare", dir.file("bad.rst") },
            "bad.rst: line 2, \"default=(0.1, 0)\": a unit cannot be 0 seconds" },
        { { "--tariff", dir.file("bad.RST"), "--rules", dir.file("rules.ini") },
            "bad.RST is a ruleset, which holds its own rules: no rules file goes with it" },
    };
    for (const auto &c : cases) {
        EXPECT_EQ(run(c.arguments + QStringList { "7 Days" }), 1) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(err.startsWith("callwise-report: ") && err.contains(c.why) && err.count('\n') == 1
            && out.isEmpty()) << err.toStdString();
    }
}

} // namespace
