#include "alerts/bill_month.h"

BillMonth billMonthOf(QDate today, int startDay)
{
    if (startDay < kFirstBillDay || startDay > kLastBillDay)
        startDay = kFirstBillDay;
    QDate first(today.year(), today.month(), startDay);
    if (today.day() < startDay)
        first = first.addMonths(-1);
    return {first, first.addMonths(1).addDays(-1)};
}
