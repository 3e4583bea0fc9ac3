#pragma once

// Speech and spending alerts. They watch the call clock from outside, by what
// it shows: while a call is timed, at each whole multiple of the
// chosen minutes of elapsed time the cost shown is spoken. Spending counts
// over the bill's month, from the day the user's bill starts: when it (the
// logged calls of the month so far, summed by the costs window's own summary,
// plus the call being timed) first passes the limit, a balloon says so, and
// the voice too when speech is on (weighed at start-up too, as the
// data bundle's fee alone may pass it). Before it gets there, the month's forecast
// is weighed against the limit when a call ends and at start-up (not at every
// tick: it reads the whole log), and the first time in a month that it
// passes, the balloon and the voice say that too. Speech is handed on after
// the tick has finished, so talking never holds up the clock. With a data
// tariff that has an allowance (netdata.ini beside the log), the bill
// month's data is weighed when a call ends and at start-up too: at the
// level the user sets, the balloon (normal) and the voice say so once a
// bill month, and at the allowance itself (critical) once more.

#include "alerts/alert_choices.h"
#include "alerts/bill_month.h"
#include "alerts/data_month.h"
#include "alerts/forecast.h"
#include "alerts/speaker.h"
#include "alerts/urgency.h"
#include "calltime/call_clock.h"
#include "common/clock.h"
#include "common/regional.h"

#include <QDate>
#include <QObject>

#include <functional>

class CallAlerts : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        const Clock &clock;
        const Regional &regional;
        Speaker &speaker;
        // The tray's message balloon: a spending limit passed is critical,
        // a forecast past it normal.
        std::function<void(const QString &, Urgency)> showBalloon;
        // The tariff in force: its min connect time, its data tariff and the
        // rules' holidays, which price data as the running call's pricer does.
        const TariffSource &tariff;
        QString logPath;
        QString choicesPath;
    };

    CallAlerts(Services services, const CallClock &callClock, QObject *parent = nullptr);

    // Start-up: reads the choices file. The forecast is weighed once the
    // start-up is over, when the tray can show a balloon.
    void load();
    const AlertChoices &choices() const { return m_choices; }

    // The window's OK: a limit above this month's spending (or none) arms the
    // warning again, and one above its forecast the forecast's; each is given
    // at once if the month is already past an armed limit. Saves the choices,
    // the coach's with them; the result says whether the file could be
    // written (the choices hold for this run either way).
    FileResult apply(int speakEveryMinutes, std::optional<qint64> limitPence, int billStartDay,
        CoachChoices coach);

    // The bill's month today lies in.
    BillMonth billMonth() const;
    // The data bundle's monthly fee, part of every bill's month.
    MonthlyFee monthlyFee() const;
    // Pence spent this bill's month so far, the running call and the fee included.
    qint64 monthSpending();
    // What the whole bill's month is expected to cost, the running call
    // included; nothing while the log holds less than a week.
    std::optional<qint64> expectedSpending();

    // The data tariff in force, or none (nor one that cannot be read).
    std::optional<DataTariff> dataTariff() const;
    // The bill month's data by the data tariff, the call in progress
    // included; none without one. The log's part is read once a day and
    // again after each call, so a tick asks only for the running call's.
    std::optional<DataMonth> dataMonth() const;
    // The window's level for the data warning, before its OK applies the
    // rest: a level the month has not reached arms its warning again.
    void setDataWarnPercent(int percent);

    bool speechAvailable() { return m_services.speaker.isAvailable(); }

Q_SIGNALS:
    // The month's figures have moved: a tick of the call in progress, or a
    // call logged.
    void figuresChanged();

public:

    // The sentence of the window's "Test".
    QString sampleSentence() const;
    void speakSample();

private:
    void clockTextChanged(CallClock::Field field);
    void elapsedShown();
    void checkSpending();
    void checkForecast();
    void checkData();
    void checkRunningData();
    void warnOfData(qint64 usedBytes, const DataTariff &tariff, QDate billFirst);
    void warn(const QString &sentence, qint64 pence, Urgency urgency);
    qint64 runningPence() const;
    void loadLoggedTotal(QDate today);
    // The log's data and the pricer of the tariff in force, read again when stale.
    void readLoggedData() const;
    // The sums read from the log are read again when next asked for.
    void forgetSums();
    void speakLater(const QString &sentence);

    Services m_services;
    const CallClock &m_callClock;
    AlertChoices m_choices;
    qint64 m_spokenMultiple = 0; // of the interval, in the call being timed
    bool m_timing = false; // as the clock last showed
    QDate m_loggedDay; // the day the logged total was summed on
    qint64 m_loggedPence = 0;
    // The forecast read from the log that day, so the window's OK, its opening
    // and the warning after it read the log for it once.
    QDate m_forecastDay;
    std::optional<Forecast> m_forecast;
    // The data tariff and the log's data days, as read that day.
    mutable QDate m_dataDay;
    mutable std::optional<DataPricer> m_dataPricer;
    mutable DataDays m_dataDays;
};
