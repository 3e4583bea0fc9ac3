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

QDate BillMonth::dayNumbered(int day) const
{
    day = qBound(kFirstBillDay, day, kLastBillDay);
    const QDate inFirstMonth(first.year(), first.month(), day);
    return inFirstMonth >= first ? inFirstMonth : inFirstMonth.addMonths(1);
}

std::optional<QDate> MonthlyFee::dayIn(const BillMonth &bill) const
{
    if (pence <= 0)
        return std::nullopt;
    return bill.dayNumbered(startDay);
}

qint64 MonthlyFee::chargedBy(const BillMonth &bill, QDate today) const
{
    const std::optional<QDate> due = dayIn(bill);
    return due && *due <= today ? pence : 0;
}
