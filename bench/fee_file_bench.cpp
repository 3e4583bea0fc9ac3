#include "support/temp_program_dir.h"
#include "tariff/fee_file.h"
#include "typical_tariff.h"

#include <benchmark/benchmark.h>

// Reading and writing a full fee file (57 lines) in a temporary directory.
// Where that is on a disk rather than in memory, the save's flush and rename
// cost what they cost a user.
namespace {

void BM_LoadFees(benchmark::State &state)
{
    TempProgramDir dir;
    const QString path = dir.file(QString::fromUtf16(kFeeFileName));
    if (!SaveFees(typicalTariff(), path).ok) {
        state.SkipWithError("the fee file could not be written");
        return;
    }
    for (auto _ : state) {
        TariffTable table;
        benchmark::DoNotOptimize(LoadFees(table, path));
        benchmark::DoNotOptimize(table);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_SaveFees(benchmark::State &state)
{
    TempProgramDir dir;
    const QString path = dir.file(QString::fromUtf16(kFeeFileName));
    const TariffTable table = typicalTariff();
    for (auto _ : state) {
        if (!SaveFees(table, path).ok) {
            state.SkipWithError("the fee file could not be written");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_LoadFees)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFees)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
