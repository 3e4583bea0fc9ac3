#include "alerts/call_coach.h"

#include "tariff/call_charge.h"

#include <QTimer>

CallCoach::CallCoach(Services services, const CallClock &callClock, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_callClock(callClock)
{ }

void CallCoach::setChoices(CoachChoices choices)
{
    m_choices = choices;
    const bool on = choices.secondsBeforeMinute > 0 || choices.minutesBeforeChange > 0;
    if (on == bool(m_watching))
        return;
    if (!on) {
        disconnect(m_watching);
        m_watching = {};
        return;
    }
    // Calls started while the coach was off were not seen to start.
    m_warnedMinute = -1;
    m_toldChange = {};
    m_watching = connect(&m_callClock, &CallClock::textChanged, this, &CallCoach::clockTextChanged);
}

QString CallCoach::nextChangeText() const
{
    const QDateTime now = m_services.clock.now();
    return nextRateChangeText(
        nextRateChange(m_services.tariff, now, m_callClock.feeNow()), now.date());
}

void CallCoach::clockTextChanged(CallClock::Field field)
{
    if (!m_callClock.isTiming())
        return;
    if (field == CallClock::Field::Label6) {
        m_warnedMinute = -1;
        m_toldChange = {};
        // Loading the sound takes a while the first time: done as the call
        // starts, after the tick, so the first tone is not late.
        if (m_choices.secondsBeforeMinute > 0)
            QTimer::singleShot(0, this, [this] { m_services.chime.isAvailable(); });
        return;
    }
    // The elapsed time is shown on every tick of a timed call.
    if (field != CallClock::Field::LblDiffTime)
        return;
    const qint64 elapsed = m_callClock.shownElapsedSeconds();
    if (m_choices.secondsBeforeMinute > 0)
        beforeMinute(elapsed);
    if (m_choices.minutesBeforeChange > 0)
        beforeChange(m_services.clock.now(), elapsed);
}

// Once a minute at most, from the chosen second on, so a tick that comes
// late still warns. A minute inside the min connect time, or at a fee too
// small to add a penny, does not make the charge grow: no tone.
void CallCoach::beforeMinute(qint64 elapsed)
{
    const qint64 minute = elapsed / 60;
    if (elapsed % 60 < 60 - m_choices.secondsBeforeMinute || minute == m_warnedMinute)
        return;
    m_warnedMinute = minute;
    const QString &minConnect = m_services.tariff.minConnectTime();
    const double fee = m_callClock.costnow;
    if (CallCharge(minute / 60, minute % 60, fee, minConnect)
        >= CallCharge((minute + 1) / 60, (minute + 1) % 60, fee, minConnect))
        return;
    // After the tick: loading the sound must not hold up the clock.
    QTimer::singleShot(0, this, [this] {
        if (m_services.chime.isAvailable())
            m_services.chime.play();
        else if (m_services.speaker.isAvailable())
            m_services.speaker.say(QString::fromUtf16(kMinuteWord));
    });
}

void CallCoach::beforeChange(const QDateTime &now, qint64 elapsed)
{
    const std::optional<RateChange> &change = changeAfter(now);
    if (!change)
        return;
    // Counted by times of day, as the clock counts the elapsed time.
    const qint64 ahead = now.date().daysTo(change->at.date()) * 86400
        + (change->at.time().msecsSinceStartOfDay() - now.time().msecsSinceStartOfDay()) / 1000;
    // Compared last: comparing local times is the dearest step of a tick.
    if (ahead > qint64(m_choices.minutesBeforeChange) * 60 || change->at == m_toldChange)
        return;
    m_toldChange = change->at;
    const ChangeCosts costs
        = costsAroundChange(*change, elapsed + ahead, m_services.tariff.minConnectTime());
    m_services.showBalloon(rateChangeSentence(*change, costs, m_services.regional));
    if (!m_services.speechOn())
        return;
    const QString sentence = spokenRateChangeSentence(*change, costs, m_services.regional.locale());
    QTimer::singleShot(0, this, [this, sentence] {
        if (m_services.speaker.isAvailable())
            m_services.speaker.say(sentence);
    });
}

const std::optional<RateChange> &CallCoach::changeAfter(const QDateTime &now)
{
    const int minute = now.time().hour() * 60 + now.time().minute();
    const double costnow = m_callClock.costnow;
    if (minute != m_changeMinute || now.date() != m_changeDay || costnow != m_changeCostnow) {
        m_change = nextRateChange(m_services.tariff, now, costnow);
        m_changeDay = now.date();
        m_changeMinute = minute;
        m_changeCostnow = costnow;
    }
    return m_change;
}
