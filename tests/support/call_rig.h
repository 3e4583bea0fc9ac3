#pragma once

#include "alerts/call_alerts.h"
#include "support/fake_clock.h"
#include "support/fake_speaker.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

class ScriptedProbe final : public ConnectionProbe
{
public:
    bool IsConnected() override { return ++asked, up; }
    std::string callLinkName() override { return up ? linkName : std::string(); }
    std::optional<LinkMessageCounters> linkSample(const std::string &name) override
    {
        return name == linkName ? sample : std::nullopt;
    }
    bool up = false;
    int asked = 0;
    std::string linkName = "ppp0";
    std::optional<LinkMessageCounters> sample; // none: the link has no counters
};

class RecordingTray final : public TrayTip
{
public:
    QStringList tips;

protected:
    void showTip(const QString &tip) override { tips.append(tip); }
};

// A call clock and its alerts over a fresh directory, the fake clock at
// Saturday 5 December 2026 10:00:00 and the British locale.
struct CallRig
{
    QString logPath() const { return dir.file("netcosts.ini"); }
    QByteArray log() const { return dir.exists("netcosts.ini") ? dir.read("netcosts.ini") : ""; }
    QByteArray journal() const { return dir.exists("callnow.ini") ? dir.read("callnow.ini") : ""; }
    QByteArray charges() const
    {
        return dir.exists("netcharges.ini") ? dir.read("netcharges.ini") : "";
    }
    QByteArray bytes() const { return dir.exists("netbytes.ini") ? dir.read("netbytes.ini") : ""; }
    // The files read anew, then the rig's table and rules priced as they stand.
    void priceAsSet()
    {
        source.reload();
        Tariff now = source.tariff();
        now.table = tariff;
        now.rules = rules;
        source.use(std::move(now));
    }
    void scan(bool linkUp)
    {
        priceAsSet();
        probe.up = linkUp;
        callClock.Timer1_Timer();
    }
    void tickAt(QTime time)
    {
        clock.set(clock.now().date(), time);
        priceAsSet();
        callClock.Timer2_Timer();
    }
    void startAt(QTime time)
    {
        clock.set(clock.now().date(), time);
        scan(true);
    }
    // Every day from midnight at fee pence per minute.
    void chargeAllWeek(const QString &fee, const QString &minConnect)
    {
        for (int day = 0; day < TariffTable::kDays; ++day) {
            tariff.setBandStart(day, 0, "00:00");
            tariff.setFee(day, 0, fee);
        }
        tariff.setMinConnectTime(minConnect);
    }
    QString shown(CallClock::Field field) const { return callClock.text(field); }

    TempProgramDir dir;
    FakeClock clock { QDateTime(QDate(2026, 12, 5), QTime(10, 0, 0)) };
    Regional regional { QLocale(QLocale::English, QLocale::UnitedKingdom) };
    ScriptedProbe probe;
    RecordingTray tray;
    ScriptedPrompter prompter;
    TariffTable tariff;
    TariffRules rules; // none until a test sets some
    LinkBilling billing; // the defaults
    qint64 dataUsed = 0; // of the allowance, before the call
    TariffSource source { { dir.file("netfees.ini"), dir.file("netrules.ini"),
        dir.file("netdata.ini") } };
    CallClock callClock { { clock, regional, probe, tray, prompter, source, logPath(), &billing, nullptr, [this](const DataPricer &, QDate) { return dataUsed; } } };
    FakeSpeaker speaker;
    QStringList balloons;
    QList<Urgency> urgencies; // of the alerts' balloons
    CallAlerts alerts { { clock, regional, speaker,
                            [this](const QString &t, Urgency u) { balloons << t; urgencies << u; },
                            source, logPath(),
                            dir.file("alerts.ini") }, callClock };
};

struct CallRigTest : testing::Test, CallRig
{
};
