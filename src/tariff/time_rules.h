#pragma once

// Rules by time: the prices operators publish that a weekly table of four
// bands cannot hold. Each rule names the days it covers, the minutes of the
// day (inclusive), a price for each unit of its own length and, optionally,
// how far into a call its units begin. A call's units are priced one by one
// at the rule in force when each begins: of the rules that match a unit's
// start, the last written wins; where none matches, the weekly table and the
// rules' own charge units price it as they do without rules by time.
//
// One rule a line, as the rules window and the rules file hold them:
//     Mon-Fri 08:00-17:59 4.20 a minute in 12 s units
//     Sat-Sun,Holidays 00:00-23:59 10 per 90 s
//     01/06-31/08 21:00-05:00 0.50 a minute after 60 min
// Days: weekdays and their ranges ("Mon", "Mon-Fri", "Fri-Mon"), "25/12"
// every year, "25/12/2026" once, "Easter", "Easter-2", "Easter+1", date
// ranges "01/06-31/08" (across the new year too: "24/12-02/01") and
// "Holidays", the days the holiday lines name; items joined by commas.
// Minutes: "from-to", both included; a range whose end comes before its
// start ("21:00-05:00") covers both ends of each day listed. Prices are in
// pence (hundredths of the currency): "4.20 a minute" is a unit of 60 s,
// "4.20 a minute in 12 s units" a unit of 12 s at a fifth of that, "10 per
// 90 s" a unit of 90 s at 10, "10 per 158.4 s", "0.33333333333 per 1 s"
// (kept as written, to the last digit), "free" for time at no cost. "after
// 60 min" or "after 30 s": only the units that begin that long into the call
// or later. The clauses after the times may come in any order.

#include "tariff/tariff_rules.h"
#include "tariff/time_rule.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A line read as a rule, or why it is none, in words for the user that
// follow a line's quotation: "a unit cannot be 0 seconds", "25:00 is not a
// time of day".
struct TimeRuleRead
{
    std::optional<TimeRule> rule;
    QString why;
};
TimeRuleRead readTimeRule(QStringView line);

// The line the rules file and the window write for a rule; read back, it
// gives the same rule.
QString timeRuleText(const TimeRule &rule);

// The rules of a tariff, asked for the rule in force at each unit a call
// begins. The holidays are held by reference: the calendar must outlive the
// book (rebind() points a copy at its own).
class TimeRuleBook
{
public:
    TimeRuleBook() = default;
    TimeRuleBook(const QList<TimeRule> &rules, const HolidayCalendar &holidays);

    bool isEmpty() const { return m_rules.empty(); }
    void rebind(const HolidayCalendar &holidays) { m_holidays = &holidays; }
    const std::vector<TimeRule> &rules() const { return m_rules; }

    // The rule in force for a unit that begins at a minute of a day,
    // secondsIntoCall after the call began; null where none matches.
    const TimeRule *ruleAt(QDate day, int minute, qint64 secondsIntoCall) const;

    // Between the minutes where a rule begins or ends (and midnight) the
    // same rules match all day, so pricing walks a call in those stretches:
    // the first such minute after this one, 24 * 60 when none is left today.
    int nextChangeAfter(int minute) const;
    // The first "after" of any rule past this far into a call; the largest
    // qint64 when none is.
    qint64 nextThresholdAfter(qint64 secondsIntoCall) const;

private:
    bool coversDay(const RuleDays &days, QDate day) const;

    std::vector<TimeRule> m_rules;
    const HolidayCalendar *m_holidays = nullptr;
    std::vector<int> m_changeMinutes; // sorted
    std::vector<qint64> m_afterSeconds; // sorted
    // Which rules cover the day last asked about: a call asks of one day
    // many times, and its holidays and Easter are dear to work out.
    mutable QDate m_coveredDay;
    mutable std::vector<char> m_coversDay;
};
