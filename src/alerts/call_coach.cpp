#include "alerts/call_coach.h"

#include "tariff/call_price.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

// A step of the charge: the elapsed second from which it counts, and how
// long the time it charges for lasts.
struct ChargeStep
{
    qint64 at = 0;
    qint64 lasting = 0;
};

// The next step after elapsed that is one to warn of: each minute begun;
// with units, the second past the first charge and past each unit, where
// the charge or unit lasts at least the warning, so short units never make
// a tone every second. The first charge's end is weighed by what the next
// minute costs, since units of a second rarely add a penny each.
std::optional<ChargeStep> nextChargeStep(const TariffRules &rules, qint64 elapsed, int warning)
{
    if (!rules.usesUnits())
        return ChargeStep { (elapsed / 60 + 1) * 60, 60 };
    // Milliseconds: units may be fractions of a second. A unit is charged
    // from the first whole second after it begins.
    const qint64 first = rules.firstMs;
    const qint64 unit = rules.unitMs;
    const qint64 now = elapsed * kMsPerSecond;
    const auto seconds = [](qint64 ms) { return (ms + kMsPerSecond - 1) / kMsPerSecond; };
    if (now <= first && first >= warning * kMsPerSecond)
        return ChargeStep { first / kMsPerSecond + 1, seconds(qMax<qint64>(unit, 60 * kMsPerSecond)) };
    if (unit < warning * kMsPerSecond)
        return std::nullopt;
    const qint64 units = now <= first ? 1 : qMax<qint64>(1, (now - first + unit - 1) / unit);
    return ChargeStep { (first + units * unit) / kMsPerSecond + 1, seconds(unit) };
}

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
        return nextRateChangeText(nextChangeByTime(now), now.date(), kMinuteSeconds);
    return nextRateChangeText(nextRateChange(m_services.tariff, now, m_callClock.feeNow(),
                                  HolidayCalendar(rules.holidays)),
        now.date(), feeUnitSeconds(rules));
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
    const CallPricer pricer(m_services.tariff, rules());
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
    const CallPricer pricer(m_services.tariff, rules());
    const std::optional<UnitStep> step = pricer.nextUnitStep(call, elapsed);
    return step ? step->lengthMs : kMinuteSeconds * kMsPerSecond;
}

const TariffRules &CallCoach::rules() const
{
    static const TariffRules none;
    return m_services.rules ? *m_services.rules : none;
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
    QDate startDate = QDate::fromString(m_callClock.startdate, u"dd:MM:yyyy");
    int startSecond = m_callClock.starttime.msecsSinceStartOfDay() / 1000;
    if (!startDate.isValid()) {
        // A start the clock's texts do not give (they always do while a call
        // is timed) is counted back from now by the time shown.
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
// grow: no tone.
void CallCoach::beforeStep(qint64 elapsed)
{
    const int warning = m_choices.secondsBeforeMinute;
    std::optional<ChargeStep> step;
    if (rules().timeRules.isEmpty()) {
        step = nextChargeStep(rules(), elapsed, warning);
    } else {
        // Under rules by time only units of a minute or more are warned of:
        // a tone before every few seconds' unit would never stop.
        const CallPricer pricer(m_services.tariff, rules());
        const std::optional<UnitStep> unit = pricer.nextUnitStep(runningCall(elapsed), elapsed);
        if (unit && unit->lengthMs >= kMinuteSeconds * kMsPerSecond)
            step = ChargeStep { unit->chargedFrom, (unit->lengthMs + kMsPerSecond - 1) / kMsPerSecond };
    }
    if (!step || step->at - elapsed > warning || step->at == m_warnedStep)
        return;
    m_warnedStep = step->at;
    const CallPricer pricer(m_services.tariff, rules());
    if (pricer.price(runningCall(step->at - 1 + step->lasting), TableRule::Live)
        <= pricer.price(runningCall(step->at - 1), TableRule::Live))
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
    const CallPricer pricer(m_services.tariff, rules);
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
            ? nextRateChange(m_services.tariff, now, costnow, holidays())
            : nextChangeByTime(now);
        m_changeDay = now.date();
        m_changeMinute = minute;
        m_changeCostnow = costnow;
    }
    return m_change;
}
