#include "calllog/call_journal.h"
#include "calllog/call_log.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <benchmark/benchmark.h>

// Appending one call to the log. Each append is flushed to the disk before it
// returns, so that a power cut just after a call keeps it: on a disk that
// flush is most of the time.
namespace {

void BM_AppendCallRecord(benchmark::State &state)
{
    TempProgramDir dir;
    const QString path = dir.file(QString::fromUtf16(kCallLogFileName));
    ScriptedPrompter prompter;
    const QString startdate = QStringLiteral("07:12:2026");
    const QString duration = QStringLiteral("00:12:41");
    const QString starttime = QStringLiteral("21:14:03");
    for (auto _ : state) {
        if (!AppendCallRecord(path, startdate, duration, starttime, 1.5, prompter).ok) {
            state.SkipWithError("the call log could not be written");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * 55); // one record of a fee under 100p
}

// Rewriting the journal of the call being timed, as the clock does every
// 10 s: a temporary file, synced, renamed over the old one, the directory
// synced.
void BM_WriteCallJournal(benchmark::State &state)
{
    TempProgramDir dir;
    const QString path = dir.file(QString::fromUtf16(kCallJournalFileName));
    const QStringList record = callRecordLines(
        QStringLiteral("07:12:2026"), QStringLiteral("00:12:41"), QStringLiteral("21:14:03"), 1.5);
    for (auto _ : state) {
        if (!writeCallJournal(path, record).ok) {
            state.SkipWithError("the journal could not be written");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_AppendCallRecord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteCallJournal)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
