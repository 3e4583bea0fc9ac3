#include "alerts/forecast.h"
#include "calllog/call_bytes.h"
#include "calllog/call_log.h"
#include "calllog/repricing.h"
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
    struct Case
    {
        const char *entry;
        PeriodOffsets range;
        size_t bars;
        QDate firstBarLast;
        const char *lastLabel;
    };
    const Case cases[] = {
        {"1 Day", {}, 1, today, "05/12"}, {"7 Days", {}, 7, {2026, 11, 29}, "05/12"},
        {"28 Days", {}, 28, {2026, 11, 8}, "05/12"}, {"2 Months", {}, 56, {2026, 10, 11}, "05/12"},
        {"3 Months", {}, 84, {2026, 9, 13}, "05/12"},
        // Weeks from Monday; the first of them the period's Saturday and Sunday.
        {"1 Year", {}, 53, {2025, 12, 7}, "30/11"},
        {"Date", {-2, 10}, 13, {2026, 11, 25}, "07/12"},
        {"Date", {1, 90}, 14, {2026, 9, 6}, "30/11"},
        // Over a year the labels carry the year, over two years a bar is a
        // month, over twenty a year.
        {"Date", {0, 400}, 58, {2025, 11, 2}, "30/11/2026"},
        {"Date", {0, 800}, 28, {2024, 9, 30}, "Dec 2026"},
        {"Date", {0, 8000}, 22, {2005, 12, 31}, "2026"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.entry + (" " + std::to_string(c.range.last)));
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
        EXPECT_EQ(chart.bars.back().label, c.lastLabel);
        EXPECT_EQ(std::ranges::count_if(chart.bars, &ChartBar::today), c.range.first > 0 ? 0 : 1);
        EXPECT_FALSE(chart.limitPence) << "the pace is the bill's alone";
    }
    const SpendingChart year = spendingChart(log, today, *chartPeriod(u"1 Year", today, 1), 0,
                                             kBritish, {});
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
        forecastBill(log, today, {period->first, period->last}, 0, kBritish, {});
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

    // The data bundle's £3 on the bill's first day is spent, on the 10th expected.
    const SpendingChart spentFee = spendingChart(log, today, *period, 0, kBritish, 3100, nullptr, {300, 7});
    EXPECT_EQ(spentFee.bars[0].pence, chart.bars[0].pence + 300);
    EXPECT_TRUE(spentFee.title.contains("Spent £3.06   Expected £")) << spentFee.title.toStdString();
    const SpendingChart dueFee = spendingChart(log, today, *period, 0, kBritish, 3100, nullptr, {300, 10});
    EXPECT_EQ(dueFee.totalPence, chart.totalPence);
    EXPECT_DOUBLE_EQ(dueFee.bars[3].expectedPence, chart.bars[3].expectedPence + 300);
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
}

TEST(SpendingChart, LabelFormsAreTheLocalesOwn)
{
    const struct { QLocale locale; const char *dayMonth; const char *monthYear; } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "dd/MM", "MMM yyyy"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "M/d", "MMM yyyy"},
        {QLocale(QLocale::Swedish, QLocale::Sweden), "MM-dd", "MMM yyyy"},
        {QLocale(QLocale::Spanish, QLocale::Spain), "d/M", "MMM 'de' yyyy"},
        {QLocale(QLocale::Japanese, QLocale::Japan), "MM/dd", "yyyy年M月"},
        {QLocale(QLocale::Hungarian, QLocale::Hungary), "MM. dd.", "yyyy. MMM"},
        {QLocale(QLocale::Russian, QLocale::Russia), "dd.MM", "MMM yyyy 'г'."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        EXPECT_EQ(dayMonthFormat(c.locale).toStdString(), c.dayMonth);
        EXPECT_EQ(monthYearFormat(c.locale).toStdString(), c.monthYear);
    }
}

TEST(ChartLayout, ValueAxisStepsAreOneTwoOrFiveTimesAPowerOfTen)
{
    const struct { double most; int steps; qint64 step; } cases[] = {
        {0, 4, 1}, {4, 4, 1}, {7, 4, 2}, {100, 4, 50}, {101, 4, 50}, {100, 5, 20},
        {1234, 8, 200}, {99999, 1, 100000}};
    for (const auto &c : cases)
        EXPECT_EQ(niceStep(c.most, c.steps), c.step) << c.most << " in " << c.steps;
}

// Six units a character, seven in bold, lines ten high: the gap is 5 and
// ticks 3 long.
const TextMeasure kMeasure{[](const QString &text) { return 6.0 * text.size(); }, 10,
                           [](const QString &text) { return 7.0 * text.size(); }};

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

}

TEST(ChartLayout, LabelsGoEveryFewBarsFromTodaysLeavingOutAnyTooNearAKeptOne)
{
    // 31 bars of 160/31 units: today's bold label of 35 units and the gap
    // take 8 of them. A label at an edge is held under the plot, which
    // brings it too near the next one: the first bar's next to the ninth's
    // is left out, and at the right edge the one before today's.
    const struct { size_t today; std::vector<int> labelled; } cases[] = {
        {8, {8, 16, 24}}, {30, {6, 14, 30}}, {0, {0, 16, 24}}};
    for (const auto &c : cases) {
        const ChartLayout month = layOutChart(chartOf(std::vector<qint64>(31, 10), c.today),
                                              {205, 123}, kMeasure, kBritish);
        std::vector<int> labelled;
        for (const BarLabel &label : month.labels)
            labelled.push_back(int(std::lround((label.tick - 40) * 31 / 160 - 0.5)));
        EXPECT_EQ(labelled, c.labelled) << "today " << c.today;
    }
}

// In the window's picture and in a file's, over every period, every range
// of 1 to 366 days (ending today, or today in its middle) and longer ones.
TEST(ChartLayout, LabelsNeverTouchStayUnderThePlotAndTodaysIsThere)
{
    const QDate today(2026, 12, 10);
    const LogIndex log(logOfCalls(today, {0}));
    std::vector<ChartPeriod> periods;
    for (const QString &entry : chartEntries())
        periods.push_back(*chartPeriod(entry, today, 7));
    for (qint64 days = 1; days <= 366; ++days) {
        periods.push_back({today.addDays(1 - days), today});
        periods.push_back({today.addDays(-days / 2), today.addDays(days - 1 - days / 2)});
    }
    for (const qint64 days : {367, 731, 732, 3000, 7305, 7306, 40000})
        periods.push_back({today.addDays(1 - days), today});
    for (const ChartPeriod &period : periods) {
        const SpendingChart chart = spendingChart(log, today, period, 0, kBritish, 1000);
        for (const QSizeF size : {QSizeF(464, 264), QSizeF(640, 400)}) {
            SCOPED_TRACE(testing::Message() << period.first.daysTo(period.last) + 1 << " days to "
                                            << period.last.toString("dd/MM/yyyy").toStdString()
                                            << ", " << size.width() << " wide");
            const ChartLayout layout = layOutChart(chart, size, kMeasure, kBritish);
            const std::vector<BarLabel> &labels = layout.labels;
            ASSERT_EQ(std::ranges::count_if(labels, &BarLabel::today), 1);
            const auto left = [](const BarLabel &label) { return label.x - label.width / 2; };
            const auto right = [](const BarLabel &label) { return label.x + label.width / 2; };
            for (size_t i = 0; i < labels.size(); ++i) {
                EXPECT_EQ(labels[i].width, (labels[i].today ? 7 : 6) * labels[i].text.size());
                EXPECT_GE(left(labels[i]), layout.plot.left()); // clear of the axis's texts
                EXPECT_LE(right(labels[i]), layout.plot.right());
                if (i > 0) {
                    EXPECT_GE(left(labels[i]) - right(labels[i - 1]), 5)
                        << labels[i - 1].text.toStdString() << " " << labels[i].text.toStdString();
                }
            }
        }
    }
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

// The data view: each day's MB as the data tariff counts them, summing to
// the title's total, with the allowance's pace over the bill's month.
TEST(DataChart, DailyMegabytesWithTheAllowancesPaceOverTheBill)
{
    const QDate today(2026, 12, 6);
    const QString log = logOfCalls(today, {0, 1, 1, 3});
    QByteArray bytes;
    qint64 mb = 0;
    for (const int back : {3, 1, 1, 0}) // as the calls ended: oldest first
        bytes += (callBytesLine(logDateText(today.addDays(-back)), "10:00:00", "00:00:30",
                                (mb += 10) * 1000000 + 4000, 1000) + "\r\n").toLatin1();
    const LogIndex index(log, {}, BytesIndex(bytes));
    DataTariff tariff;
    tariff.allowanceMb = 500;
    const ChartPeriod bill = *chartPeriod(kThisBillEntry, today, tariff.billStartDay);
    const SpendingChart chart = dataChart(index, today, bill, tariff, kBritish);
    ASSERT_TRUE(chart.message.isEmpty()) << chart.message.toStdString();
    EXPECT_EQ(chart.bars.size(), 31u);
    EXPECT_EQ(chart.bars[2].pence, 1000); // 10 MB and 5 KB, half to even
    EXPECT_EQ(chart.bars[4].pence, 6002 - 1000); // what it adds to the rounded running total
    EXPECT_EQ(barsSum(chart), chart.totalPence);
    EXPECT_EQ(chart.limitPence, 50000);
    EXPECT_EQ(chart.title, "Bill 01/12/2026 to 31/12/2026   Used 100.0 MB   Allowance 500.0 MB");
    const ChartLayout layout = layOutChart(chart, {400, 300}, kMeasure, kBritish);
    EXPECT_EQ(layout.legend.back().text, "Allowance's pace");
    EXPECT_EQ(layout.ticks.back().text, "500.0 MB");
    EXPECT_EQ(layout.running.size(), 7u) << "from 0 to the end of today's bar";
    EXPECT_TRUE(layout.expected.empty());
    EXPECT_EQ(layout.pace, QLineF(layout.plot.left(), layout.plot.bottom(), layout.plot.right(),
                                  layout.plot.top()));
    // Without a tariff every byte counts, and no pace is drawn.
    const SpendingChart plain = dataChart(index, today, bill, std::nullopt, kBritish);
    EXPECT_FALSE(plain.limitPence);
    EXPECT_EQ(plain.title, "01/12/2026 to 31/12/2026   Data 100.0 MB");
    EXPECT_TRUE(dataChart(index, today, bill, std::nullopt, Regional(QLocale(QLocale::French)))
                    .title.endsWith(QStringLiteral("100,0 MB")));
    EXPECT_EQ(dataChart(LogIndex(log), today, bill, tariff, kBritish).message,
              "No data in this period.");
}

// A compared name too long for the picture loses its middle, in the title
// and the legend, so the total after it and the legend's end stay in sight.
TEST(ChartLayout, ShortensALongComparedNameInTheMiddle)
{
    SpendingChart chart = chartOf({10, 30}, 1);
    chart.otherName = QStringLiteral("Evening and Weekend Saver offer 2027.ini");
    chart.otherTotalPence = 25;
    chart.title = "01/12 to 02/12   Total £0.40   With " + chart.otherName + " £0.25";
    for (const qreal width : {600.0, 300.0}) {
        const ChartLayout layout = layOutChart(chart, {width, 200}, kMeasure, kBritish);
        const QString &title = layout.titleText;
        EXPECT_LE(kMeasure.width(title), layout.title.width()) << width;
        EXPECT_TRUE(title.endsWith("i £0.25") && title.contains("   With Eve")) << title.toStdString();
        EXPECT_EQ(title == chart.title, width == 600.0) << title.toStdString();
        EXPECT_LE(layout.legend.back().textBox.right(), width - 5) << width;
    }
    EXPECT_EQ(shortenPart("With abcdef", "abcdef", 6 * 10, kMeasure), "With ab…ef");
}

// 3p a minute all week: each 30-second call costs 3p instead of 1.5p.
TEST(SpendingChart, AComparedTariffsLineSumsToItsTotal)
{
    const QDate today(2026, 12, 9);
    const LogIndex log(logOfCalls(today, {0, 1, 2, 3, 8, 9, 10, 15, 200}));
    OtherTariff other{QStringLiteral("flat.ini"), {}, {}};
    for (int day = 0; day < TariffTable::kDays; ++day) {
        other.table.setBandStart(day, 0, QStringLiteral("00:00"));
        other.table.setFee(day, 0, QStringLiteral("3.00"));
    }
    other.table.setMinConnectTime(QStringLiteral("1"));
    const CallPricer pricer(other.table, other.rules);
    for (const char16_t *entry : {u"7 Days", u"1 Year", kThisBillEntry}) {
        SCOPED_TRACE(QString::fromUtf16(entry).toStdString());
        const ChartPeriod period = *chartPeriod(entry, today, 7);
        const SpendingChart chart = spendingChart(log, today, period, 0, kBritish, {}, &other);
        const qint64 total = repriceCalls(SummarisePeriod(log, today, period.last.daysTo(today),
                                                          period.first.daysTo(today), 0, kBritish),
                                          pricer).totalPence;
        EXPECT_EQ(chart.otherTotalPence, total);
        EXPECT_EQ(chart.bars.back().otherRunningPence, double(total));
        EXPECT_TRUE(chart.title.endsWith("   With flat.ini " + kBritish.currency(double(total))));

        const ChartLayout layout = layOutChart(chart, {640, 400}, kMeasure, kBritish);
        const auto todayBar
            = size_t(std::ranges::find_if(chart.bars, &ChartBar::today) - chart.bars.begin());
        ASSERT_EQ(layout.other.size(), todayBar + 2) << "from 0 to the end of today's bar";
        EXPECT_EQ(layout.other.back().x(), layout.running[todayBar + 1].x());
        EXPECT_LT(layout.other.back().y(), layout.running[todayBar + 1].y()) << "dearer, higher";
        EXPECT_EQ(layout.legend.back().text, "With flat.ini");
    }
    EXPECT_EQ(spendingChart(log, today, *chartPeriod(u"7 Days", today, 7), 0, kBritish, {}, &other)
                  .otherTotalPence, 12);
}

} // namespace
