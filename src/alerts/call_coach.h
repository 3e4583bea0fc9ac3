#pragma once

// The hang-up coach. While a call is timed it gives a short tone a chosen
// number of seconds before each new minute that makes the charge grow, and
// a chosen number of minutes before the rate changes a balloon (and the
// voice, with speech on) says what the change does to this call. Like the
// spoken alerts it watches the call clock by what it shows, and only while
// a choice is on, so with both off a tick costs nothing more.
//
// With the tariff's rules the tone comes before each new charge step
// (before the first charge ends and before each unit long enough to be
// warned of), the prices come from the rules, holidays count for the next
// change and fees are told per charge unit. With rules by time the tone
// comes only before units of a minute or longer, the next change is where
// the fee of the rule in force changes, and fees are told a minute.

#include "alerts/alert_choices.h"
#include "alerts/chime.h"
#include "alerts/rate_change.h"
#include "alerts/speaker.h"
#include "calltime/call_clock.h"
#include "common/clock.h"
#include "common/regional.h"
#include "tariff/tariff_source.h"

#include <QObject>

#include <functional>
#include <optional>

// Said when there is no tone to play.
inline constexpr char kMinuteWord[] = QT_TRANSLATE_NOOP("CallCoach", "minute");

class CallCoach : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        const Clock &clock;
        const Regional &regional;
        const TariffSource &tariff; // the fees and rules as they are now
        Chime &chime;
        Speaker &speaker;
        std::function<void(const QString &)> showBalloon; // the tray's message balloon
        std::function<bool()> speechOn; // whether the voice speaks alerts
    };

    CallCoach(Services services, const CallClock &callClock, QObject *parent = nullptr);

    void setChoices(CoachChoices choices);
    const CoachChoices &choices() const { return m_choices; }

    // The next change of the fee from now, for the alerts window: "Next rate
    // change: 18:01, 1.50p a minute".
    QString nextChangeText() const;
    // Under rules by time with units shorter than a minute, for the alerts
    // window, that no tone comes before them; empty otherwise.
    QString unitsNote() const;

private:
    void clockTextChanged(CallClock::Field field);
    void beforeStep(qint64 elapsed);
    void beforeChange(const QDateTime &now, qint64 elapsed);
    const std::optional<RateChange> &changeAfter(const QDateTime &now);
    std::optional<RateChange> nextChangeByTime(const QDateTime &now) const;
    // Milliseconds.
    qint64 unitInForce() const;
    const TariffRules &rules() const { return m_services.tariff.tariff().rules; }
    const CallPricer &pricer() const { return m_services.tariff.pricer(); }
    const HolidayCalendar &holidays();
    // The call being timed as it would be at that length.
    CallToPrice runningCall(qint64 seconds) const;

    Services m_services;
    const CallClock &m_callClock;
    CoachChoices m_choices;
    QMetaObject::Connection m_watching;
    qint64 m_warnedStep = -1; // the elapsed second of the step last warned of
    QDateTime m_toldChange; // in the call being timed
    // The next change, worked out once a minute: the tariff editor's
    // changes count from the next minute on.
    QDate m_changeDay;
    int m_changeMinute = -1;
    double m_changeCostnow = 0.0;
    std::optional<RateChange> m_change;
    QList<HolidayDay> m_holidayDays; // those m_holidays was made from
    HolidayCalendar m_holidays;
};
