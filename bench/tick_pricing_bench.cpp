#include "alerts/call_coach.h"
#include "alerts/rate_change.h"
#include "calltime/call_clock.h"
#include "support/fake_clock.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"
#include "tariff/call_price.h"
#include "tariff/ruleset_import.h"
#include "tariff/tariff_source.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

// A tick's pricing work under the 30 rules of thirty_rules.rst, a call
// timed: the running cost (the fee of the rule in force and the charge so
// far), the coach's next unit and whether it makes the charge grow, and the
// rate change ahead. Built once per tariff, the pricer is asked; built for
// each question, as every asker once did, it is built four times a tick.
namespace {

const QString kRuleset = QStringLiteral(CALLWISE_BENCH_DIR "/thirty_rules.rst");

Tariff thirtyRules()
{
    const RulesetImport read = readRuleset(kRuleset);
    if (!read.tariff)
        qFatal("thirty_rules.rst does not read");
    Tariff tariff;
    tariff.table = read.tariff->table;
    tariff.rules = read.tariff->rules;
    return tariff;
}

const QDate kDay(2026, 12, 7);
constexpr int kStart = 9 * 3600 + 30 * 60;

// The questions of one tick, elapsed seconds into the call.
void askTick(const CallPricer &pricer, qint64 elapsed)
{
    const int second = int((kStart + elapsed) % 86400);
    benchmark::DoNotOptimize(pricer.ruleFeeAt(kDay, second, elapsed));
    const CallToPrice call { kDay, kStart, elapsed, pricer.feeAt(kDay, second) };
    benchmark::DoNotOptimize(pricer.price(call, TableRule::Live));
    if (const std::optional<UnitStep> step = pricer.nextUnitStep(call, elapsed)) {
        CallToPrice before = call;
        before.seconds = step->chargedFrom - 1;
        CallToPrice after = before;
        after.seconds += (step->lengthMs + 999) / 1000;
        benchmark::DoNotOptimize(pricer.price(after, TableRule::Live) > pricer.price(before, TableRule::Live));
    }
}

void BM_TickPricing30RulesOnePricer(benchmark::State &state)
{
    const Tariff tariff = thirtyRules();
    const TariffSource source(tariff);
    qint64 elapsed = 0;
    for (auto _ : state) {
        askTick(source.pricer(), ++elapsed % 3600);
    }
    state.SetItemsProcessed(state.iterations());
}

// As before: the clock's fee, the clock's charge, the coach's step and its
// weighing each built a pricer of their own.
void BM_TickPricing30RulesPricerPerQuestion(benchmark::State &state)
{
    const Tariff tariff = thirtyRules();
    qint64 elapsed = 0;
    for (auto _ : state) {
        ++elapsed;
        for (int built = 0; built < 3; ++built)
            benchmark::DoNotOptimize(CallPricer(tariff.table, tariff.rules).minConnectMinutes());
        askTick(CallPricer(tariff.table, tariff.rules), elapsed % 3600);
    }
    state.SetItemsProcessed(state.iterations());
}

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

class SilentSpeaker final : public Speaker
{
public:
    bool isAvailable() override { return true; }
    void say(const QString &sentence) override { benchmark::DoNotOptimize(sentence); }
};

class SilentChime final : public Chime
{
public:
    bool isAvailable() override { return true; }
    void play() override { benchmark::DoNotOptimize(this); }
};

// The whole tick of a timed call under the 30 rules, the coach's tone and
// rate change on: texts, tray tip, pricing, the coach.
void BM_TickDuringCall30RulesWithCoach(benchmark::State &state)
{
    int argc = 1;
    char name[] = "tick_pricing_bench";
    char *argv[] = { name, nullptr };
    QCoreApplication app(argc, argv);
    TempProgramDir dir;
    FakeClock clock { QDateTime(kDay, QTime(9, 30, 0)) };
    const Regional british { QLocale(QLocale::English, QLocale::UnitedKingdom) };
    NoProbe probe;
    DroppedTip tray;
    ScriptedPrompter prompter;
    const TariffSource source(thirtyRules());
    CallClock callClock { { clock, british, probe, tray, prompter, source,
        dir.file("netcosts.ini") } };
    SilentSpeaker speaker;
    SilentChime chime;
    CallCoach coach({ clock, british, source, chime, speaker, [](const QString &) { },
                        [] { return true; } },
        callClock);
    coach.setChoices({ kSecondsBeforeMinute[3], kMinutesBeforeChange[3] });
    probe.up = true;
    callClock.Timer1_Timer();
    for (auto _ : state) {
        clock.advance(1);
        callClock.Timer2_Timer();
        if (clock.now().time().second() == 0)
            QCoreApplication::sendPostedEvents();
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_TickPricing30RulesOnePricer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickPricing30RulesPricerPerQuestion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickDuringCall30RulesWithCoach)->Unit(benchmark::kMicrosecond);
