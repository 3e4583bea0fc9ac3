#include "statement/statement.h"

#include <gtest/gtest.h>

namespace {

struct Messy
{
    const char *what;
    QByteArray csv;
    // The calls read, each "line: yyyy-MM-dd hh:mm:ss seconds pence", or
    // the start of why none can be.
    QStringList calls;
    QStringList skipped = {};
};

void PrintTo(const Messy &messy, std::ostream *out)
{
    *out << messy.what;
}

QString callText(const BilledCall &call)
{
    return QStringLiteral("%1: %2 %3 %4 %5")
        .arg(call.line)
        .arg(call.day.toString(Qt::ISODate),
            QTime::fromMSecsSinceStartOfDay(call.startSecond * 1000).toString(u"hh:mm:ss"))
        .arg(call.seconds)
        .arg(call.pence);
}

class MessyStatement : public testing::TestWithParam<Messy>
{ };

TEST_P(MessyStatement, ReadsTheCallsAndNamesWhatItCannot)
{
    const Messy &messy = GetParam();
    const Statement statement = readStatementBytes(messy.csv);
    QStringList calls;
    for (const BilledCall &call : statement.calls)
        calls << callText(call);
    if (statement.ok)
        EXPECT_EQ(calls.join(u'|').toStdString(), messy.calls.join(u'|').toStdString());
    else
        EXPECT_TRUE(messy.calls.size() == 1 && statement.why.startsWith(messy.calls[0]))
            << statement.why.toStdString();
    EXPECT_EQ(statement.skipped.join(u'|').toStdString(), messy.skipped.join(u'|').toStdString());
}

const QString kTwoLines = QStringLiteral("2: 2026-12-07 10:00:00 125 28");

INSTANTIATE_TEST_SUITE_P(Csv, MessyStatement,
    testing::Values(
        Messy { "whole headers, commas, CR LF", "Date,Time,Duration,Cost\r\n07/12/2026,10:00:00,00:02:05,£0.28\r\n",
            { kTwoLines } },
        Messy { "words within headers, any order and case, semicolons, seconds",
            "COST (£);Duration (secs);Call date;Number;Start time\n0.28;125;07/12/2026;0845;10:00\n", { kTwoLines } },
        Messy { "tabs, quotes around separators and doubled quotes, pence, mm:ss",
            "\"Call date\"\tNote\tStart\tLength\tCharge\n07/12/2026\t\"a \"\"b\"\"\tc\"\t10:00\t2:05\t28p\n",
            { kTwoLines } },
        Messy { "a UTF-8 mark, thousands in quotes, yyyy-mm-dd",
            "\xEF\xBB\xBF" "Date,Time,Duration,Amount (£)\n2026-12-07,10:00,125,\"£1,234.50\"\n",
            { "2: 2026-12-07 10:00:00 125 123450" } },
        Messy { "Latin-1 pound sign, 07 Dec 2026, hh:mm:ss",
            "Date,Time,Duration,Price\n07 Dec 2026,10:00:00,0:02:05,\xA3" "0.28\n", { kTwoLines } },
        Messy { "the start as date and time in one column", "Start,Duration,Cost\n07/12/2026 10:00,125,0.28\n",
            { kTwoLines } },
        Messy { "Date/Time in ISO form, 12-hour clock, 2-digit year",
            "Date/Time,Duration,Cost\n2026-12-07T10:00:00,125,0.28\n7-Dec-26 3:15 pm,60,0.05\n",
            { kTwoLines, "3: 2026-12-07 15:15:00 60 5" } },
        Messy { "lines before the header and blank lines",
            "Account 1234\r\n\r\n\"Date\",Time,Duration,Cost\r\n\r\n07/12/2026,10:00,125,0.28\r\n,,,\r\n",
            { "5: 2026-12-07 10:00:00 125 28" } },
        Messy { "a rate column beside the cost, pence and minutes by their headers",
            "Date,Time,Duration (mins),Cost per minute,Cost (p)\n07/12/2026,10:00,2,4.2,28\n",
            { "2: 2026-12-07 10:00:00 120 28" } },
        Messy { "bad rows named by their line and left out; a quoted line break counts",
            "Date,Note,Time,Duration,Cost\n31/02/2026,,10:00,125,0.28\n07/12/2026,\"two\nlines\",10:00,125,0.28\n"
            "07/12/2026,,25:00,125,0.28\n07/12/2026,,10:00,abc,0.28\n07/12/2026,,10:00,125\n"
            "07/12/2026,,10:00,125,1.2.3\n",
            { "3: 2026-12-07 10:00:00 125 28" },
            { "line 2: the date \"31/02/2026\" is not a date",
                "line 5: the time \"25:00\" is not a time of day",
                "line 6: the duration \"abc\" is not hh:mm:ss, mm:ss or seconds", "line 7: the cost is missing",
                "line 8: the cost \"1.2.3\" is not an amount of money" } },
        Messy { "a quote never closed ends with its line",
            "Date,Time,Duration,Cost\n07/12/2026,\"10:00,125,0.28\n07/12/2026,10:05,60,0.05\n",
            { "3: 2026-12-07 10:05:00 60 5" }, { "line 2: the time \"10:00,125,0.28\" is not a time of day" } },
        Messy { "no duration column: says what it looked for", "Date,Number,Cost\n07/12/2026,0845,0.28\n",
            { "the columns of the calls cannot be found: no header names the duration or length (looked "
              "for a header line naming the date; the time or start; the duration or length; the cost, "
              "charge, amount or price)" } },
        Messy { "dates without times", "Date,Duration,Cost\n07/12/2026,125,0.28\n",
            { "the columns of the calls cannot be found: no header names the time or start" },
            { "line 2: the start \"07/12/2026\" is not a date and a time of day" } },
        Messy { "no row a call", "Date,Time,Duration,Cost\nTotal,,,12.00\n",
            { "no row holds a call that can be read (line 2: the date \"Total\" is not a date)" },
            { "line 2: the date \"Total\" is not a date" } },
        Messy { "empty", "", { "the columns of the calls cannot be found: no header names the date" } }));


// A data bill names a volume: its unit from the field, or from the header,
// or MB; KB is 1000 or 1024 bytes as the tariff's MB is.
TEST(DataStatement, ReadsEachVolumeInItsUnit)
{
    const Statement statement = readStatementBytes(
        "Date,Time,Data (KB),Cost\r\n07/12/2026,10:00,512,0.01\r\n07/12/2026,11:00,1.5 MB,0.02\r\n"
        "07/12/2026,12:00,2 GB,1\r\n07/12/2026,13:00,lots,1\r\n");
    ASSERT_TRUE(statement.ok && statement.data) << statement.why.toStdString();
    ASSERT_EQ(statement.calls.size(), 3u);
    EXPECT_EQ(statement.calls[0].volumeBytes(1000000), 512000);
    EXPECT_EQ(statement.calls[0].volumeBytes(1048576), 524288);
    EXPECT_EQ(statement.calls[1].volumeBytes(1000000), 1500000);
    EXPECT_EQ(statement.calls[2].volumeBytes(1000000), 2000000000);
    EXPECT_EQ(statement.skipped, QStringList{"line 5: the volume \"lots\" is not an amount of data such as 12.3 MB"});
    EXPECT_EQ(readStatementBytes("Date,Time,MB,Cost\r\n07/12/2026,10:00,3,0.01\r\n").calls[0].volumeBytes(1000000), 3000000);
    EXPECT_FALSE(readStatementBytes("Date,Time,Duration,Cost\r\n07/12/2026,10:00,60,0.01\r\n").data);
}

} // namespace
