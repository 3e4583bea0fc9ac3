#include "alerts/data_month_log.h"
#include "calllog/summary.h"
#include "calllog/summary_text.h"
#include "chart/spending_chart.h"
#include "common/rounding.h"
#include "tariff/data_price.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

SpendingChart dataChart(const LogIndex &log, QDate today, const ChartPeriod &period,
    const std::optional<DataTariff> &tariff, const Regional &regional, const TariffRules *rules)
{
    SpendingChart chart;
    chart.data = true;
    chart.bill = period.bill && tariff && tariff->hasAllowance();
    chart.mbBytes = tariff ? tariff->mbBytes : kDecimalMb;
    const Summary summary = SummarisePeriod(
        log, today, period.last.daysTo(today), period.first.daysTo(today), 0.0, regional);
    if (!summary.ok) {
        chart.message = summary.error;
        return chart;
    }
    chart.bars = chartBars(today, period, regional);
    const auto barOf = [&](QDate day) -> ChartBar & {
        return *(std::ranges::upper_bound(chart.bars, day, {}, &ChartBar::first) - 1);
    };
    // The bytes of each bar's calls, counted in whole hundredths of a MB.
    std::vector<qint64> bytes(chart.bars.size());
    const std::optional<DataPricer> pricer
        = tariff ? std::optional(dataPricerOf(*tariff, rules)) : std::nullopt;
    for (const DataSession &session : dataSessionsOf(summary)) {
        const qint64 used
            = pricer ? pricer->price(session, 0).usedBytes() : session.received + session.sent;
        bytes[size_t(&barOf(session.startDate) - chart.bars.data())] += used;
    }
    const auto hundredths = [&chart](qint64 used) {
        return roundHalfEven(double(used) * 100.0 / double(chart.mbBytes));
    };
    // Each bar is what it adds to the rounded running total, so the bars
    // add up to the total exactly.
    qint64 total = 0;
    for (size_t i = 0; i < chart.bars.size(); ++i) {
        const qint64 before = hundredths(total);
        total += bytes[i];
        chart.bars[i].pence = hundredths(total) - before;
        chart.bars[i].runningPence = double(hundredths(total));
    }
    chart.totalPence = hundredths(total);
    if (chart.bill)
        chart.limitPence = hundredths(tariff->allowanceBytes());
    if (summary.dataCalls == 0)
        chart.message = QCoreApplication::translate("DataChart", "No data in this period.");

    const QLocale &locale = regional.locale();
    const QString dates = period.first == period.last
        ? locale.toString(period.first, QLocale::ShortFormat)
        : QCoreApplication::translate("DataChart", "%1 to %2")
              .arg(locale.toString(period.first, QLocale::ShortFormat),
                  locale.toString(period.last, QLocale::ShortFormat));
    chart.title = chart.bill
        ? QCoreApplication::translate("DataChart", "Bill %1   Used %2   Allowance %3")
              .arg(dates, regional.volume(total, chart.mbBytes),
                  regional.volume(tariff->allowanceBytes(), chart.mbBytes))
        : QCoreApplication::translate("DataChart", "%1   Data %2")
              .arg(dates, regional.volume(total, chart.mbBytes));
    return chart;
}
