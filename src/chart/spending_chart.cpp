#include "chart/spending_chart.h"

#include "alerts/bill_month.h"
#include "alerts/forecast.h"
#include "calllog/day_costs.h"
#include "calllog/repricing.h"
#include "calllog/summary.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace {

enum class BarSpan { Day, Week, Month, Year };

qint64 daysOf(const ChartPeriod &period)
{
    return period.first.daysTo(period.last) + 1;
}

BarSpan barSpanOf(const ChartPeriod &period)
{
    const qint64 days = daysOf(period);
    if (days <= kMostDayBars)
        return BarSpan::Day;
    if (days <= kMostWeekBarDays)
        return BarSpan::Week;
    return days <= kMostMonthBarDays ? BarSpan::Month : BarSpan::Year;
}

// The first day of the bar after the one that starts on a day: a week
// starts on the locale's first day of the week.
QDate nextBarStart(QDate start, BarSpan span, Qt::DayOfWeek firstDay)
{
    switch (span) {
    case BarSpan::Day:
        break;
    case BarSpan::Week:
        return start.addDays(7 - (start.dayOfWeek() - firstDay + 7) % 7);
    case BarSpan::Month:
        return QDate(start.year(), start.month(), 1).addMonths(1);
    case BarSpan::Year:
        return QDate(start.year() + 1, 1, 1);
    }
    return start.addDays(1);
}

QString labelFormat(const ChartPeriod &period, BarSpan span, const QLocale &locale)
{
    switch (span) {
    case BarSpan::Day:
    case BarSpan::Week:
        break;
    case BarSpan::Month:
        return monthYearFormat(locale);
    case BarSpan::Year:
        return QStringLiteral("yyyy");
    }
    return daysOf(period) <= kMostDaysWithoutYear ? dayMonthFormat(locale)
        : locale.dateFormat(QLocale::ShortFormat);
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
        : QCoreApplication::translate("SpendingChart", "%1 to %2")
              .arg(dateText(period.first, regional), dateText(period.last, regional));
    const QString other = chart.otherTotalPence
        ? QCoreApplication::translate("SpendingChart", "   With %1 %2")
              .arg(chart.otherName, regional.currency(double(*chart.otherTotalPence)))
        : QString();
    if (!period.bill)
        return QCoreApplication::translate("SpendingChart", "%1   Total %2%3")
            .arg(dates, regional.currency(double(chart.totalPence)), other);
    QString title = QCoreApplication::translate("SpendingChart", "Bill %1   Spent %2")
                        .arg(dates, regional.currency(double(chart.totalPence)));
    if (forecast)
        title += QCoreApplication::translate("SpendingChart", "   Expected %1")
                     .arg(regional.currency(double(forecast->expectedPence())));
    if (chart.limitPence)
        title += QCoreApplication::translate("SpendingChart", "   Limit %1")
                     .arg(regional.currency(double(*chart.limitPence)));
    return title + other;
}

} // namespace

QString noCallsText()
{
    return QCoreApplication::translate("SpendingChart", "No calls in this period.");
}

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

std::vector<ChartBar> chartBars(QDate today, const ChartPeriod &period, const Regional &regional)
{
    std::vector<ChartBar> bars;
    const BarSpan span = barSpanOf(period);
    const Qt::DayOfWeek firstDay = regional.locale().firstDayOfWeek();
    const QString format = labelFormat(period, span, regional.locale());
    for (QDate start = period.first; start <= period.last;) {
        const QDate next = nextBarStart(start, span, firstDay);
        const QDate last = std::min(next.addDays(-1), period.last);
        bars.push_back({start, last, regional.locale().toString(start, format)});
        bars.back().today = start <= today && today <= last;
        start = next;
    }
    return bars;
}

SpendingChart spendingChart(const LogIndex &log, QDate today, const ChartPeriod &period,
                            double minConnect, const Regional &regional,
                            std::optional<qint64> limitPence, const OtherTariff *other,
                            const MonthlyFee &fee)
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

    chart.bars = chartBars(today, period, regional);
    const auto barOf = [&](QDate day) -> ChartBar & {
        return *(std::ranges::upper_bound(chart.bars, day, {}, &ChartBar::first) - 1);
    };
    for (const DayCost &day : costsByDay(summary))
        barOf(day.day).pence += day.pence;

    if (other) {
        const Repricing repriced = repriceCalls(summary, CallPricer(other->table, other->rules));
        for (size_t i = 0; i < summary.calls.size(); ++i)
            barOf(summary.calls[i].day).otherPence += repriced.addedPence[i];
        chart.otherName = other->name;
        chart.otherTotalPence = repriced.totalPence;
    }

    std::optional<Forecast> forecast;
    if (period.bill) {
        const BillMonth bill { period.first, period.last };
        // The fee as the bill's month so far counts it: spent once due.
        if (const qint64 charged = fee.chargedBy(bill, today)) {
            barOf(*fee.dayIn(bill)).pence += charged;
            chart.totalPence += charged;
        }
        forecast = forecastBill(log, today, bill, minConnect, regional, fee);
        if (forecast) {
            for (const ExpectedDay &day : forecast->days)
                barOf(day.day).expectedPence += day.pence;
        }
    }
    double running = 0.0;
    qint64 otherRunning = 0;
    bool anyExpected = false;
    for (ChartBar &bar : chart.bars) {
        running += double(bar.pence) + bar.expectedPence;
        bar.runningPence = running;
        otherRunning += bar.otherPence;
        bar.otherRunningPence = double(otherRunning);
        anyExpected = anyExpected || bar.expectedPence > 0.0;
    }
    if (summary.calls.empty() && !anyExpected && chart.totalPence == 0)
        chart.message = noCallsText();
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

QString monthYearFormat(const QLocale &locale)
{
    // The long date without its weekday and day, each with what follows it
    // up to the month or the year (", ", "日", " 'de' "); quoted texts stay.
    static const QRegularExpression dayOrQuoted(QStringLiteral("'[^']*'|d+(?:[^dMy']|'[^']*')*"));
    static const QRegularExpression ends(QStringLiteral("^[\\s,.]+|[\\s,]+$"));
    const QString longFormat = locale.dateFormat(QLocale::LongFormat);
    QString format;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : dayOrQuoted.globalMatch(longFormat)) {
        format += longFormat.mid(from, match.capturedStart() - from);
        if (match.captured().startsWith(u'\''))
            format += match.captured();
        from = match.capturedEnd();
    }
    format += longFormat.mid(from);
    format.remove(ends).replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    return format.contains(u'M') && format.contains(u'y') ? format : QStringLiteral("MMM yyyy");
}
