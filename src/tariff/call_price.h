#pragma once

// The one place a call becomes money. Every figure Callwise shows, logs,
// speaks, draws or prints for a call comes from priceCall(): the running
// cost, the charge kept when a call ends, the summaries' fallback, the
// coach's "stay on / hang up", a tariff tried on old calls, a bill checked.
//
// With no rules set it is the weekly table's own rule: the whole call at the
// fee in force at its end, every minute begun, never less than the min
// connect time. With rules, the time is cut into its charge units, each
// priced at the fee at its end or at its own start (walking the day in
// stretches between the minutes where a band begins), then the fee per call
// and the least charge apply, and the sum is rounded to the penny once.
// With rules by time every unit is priced at its own start: by the rule in
// force then, or where none is, by the table and the rules' charge units.
// With rules every figure is summed exactly, the prices as written and the
// table's fees as their cells write them, and only the sum is rounded.

#include "tariff/fee_timeline.h"
#include "tariff/tariff_rules.h"
#include "tariff/tariff_table.h"
#include "tariff/time_rules.h"

#include <QDate>

#include <optional>
#include <vector>

struct CallToPrice
{
    QDate startDate;
    int startSecond = 0; // of its day
    qint64 seconds = 0;  // how long it ran
    double lastFee = 0.0; // pence a minute in force at its end: costnow, or its record's
};

// Without rules the table's rule is counted as the running cost counts it
// (hours × 60 + minutes + 1 minutes, rounded to the penny) or as a summary
// does (a minute more only for seconds past the whole minutes, left
// unrounded: its total is brought to whole pence after every call). With
// rules, calls are counted as the running cost counts them, and the charge
// kept when a call ends is what the user saw.
enum class TableRule { Live, Summary };

// A call's duration as its record in the log writes it, "hh:mm:ss" read part
// by part: a record edited by hand may hold 75 minutes or 99 seconds, and the
// summaries have always priced what the parts say.
struct RecordedDuration
{
    qint64 hours = 0;
    qint64 minutes = 0;
    qint64 seconds = 0;
};

// The table's own summary rule on a call's record, which is how the
// summaries price a call that has no charge kept from when it ended: the
// minutes at its fee, a minute more for seconds past them, never less than
// the min connect time; left unrounded.
double priceRecordedCall(const RecordedDuration &duration, double fee, double minConnectMinutes);

// Under rules by time, the next unit a running call begins: the elapsed
// second from which the running cost charges it, and how long it lasts.
struct UnitStep
{
    qint64 chargedFrom = 0;
    qint64 lengthMs = 0;

    bool operator==(const UnitStep &) const = default;
};

class CallPricer
{
public:
    CallPricer(const TariffTable &table, const TariffRules &rules);
    // The timeline and the rules by time point at the pricer's own holidays.
    CallPricer(const CallPricer &other);
    CallPricer &operator=(const CallPricer &other);

    const TariffRules &rules() const { return m_rules; }
    double minConnectMinutes() const { return m_minConnect; }

    // Pence: a whole number with rules or the live rule; the summary's rule
    // may leave a fraction.
    double price(const CallToPrice &call, TableRule rule) const;

    // The fee in force at a moment, by the lookup's rules and the holidays,
    // or the fee a minute of the rule by time in force then, secondsIntoCall
    // into a call (0 when none is timed).
    double feeAt(QDate day, int secondOfDay, qint64 secondsIntoCall = 0) const;
    // The fee a minute of the rule by time in force then; none where none is.
    std::optional<double> ruleFeeAt(QDate day, int secondOfDay, qint64 secondsIntoCall) const;
    const TimeRuleBook &timeRules() const { return m_timeRules; }
    const FeeTimeline &timeline() const { return m_timeline; }
    // The first unit charged after elapsed seconds of the call: each
    // minute begun, the charge units after the first charge, or under
    // rules by time the unit of the rule in force (none for a call of no start).
    std::optional<UnitStep> nextUnitStep(const CallToPrice &call, qint64 elapsed) const;

private:
    struct UnitRun;
    template <typename Visit>
    void walkUnits(const CallToPrice &call, Visit &&visit) const;
    ExactNumber timeCharge(const CallToPrice &call) const;
    ExactNumber timeChargeByRules(const CallToPrice &call) const;
    qint64 leastSeconds() const;
    ExactNumber sumOfUnits(const CallToPrice &call, qint64 firstStartMs, qint64 unitMs,
        qint64 count) const;
    const ExactNumber &lastFee(const CallToPrice &call) const;
    void rebind();

    TariffRules m_rules;
    QString m_minConnectText;
    double m_minConnect = 0.0;
    HolidayCalendar m_holidays;
    FeeTimeline m_timeline;
    TimeRuleBook m_timeRules;
    std::vector<ExactNumber> m_unitPence; // of each rule by time, in the book's order
    // The last fee of the call priced last, read exactly once for its calls.
    mutable double m_lastFee = 0.0;
    mutable ExactNumber m_exactLastFee;
};

double priceCall(const CallToPrice &call, const TariffTable &table, const TariffRules &rules,
    TableRule rule);
