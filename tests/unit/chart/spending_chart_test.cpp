#include "alerts/forecast.h"
#include "calllog/call_log.h"
#include "calllog/summary.h"
#include "chart/chart_layout.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

const Regional kBritish(QLocale(QLocale::English, QLocale::UnitedKingdom));

// Calls of 30 seconds at 1.5p a minute cost 1.5p, so the total's rounding
// after every call shows in the bars' sum.
QString logOfCalls(QDate today, std::initializer_list<int> daysBack)
{
    QString log;
    for (const int back : daysBack)
        log += callRecordLines(logDateText(today.addDays(-back)), QStringLiteral("00:00:30"),
                               QStringLiteral("10:00:00"), 1.5).join(u"");
    return log;
}

qint64 barsSum(const SpendingChart &chart)
{
    return std::accumulate(chart.bars.begin(), chart.bars.end(), qint64(0),
                           [](qint64 sum, const ChartBar &bar) { return sum + bar.pence; });
}

TEST(SpendingChart, BarsOfEachPeriodAddUpToItsSummarysTotal)
{
    const QDate today(2026, 12, 5); // a Saturday
    const LogIndex log(logOfCalls(today, {0, 0, 0, 1, 6, 6, 7, 27, 28, 55, 83, 84, 200, 364, 365}));
    struct Case { const char *entry; PeriodOffsets range; size_t bars; QDate firstBarLast; };
    const Case cases[] = {
        {"1 Day", {}, 1, today}, {"7 Days", {}, 7, {2026, 11, 29}},
        {"28 Days", {}, 28, {2026, 11, 8}}, {"2 Months", {}, 56, {2026, 10, 11}},
        {"3 Months", {}, 84, {2026, 9, 13}},
        {"1 Year", {}, 53, {2025, 12, 7}}, // weeks from Monday; the first Saturday and Sunday
        {"Date", {-2, 10}, 13, {2026, 11, 25}}, {"Date", {1, 90}, 14, {2026, 9, 6}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.entry);
        const std::optional<ChartPeriod> period =
            chartPeriod(QString::fromUtf8(c.entry), today, 1, c.range);
        ASSERT_TRUE(period);
        const SpendingChart chart = spendingChart(log, today, *period, 0, kBritish, 500);
        const Summary summary = SummarisePeriod(log, today, period->last.daysTo(today),
                                                period->first.daysTo(today), 0, kBritish);
        EXPECT_EQ(barsSum(chart), summary.totalPence);
        EXPECT_EQ(chart.totalPence, summary.totalPence);
        ASSERT_EQ(chart.bars.size(), c.bars);
        EXPECT_EQ(chart.bars.front().first, period->first);
        EXPECT_EQ(chart.bars.front().last, c.firstBarLast);
        EXPECT_EQ(chart.bars.back().last, period->last);
        EXPECT_EQ(std::ranges::count_if(chart.bars, &ChartBar::today), c.range.first > 0 ? 0 : 1);
        EXPECT_FALSE(chart.limitPence) << "the pace is the bill's alone";
    }
    const SpendingChart year = spendingChart(log, today, *chartPeriod(u"1 Year", today, 1), 0,
                                             kBritish, {});
    EXPECT_EQ(year.bars.back().label, "30/11");
    EXPECT_EQ(year.bars.back().pence, 8); // four calls of 1.5p, the total rounded after each
    EXPECT_EQ(year.title.toStdString(), "06/12/2025 to 05/12/2026   Total £0.28");
}

TEST(SpendingChart, ThisBillHasTheForecastsDaysTheRunningTotalAndTheLimit)
{
    const QDate today(2026, 12, 9); // a Wednesday; the bill runs 7 December to 6 January
    QString text = logOfCalls(today, {0, 1, 2, 3, 8, 9, 10, 15});
    const LogIndex log(text);
    const std::optional<ChartPeriod> period = chartPeriod(kThisBillEntry, today, 7);
    ASSERT_TRUE(period && period->bill);
    const SpendingChart chart = spendingChart(log, today, *period, 0, kBritish, 3100);
    const std::optional<Forecast> forecast =
        forecastBill(log, today, {period->first, period->last}, 0, kBritish);
    ASSERT_TRUE(forecast);
    ASSERT_EQ(chart.bars.size(), 31u);
    EXPECT_TRUE(chart.bars[2].today);
    EXPECT_EQ(barsSum(chart), forecast->spentPence);
    for (size_t i = 0; i < chart.bars.size(); ++i) {
        const ChartBar &bar = chart.bars[i];
        EXPECT_EQ(bar.expectedPence, i < 3 ? 0.0 : forecast->days[i - 3].pence) << i;
    }
    EXPECT_DOUBLE_EQ(chart.bars.back().runningPence,
                     double(forecast->spentPence) + forecast->restPence);
    EXPECT_EQ(chart.limitPence, 3100);
    EXPECT_TRUE(chart.title.startsWith("Bill 07/12/2026 to 06/01/2027   Spent £0.06   Expected £")) << chart.title.toStdString();
    EXPECT_TRUE(chart.title.endsWith("   Limit £31.00"));
}

TEST(SpendingChart, APeriodWithoutCallsSaysSo)
{
    const QDate today(2026, 12, 5);
    const LogIndex log(logOfCalls(today, {7}));
    const SpendingChart chart =
        spendingChart(log, today, *chartPeriod(u"7 Days", today, 1), 0, kBritish, {});
    EXPECT_EQ(chart.message, "No calls in this period.");
    EXPECT_EQ(chart.title.toStdString(), "29/11/2026 to 05/12/2026   Total £0.00");
    EXPECT_EQ(spendingChart(LogIndex("05:12:2026 no record"), today,
                            *chartPeriod(u"1 Day", today, 1), 0, kBritish, {}).message,
              SummarisePeriod(QString("05:12:2026 no record"), today, 0, 0, 0, kBritish).error);
    EXPECT_EQ(dayMonthFormat(QLocale(QLocale::English, QLocale::UnitedStates)), "M/d");
    EXPECT_EQ(dayMonthFormat(QLocale(QLocale::Swedish, QLocale::Sweden)), "MM-dd");
}

TEST(ChartLayout, ValueAxisStepsAreOneTwoOrFiveTimesAPowerOfTen)
{
    const struct { double most; int steps; qint64 step; } cases[] = {
        {0, 4, 1}, {4, 4, 1}, {7, 4, 2}, {100, 4, 50}, {101, 4, 50}, {100, 5, 20},
        {1234, 8, 200}, {99999, 1, 100000}};
    for (const auto &c : cases)
        EXPECT_EQ(niceStep(c.most, c.steps), c.step) << c.most << " in " << c.steps;
}

// Six units a character, lines ten high: the gap is 5 and ticks 3 long.
const TextMeasure kMeasure{[](const QString &text) { return 6.0 * text.size(); }, 10};

SpendingChart chartOf(std::vector<qint64> pence, size_t todayBar)
{
    SpendingChart chart;
    for (size_t i = 0; i < pence.size(); ++i)
        chart.bars.push_back({{}, {}, QStringLiteral("0%1/12").arg(i % 10), pence[i], 0, 0,
                              i == todayBar});
    return chart;
}

TEST(ChartLayout, PlacesBarsOnANiceAxisAndLabelsAsManyAsFit)
{
    // Title 5..15, plot from 25 (half a line under the gap) to 105 (above
    // the labels and ticks), left of it the widest tick text "£1.00".
    const ChartLayout layout = layOutChart(chartOf({0, 50, 100, 25}, 3), {205, 123}, kMeasure,
                                           kBritish);
    EXPECT_EQ(layout.title, QRectF(5, 5, 195, 10));
    EXPECT_EQ(layout.plot, QRectF(QPointF(40, 25), QPointF(200, 105)));
    ASSERT_EQ(layout.ticks.size(), 3u);
    EXPECT_EQ(layout.ticks[1].y, 65);
    EXPECT_EQ(layout.ticks[2].text, "£1.00");
    EXPECT_TRUE(layout.bars[0].isEmpty());
    EXPECT_EQ(layout.bars[1], QRectF(QPointF(85, 65), QPointF(115, 105)));
    EXPECT_EQ(layout.bars[3], QRectF(QPointF(165, 85), QPointF(195, 105)));
    ASSERT_EQ(layout.labels.size(), 4u);
    EXPECT_EQ(layout.labels[0].x, 60);
    EXPECT_TRUE(layout.labels[3].today);
    EXPECT_TRUE(layout.running.empty() && !layout.pace && layout.legend.empty());

    // 31 bars of 160/31 units: a 30-unit label and its gap take 7 of them,
    // counted from today's.
    const ChartLayout month = layOutChart(chartOf(std::vector<qint64>(31, 10), 8), {205, 123},
                                          kMeasure, kBritish);
    std::vector<qreal> xs;
    for (const BarLabel &label : month.labels)
        xs.push_back(std::round((label.x - 40) * 31 / 160 - 0.5));
    EXPECT_EQ(xs, (std::vector<qreal>{1, 8, 15, 22, 28})); // the last held inside the picture
    EXPECT_TRUE(month.labels[1].today);
}

TEST(ChartLayout, TheBillsLinesRunFromZeroAndTheForecastStacksOnTheLogged)
{
    SpendingChart chart = chartOf({10, 30, 0, 5}, 1);
    chart.bill = true;
    chart.limitPence = 100;
    chart.bars[2].expectedPence = 20;
    chart.bars[3].expectedPence = 20;
    double running = 0;
    for (ChartBar &bar : chart.bars)
        bar.runningPence = running += double(bar.pence) + bar.expectedPence;
    const ChartLayout layout = layOutChart(chart, {205, 200}, kMeasure, kBritish);

    ASSERT_EQ(layout.legend.size(), 4u);
    EXPECT_EQ(layout.legend[3].text, "Limit's pace");
    EXPECT_EQ(layout.plot.top(), 40); // under the legend's line
    const QRectF plot = layout.plot;
    const auto yOf = [&](double pence) { return std::round(plot.bottom() - pence / 100 * plot.height()); };
    EXPECT_EQ(layout.ticks.back().text, "£1.00");
    EXPECT_EQ(layout.pace, QLineF(plot.left(), plot.bottom(), plot.right(), plot.top()));
    const qreal slot = plot.width() / 4;
    EXPECT_EQ(layout.running, (std::vector<QPointF>{{plot.left(), plot.bottom()},
                                                    {plot.left() + slot, yOf(10)},
                                                    {plot.left() + 2 * slot, yOf(40)}}));
    EXPECT_EQ(layout.expected, (std::vector<QPointF>{{plot.left() + 2 * slot, yOf(40)},
                                                     {plot.left() + 3 * slot, yOf(60)},
                                                     {plot.right(), yOf(85)}}));
    EXPECT_TRUE(layout.forecastBars[1].isEmpty());
    EXPECT_EQ(layout.forecastBars[3].bottom(), layout.bars[3].top());
    EXPECT_EQ(layout.forecastBars[3].top(), yOf(25));
}

} // namespace
