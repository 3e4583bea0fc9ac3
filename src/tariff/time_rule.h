#pragma once

// A rule by time as the tariff holds it, read once from its line
// (time_rules.h says how the lines read and how the rules price).

#include "common/exact_number.h"

#include <QDate>
#include <QList>

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
    // Pence as written: a minute when perMinute, otherwise a unit. Free time
    // is 0 in units of a second, so it ends exactly where a price begins.
    ExactNumber pence;
    bool perMinute = true;
    qint64 unitMs = 60000; // milliseconds, 1 to 3600 s
    int afterSeconds = 0; // units that begin this far into the call or later

    bool isFree() const { return pence.isZero(); }
    // The rule as its line reads back: time at no cost, however written, in
    // units of a second.
    TimeRule normalised() const
    {
        TimeRule rule = *this;
        if (isFree()) {
            rule.perMinute = false;
            rule.unitMs = 1000;
        }
        return rule;
    }
    // What one unit costs, in pence.
    ExactNumber unitPence() const;
    // Pence a minute.
    ExactNumber minutePence() const;
    // Pence a minute as the fee in force is shown and logged.
    double minuteFee() const { return minutePence().toDouble(); }

    bool operator==(const TimeRule &) const = default;
};
