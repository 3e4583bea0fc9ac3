#include "log_generator.h"
#include "support/fake_clock.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"
#include "ui/frm_costs.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

// The costs window over a call log of 200,000 calls in the year to today, on
// the offscreen platform: opening it (reading and indexing the log, showing
// it) and choosing "1 Year", each through to the list being drawn.
namespace {

const QDate kToday(2026, 12, 6);
constexpr int kRecords = 200'000;
constexpr int kOneYearEntry = 5;

struct Rig
{
    Rig()
    {
        dir.write(QStringLiteral("netcosts.ini"), logFileBytes(yearOfCalls(kRecords, kToday)));
    }

    std::unique_ptr<frmCosts> newWindow()
    {
        return std::make_unique<frmCosts>(clock, regional, prompter, tariff,
                                          dir.file(QStringLiteral("netcosts.ini")));
    }

    TempProgramDir dir;
    FakeClock clock{QDateTime(kToday, QTime(12, 0))};
    Regional regional{QLocale(QLocale::English, QLocale::UnitedKingdom)};
    ScriptedPrompter prompter;
    TariffSource tariff { Tariff {} };
};

Rig &rig()
{
    static Rig rig;
    return rig;
}

void BM_OpenCostsWindow(benchmark::State &state)
{
    for (auto _ : state) {
        std::unique_ptr<frmCosts> window = rig().newWindow();
        window->showWindow();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void BM_ChooseOneYear(benchmark::State &state)
{
    std::unique_ptr<frmCosts> window = rig().newWindow();
    window->showWindow();
    QApplication::processEvents();
    for (auto _ : state) {
        QMetaObject::invokeMethod(window.get(), "lsttimes_Click", Q_ARG(int, kOneYearEntry));
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_OpenCostsWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChooseOneYear)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The first window a run shows loads the font database, whatever the
    // log: that is left out of the figures.
    rig().newWindow()->showWindow();
    QApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
