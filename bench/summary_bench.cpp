#include "calllog/log_index.h"
#include "calllog/summary.h"
#include "log_generator.h"
#include "reference_summary.h"

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
// kept, as when rules are set.
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

} // namespace

BENCHMARK(BM_IndexedYear)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexedYearCharged)->Arg(100000)->Unit(benchmark::kMillisecond);
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
