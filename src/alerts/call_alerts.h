#pragma once

// Speech and spending alerts. They watch the call clock from outside, by what
// it shows: while a call is timed, at each whole multiple of the
// chosen minutes of elapsed time the cost shown is spoken, and when this
// month's spending (the logged calls from the 1st to today, summed by the
// costs window's own summary, plus the call being timed) first passes the
// limit, a balloon says so, and the voice too when speech is on. Speech is
// handed on after the tick has finished, so talking never holds up the clock.

#include "alerts/alert_choices.h"
#include "alerts/speaker.h"
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
        std::function<void(const QString &)> showBalloon; // the tray's message balloon
        std::function<double()> minConnect; // the tariff's minimum, minutes, as it is now
        QString logPath;
        QString choicesPath;
    };

    CallAlerts(Services services, const CallClock &callClock, QObject *parent = nullptr);

    // Start-up: reads the choices file.
    void load();
    const AlertChoices &choices() const { return m_choices; }

    // The window's OK: a limit above this month's spending (or none) arms the
    // warning again; the warning is given at once if the spending is already
    // past an armed limit. Saves the choices; the result says whether the
    // file could be written (the choices hold for this run either way).
    FileResult apply(int speakEveryMinutes, std::optional<qint64> limitPence);

    // Pence spent this month so far, the running call included.
    qint64 monthSpending();

    bool speechAvailable() { return m_services.speaker.isAvailable(); }

    // The sentence of the window's "Test".
    QString sampleSentence() const;
    void speakSample();

private:
    void clockTextChanged(CallClock::Field field);
    void elapsedShown();
    void checkSpending();
    qint64 runningPence() const;
    void loadLoggedTotal(QDate today);
    void speakLater(const QString &sentence);

    Services m_services;
    const CallClock &m_callClock;
    AlertChoices m_choices;
    qint64 m_spokenMultiple = 0; // of the interval, in the call being timed
    QDate m_loggedDay; // the day the logged total was summed on
    qint64 m_loggedPence = 0;
};
