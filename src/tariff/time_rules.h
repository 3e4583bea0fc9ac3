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
// 90 s" a unit of 90 s at 10. "after 60 min" or "after 30 s": only the units
// that begin that long into the call or later.

#include "tariff/tariff_rules.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One item of a rule's days.
struct RuleDays
{
    enum class Kind { Weekdays, EveryYear, Once, FromEaster, DateRange, Holidays };
    Kind kind = Kind::Weekdays;
    int firstWeekday = 1; // Weekdays: Qt's 1 (Monday) to 7; past lastWeekday wraps round the week
    int lastWeekday = 7;
    QDate first; // EveryYear, DateRange: day and month, in the year 2000; Once: the day
    QDate last; // DateRange: day and month in 2000; before first: across the new year
    int easterOffset = 0; // FromEaster: days from Easter Sunday

    bool operator==(const RuleDays &) const = default;
};

struct TimeRule
{
    QList<RuleDays> days;
    int firstMinute = 0; // of the day, included
    int lastMinute = 24 * 60 - 1; // included; before firstMinute: across midnight
    double pence = 0.0; // a minute when perMinute, otherwise a unit
    bool perMinute = true;
    int unitSeconds = 60; // 1 to 3600
    int afterSeconds = 0; // units that begin this far into the call or later

    // What one unit costs, in pence.
    double unitPence() const;
    // Pence a minute, as the fee in force is shown and logged.
    double minuteFee() const;

    bool operator==(const TimeRule &) const = default;
};

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
// begins. Lines that are no rule count for nothing: the rules file and the
// window refuse them on the way in. The holidays are held by reference: the
// calendar must outlive the book.
class TimeRuleBook
{
public:
    TimeRuleBook() = default;
    TimeRuleBook(const QStringList &lines, const HolidayCalendar &holidays);

    bool isEmpty() const { return m_rules.empty(); }
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
