#pragma once

#include <QDate>

#include <optional>

// Most bills run from a day of the month other than the 1st. The bill's
// month holds the days from its start day of one month up to the day before
// the start day of the next.
struct BillMonth
{
    QDate first;
    QDate last;

    bool contains(QDate day) const { return day >= first && day <= last; }
    // The one day of the month numbered day (1 to 28) that the bill's month holds.
    QDate dayNumbered(int day) const;
};

// A fee the bill carries once a month beside the calls (the data bundle's),
// charged on the day of each bill's month that its own bill starts on.
struct MonthlyFee
{
    qint64 pence = 0;
    int startDay = 1;

    // The day it falls on in the bill's month, or none for no fee.
    std::optional<QDate> dayIn(const BillMonth &bill) const;
    // What of it the bill's month has been charged by today: all, or nothing yet.
    qint64 chargedBy(const BillMonth &bill, QDate today) const;
};

// The start days the alerts window offers: every month has them all.
inline constexpr int kFirstBillDay = 1;
inline constexpr int kLastBillDay = 28;

// The bill's month that today lies in, for a bill that starts on startDay
// (1 to 28; other values count as 1).
BillMonth billMonthOf(QDate today, int startDay);
