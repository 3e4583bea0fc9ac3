#pragma once

// The pace of each day of the week over the weeks looked back over: what an
// average Monday, Tuesday, ... held. The bill's forecast looks ahead at its
// pence, the data month's run-out day at its bytes.

#include <QDate>

#include <array>

class WeekdayPace
{
public:
    // Over the days from first to last, both included.
    WeekdayPace(QDate first, QDate last);

    // What a day held; a day outside the days looked back over counts for nothing.
    void add(QDate day, double amount);
    // The average of the day's weekday; 0 for a weekday not looked back over.
    double of(QDate day) const;

private:
    QDate m_first;
    QDate m_last;
    std::array<double, 8> m_sums {}; // by Qt's day of the week, 1 Monday
    std::array<int, 8> m_seen {};
};
