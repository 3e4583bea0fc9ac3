#include "alerts/data_month.h"

#include "alerts/forecast.h"
#include "alerts/weekday_pace.h"

#include <algorithm>
#include <map>

DataDays dataDaysOf(const std::vector<DataSession> &sessions, const DataPricer &pricer, QDate today)
{
    const BillMonth bill = billMonthOf(today, pricer.tariff().billStartDay);
    const QDate from = std::min(bill.first, today.addDays(-kForecastWeeks * 7));
    DataDays days;
    for (const DataSession &session : sessions) {
        if (!session.startDate.isValid() || session.startDate < from || session.startDate > today)
            continue;
        days.usedOn[session.startDate] += pricer.price(session, 0).usedBytes();
        if (!days.oldest.isValid() || session.startDate < days.oldest)
            days.oldest = session.startDate;
    }
    return days;
}

DataMonth dataMonthOf(
    const std::vector<DataSession> &sessions, const DataPricer &pricer, QDate today)
{
    return dataMonthOf(dataDaysOf(sessions, pricer, today), pricer, today);
}

DataMonth dataMonthOf(DataDays days, const DataPricer &pricer, QDate today,
    const std::vector<DataSession> &running)
{
    const DataTariff &tariff = pricer.tariff();
    DataMonth month;
    month.bill = billMonthOf(today, tariff.billStartDay);
    // The running call on the days it ran, as its record will count; the
    // pace looks at the days before today only, so it takes nothing from it.
    for (const DataSession &session : running) {
        if (session.startDate.isValid() && session.startDate <= today)
            days.usedOn[session.startDate] += pricer.price(session, 0).usedBytes();
    }
    const std::map<QDate, qint64> &usedOn = days.usedOn;
    const QDate oldest = days.oldest;
    std::optional<QDate> usedUp;
    for (auto day = usedOn.lower_bound(month.bill.first); day != usedOn.end(); ++day) {
        month.usedBytes += day->second;
        if (!usedUp && tariff.hasAllowance() && month.usedBytes >= tariff.allowanceBytes())
            usedUp = day->first;
    }
    month.daysLeft = int(today.daysTo(month.bill.last)) + 1;
    if (!tariff.hasAllowance())
        return month;

    month.allowanceBytes = tariff.allowanceBytes();
    month.leftBytes = std::max<qint64>(0, month.allowanceBytes - month.usedBytes);
    month.dailyBudgetBytes = double(month.leftBytes) / std::max(1, month.daysLeft);
    if (usedUp) {
        month.runsOut = usedUp;
        month.usedUp = true;
        return month;
    }
    // As the bill forecast: a week of calls at least, so every weekday is seen.
    if (!oldest.isValid() || oldest.daysTo(today) < kForecastLeastDays)
        return month;
    const qint64 lookBack = std::min<qint64>(kForecastWeeks * 7, oldest.daysTo(today));
    WeekdayPace pace(today.addDays(-lookBack), today.addDays(-1));
    for (const auto &[day, bytes] : usedOn)
        pace.add(day, double(bytes));
    double expected = 0.0;
    for (QDate day = today.addDays(1); day <= month.bill.last; day = day.addDays(1)) {
        expected += pace.of(day);
        if (expected >= double(month.leftBytes)) {
            month.runsOut = day;
            break;
        }
    }
    return month;
}

DataWarnings dueDataWarnings(
    qint64 usedBytes, qint64 allowanceBytes, int levelPercent, DataWarnings given)
{
    if (allowanceBytes <= 0)
        return {};
    const double used = double(usedBytes);
    const double level = double(allowanceBytes) * qBound(1, levelPercent, 100) / 100.0;
    return { !given.level && used >= level, !given.allowance && usedBytes >= allowanceBytes };
}
