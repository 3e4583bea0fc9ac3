#include "tariff/call_price.h"

#include "common/number_reader.h"
#include "common/rounding.h"
#include "tariff/call_charge.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 kSecondsPerDay = 86400;

qint64 ceilDivide(qint64 numerator, qint64 denominator)
{
    return numerator <= 0 ? 0 : (numerator + denominator - 1) / denominator;
}

} // namespace

CallPricer::CallPricer(const TariffTable &table, const TariffRules &rules)
    : m_rules(rules)
    , m_minConnectText(table.minConnectTime())
    , m_minConnect(readNumber(m_minConnectText))
    , m_holidays(rules.holidays)
    , m_timeline(table, m_holidays)
    , m_timeRules(rules.timeRules, m_holidays)
{ }

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
    const double charge
        = (byTime ? timeChargeByRules(call) : timeCharge(call)) + m_rules.feePerCallPence;
    return double(roundHalfEven(std::max(charge, m_rules.minimumChargePence)));
}

// The time's share: the charge units the call began, never fewer than
// cover the min connect time.
double CallPricer::timeCharge(const CallToPrice &call) const
{
    const qint64 seconds = qMax<qint64>(0, call.seconds);
    const qint64 leastSeconds = this->leastSeconds();
    if (!m_rules.usesUnits()) {
        // Every minute begun, counted as the running cost counts it.
        const qint64 minutes = qMax(seconds / 60 + 1, ceilDivide(leastSeconds, 60));
        return sumOfUnits(call, 0, 60, minutes);
    }
    const qint64 charged = qMax(seconds, leastSeconds);
    const qint64 first = m_rules.firstSeconds;
    const qint64 unit = m_rules.unitSeconds;
    const double firstCharge = m_rules.firstChargePence
        ? *m_rules.firstChargePence
        : sumOfUnits(call, 0, first, 1) * double(first) / 60.0;
    return firstCharge + sumOfUnits(call, first, unit, ceilDivide(charged - first, unit))
        * double(unit) / 60.0;
}

// The fees of count units of unitLength seconds, the first beginning
// firstStart seconds into the call: the last fee for each, or each at the
// fee in force when it begins, taken stretch by stretch between the minutes
// at which the fee may change.
double CallPricer::sumOfUnits(const CallToPrice &call, qint64 firstStart, qint64 unitLength,
    qint64 count) const
{
    if (count <= 0)
        return 0.0;
    // A start that is no day (a damaged record) has no fees of its own to walk.
    if (!m_rules.unitsAtOwnRate || !call.startDate.isValid())
        return double(count) * call.lastFee;
    double sum = 0.0;
    qint64 unit = 0;
    while (unit < count) {
        const qint64 at = qint64(call.startSecond) + firstStart + unit * unitLength;
        const QDate day = call.startDate.addDays(at / kSecondsPerDay);
        const int minute = int(at % kSecondsPerDay / 60);
        const DayBands &bands = m_timeline.bandsOf(day);
        const double fee = bands.feeAt(minute, m_timeline.feeAtEndOf(day.addDays(-1)));
        // The fee holds until the next band begins to apply, or midnight.
        const qint64 until = at - at % kSecondsPerDay + qint64(bands.nextChangeAfter(minute)) * 60;
        const qint64 end = qMin(count,
            ceilDivide(until - qint64(call.startSecond) - firstStart, unitLength));
        sum += double(end - unit) * fee;
        unit = end;
    }
    return sum;
}

// Units of a call under rules by time that begin one after another at the
// same price: count of them, each length seconds, the first from seconds
// into the call; priced by a rule by time or, where none is, at the table's
// fee a minute, which holds until bandUntil.
struct CallPricer::UnitRun
{
    enum class Kind { FlatFirst, TableFirst, TableUnits, TableMinutes, Rule };
    Kind kind = Kind::Rule;
    qint64 from = 0;
    qint64 length = 0;
    qint64 count = 0;
    const TimeRule *rule = nullptr;
    double fee = 0.0;
    qint64 bandUntil = 0;
};

// Unit by unit from the call's start, each at the rule by time in force when
// it begins or, where none is, at the table's fee then, walked in stretches
// within which neither the rule nor the table's fee can change. Units are
// charged while they begin before the end of the call, or of the min connect
// time; the table's minutes as the running cost counts them. visit(run)
// returns false to stop early.
template <typename Visit>
void CallPricer::walkUnits(const CallToPrice &call, Visit &&visit) const
{
    const qint64 seconds = qMax<qint64>(0, call.seconds);
    const qint64 span = qMax(seconds, leastSeconds());
    const bool units = m_rules.usesUnits();
    const qint64 tableLimit = units ? span : qMax(span, seconds + 1);
    qint64 t = 0; // seconds into the call at which the next unit begins
    if (units && m_rules.firstChargePence) {
        // A flat first charge covers its time whatever rule is in force.
        if (!visit(UnitRun { UnitRun::Kind::FlatFirst, 0, m_rules.firstSeconds, 1 }))
            return;
        t = m_rules.firstSeconds;
    }
    for (;;) {
        const qint64 at = qint64(call.startSecond) + t;
        const QDate day = call.startDate.addDays(at / kSecondsPerDay);
        const int minute = int(at % kSecondsPerDay / 60);
        // Seconds into the call at which the day began.
        const qint64 midnight = at - at % kSecondsPerDay - qint64(call.startSecond);
        const qint64 sameRules = qMin(midnight + qint64(m_timeRules.nextChangeAfter(minute)) * 60,
            m_timeRules.nextThresholdAfter(t));
        UnitRun run;
        run.from = t;
        if (const TimeRule *rule = m_timeRules.ruleAt(day, minute, t)) {
            if (t >= span && t > 0)
                return;
            run.rule = rule;
            run.length = rule->unitSeconds;
            run.count = qMax<qint64>(1, ceilDivide(qMin(sameRules, span) - t, run.length));
        } else {
            if (t >= tableLimit && t > 0)
                return;
            const DayBands &bands = m_timeline.bandsOf(day);
            run.fee = bands.feeAt(minute, m_timeline.feeAtEndOf(day.addDays(-1)));
            run.bandUntil = midnight + qint64(bands.nextChangeAfter(minute)) * 60;
            if (units && t == 0) {
                run.kind = UnitRun::Kind::TableFirst;
                run.length = m_rules.firstSeconds;
                run.count = 1;
            } else {
                run.kind = units ? UnitRun::Kind::TableUnits : UnitRun::Kind::TableMinutes;
                run.length = units ? m_rules.unitSeconds : 60;
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
double CallPricer::timeChargeByRules(const CallToPrice &call) const
{
    double first = 0.0; // the table's or the flat first charge
    double tableFees = 0.0; // the fees of the table's later units, each a unit long
    double ruled = 0.0;
    double runFee = 0.0;
    qint64 runCount = 0;
    qint64 runUntil = -1;
    const auto endRun = [&] {
        tableFees += double(runCount) * runFee;
        runCount = 0;
        runUntil = -1;
    };
    walkUnits(call, [&](const UnitRun &run) {
        switch (run.kind) {
        case UnitRun::Kind::FlatFirst:
            first = *m_rules.firstChargePence;
            break;
        case UnitRun::Kind::TableFirst:
            first = run.fee * double(run.length) / 60.0;
            break;
        case UnitRun::Kind::Rule:
            endRun();
            ruled += double(run.count) * run.rule->unitPence();
            break;
        case UnitRun::Kind::TableUnits:
        case UnitRun::Kind::TableMinutes:
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
    if (!m_rules.usesUnits())
        return tableFees + ruled;
    return first + tableFees * double(m_rules.unitSeconds) / 60.0 + ruled;
}

std::optional<UnitStep> CallPricer::nextUnitStep(const CallToPrice &call, qint64 elapsed) const
{
    if (m_timeRules.isEmpty()) {
        // Each minute begun; with units, the first charge and then each unit
        // charged from the second after the one before ends.
        if (!m_rules.usesUnits())
            return UnitStep { (qMax<qint64>(0, elapsed) / 60 + 1) * 60, 60 };
        const qint64 first = m_rules.firstSeconds;
        const qint64 unit = m_rules.unitSeconds;
        const qint64 units = elapsed <= first ? 0 : (elapsed - first - 1) / unit + 1;
        return UnitStep { first + units * unit + 1, unit };
    }
    if (!call.startDate.isValid())
        return std::nullopt;
    // Long enough for a unit of the longest to begin after the elapsed time.
    CallToPrice longer = call;
    longer.seconds = qMax<qint64>(0, elapsed) + 2 * 3600;
    std::optional<UnitStep> step;
    walkUnits(longer, [&](const UnitRun &run) {
        // The running cost counts a minute from its first second, other
        // units once they have begun.
        const qint64 lag = run.kind == UnitRun::Kind::TableMinutes ? 0 : 1;
        const qint64 past = elapsed - lag - run.from;
        const qint64 k = past < 0 ? 0 : past / run.length + 1;
        if (k >= run.count)
            return true;
        step = UnitStep { run.from + k * run.length + lag, run.length };
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
