#include "log_generator.h"
#include "support/fake_clock.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"
#include "tariff/fee_file.h"
#include "typical_tariff.h"
#include "ui/frm_chart.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLocale>

#include <cstdio>
#include <cstdlib>

// The chart window over a call log of 100,000 calls in the year to today,
// on the offscreen platform, each step through to the chart being painted:
// opening it as the menu entry does (reading and indexing the log, drawing
// "This bill"), choosing "1 Year", both in turn, and "1 Year" beside a
// compared tariff.
namespace {

const QDate kToday(2026, 12, 6);
constexpr int kRecords = 100'000;

// Counts the chart's paintings, so each step is timed to the chart drawn.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

struct Rig
{
    Rig()
    {
        dir.write(QStringLiteral("netcosts.ini"), logFileBytes(yearOfCalls(kRecords, kToday)));
        SaveFees(typicalTariff(), dir.file(QStringLiteral("other.ini")));
    }

    // What the menu entry makes the first time, before it shows it.
    std::unique_ptr<frmChart> newWindow()
    {
        return std::make_unique<frmChart>(
            clock, regional, prompter, tariff, dir.file(QStringLiteral("netcosts.ini")), [] {
                return BillTerms { 1, 5000, {} };
            });
    }

    TempProgramDir dir;
    FakeClock clock { QDateTime(kToday, QTime(12, 0)) };
    Regional regional { QLocale(QLocale::English, QLocale::UnitedKingdom) };
    ScriptedPrompter prompter;
    TariffSource tariff { Tariff { typicalTariff(), {}, {}, {} } };
};

Rig &rig()
{
    static Rig rig;
    return rig;
}

// Runs the events, which paint the chart once more: a figure without the
// painting would mean nothing.
void untilPainted(PaintCounter &counter)
{
    const int before = counter.paints;
    QApplication::processEvents();
    if (counter.paints == before) {
        std::fprintf(stderr, "the chart was not painted\n");
        std::exit(1);
    }
}

struct Opened
{
    std::unique_ptr<frmChart> window = rig().newWindow();
    PaintCounter counter;
    QComboBox *period = window->findChild<QComboBox *>(QStringLiteral("cboPeriod"));

    Opened()
    {
        window->findChild<QWidget *>(QStringLiteral("picChart"))->installEventFilter(&counter);
    }
    void open()
    {
        window->showWindow();
        untilPainted(counter);
    }
    void choose(const QString &entry)
    {
        period->setCurrentText(entry);
        untilPainted(counter);
    }
};

void BM_OpenChartWindow(benchmark::State &state)
{
    for (auto _ : state) {
        auto opened = std::make_unique<Opened>();
        opened->open();
        state.PauseTiming();
        opened.reset();
        state.ResumeTiming();
    }
}

void BM_ChooseOneYear(benchmark::State &state)
{
    Opened opened;
    opened.open();
    for (auto _ : state) {
        state.PauseTiming();
        opened.choose(QStringLiteral("1 Day"));
        state.ResumeTiming();
        opened.choose(QStringLiteral("1 Year"));
    }
}

// From the menu entry to the year's chart drawn.
void BM_OpenAndChooseOneYear(benchmark::State &state)
{
    for (auto _ : state) {
        auto opened = std::make_unique<Opened>();
        opened->open();
        opened->choose(QStringLiteral("1 Year"));
        state.PauseTiming();
        opened.reset();
        state.ResumeTiming();
    }
}

void BM_ChooseOneYearComparing(benchmark::State &state)
{
    Opened opened;
    opened.open();
    opened.window->compareWith(rig().dir.file(QStringLiteral("other.ini")));
    for (auto _ : state) {
        state.PauseTiming();
        opened.choose(QStringLiteral("1 Day"));
        state.ResumeTiming();
        opened.choose(QStringLiteral("1 Year"));
    }
}

} // namespace

BENCHMARK(BM_OpenChartWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChooseOneYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndChooseOneYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChooseOneYearComparing)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The first window a run shows loads the font database, whatever the
    // log: that is left out of the figures.
    Opened().open();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
