#include "alerts/call_coach.h"

#include "tariff/call_price.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

// The unit a fee is told per: the rules' units where they are whole seconds,
// otherwise the minute.
int feeUnitSeconds(const TariffRules &rules)
{
    if (!rules.usesUnits() || rules.unitMs % kMsPerSecond != 0 || rules.unitMs > 3600 * kMsPerSecond)
        return kMinuteSeconds;
    return int(rules.unitMs / kMsPerSecond);
}

} // namespace

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
    m_warnedStep = -1;
    m_toldChange = {};
    m_watching = connect(&m_callClock, &CallClock::textChanged, this, &CallCoach::clockTextChanged);
}

QString CallCoach::nextChangeText() const
{
    const QDateTime now = m_services.clock.now();
    const TariffRules &rules = this->rules();
    if (!rules.timeRules.isEmpty())
        return nextRateChangeText(
            nextChangeByTime(now), now.date(), m_services.regional, kMinuteSeconds);
    return nextRateChangeText(nextRateChange(m_services.tariff.tariff().table, now, m_callClock.feeNow(),
                                  HolidayCalendar(rules.holidays)),
        now.date(), m_services.regional, feeUnitSeconds(rules));
}

QString CallCoach::unitsNote() const
{
    if (rules().timeRules.isEmpty() || unitInForce() >= kMinuteSeconds * kMsPerSecond)
        return {};
    return QCoreApplication::translate("CallCoach",
        "Units are shorter than a minute: the coach warns only before the rate changes.");
}

// Rules by time: units of their own lengths, fees told a minute.
std::optional<RateChange> CallCoach::nextChangeByTime(const QDateTime &now) const
{
    const CallPricer &pricer = this->pricer();
    return nextRateChangeByTime(pricer, now,
        m_callClock.isTiming() ? std::optional(m_callClock.shownElapsedSeconds()) : std::nullopt);
}

// The length of the unit the call being timed would begin next, or a call
// begun now.
qint64 CallCoach::unitInForce() const
{
    const qint64 elapsed = m_callClock.isTiming() ? m_callClock.shownElapsedSeconds() : 0;
    CallToPrice call = runningCall(elapsed);
    if (!m_callClock.isTiming()) {
        const QDateTime now = m_services.clock.now();
        call.startDate = now.date();
        call.startSecond = now.time().msecsSinceStartOfDay() / 1000;
    }
    const CallPricer &pricer = this->pricer();
    const std::optional<UnitStep> step = pricer.nextUnitStep(call, elapsed);
    return step ? step->lengthMs : kMinuteSeconds * kMsPerSecond;
}

// Read again only when the rules' holidays change, not at every minute.
const HolidayCalendar &CallCoach::holidays()
{
    const QList<HolidayDay> &days = rules().holidays;
    if (days != m_holidayDays) {
        m_holidays = HolidayCalendar(days);
        m_holidayDays = days;
    }
    return m_holidays;
}

CallToPrice CallCoach::runningCall(qint64 seconds) const
{
    const QDateTime &started = m_callClock.startMoment();
    QDate startDate = started.date();
    int startSecond = started.time().msecsSinceStartOfDay() / 1000;
    if (!startDate.isValid()) {
        // A start the clock does not give (it always does while a call is
        // timed) is counted back from now by the time shown.
        const QDateTime start = m_services.clock.now().addSecs(-m_callClock.shownElapsedSeconds());
        startDate = start.date();
        startSecond = start.time().msecsSinceStartOfDay() / 1000;
    }
    return { startDate, startSecond, seconds, m_callClock.costnow };
}

void CallCoach::clockTextChanged(CallClock::Field field)
{
    if (!m_callClock.isTiming())
        return;
    if (field == CallClock::Field::Label6) {
        m_warnedStep = -1;
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
        beforeStep(elapsed);
    if (m_choices.minutesBeforeChange > 0)
        beforeChange(m_services.clock.now(), elapsed);
}

// Once a step at most, from the chosen second before it on, so a tick that
// comes late still warns. A step inside the min connect time or the least
// charge, or at a fee too small to add a penny, does not make the charge
// grow: no tone. The pricer says where the next unit begins; only units at
// least as long as the warning are warned of, so short units never make a
// tone every second (under rules by time, units of a minute or more). The
// first charge's end is weighed by what the next minute costs, since units
// of a second rarely add a penny each.
void CallCoach::beforeStep(qint64 elapsed)
{
    const int warning = m_choices.secondsBeforeMinute;
    const TariffRules &rules = this->rules();
    const CallPricer &pricer = this->pricer();
    std::optional<UnitStep> step = pricer.nextUnitStep(runningCall(elapsed), elapsed);
    const qint64 warningMs = qint64(warning) * kMsPerSecond;
    if (!rules.timeRules.isEmpty()) {
        if (step && step->lengthMs < kMinuteSeconds * kMsPerSecond)
            step.reset();
    } else if (rules.usesUnits()) {
        const qint64 firstEnd = rules.firstMs / kMsPerSecond + 1;
        if (step && step->chargedFrom == firstEnd && rules.firstMs >= warningMs) {
            step->lengthMs = qMax<qint64>(step->lengthMs, kMinuteSeconds * kMsPerSecond);
        } else {
            if (step && step->chargedFrom == firstEnd)
                step = pricer.nextUnitStep(runningCall(firstEnd), firstEnd);
            if (step && step->lengthMs < warningMs)
                step.reset();
        }
    }
    if (!step || step->chargedFrom - elapsed > warning || step->chargedFrom == m_warnedStep)
        return;
    m_warnedStep = step->chargedFrom;
    const qint64 lasting = (step->lengthMs + kMsPerSecond - 1) / kMsPerSecond;
    if (pricer.price(runningCall(step->chargedFrom - 1 + lasting), TableRule::Live)
        <= pricer.price(runningCall(step->chargedFrom - 1), TableRule::Live))
        return;
    // After the tick: loading the sound must not hold up the clock.
    QTimer::singleShot(0, this, [this] {
        if (m_services.chime.isAvailable())
            m_services.chime.play();
        else if (m_services.speaker.isAvailable())
            m_services.speaker.say(QCoreApplication::translate("CallCoach", kMinuteWord));
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
    const TariffRules &rules = this->rules();
    const CallPricer &pricer = this->pricer();
    const ChangeCosts costs = costsAroundChange(*change, runningCall(elapsed + ahead), pricer);
    const int unit = rules.timeRules.isEmpty() ? feeUnitSeconds(rules) : kMinuteSeconds;
    m_services.showBalloon(rateChangeSentence(*change, costs, m_services.regional, unit));
    if (!m_services.speechOn())
        return;
    const QString sentence
        = spokenRateChangeSentence(*change, costs, m_services.regional.locale(), unit);
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
        m_change = rules().timeRules.isEmpty()
            ? nextRateChange(m_services.tariff.tariff().table, now, costnow, holidays())
            : nextChangeByTime(now);
        m_changeDay = now.date();
        m_changeMinute = minute;
        m_changeCostnow = costnow;
    }
    return m_change;
}
