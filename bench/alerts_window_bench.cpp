#include "alerts/call_alerts.h"
#include "alerts/call_coach.h"
#include "calllog/call_bytes.h"
#include "log_generator.h"
#include "support/fake_clock.h"
#include "support/fake_speaker.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"
#include "typical_tariff.h"
#include "ui/frm_alerts.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

// One tick of a call on a mobile link, over a log of 100,000 data calls in
// the year to today and a data tariff with an allowance, on the offscreen
// platform: with the alerts window closed (the tick as it was) and open,
// where the bill month's money and data follow the call at every tick.
namespace {

const QDate kToday(2026, 12, 6);
constexpr int kRecords = 100'000;

class MobileLink final : public ConnectionProbe
{
public:
    bool IsConnected() override { return true; }
    std::string callLinkName() override { return "wwan0"; }
    std::optional<LinkMessageCounters> linkSample(const std::string &) override
    {
        bytes += 20000; // 20 kB a second each way
        return LinkMessageCounters { 3, { bytes, bytes } };
    }
    std::uint64_t bytes = 0;
};

class DroppedTip final : public TrayTip
{
protected:
    void showTip(const QString &tip) override { benchmark::DoNotOptimize(tip); }
};

struct SilentChime final : Chime
{
    bool isAvailable() override { return false; }
    void play() override { }
};

struct Rig
{
    Rig()
    {
        const QString log = yearOfCalls(kRecords, kToday);
        dir.write(QStringLiteral("netcosts.ini"), logFileBytes(log));
        dir.write(QStringLiteral("netbytes.ini"), bytesOf(log));
        // 1p a MB, 20 GB a month with a £10 bundle, 10p a MB beyond.
        QByteArray data;
        for (int day = 0; day < 7; ++day)
            data += "00:00\r\n1.00\r\n" + QByteArray("\r\n").repeated(6);
        dir.write(QStringLiteral("netdata.ini"), data + "20000\r\n1000\r\n1\r\n10.00\r\n1000000\r\n1\r\n");
        dir.write(QStringLiteral("alerts.ini"), "0\r\n100000\r\n\r\n1\r\n\r\n0\r\n0\r\n");
        source.use(Tariff { typicalTariff(), {}, {},
            LoadDataTariff(dir.file(QStringLiteral("netdata.ini"))) });
        alerts.load();
        callClock.Timer1_Timer(); // the call starts
    }

    TempProgramDir dir;
    FakeClock clock { QDateTime(kToday, QTime(12, 0)) };
    Regional regional { QLocale(QLocale::English, QLocale::UnitedKingdom) };
    MobileLink probe;
    DroppedTip tray;
    ScriptedPrompter prompter;
    TariffSource source { Tariff { typicalTariff(), {}, {}, {} } };
    LinkBilling billing;
    CallClock callClock { { clock, regional, probe, tray, prompter, source,
        dir.file(QStringLiteral("netcosts.ini")), &billing, nullptr,
        [](const DataPricer &, QDate) { return qint64(0); } } };
    FakeSpeaker speaker;
    SilentChime chime;
    CallAlerts alerts { { clock, regional, speaker, [](const QString &, Urgency) {}, source,
                            dir.file(QStringLiteral("netcosts.ini")),
                            dir.file(QStringLiteral("alerts.ini")) },
        callClock };
    CallCoach coach { { clock, regional, source, chime, speaker, [](const QString &) {},
                          [] { return false; } },
        callClock };
};

void tick(benchmark::State &state, Rig &rig)
{
    // The log's part is read once, at the first tick; the rest is the tick's.
    rig.clock.advance(1);
    rig.callClock.Timer2_Timer();
    QApplication::processEvents();
    for (auto _ : state) {
        rig.clock.advance(1);
        rig.callClock.Timer2_Timer();
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_DataTickAlertsClosed(benchmark::State &state)
{
    Rig rig;
    tick(state, rig);
}

void BM_DataTickAlertsOpen(benchmark::State &state)
{
    Rig rig;
    frmAlerts window(rig.alerts, rig.coach, rig.regional, rig.prompter);
    window.show();
    QApplication::processEvents();
    tick(state, rig);
    benchmark::DoNotOptimize(window.findChild<QWidget *>(QStringLiteral("lblDataUsed")));
}

} // namespace

BENCHMARK(BM_DataTickAlertsClosed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DataTickAlertsOpen)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
