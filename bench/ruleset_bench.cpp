#include "log_generator.h"
#include "report/report.h"
#include "support/fake_clock.h"
#include "support/temp_program_dir.h"
#include "tariff/ruleset_import.h"

#include <benchmark/benchmark.h>

#include <QLocale>

// callwise-report --tariff thirty_rules.rst on a year of 100,000 calls, run
// in-process as the command line runs it, beside the same report without
// --tariff: the difference is reading the ruleset and pricing every call
// again under its 30 rules.
//   cmake --build build -j2 --target ruleset_bench && build/bin/ruleset_bench
namespace {

const QDate kToday(2026, 12, 6);
const QString kRuleset = QStringLiteral(CALLWISE_BENCH_DIR "/thirty_rules.rst");

const TempProgramDir &yearDirectory()
{
    static const TempProgramDir dir;
    static const bool written = [] {
        dir.write(QStringLiteral("netcosts.ini"), logFileBytes(yearOfCalls(100000, kToday)));
        return true;
    }();
    Q_UNUSED(written);
    return dir;
}

void report(benchmark::State &state, const QStringList &more)
{
    const Regional regional(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QStringList arguments
        = QStringList { QStringLiteral("--dir"), yearDirectory().path(), QStringLiteral("1 Year") }
        + more;
    const FakeClock clock { QDateTime(kToday, QTime(12, 0)) };
    QString out;
    QString err;
    for (auto _ : state) {
        out.clear();
        QTextStream outStream(&out), errStream(&err);
        if (runReport(arguments, yearDirectory().path(), clock, regional, outStream, errStream)
            != 0)
            state.SkipWithError(err.toStdString().c_str());
    }
    state.SetLabel(out.split(u'\n').value(0).toStdString());
}

void BM_ReportYear(benchmark::State &state)
{
    report(state, {});
}

void BM_ReportYearByRuleset(benchmark::State &state)
{
    report(state, { QStringLiteral("--tariff"), kRuleset });
}

void BM_ReadRuleset(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readRuleset(kRuleset));
}

} // namespace

BENCHMARK(BM_ReportYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportYearByRuleset)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRuleset)->Unit(benchmark::kMicrosecond);
