#include "alerts/forecast.h"

#include "alerts/weekday_pace.h"
#include "calllog/day_costs.h"
#include "common/rounding.h"

qint64 Forecast::expectedPence(qint64 runningPence) const
{
    return roundHalfEven(double(spentPence + runningPence) + restPence);
}

Summary billSoFar(const LogIndex &log, QDate today, const BillMonth &bill, double minConnect,
                  const Regional &regional)
{
    if (bill.first > today)
        return {};
    return SummarisePeriod(log, today, 0, bill.first.daysTo(today), minConnect, regional);
}

std::optional<Forecast> forecastBill(const LogIndex &log, QDate today, const BillMonth &bill,
                                     double minConnect, const Regional &regional)
{
    const QDate oldest = log.oldestDay();
    if (!oldest.isValid() || oldest.daysTo(today) < kForecastLeastDays)
        return std::nullopt;

    Forecast forecast;
    const Summary spent = billSoFar(log, today, bill, minConnect, regional);
    if (!spent.ok)
        return std::nullopt;
    forecast.spentPence = spent.totalPence;

    // The days before today, back to the log's first day at most.
    const qint64 lookBack = std::min<qint64>(kForecastWeeks * 7, oldest.daysTo(today));
    const Summary past = SummarisePeriod(log, today, 1, lookBack, minConnect, regional);
    if (!past.ok)
        return std::nullopt;
    WeekdayPace pace(today.addDays(-lookBack), today.addDays(-1));
    for (const DayCost &day : costsByDay(past))
        pace.add(day.day, double(day.pence));

    for (QDate day = std::max(today.addDays(1), bill.first); day <= bill.last;
         day = day.addDays(1)) {
        const double pence = pace.of(day);
        forecast.days.push_back({day, pence});
        forecast.restPence += pence;
    }
    return forecast;
}
