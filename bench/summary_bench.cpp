#include "calllog/log_index.h"
#include "calllog/summary.h"
#include "support/log_generator.h"
#include "support/reference_summary.h"

#include <benchmark/benchmark.h>

#include <QLocale>

// "1 Year" over logs of a year of calls: the indexed summary against the
// per-day scan it replaced.
namespace {

const QDate kToday(2026, 12, 6);

QString yearLog(int records)
{
    QRandomGenerator random(20261206);
    LogShape shape;
    shape.records = records;
    shape.newestDay = kToday;
    shape.daysBack = 364;
    return generateLog(shape, random);
}

const Regional &british()
{
    static const Regional regional(QLocale(QLocale::English, QLocale::UnitedKingdom));
    return regional;
}

void BM_IndexedYear(benchmark::State &state)
{
    const QString log = yearLog(int(state.range(0)));
    for (auto _ : state) {
        const LogIndex index(log);
        Summary summary = SummarisePeriod(index, kToday, 0, 364, 1.0, british());
        benchmark::DoNotOptimize(summary);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PerDayScanYear(benchmark::State &state)
{
    const QString log = yearLog(int(state.range(0)));
    for (auto _ : state) {
        Summary summary = referenceSummary(log, kToday, 0, 364, 1.0, british());
        benchmark::DoNotOptimize(summary);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_IndexedYear)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerDayScanYear)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
