#include "alerts/forecast.h"

#include "calllog/day_costs.h"
#include "common/rounding.h"

#include <array>

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
    std::array<qint64, 8> weekdayPence{}; // by Qt's day of the week, 1 Monday
    for (const DayCost &day : costsByDay(past))
        weekdayPence[size_t(day.day.dayOfWeek())] += day.pence;
    std::array<int, 8> weekdaysSeen{};
    for (QDate day = today.addDays(-lookBack); day < today; day = day.addDays(1))
        ++weekdaysSeen[size_t(day.dayOfWeek())];

    for (QDate day = std::max(today.addDays(1), bill.first); day <= bill.last;
         day = day.addDays(1)) {
        const size_t weekday = size_t(day.dayOfWeek());
        const double pence = double(weekdayPence[weekday]) / weekdaysSeen[weekday];
        forecast.days.push_back({day, pence});
        forecast.restPence += pence;
    }
    return forecast;
}
