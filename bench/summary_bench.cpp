#include "calllog/log_index.h"
#include "calllog/repricing.h"
#include "calllog/summary.h"
#include "log_generator.h"
#include "reference_summary.h"
#include "typical_tariff.h"

#include <benchmark/benchmark.h>

#include <QLocale>

#include <cstdio>
#include <map>
#include <string>

// "1 Year" over logs of a year of calls: the indexed summary against the
// per-day scan it replaced. The logs are in time order, as a log grows; a
// shuffled one is slower by the cache misses of reading its records out of
// order (about twice as slow at 100,000 records). The summary writes no list
// line until one is asked for; BM_IndexedYearAllLines writes them all, as
// printing and the report do. BM_IndexedYearCharged has every call's charge
// kept, as when rules are set; BM_IndexedYearChargedWithBytes its bytes too.
namespace {

const QDate kToday(2026, 12, 6);

const Regional &british()
{
    static const Regional regional(QLocale(QLocale::English, QLocale::UnitedKingdom));
    return regional;
}

void BM_IndexedYear(benchmark::State &state)
{
    const QString log = yearOfCalls(int(state.range(0)), kToday);
    for (auto _ : state) {
        const LogIndex index(log);
        Summary summary = SummarisePeriod(index, kToday, 0, 364, 1.0, british());
        benchmark::DoNotOptimize(summary);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Every call priced under rules: the charges of all of them kept beside the
// log, indexed with it and each call's looked up.
void BM_IndexedYearCharged(benchmark::State &state)
{
    const QString log = yearOfCalls(int(state.range(0)), kToday);
    const QByteArray charges = chargesOf(log);
    const LogIndex once(log, ChargeIndex(charges));
    if (SummarisePeriod(once, kToday, 0, 364, 1.0, british()).withoutCharge != 0)
        state.SkipWithError("a call without its charge");
    for (auto _ : state) {
        const LogIndex index(log, ChargeIndex(charges));
        Summary summary = SummarisePeriod(index, kToday, 0, 364, 1.0, british());
        benchmark::DoNotOptimize(summary);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Every call on a link billed by the MB: its charge and its bytes kept.
void BM_IndexedYearChargedWithBytes(benchmark::State &state)
{
    const QString log = yearOfCalls(int(state.range(0)), kToday);
    const QByteArray charges = chargesOf(log);
    const QByteArray bytes = bytesOf(log);
    if (SummarisePeriod(LogIndex(log, ChargeIndex(charges), BytesIndex(bytes)), kToday, 0, 364, 1.0,
                        british())
            .dataCalls
        != state.range(0))
        state.SkipWithError("a call without its bytes");
    for (auto _ : state) {
        const LogIndex index(log, ChargeIndex(charges), BytesIndex(bytes));
        Summary summary = SummarisePeriod(index, kToday, 0, 364, 1.0, british());
        benchmark::DoNotOptimize(summary);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What printing or the report adds: every line written out.
void BM_IndexedYearAllLines(benchmark::State &state)
{
    const QString log = yearOfCalls(int(state.range(0)), kToday);
    for (auto _ : state) {
        const Summary summary = SummarisePeriod(LogIndex(log), kToday, 0, 364, 1.0, british());
        QStringList lines = summary.lines();
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PerDayScanYear(benchmark::State &state)
{
    const QString log = yearOfCalls(int(state.range(0)), kToday);
    for (auto _ : state) {
        ReferenceSummary summary = referenceSummary(log, kToday, 0, 364, 1.0, british());
        benchmark::DoNotOptimize(summary);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Thirty rules by time, as an operator's published price list might need:
// each weekday's day, evening and night, then weekends, holidays, a season,
// Easter and a cheaper rate after an hour.
TariffRules thirtyRulesByTime()
{
    TariffRules rules;
    rules.holidays = { kEnglandAndWalesDays };
    QStringList lines;
    const char *days[] = { "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun" };
    for (const char *day : days) {
        lines << QStringLiteral("%1 08:00-17:59 4.20 a minute in 12 s units").arg(day)
              << QStringLiteral("%1 18:00-21:59 1.50 a minute in 10 s units").arg(day)
              << QStringLiteral("%1 22:00-07:59 10 per 360 s").arg(day);
    }
    lines << QStringLiteral("Sat-Sun 00:00-23:59 10 per 180 s")
          << QStringLiteral("Holidays 00:00-23:59 10 per 360 s")
          << QStringLiteral("24/12-26/12 00:00-23:59 0.10 a minute")
          << QStringLiteral("01/06-31/08 21:00-05:00 0.50 a minute")
          << QStringLiteral("Easter-2,Easter+1 00:00-23:59 0.20 a minute")
          << QStringLiteral("Mon-Fri 08:00-17:59 2.10 a minute after 60 min")
          << QStringLiteral("01/01 00:00-23:59 0 a minute")
          << QStringLiteral("Fri-Mon 23:00-01:59 0.75 a minute in 30 s units")
          << QStringLiteral("31/12 18:00-23:59 5 per 60 s");
    for (const QString &line : lines) {
        if (const std::optional<TimeRule> rule = readTimeRule(line).rule)
            rules.timeRules << *rule;
    }
    return rules;
}

// A year of calls priced again under thirty rules by time, as the costs
// window's "what would another tariff have cost" does.
void BM_RepricedYearByTime(benchmark::State &state)
{
    const QString log = yearOfCalls(int(state.range(0)), kToday);
    const Summary summary = SummarisePeriod(LogIndex(log), kToday, 0, 364, 1.0, british());
    const TariffRules rules = thirtyRulesByTime();
    const CallPricer pricer(typicalTariff(), rules);
    if (pricer.timeRules().rules().size() != 30)
        state.SkipWithError("a rule that does not read");
    for (auto _ : state) {
        Repricing repricing = repriceCalls(summary, pricer);
        benchmark::DoNotOptimize(repricing);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_RepricedYearByTime)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexedYear)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexedYearCharged)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexedYearChargedWithBytes)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexedYearAllLines)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerDayScanYear)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

namespace {

// Prints, after the usual table, how many times faster the indexed summary is
// at each log size.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const std::string name = run.benchmark_name();
            const auto slash = name.find('/');
            m_times[name.substr(0, slash)][name.substr(slash + 1)] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto &[records, indexed] : m_times["BM_IndexedYear"]) {
            const auto scan = m_times["BM_PerDayScanYear"].find(records);
            if (scan != m_times["BM_PerDayScanYear"].end() && indexed > 0)
                std::printf("%s records: indexed %.2f ms, per-day scan %.2f ms, %.1f times faster\n",
                            records.c_str(), indexed, scan->second, scan->second / indexed);
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> m_times;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
