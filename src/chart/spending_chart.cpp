#include "chart/spending_chart.h"

#include "alerts/bill_month.h"
#include "alerts/forecast.h"
#include "calllog/day_costs.h"
#include "calllog/summary.h"

#include <QRegularExpression>

namespace {

// The first day of the bar that a day falls in: itself, or the start of its
// week as the locale counts weeks, but not before the period.
QDate barStart(QDate day, const ChartPeriod &period, bool weekly, Qt::DayOfWeek firstDay)
{
    if (!weekly)
        return day;
    const QDate weekStart = day.addDays(-((day.dayOfWeek() - firstDay + 7) % 7));
    return std::max(weekStart, period.first);
}

QString dateText(QDate day, const Regional &regional)
{
    return regional.locale().toString(day, QLocale::ShortFormat);
}

QString chartTitle(const SpendingChart &chart, const ChartPeriod &period,
                   const std::optional<Forecast> &forecast, const Regional &regional)
{
    const QString dates = period.first == period.last
        ? dateText(period.first, regional)
        : QStringLiteral("%1 to %2").arg(dateText(period.first, regional),
                                        dateText(period.last, regional));
    if (!period.bill)
        return QStringLiteral("%1   Total %2").arg(dates, regional.currency(double(chart.totalPence)));
    QString title = QStringLiteral("Bill %1   Spent %2")
                        .arg(dates, regional.currency(double(chart.totalPence)));
    if (forecast)
        title += QStringLiteral("   Expected %1")
                     .arg(regional.currency(double(forecast->expectedPence())));
    if (chart.limitPence)
        title += QStringLiteral("   Limit %1").arg(regional.currency(double(*chart.limitPence)));
    return title;
}

} // namespace

const QStringList &chartEntries()
{
    static const QStringList entries = periodEntries() + QStringList{QString::fromUtf16(kThisBillEntry)};
    return entries;
}

std::optional<ChartPeriod> chartPeriod(QStringView entry, QDate today, int billStartDay,
                                       PeriodOffsets dateRange)
{
    if (entry == QStringView(kThisBillEntry)) {
        const BillMonth bill = billMonthOf(today, billStartDay);
        return ChartPeriod{bill.first, bill.last, true};
    }
    if (entry == QStringView(kDateEntry))
        return ChartPeriod{today.addDays(-dateRange.last), today.addDays(-dateRange.first)};
    if (const std::optional<PeriodOffsets> offsets = periodOffsets(entry))
        return ChartPeriod{today.addDays(-offsets->last), today.addDays(-offsets->first)};
    return std::nullopt;
}

SpendingChart spendingChart(const LogIndex &log, QDate today, const ChartPeriod &period,
                            double minConnect, const Regional &regional,
                            std::optional<qint64> limitPence)
{
    SpendingChart chart;
    chart.bill = period.bill;
    if (period.bill)
        chart.limitPence = limitPence;
    const Summary summary = SummarisePeriod(log, today, period.last.daysTo(today),
                                            period.first.daysTo(today), minConnect, regional);
    if (!summary.ok) {
        chart.message = summary.error;
        return chart;
    }
    chart.totalPence = summary.totalPence;

    const bool weekly = period.first.daysTo(period.last) >= kMostDayBars;
    const Qt::DayOfWeek firstDay = regional.locale().firstDayOfWeek();
    const QString labelFormat = dayMonthFormat(regional.locale());
    for (QDate day = period.first; day <= period.last; day = day.addDays(1)) {
        if (!chart.bars.empty() && barStart(day, period, weekly, firstDay) == chart.bars.back().first) {
            chart.bars.back().last = day;
        } else {
            chart.bars.push_back({day, day, regional.locale().toString(day, labelFormat)});
        }
        chart.bars.back().today = chart.bars.back().today || day == today;
    }
    // A bar's days lie together, so a bar's index follows from its first day.
    const auto barOf = [&](QDate day) -> ChartBar & {
        const QDate start = barStart(day, period, weekly, firstDay);
        return chart.bars[size_t(weekly ? (period.first.daysTo(start) + 6) / 7
                                        : period.first.daysTo(start))];
    };
    for (const DayCost &day : costsByDay(summary))
        barOf(day.day).pence += day.pence;

    std::optional<Forecast> forecast;
    if (period.bill) {
        forecast = forecastBill(log, today, {period.first, period.last}, minConnect, regional);
        if (forecast) {
            for (const ExpectedDay &day : forecast->days)
                barOf(day.day).expectedPence += day.pence;
        }
    }
    double running = 0.0;
    bool anyExpected = false;
    for (ChartBar &bar : chart.bars) {
        running += double(bar.pence) + bar.expectedPence;
        bar.runningPence = running;
        anyExpected = anyExpected || bar.expectedPence > 0.0;
    }
    if (summary.calls.empty() && !anyExpected)
        chart.message = QString::fromUtf16(kNoCalls);
    chart.title = chartTitle(chart, period, forecast, regional);
    return chart;
}

QString dayMonthFormat(const QLocale &locale)
{
    // The year and the separators that tie it to the day and month go.
    static const QRegularExpression year(QStringLiteral("^y+[^dMy]*|[^dMy]*y+$|y+[^dMy]*"));
    QString format = locale.dateFormat(QLocale::ShortFormat);
    format.remove(year);
    return format.isEmpty() ? QStringLiteral("dd/MM") : format;
}
