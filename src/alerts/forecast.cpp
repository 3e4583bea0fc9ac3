#include "alerts/forecast.h"

#include "alerts/weekday_pace.h"
#include "calllog/day_costs.h"
#include "common/rounding.h"

qint64 Forecast::expectedPence(qint64 runningPence) const
{
    return roundHalfEven(double(spentPence + runningPence) + restPence);
}

MonthlyFee bundleFeeOf(const std::optional<DataTariff> &tariff)
{
    if (!tariff)
        return {};
    return { roundHalfEven(tariff->bundlePence), tariff->billStartDay };
}

BillSpent billSoFar(const LogIndex &log, QDate today, const BillMonth &bill, double minConnect,
                    const Regional &regional, const MonthlyFee &fee)
{
    if (bill.first > today)
        return {};
    BillSpent spent { SummarisePeriod(log, today, 0, bill.first.daysTo(today), minConnect,
        regional) };
    spent.feePence = fee.chargedBy(bill, today);
    return spent;
}

std::optional<Forecast> forecastBill(const LogIndex &log, QDate today, const BillMonth &bill,
                                     double minConnect, const Regional &regional,
                                     const MonthlyFee &fee)
{
    const QDate oldest = log.oldestDay();
    if (!oldest.isValid() || oldest.daysTo(today) < kForecastLeastDays)
        return std::nullopt;

    Forecast forecast;
    const BillSpent spent = billSoFar(log, today, bill, minConnect, regional, fee);
    if (!spent.calls.ok)
        return std::nullopt;
    forecast.spentPence = spent.pence();

    // The days before today, back to the log's first day at most.
    const qint64 lookBack = std::min<qint64>(kForecastWeeks * 7, oldest.daysTo(today));
    const Summary past = SummarisePeriod(log, today, 1, lookBack, minConnect, regional);
    if (!past.ok)
        return std::nullopt;
    WeekdayPace pace(today.addDays(-lookBack), today.addDays(-1));
    for (const DayCost &day : costsByDay(past))
        pace.add(day.day, double(day.pence));

    const std::optional<QDate> feeDay = fee.dayIn(bill);
    for (QDate day = std::max(today.addDays(1), bill.first); day <= bill.last;
         day = day.addDays(1)) {
        const double pence = pace.of(day) + (day == feeDay ? double(fee.pence) : 0.0);
        forecast.days.push_back({day, pence});
        forecast.restPence += pence;
    }
    return forecast;
}
