#include "tariff/call_price.h"

#include "common/number_reader.h"
#include "common/rounding.h"
#include "tariff/call_charge.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 kMsPerDay = 86400 * kMsPerSecond;
constexpr qint64 kMsPerMinute = 60 * kMsPerSecond;

qint64 ceilDivide(qint64 numerator, qint64 denominator)
{
    return numerator <= 0 ? 0 : (numerator + denominator - 1) / denominator;
}

// A unit's share of a minute's fee.
ExactNumber minuteShare(qint64 unitMs)
{
    return ExactNumber::fraction(unitMs, kMsPerMinute);
}

} // namespace

CallPricer::CallPricer(const TariffTable &table, const TariffRules &rules)
    : m_rules(rules)
    , m_minConnectText(table.minConnectTime())
    , m_minConnect(readNumber(m_minConnectText))
    , m_holidays(rules.holidays)
    , m_timeline(table, m_holidays, !rules.isDefault())
    , m_timeRules(rules.timeRules, m_holidays)
{
    for (const TimeRule &rule : m_timeRules.rules())
        m_unitPence.push_back(rule.unitPence());
}

CallPricer::CallPricer(const CallPricer &other)
    : m_rules(other.m_rules)
    , m_minConnectText(other.m_minConnectText)
    , m_minConnect(other.m_minConnect)
    , m_holidays(other.m_holidays)
    , m_timeline(other.m_timeline)
    , m_timeRules(other.m_timeRules)
    , m_unitPence(other.m_unitPence)
    , m_lastFee(other.m_lastFee)
    , m_exactLastFee(other.m_exactLastFee)
{
    rebind();
}

CallPricer &CallPricer::operator=(const CallPricer &other)
{
    if (this == &other)
        return *this;
    m_rules = other.m_rules;
    m_minConnectText = other.m_minConnectText;
    m_minConnect = other.m_minConnect;
    m_holidays = other.m_holidays;
    m_timeline = other.m_timeline;
    m_timeRules = other.m_timeRules;
    m_unitPence = other.m_unitPence;
    m_lastFee = other.m_lastFee;
    m_exactLastFee = other.m_exactLastFee;
    rebind();
    return *this;
}

void CallPricer::rebind()
{
    m_timeline.rebind(m_holidays);
    m_timeRules.rebind(m_holidays);
}

double CallPricer::feeAt(QDate day, int secondOfDay, qint64 secondsIntoCall) const
{
    if (!day.isValid())
        return 0.0;
    if (const std::optional<double> fee = ruleFeeAt(day, secondOfDay, secondsIntoCall))
        return *fee;
    return m_timeline.feeAt(day, secondOfDay / 60);
}

std::optional<double> CallPricer::ruleFeeAt(
    QDate day, int secondOfDay, qint64 secondsIntoCall) const
{
    if (const TimeRule *rule = m_timeRules.ruleAt(day, secondOfDay / 60, secondsIntoCall))
        return rule->minuteFee();
    return std::nullopt;
}

qint64 CallPricer::leastSeconds() const
{
    return qint64(std::ceil(qMax(0.0, m_minConnect) * 60.0));
}

// The fee a minute in force at the call's end, as the decimal it was written.
const ExactNumber &CallPricer::lastFee(const CallToPrice &call) const
{
    if (call.lastFee != m_lastFee || (m_exactLastFee.isZero() && call.lastFee != 0.0)) {
        m_exactLastFee = ExactNumber::fromDouble(call.lastFee);
        m_lastFee = call.lastFee;
    }
    return m_exactLastFee;
}

double CallPricer::price(const CallToPrice &call, TableRule rule) const
{
    const qint64 seconds = qMax<qint64>(0, call.seconds);
    if (m_rules.isDefault()) {
        if (rule == TableRule::Live)
            return double(CallCharge(seconds / 3600, seconds / 60 % 60, call.lastFee,
                m_minConnectText));
        return priceRecordedCall({ seconds / 3600, seconds / 60 % 60, seconds % 60 }, call.lastFee,
            m_minConnect);
    }
    // A start that is no day (a damaged record) has no rules by time to look up.
    const bool byTime = !m_timeRules.isEmpty() && call.startDate.isValid();
    const ExactNumber charge
        = (byTime ? timeChargeByRules(call) : timeCharge(call)) + m_rules.feePerCallPence;
    return double(std::max(charge, m_rules.minimumChargePence).roundHalfEven());
}

// The time's share: the charge units the call began, never fewer than
// cover the min connect time.
ExactNumber CallPricer::timeCharge(const CallToPrice &call) const
{
    const qint64 seconds = qMax<qint64>(0, call.seconds);
    const qint64 leastSeconds = this->leastSeconds();
    if (!m_rules.usesUnits()) {
        // Every minute begun, counted as the running cost counts it.
        const qint64 minutes = qMax(seconds / 60 + 1, ceilDivide(leastSeconds, 60));
        return sumOfUnits(call, 0, kMsPerMinute, minutes);
    }
    const qint64 chargedMs = qMax(seconds, leastSeconds) * kMsPerSecond;
    const qint64 first = m_rules.firstMs;
    const qint64 unit = m_rules.unitMs;
    const ExactNumber firstCharge = m_rules.firstChargePence
        ? *m_rules.firstChargePence
        : sumOfUnits(call, 0, first, 1) * minuteShare(first);
    return firstCharge
        + sumOfUnits(call, first, unit, ceilDivide(chargedMs - first, unit)) * minuteShare(unit);
}

// The fees of count units of unitMs, the first beginning firstStartMs into
// the call: the last fee for each, or each at the fee in force when it
// begins, taken stretch by stretch between the minutes at which the fee may
// change.
ExactNumber CallPricer::sumOfUnits(
    const CallToPrice &call, qint64 firstStartMs, qint64 unitMs, qint64 count) const
{
    if (count <= 0)
        return {};
    // A start that is no day (a damaged record) has no fees of its own to walk.
    if (!m_rules.unitsAtOwnRate || !call.startDate.isValid())
        return lastFee(call) * count;
    const qint64 startMs = qint64(call.startSecond) * kMsPerSecond;
    ExactNumber sum;
    qint64 unit = 0;
    while (unit < count) {
        const qint64 at = startMs + firstStartMs + unit * unitMs;
        const QDate day = call.startDate.addDays(at / kMsPerDay);
        const int minute = int(at % kMsPerDay / kMsPerMinute);
        const DayBands &bands = m_timeline.bandsOf(day);
        const ExactNumber fee
            = bands.exactFeeAt(minute, m_timeline.exactFeeAtEndOf(day.addDays(-1)));
        // The fee holds until the next band begins to apply, or midnight.
        const qint64 until = at - at % kMsPerDay + qint64(bands.nextChangeAfter(minute)) * kMsPerMinute;
        const qint64 end = qMin(count, ceilDivide(until - startMs - firstStartMs, unitMs));
        sum += fee * (end - unit);
        unit = end;
    }
    return sum;
}

// Units of a call under rules by time that begin one after another at the
// same price: count of them, each length ms, the first from ms into the
// call; priced by a rule by time or, where none is, at the table's fee a
// minute, which holds until bandUntil.
struct CallPricer::UnitRun
{
    enum class Kind { FlatFirst, TableFirst, TableUnits, TableMinutes, Rule };
    Kind kind = Kind::Rule;
    qint64 from = 0;
    qint64 length = 0;
    qint64 count = 0;
    const TimeRule *rule = nullptr;
    ExactNumber fee;
    qint64 bandUntil = 0;
};

// Unit by unit from the call's start, each at the rule by time in force when
// it begins or, where none is, at the table's fee then, walked in stretches
// within which neither the rule nor the table's fee can change. Units are
// charged while they begin before the end of the call, or of the min connect
// time; the table's minutes as the running cost counts them. Milliseconds
// into the call throughout, as units may be fractions of a second.
// visit(run) returns false to stop early.
template <typename Visit>
void CallPricer::walkUnits(const CallToPrice &call, Visit &&visit) const
{
    const qint64 seconds = qMax<qint64>(0, call.seconds);
    const qint64 span = qMax(seconds, leastSeconds()) * kMsPerSecond;
    const bool units = m_rules.usesUnits();
    const qint64 tableLimit = units ? span : qMax(span, (seconds + 1) * kMsPerSecond);
    const qint64 startMs = qint64(call.startSecond) * kMsPerSecond;
    qint64 t = 0; // into the call at which the next unit begins
    if (units && m_rules.firstChargePence) {
        // A flat first charge covers its time whatever rule is in force.
        if (!visit(UnitRun { UnitRun::Kind::FlatFirst, 0, m_rules.firstMs, 1, nullptr, {}, 0 }))
            return;
        t = m_rules.firstMs;
    }
    for (;;) {
        const qint64 at = startMs + t;
        const QDate day = call.startDate.addDays(at / kMsPerDay);
        const int minute = int(at % kMsPerDay / kMsPerMinute);
        // Into the call at which the day began.
        const qint64 midnight = at - at % kMsPerDay - startMs;
        const qint64 threshold = m_timeRules.nextThresholdAfter(t / kMsPerSecond);
        const qint64 sameRules
            = qMin(midnight + qint64(m_timeRules.nextChangeAfter(minute)) * kMsPerMinute,
                threshold == std::numeric_limits<qint64>::max() ? threshold
                                                                 : threshold * kMsPerSecond);
        UnitRun run;
        run.from = t;
        if (const TimeRule *rule = m_timeRules.ruleAt(day, minute, t / kMsPerSecond)) {
            if (t >= span && t > 0)
                return;
            run.rule = rule;
            run.length = rule->unitMs;
            run.count = qMax<qint64>(1, ceilDivide(qMin(sameRules, span) - t, run.length));
        } else {
            if (t >= tableLimit && t > 0)
                return;
            const DayBands &bands = m_timeline.bandsOf(day);
            run.fee = bands.exactFeeAt(minute, m_timeline.exactFeeAtEndOf(day.addDays(-1)));
            run.bandUntil = midnight + qint64(bands.nextChangeAfter(minute)) * kMsPerMinute;
            if (units && t == 0) {
                run.kind = UnitRun::Kind::TableFirst;
                run.length = m_rules.firstMs;
                run.count = 1;
            } else {
                run.kind = units ? UnitRun::Kind::TableUnits : UnitRun::Kind::TableMinutes;
                run.length = units ? m_rules.unitMs : kMsPerMinute;
                run.count = qMax<qint64>(1,
                    ceilDivide(std::min({ sameRules, run.bandUntil, tableLimit }) - t, run.length));
            }
        }
        if (!visit(run))
            return;
        t += run.count * run.length;
    }
}

// The table's units are summed as timeCharge() sums them, stretch by stretch
// between its bands however often the rules' stretches cut them, so a call
// no rule touches costs exactly what it costs without rules by time.
ExactNumber CallPricer::timeChargeByRules(const CallToPrice &call) const
{
    ExactNumber first; // the table's or the flat first charge
    ExactNumber tableFees; // the fees of the table's later units, each a unit long
    ExactNumber ruled;
    ExactNumber runFee;
    qint64 runCount = 0;
    qint64 runUntil = -1;
    const auto endRun = [&] {
        if (runCount > 0)
            tableFees += runFee * runCount;
        runCount = 0;
        runUntil = -1;
    };
    // Runs of one rule, cut only by the stretches, are counted before they are priced.
    const TimeRule *ruleRun = nullptr;
    qint64 ruleCount = 0;
    const auto endRuleRun = [&] {
        if (ruleRun && !ruleRun->isFree())
            ruled += m_unitPence[size_t(ruleRun - m_timeRules.rules().data())] * ruleCount;
        ruleRun = nullptr;
        ruleCount = 0;
    };
    walkUnits(call, [&](const UnitRun &run) {
        switch (run.kind) {
        case UnitRun::Kind::FlatFirst:
            first = *m_rules.firstChargePence;
            break;
        case UnitRun::Kind::TableFirst:
            first = run.fee * minuteShare(run.length);
            break;
        case UnitRun::Kind::Rule:
            endRun();
            if (run.rule != ruleRun)
                endRuleRun();
            ruleRun = run.rule;
            ruleCount += run.count;
            break;
        case UnitRun::Kind::TableUnits:
        case UnitRun::Kind::TableMinutes:
            endRuleRun();
            if (run.bandUntil != runUntil)
                endRun();
            runFee = run.fee;
            runUntil = run.bandUntil;
            runCount += run.count;
            break;
        }
        return true;
    });
    endRun();
    endRuleRun();
    if (!m_rules.usesUnits())
        return tableFees + ruled;
    return first + tableFees * minuteShare(m_rules.unitMs) + ruled;
}

std::optional<UnitStep> CallPricer::nextUnitStep(const CallToPrice &call, qint64 elapsed) const
{
    if (m_timeRules.isEmpty()) {
        // Each minute begun; with units, the first charge and then each unit
        // charged from the second after the one before ends.
        if (!m_rules.usesUnits())
            return UnitStep { (qMax<qint64>(0, elapsed) / 60 + 1) * 60, 60 * kMsPerSecond };
        const qint64 first = m_rules.firstMs;
        const qint64 unit = m_rules.unitMs;
        const qint64 now = qMax<qint64>(0, elapsed) * kMsPerSecond;
        const qint64 units = now <= first ? 0 : (now - first + unit - 1) / unit;
        return UnitStep { (first + units * unit) / kMsPerSecond + 1, unit };
    }
    if (!call.startDate.isValid())
        return std::nullopt;
    // Long enough for a unit of the longest to begin after the elapsed time,
    // past a flat first charge of hours too.
    CallToPrice longer = call;
    longer.seconds = qMax<qint64>(0, elapsed) + 2 * 3600
        + (m_rules.usesUnits() ? m_rules.firstMs / kMsPerSecond + 1 : 0);
    std::optional<UnitStep> step;
    walkUnits(longer, [&](const UnitRun &run) {
        // The running cost at an elapsed second charges a minute from its
        // first millisecond, other units once they have begun.
        const bool fromItsStart = run.kind == UnitRun::Kind::TableMinutes;
        const qint64 charged = qMax<qint64>(0, elapsed) * kMsPerSecond - (fromItsStart ? 0 : 1);
        const qint64 k = charged < run.from ? 0 : (charged - run.from) / run.length + 1;
        if (k >= run.count)
            return true;
        const qint64 begins = run.from + k * run.length;
        step = UnitStep { fromItsStart ? ceilDivide(begins, kMsPerSecond)
                                       : begins / kMsPerSecond + 1,
            run.length };
        return false;
    });
    return step;
}

double priceRecordedCall(const RecordedDuration &duration, double fee, double minConnectMinutes)
{
    // In this order of operations, to the last bit: a total brought to whole
    // pence after every call turns on it.
    double cost = double(duration.hours) * 60.0 * fee + double(duration.minutes) * fee;
    if (duration.seconds > 0)
        cost += fee;
    return minConnectMinutes * fee > cost ? minConnectMinutes * fee : cost;
}

double priceCall(const CallToPrice &call, const TariffTable &table, const TariffRules &rules,
    TableRule rule)
{
    return CallPricer(table, rules).price(call, rule);
}
