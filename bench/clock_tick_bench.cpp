#include "alerts/call_alerts.h"
#include "alerts/call_coach.h"
#include "calltime/call_clock.h"
#include "support/fake_clock.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"
#include "tariff/call_charge.h"
#include "tariff/fee_lookup.h"
#include "typical_tariff.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLocale>

// The once-a-second tick of the call clock: the date and time text, the
// elapsed time and tray tip, the fee lookup, the charge and its currency
// text. The fake clock moves one second per tick, as the timer would.
namespace {

class NoProbe final : public ConnectionProbe
{
public:
    bool IsConnected() override { return up; }
    bool up = false;
};

class DroppedTip final : public TrayTip
{
protected:
    void showTip(const QString &tip) override { benchmark::DoNotOptimize(tip); }
};

struct TickRig
{
    TempProgramDir dir;
    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 30, 0))};
    Regional british{QLocale(QLocale::English, QLocale::UnitedKingdom)};
    NoProbe probe;
    DroppedTip tray;
    ScriptedPrompter prompter;
    TariffTable tariff = typicalTariff();
    TariffSource source{Tariff{tariff, {}, {}, {}}};
    CallClock callClock{{clock, british, probe, tray, prompter, source, dir.file("netcosts.ini")}};
};

void BM_TickDuringCall(benchmark::State &state)
{
    TickRig rig;
    rig.probe.up = true;
    rig.callClock.Timer1_Timer(); // the call starts
    for (auto _ : state) {
        rig.clock.advance(1);
        rig.callClock.Timer2_Timer();
    }
    benchmark::DoNotOptimize(rig.callClock.text(CallClock::Field::Label5));
    state.SetItemsProcessed(state.iterations());
}

// Ticks a call second by second. What a tick hands on for later (a sentence,
// a tone) runs once a minute, as the event loop would run it.
void tickCallWithPostedWork(benchmark::State &state, TickRig &rig)
{
    rig.probe.up = true;
    rig.callClock.Timer1_Timer(); // the call starts
    for (auto _ : state) {
        rig.clock.advance(1);
        rig.callClock.Timer2_Timer();
        if (rig.clock.now().time().second() == 0)
            QCoreApplication::sendPostedEvents();
    }
    benchmark::DoNotOptimize(rig.callClock.text(CallClock::Field::Label5));
    state.SetItemsProcessed(state.iterations());
}

class SilentSpeaker final : public Speaker
{
public:
    bool isAvailable() override { return true; }
    void say(const QString &sentence) override { benchmark::DoNotOptimize(sentence); }
};

// The same tick with the cost spoken every minute and a monthly limit that
// is checked whenever the cost changes.
void BM_TickDuringCallWithAlerts(benchmark::State &state)
{
    int argc = 1;
    char name[] = "clock_tick_bench";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    TickRig rig;
    SilentSpeaker speaker;
    rig.dir.write(QStringLiteral("alerts.ini"), "1\r\n100000\r\n\r\n");
    CallAlerts alerts({rig.clock, rig.british, speaker, [](const QString &, Urgency) {},
                       rig.source, rig.dir.file("netcosts.ini"),
                       rig.dir.file("alerts.ini")},
                      rig.callClock);
    alerts.load();
    tickCallWithPostedWork(state, rig);
}

class SilentChime final : public Chime
{
public:
    bool isAvailable() override { return true; }
    void play() override { benchmark::DoNotOptimize(this); }
};

// The tick with the hang-up coach's choices all off (0) or all on (1): a
// tone before each minute and the next rate change looked for on each tick.
void BM_TickDuringCallWithCoach(benchmark::State &state)
{
    int argc = 1;
    char name[] = "clock_tick_bench";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    TickRig rig;
    SilentSpeaker speaker;
    SilentChime chime;
    CallCoach coach({rig.clock, rig.british, rig.source, chime, speaker, [](const QString &) {},
                     [] { return true; }},
                    rig.callClock);
    if (state.range(0))
        coach.setChoices({kSecondsBeforeMinute[3], kMinutesBeforeChange[3]});
    tickCallWithPostedWork(state, rig);
}

void BM_TickIdle(benchmark::State &state)
{
    TickRig rig;
    for (auto _ : state) {
        rig.clock.advance(1);
        rig.callClock.Timer2_Timer();
    }
    benchmark::DoNotOptimize(rig.callClock.text(CallClock::Field::Label4));
    state.SetItemsProcessed(state.iterations());
}

// The two pricing steps of a tick on their own.
void BM_LookUpFee(benchmark::State &state)
{
    const TariffTable tariff = typicalTariff();
    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 30, 0))};
    double costnow = 0;
    for (auto _ : state) {
        clock.advance(1);
        LookUpFee(tariff, clock, costnow);
        benchmark::DoNotOptimize(costnow);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_CallCharge(benchmark::State &state)
{
    const QString minConnect = QStringLiteral("3");
    qint64 minutes = 0;
    for (auto _ : state) {
        minutes = (minutes + 1) % 60;
        benchmark::DoNotOptimize(CallCharge(1, minutes, 4.2, minConnect));
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_TickDuringCall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickDuringCallWithAlerts)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickDuringCallWithCoach)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickIdle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LookUpFee)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CallCharge)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
