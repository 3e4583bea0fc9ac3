#pragma once

#include "calltime/call_clock.h"
#include "support/fake_clock.h"
#include "support/scripted_prompter.h"
#include "support/temp_program_dir.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QStringList>

class ScriptedProbe final : public ConnectionProbe
{
public:
    bool IsConnected() override
    {
        ++asked;
        return up;
    }
    bool up = false;
    int asked = 0;
};

class RecordingTray final : public TrayTip
{
public:
    QStringList tips;

protected:
    void showTip(const QString &tip) override { tips.append(tip); }
};

// A call clock with the fake clock at Saturday 5 December 2026 04:14:03, the
// British locale and the log in a fresh directory.
class CallClockTest : public testing::Test
{
protected:
    QString logPath() const { return dir.file("netcosts.ini"); }
    QByteArray log() const { return dir.exists("netcosts.ini") ? dir.read("netcosts.ini") : ""; }
    QByteArray journal() const { return dir.exists("callnow.ini") ? dir.read("callnow.ini") : ""; }

    void scan(bool linkUp)
    {
        probe.up = linkUp;
        callClock.Timer1_Timer();
    }
    void tickAt(QTime time)
    {
        clock.set(clock.now().date(), time);
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
    FakeClock clock;
    Regional british{QLocale(QLocale::English, QLocale::UnitedKingdom)};
    ScriptedProbe probe;
    RecordingTray tray;
    ScriptedPrompter prompter;
    TariffTable tariff;
    QString path = logPath();
    CallClock callClock{{clock, british, probe, tray, prompter, tariff, path}};
};
