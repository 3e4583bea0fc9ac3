#include "calllog/call_log.h"
#include "statement/bill_check.h"
#include "statement/price_differences.h"
#include "tariff/call_price.h"

#include <gtest/gtest.h>

namespace {

const Regional kBritish(QLocale(QLocale::English, QLocale::UnitedKingdom));

// Monday to Saturday 1.00p from 00:01, 4.20p from 08:01, 1.50p from 18:01;
// Sunday 0.50p all day.
TariffTable week(const char *minConnect = "0")
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
    table.setMinConnectTime(QString::fromLatin1(minConnect));
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

BillCheck check(const QByteArray &csv, const QString &log, const TariffRules &rules = {},
    const TariffTable &table = week())
{
    const Statement statement = readStatementBytes(csv);
    EXPECT_TRUE(statement.ok) << statement.why.toStdString();
    const auto [first, last] = statementDays(statement);
    return checkBill(statement, first, last,
        summaryOfDays(LogIndex(log), first, last, table.minConnectTime().toDouble(), kBritish),
        table, rules);
}

// What an operator bills for the calls by its rules and min connect time.
std::vector<double> billedBy(
    const std::vector<Call> &calls, const TariffRules &rules, const char *minConnect)
{
    std::vector<double> billed;
    const CallPricer operatorsPricer(week(minConnect), rules);
    for (const Call &call : calls) {
        const qint64 end = call.start + call.seconds;
        billed.push_back(operatorsPricer.price(
            { call.day, call.start, call.seconds,
                operatorsPricer.feeAt(call.day.addDays(end / 86400), int(end % 86400)) },
            TableRule::Live));
    }
    return billed;
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

// A week's calls, three of them under three minutes.
std::vector<Call> nineCalls()
{
    const QDate monday(2026, 12, 7);
    return { { monday, 9 * 3600, 40 }, { monday, 10 * 3600 + 300, 95 },
        { monday.addDays(1), 19 * 3600, 150 }, { monday, 11 * 3600, 200 },
        { monday.addDays(1), 8 * 3600 + 600, 600 }, { monday.addDays(2), 20 * 3600, 1234 },
        { monday.addDays(2), 7 * 3600 + 3000, 900 }, { monday.addDays(3), 13 * 3600, 3601 },
        { monday.addDays(4), 22 * 3600, 185 } };
}

TariffRules hidden(double perCall, int first, int unit, bool ownRate = false,
    std::optional<double> firstCharge = {}, double minimum = 0)
{
    TariffRules rules;
    rules.feePerCallPence = ExactNumber::fromDouble(perCall);
    rules.firstMs = first * 1000;
    rules.unitMs = unit * 1000;
    rules.unitsAtOwnRate = ownRate;
    if (firstCharge)
        rules.firstChargePence = ExactNumber::fromDouble(*firstCharge);
    rules.minimumChargePence = ExactNumber::fromDouble(minimum);
    return rules;
}

struct Hidden
{
    const char *what;
    TariffRules operators;
    const char *operatorsMinConnect;
    TariffRules inForce;
    const char *minConnect; // the tariff's
    std::vector<Call> (*calls)();
    const char *suggestion;
};

void PrintTo(const Hidden &hidden, std::ostream *out)
{
    *out << hidden.what;
}

class HiddenRules : public testing::TestWithParam<Hidden>
{ };

// The operator priced the calls by rules Callwise does not know; the
// check finds them from the bill and the log alone, whatever is in force.
TEST_P(HiddenRules, TheSuggestionFindsThem)
{
    const Hidden &c = GetParam();
    const std::vector<Call> calls = c.calls();
    const QString log = logOf(calls, week());
    const QByteArray bill = billOf(calls, billedBy(calls, c.operators, c.operatorsMinConnect));
    const BillCheck result = check(bill, log, c.inForce, week(c.minConnect));
    EXPECT_EQ(result.suggestion.rules, c.operators);
    const bool newMinConnect = qstrcmp(c.minConnect, c.operatorsMinConnect) != 0;
    EXPECT_EQ(result.suggestion.minConnectTime,
        newMinConnect ? std::optional(QString::fromLatin1(c.operatorsMinConnect)) : std::nullopt);
    EXPECT_EQ(result.suggestion.changed.testFlag(RuleSetting::MinConnect), newMinConnect);
    EXPECT_EQ(result.suggestion.changed & ~RuleSettings(RuleSetting::MinConnect),
        changedSettings(c.operators, c.inForce));
    EXPECT_EQ(suggestionText(result.suggestion, c.inForce, kBritish).toStdString(), c.suggestion);
    EXPECT_TRUE(result.suggestion.differing.empty());

    // Applied, the rules price the calls as billed, though the log's prices
    // of these calls were fixed before them.
    const BillCheck applied = check(bill, log, c.operators, week(c.operatorsMinConnect));
    EXPECT_EQ(applied.suggestion.rules, c.operators);
    EXPECT_FALSE(applied.suggestion.minConnectTime);
    EXPECT_EQ(suggestionText(applied.suggestion, c.operators, kBritish),
        QStringLiteral("The rules as they are set now would make %1 of %1 calls match: these "
                       "calls were priced before they were set.")
            .arg(calls.size()));
}

INSTANTIATE_TEST_SUITE_P(Bills, HiddenRules,
    testing::Values(Hidden { "15p a call, 60/1", hidden(15, 60, 1), "0", {}, "0", monthOfCalls,
                        "With a fee per call of 15p and 60/1 units, 62 of 62 calls would match." },
        Hidden { "30/30, each unit at its rate", hidden(0, 30, 30, true), "0", {}, "0",
            monthOfCalls,
            "With 30/30 units and each unit at its own rate, 62 of 62 calls would match." },
        Hidden { "15p a call, 60/1, no min connect time", hidden(15, 60, 1), "0", {}, "3",
            nineCalls,
            "With a fee per call of 15p, 60/1 units and no minimum connect time, 9 of 9 calls "
            "would match." },
        Hidden { "the same over a first and a least charge", hidden(15, 60, 1), "0",
            hidden(0, 60, 1, false, 9.1, 20), "3", nineCalls,
            "With a fee per call of 15p, no first charge, no minimum charge and no minimum "
            "connect time, 9 of 9 calls would match." },
        Hidden { "first charge cleared", hidden(15, 60, 1), "0", hidden(15, 60, 1, false, 9.1), "0",
            monthOfCalls, "With no first charge, 62 of 62 calls would match." },
        Hidden { "minimum charge cleared", hidden(15, 60, 1, false, 9.1), "0",
            hidden(15, 60, 1, false, 9.1, 30), "0", monthOfCalls,
            "With no minimum charge, 62 of 62 calls would match." },
        Hidden { "fee per call cleared", hidden(0, 30, 30), "0", hidden(15, 30, 30), "0",
            monthOfCalls, "With no fee per call, 62 of 62 calls would match." }));

// What no setting tried explains is told in groups: an operator's min
// connect time of 2 minutes, where the tariff's is 3, leaves short calls.
TEST(BillCheck, TheCallsLeftAreToldByWhatTheyShare)
{
    std::vector<Call> calls = nineCalls();
    calls[2].seconds = 100;
    const BillCheck result = check(billOf(calls, billedBy(calls, hidden(15, 60, 1), "2")),
        logOf(calls, week()), {}, week("3"));
    const QStringList lines = billCheckLines("bill.csv", result, {}, kBritish);
    EXPECT_EQ(lines.mid(lines.size() - 2).join(u'\n').toStdString(),
        "With a fee per call of 15p, 60/1 units and no minimum connect time, 7 of 9 calls would "
        "match.\n2 calls under 3 minutes differ by 1p to 4p, more on the bill.");
}

TEST(BillCheck, GroupsAreTheBiggestFirstTheLikelierFaultOnATieAndLoneCallsNamed)
{
    const QDate day(2026, 12, 7);
    const QDate christmas(2026, 12, 25);
    const std::vector<LoggedCall> logged { { day, 9 * 3600, 40 },
        { christmas, 8 * 3600 + 600, 600 }, { day.addDays(1), 10 * 3600, 100 },
        { christmas, 20 * 3600, 900 }, { day.addDays(3), 8 * 3600 + 1800, 600 },
        { day.addDays(2), 14 * 3600, 300 } };
    RuleSuggestion suggestion;
    suggestion.differing
        = { { 0, 10, 14 }, { 1, 9, 6 }, { 2, 20, 24 }, { 3, 10, 16 }, { 4, 12, 10 }, { 5, 7, 12 } };
    EXPECT_EQ(differenceLines(suggestion, logged, 3, kBritish).join(u'\n').toStdString(),
        "2 calls under 3 minutes differ by 4p, less on the bill.\n"
        "2 calls on 25/12 differ by 3p to 6p.\n"
        "1 call on 10/12/2026 at 08:30:00 differs by 2p, more on the bill.\n"
        "1 call on 09/12/2026 at 14:00:00 differs by 5p, less on the bill.");
}

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
