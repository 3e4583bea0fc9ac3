#pragma once

// A chart of spending: the cost of each day's calls as bars (each week's,
// month's or year's over longer periods), taken from the costs window's own
// summary, so the bars of a period add up exactly to the total its list
// shows. The bill's month adds where it is heading: the forecast's days as
// bars of their own, the running total and the limit's pace. Compared with
// another tariff, the same calls priced by it draw a second running total.
// Headless: the chart window and callwise-report lay out and draw what this computes.
// The data view draws the MB the calls on links billed by volume used each
// day instead, with the allowance's pace over the bill's month.

#include "alerts/bill_month.h"
#include "calllog/log_index.h"
#include "calllog/period.h"
#include "common/regional.h"
#include "tariff/data_tariff.h"
#include "tariff/other_tariff.h"

#include <QDate>
#include <QStringList>

#include <optional>
#include <vector>

inline constexpr char16_t kThisBillEntry[] = u"This bill";
// The chart's message when the period has nothing to draw.
QString noCallsText();

// How many days a period may have and still be drawn a bar a day (84 still
// fit), a bar a week (two years) or a bar a month (twenty years); longer
// ones are drawn a bar a year. Over a year the labels carry the year.
inline constexpr qint64 kMostDayBars = 84;
inline constexpr qint64 kMostWeekBarDays = 731;
inline constexpr qint64 kMostMonthBarDays = 7305;
inline constexpr qint64 kMostDaysWithoutYear = 366;

// The costs window's periods, then "This bill".
const QStringList &chartEntries();

struct ChartPeriod
{
    QDate first;
    QDate last;
    bool bill = false; // the bill's month, which runs on past today
};

// The days a chart entry covers: "Date" takes the typed range, "This bill"
// the bill's month for a bill starting on billStartDay. Nothing for a text
// that is no entry.
std::optional<ChartPeriod> chartPeriod(QStringView entry, QDate today, int billStartDay,
                                       PeriodOffsets dateRange = {});

struct ChartBar
{
    QDate first;
    QDate last; // the same day, or the last of the week's (month's, year's) days in the period
    QString label; // in the regional form: the first day's day and month (and year
                   // over a year), the month and year, or the year
    qint64 pence = 0; // what its calls (and a fee due) add to the summary's total
    double expectedPence = 0.0; // the forecast's, on the bill's days after today
    double runningPence = 0.0; // spent from the period's start to its end, then expected
    bool today = false;
    // The compared tariff's: what its calls add to its total, and its
    // running total of the logged calls.
    qint64 otherPence = 0;
    double otherRunningPence = 0.0;
};

struct SpendingChart
{
    QString title; // the period's dates and its totals
    QString message; // instead of bars: no calls, or why no summary
    std::vector<ChartBar> bars; // oldest first
    qint64 totalPence = 0; // the summary's total
    bool bill = false; // draw the forecast, the running total and the pace
    std::optional<qint64> limitPence; // the pace rises from 0 to it over the bars
    // The compared tariff: its name and what the period's calls cost by it.
    QString otherName;
    std::optional<qint64> otherTotalPence;
    // The data view: the bars' and lines' "pence" are hundredths of a MB of
    // mbBytes each, the limit the allowance.
    bool data = false;
    qint64 mbBytes = 1000000;
};

// The bars of a period, empty: a day's, week's, month's or year's each.
std::vector<ChartBar> chartBars(QDate today, const ChartPeriod &period, const Regional &regional);

// minConnect is in minutes; limitPence and the data bundle's fee count only
// for the bill's month, the fee on its day as spent or expected.
SpendingChart spendingChart(const LogIndex &log, QDate today, const ChartPeriod &period,
                            double minConnect, const Regional &regional,
                            std::optional<qint64> limitPence, const OtherTariff *other = nullptr,
                            const MonthlyFee &fee = {});

// The data each bar's calls used, as the data tariff counts it (free data
// left out); without one every byte. With an allowance the bill's month has
// its running total and the allowance's pace. period: "This bill" is the
// data tariff's bill month. The rules' holidays (none when null) price data
// as they do everywhere.
SpendingChart dataChart(const LogIndex &log, QDate today, const ChartPeriod &period,
                        const std::optional<DataTariff> &tariff, const Regional &regional,
                        const TariffRules *rules = nullptr);

// A value of the data view's axis and title, hundredths of a MB, as every
// volume is shown: "12.5 MB".
inline QString chartMbText(double hundredths, const Regional &regional)
{
    return regional.volume(qint64(hundredths), 100);
}

// The locale's short date without its year: "dd/MM" in Britain, "M/d" in
// the United States.
QString dayMonthFormat(const QLocale &locale);

// The locale's month and year, the month's name short: "MMM yyyy" in
// Britain, "yyyy年M月" in Japan.
QString monthYearFormat(const QLocale &locale);
