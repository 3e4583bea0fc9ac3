#include "calllog/call_log.h"
#include "statement/bill_check.h"
#include "tariff/call_price.h"

#include <gtest/gtest.h>

namespace {

const Regional kBritish(QLocale(QLocale::English, QLocale::UnitedKingdom));

// Monday to Saturday 1.00p from 00:01, 4.20p from 08:01, 1.50p from 18:01;
// Sunday 0.50p all day.
TariffTable week()
{
    TariffTable table;
    for (int day = 0; day < TariffTable::kDays; ++day) {
        const bool sunday = day == 6;
        table.setBandStart(day, 0, QStringLiteral("00:00"));
        table.setFee(day, 0, sunday ? QStringLiteral("0.50") : QStringLiteral("1.00"));
        table.setBandStart(day, 1, sunday ? QString() : QStringLiteral("08:00"));
        table.setFee(day, 1, QStringLiteral("4.20"));
        table.setBandStart(day, 2, sunday ? QString() : QStringLiteral("18:00"));
        table.setFee(day, 2, QStringLiteral("1.50"));
    }
    table.setMinConnectTime(QStringLiteral("0"));
    return table;
}

struct Call
{
    QDate day;
    int start = 0; // second of the day
    qint64 seconds = 0;
};

QString logOf(const std::vector<Call> &calls, const TariffTable &table)
{
    const CallPricer pricer(table, TariffRules());
    QString log;
    for (const Call &call : calls) {
        // The fee the clock would have logged: the one in force at its end.
        const qint64 end = call.start + call.seconds;
        const double fee = pricer.feeAt(call.day.addDays(end / 86400), int(end % 86400));
        log += callRecordLines(logDateText(call.day),
            QTime::fromMSecsSinceStartOfDay(int(call.seconds) * 1000).toString(u"hh:mm:ss"),
            QTime::fromMSecsSinceStartOfDay(call.start * 1000).toString(u"hh:mm:ss"), fee)
                   .join(QString());
    }
    return log;
}

QByteArray billOf(const std::vector<Call> &calls, const std::vector<double> &pence)
{
    QByteArray csv = "Date,Time,Duration,Cost\r\n";
    for (size_t i = 0; i < calls.size(); ++i)
        csv += QStringLiteral("%1,%2,%3,%4\r\n")
                   .arg(calls[i].day.toString(u"dd/MM/yyyy"))
                   .arg(QTime::fromMSecsSinceStartOfDay(calls[i].start * 1000).toString(u"hh:mm:ss"))
                   .arg(calls[i].seconds)
                   .arg(pence[i] / 100, 0, 'f', 2)
                   .toUtf8();
    return csv;
}

BillCheck check(const QByteArray &csv, const QString &log, const TariffRules &rules = {})
{
    const Statement statement = readStatementBytes(csv);
    EXPECT_TRUE(statement.ok) << statement.why.toStdString();
    const auto [first, last] = statementDays(statement);
    return checkBill(statement, first, last, summaryOfDays(LogIndex(log), first, last, 0, kBritish),
        week(), rules);
}

// Calls of every length a bill tells apart: under the first minute, on
// and about whole minutes and units, across band changes, over midnight.
std::vector<Call> monthOfCalls()
{
    static const qint64 kLengths[] = { 20, 45, 59, 60, 61, 89, 125, 600, 1799, 3700 };
    std::vector<Call> calls;
    for (int i = 0; i < 60; ++i)
        calls.push_back({ QDate(2026, 11, 2).addDays(i / 2), (i * 397 % 1440) * 60 + i % 60,
            kLengths[i % 10] + (i % 3) * 7 });
    calls.push_back({ QDate(2026, 11, 20), 7 * 3600 + 50 * 60, 1500 }); // into the day rate
    calls.push_back({ QDate(2026, 11, 21), 23 * 3600 + 55 * 60, 900 }); // into Sunday
    return calls;
}

struct Hidden
{
    const char *what;
    TariffRules rules;
    const char *suggestion;
};

void PrintTo(const Hidden &hidden, std::ostream *out)
{
    *out << hidden.what;
}

class HiddenRules : public testing::TestWithParam<Hidden>
{ };

// The operator priced the calls by rules Callwise does not know; the
// check finds them from the bill and the log alone.
TEST_P(HiddenRules, TheSuggestionFindsThem)
{
    const std::vector<Call> calls = monthOfCalls();
    const QString log = logOf(calls, week());
    std::vector<double> billed;
    const CallPricer operatorsPricer(week(), GetParam().rules);
    const CallPricer logPricer(week(), TariffRules());
    for (const Call &call : calls) {
        const qint64 end = call.start + call.seconds;
        billed.push_back(operatorsPricer.price({ call.day, call.start, call.seconds,
                                                   logPricer.feeAt(call.day.addDays(end / 86400), int(end % 86400)) },
            TableRule::Live));
    }
    const BillCheck result = check(billOf(calls, billed), log);
    EXPECT_EQ(result.suggestion.rules, GetParam().rules);
    EXPECT_EQ(suggestionText(result.suggestion, TariffRules()), QString::fromUtf8(GetParam().suggestion));

    // Applied, the rules price the calls as billed, though the log's prices
    // of these calls were fixed before them.
    const BillCheck applied = check(billOf(calls, billed), log, GetParam().rules);
    EXPECT_EQ(applied.suggestion.rules, GetParam().rules);
    EXPECT_EQ(suggestionText(applied.suggestion, GetParam().rules),
        "The rules as they are set now would make 62 of 62 calls match: these calls were priced "
        "before they were set.");
}

TariffRules hidden(double perCall, int first, int unit, bool ownRate)
{
    TariffRules rules;
    rules.feePerCallPence = perCall;
    rules.firstSeconds = first;
    rules.unitSeconds = unit;
    rules.unitsAtOwnRate = ownRate;
    return rules;
}

INSTANTIATE_TEST_SUITE_P(Bills, HiddenRules,
    testing::Values(Hidden { "15p a call, 60/1", hidden(15, 60, 1, false),
                        "A fee per call of 15p and 60/1 units would make 62 of 62 calls match." },
        Hidden { "30/30, each unit at its rate", hidden(0, 30, 30, true),
            "30/30 units and each unit at its own rate would make 62 of 62 calls match." }));

TEST(BillCheck, MatchesNearestFirstOneToOneAndReportsEachSide)
{
    const QDate day(2026, 12, 7);
    // Logged: 10:00:00 and 10:01:30 for 2:00 (8.4p each at 4.20p), 12:00
    // for 1:00; billed 10:01:40 and 10:00:50, each within reach of both
    // logged calls, and 15:00 unlogged.
    const QString log = logOf({ { day, 36000, 120 }, { day, 36090, 120 }, { day, 43200, 60 } }, week());
    const BillCheck result = check("Date,Time,Duration,Cost\n"
                                   "07/12/2026,10:01:40,130,0.08\n"
                                   "07/12/2026,10:00:50,120,0.12\n"
                                   "07/12/2026,15:00:00,60,0.05\n"
                                   "07/12/2026,xx,60,0.05\n",
        log);
    const QStringList expected = {
        "bill.csv against the log from 07/12/2026 to 07/12/2026",
        "Calls billed: 3, logged: 3, on both: 2",
        "Rows of the bill that cannot be read, left out: 1",
        "  line 5: the time \"xx\" is not a time of day",
        "",
        "Billed and not logged: 1",
        "  07/12/2026 15:00:00  00:01:00  £0.05  (line 4)",
        "",
        "Logged and not billed: 1",
        "  07/12/2026 12:00:00  00:01:00  £0.04",
        "",
        "Priced differently: 1",
        "  07/12/2026 10:00:00  00:02:00  billed £0.12, logged £0.08",
        "",
        "Billed total: £0.25",
        "Logged total: £0.20",
        "Difference: £0.05 more on the bill",
        "",
        "No setting of the rules makes more than the 1 of 2 calls match that match now.",
    };
    EXPECT_EQ(billCheckLines("bill.csv", result, TariffRules(), kBritish).join(u'\n').toStdString(),
        expected.join(u'\n').toStdString());
}

} // namespace
