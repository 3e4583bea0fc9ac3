#pragma once

#include <QDate>

// Most bills run from a day of the month other than the 1st. The bill's
// month holds the days from its start day of one month up to the day before
// the start day of the next.
struct BillMonth
{
    QDate first;
    QDate last;

    bool contains(QDate day) const { return day >= first && day <= last; }
};

// The start days the alerts window offers: every month has them all.
inline constexpr int kFirstBillDay = 1;
inline constexpr int kLastBillDay = 28;

// The bill's month that today lies in, for a bill that starts on startDay
// (1 to 28; other values count as 1).
BillMonth billMonthOf(QDate today, int startDay);
