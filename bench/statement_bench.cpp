#include "log_generator.h"
#include "statement/bill_check.h"
#include "tariff/call_price.h"
#include "typical_tariff.h"

#include <benchmark/benchmark.h>

#include <QLocale>
#include <QTime>

// An operator's bill of 2,000 calls checked against a log of 100,000, as
// callwise-report --statement and the rules window's check do it: the CSV
// read, the log indexed, the bill's days summarised, the calls matched and
// the rules tried on them. The bill is a month of the log's calls, every
// fourth one, priced by rules the log does not know (15p a call, 60/1), a
// few seconds off the log's clock, with some calls the log lacks.
namespace {

const QDate kToday(2026, 12, 6);

const Regional &british()
{
    static const Regional regional(QLocale(QLocale::English, QLocale::UnitedKingdom));
    return regional;
}

QByteArray billOf(const QString &log, int lines)
{
    const QDate first = kToday.addDays(-40);
    const std::vector<LoggedCall> calls
        = loggedCalls(summaryOfDays(LogIndex(log), first, kToday, 3, british()));
    TariffRules operators;
    operators.feePerCallPence = 15;
    operators.firstMs = 60000;
    operators.unitMs = 1000;
    const CallPricer pricer(typicalTariff(), operators);
    QByteArray csv = "Call date,Start time,Number,Duration (secs),Cost (£)\r\n";
    for (size_t i = 0; i < calls.size() && csv.count('\n') <= lines; i += 4) {
        const LoggedCall &call = calls[i];
        const double pence
            = pricer.price({ call.day, call.startSecond, call.seconds, call.fee }, TableRule::Live);
        // One call in fifty the log never saw.
        const int start = (call.startSecond + (i % 50 == 0 ? 600 : 20)) % 86400;
        csv += QStringLiteral("%1,%2,01632 960 000,%3,%4\r\n")
                   .arg(call.day.toString(u"dd/MM/yyyy"),
                       QTime::fromMSecsSinceStartOfDay(start * 1000).toString(u"hh:mm:ss"))
                   .arg(call.seconds + 1)
                   .arg(pence / 100, 0, 'f', 2)
                   .toUtf8();
    }
    return csv;
}

void BM_CheckStatement(benchmark::State &state)
{
    const QString log = yearOfCalls(int(state.range(0)), kToday);
    const QByteArray bill = billOf(log, 2000);
    const TariffTable tariff = typicalTariff();
    BillCheck check;
    for (auto _ : state) {
        const Statement statement = readStatementBytes(bill);
        const auto [first, last] = statementDays(statement);
        const Summary summary = summaryOfDays(LogIndex(log), first, last, 3, british());
        check = checkBill(statement, first, last, summary, tariff, TariffRules());
        benchmark::DoNotOptimize(check);
    }
    // What was checked: the calls billed, matched, and priced as billed
    // under the suggestion (which should be the operator's rules).
    state.counters["billed"] = double(check.billed.size());
    state.counters["matched"] = double(check.match.pairs.size());
    state.counters["suggested"] = double(check.suggestion.matchingWith);
    state.SetLabel(suggestionText(check.suggestion, TariffRules(), british()).toStdString());
}

} // namespace

BENCHMARK(BM_CheckStatement)->Arg(100000)->Unit(benchmark::kMillisecond);
