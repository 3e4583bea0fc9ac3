#include "calllog/call_log.h"
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
        { "--bill", "1 Day" }, { "--bill", "--csv" },
        { "--from", "31/02/2026", "--to", "01/12/2026" } };
    for (const QStringList &arguments : bad) {
        EXPECT_EQ(run(arguments), 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
        EXPECT_TRUE(out.isEmpty());
    }
    EXPECT_TRUE(err.contains("--from 31/02/2026 is not a day of the calendar")) << err.toStdString();
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

TEST_F(ReportTest, HelpAndVersionGoToStandardOutput)
{
    for (const char *help : { "--help", "-h" })
        EXPECT_TRUE(run({ help }) == 0 && out.contains("--chart FILE] --from DD/MM/YYYY --to DD/MM/YYYY\n")
            && out.contains("--chart <FILE>")) << out.toStdString();
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

} // namespace
