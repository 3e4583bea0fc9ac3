#pragma once

// The fee in force at any moment, as the fee lookup would have left it had it
// run every minute since a week before: a band applies from the minute after
// its start, the last applying band in band order wins, and where none
// applies the fee before holds, across midnight too. Holidays take Sunday's
// bands. Pricing each unit at its own fee, and the coach's next change of
// rate, walk the day in the stretches between the minutes at which a band
// begins to apply, rather than minute by minute.

#include "common/exact_number.h"
#include "tariff/tariff_rules.h"
#include "tariff/tariff_table.h"

#include <QDate>

#include <array>

inline constexpr int kMinutesPerDay = 24 * 60;

// A day's bands as the lookup sees them: the first minute from which each
// applies by its start (kMinutesPerDay when never) and its fee.
struct DayBands
{
    std::array<int, TariffTable::kBands> from {};
    std::array<double, TariffTable::kBands> fee {};
    // The same fees exactly as their cells write them, for rules that sum units.
    std::array<ExactNumber, TariffTable::kBands> exactFee {};

    // The fee the lookup leaves at a minute of the day, given the fee before.
    double feeAt(int minute, double before) const;
    ExactNumber exactFeeAt(int minute, const ExactNumber &before) const;
    // The first minute after this one at which another band begins to apply;
    // kMinutesPerDay when none does today.
    int nextChangeAfter(int minute) const;
};

// A fee cell's number exactly as written; the nearest decimal to what the
// number reader makes of a text it reads some other way.
ExactNumber exactFee(const QString &cell);

// The first minute whose "hh:mm" is greater, as text, than a band's start.
int firstMinuteAfter(const QString &start);

// The bands of a day of the week, Qt's 1 (Monday) to 7; their exact fees
// only when asked for, as only rules sum them.
DayBands weekdayBands(const TariffTable &table, int weekday, bool exactFees = false);

class FeeTimeline
{
public:
    FeeTimeline(const TariffTable &table, const HolidayCalendar &holidays, bool exactFees = false);

    // An invalid day (dayOfWeek() 0) reads as a Monday rather than past the array.
    const DayBands &bandsOf(QDate day) const
    {
        return m_weekdays[size_t(qBound(1, pricedWeekday(day), 7)) - 1];
    }
    int pricedWeekday(QDate day) const { return m_holidays->pricedWeekday(day); }
    // A copy of a pricer points its timeline at the copy's own holidays.
    void rebind(const HolidayCalendar &holidays) { m_holidays = &holidays; }

    // The fee in force at a minute of a day (0 when no band has applied in
    // the week before it).
    double feeAt(QDate day, int minute) const;
    // The fee in force when the day ends, which holds into the next day's
    // first minutes until a band of that day applies.
    double feeAtEndOf(QDate day) const;
    ExactNumber exactFeeAtEndOf(QDate day) const;

private:
    std::array<DayBands, 7> m_weekdays;
    const HolidayCalendar *m_holidays;
};
