#include "alerts/weekday_pace.h"

WeekdayPace::WeekdayPace(QDate first, QDate last)
    : m_first(first)
    , m_last(last)
{
    for (QDate day = first; day <= last; day = day.addDays(1))
        ++m_seen[size_t(day.dayOfWeek())];
}

void WeekdayPace::add(QDate day, double amount)
{
    if (day >= m_first && day <= m_last)
        m_sums[size_t(day.dayOfWeek())] += amount;
}

double WeekdayPace::of(QDate day) const
{
    const size_t weekday = size_t(day.dayOfWeek());
    return m_seen[weekday] > 0 ? m_sums[weekday] / m_seen[weekday] : 0.0;
}
