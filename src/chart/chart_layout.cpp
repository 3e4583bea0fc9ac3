#include "chart/chart_layout.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMostSteps = 8;
constexpr qreal kBarShare = 0.75; // of its slot; the rest is the gap to the next

std::vector<LegendItem> legendItems(const SpendingChart &chart)
{
    using Mark = LegendItem::Mark;
    if (chart.data)
        return { { Mark::Bar, {}, {}, QCoreApplication::translate("DataChart", "Data") },
            { Mark::Running, {}, {}, QCoreApplication::translate("ChartLayout", "Running total") },
            { Mark::Pace, {}, {}, QCoreApplication::translate("DataChart", "Allowance's pace") } };
    std::vector<LegendItem> items { { Mark::Bar, {}, {},
        QCoreApplication::translate("ChartLayout", "Calls") } };
    if (std::ranges::any_of(chart.bars, [](const ChartBar &bar) { return bar.expectedPence > 0; }))
        items.push_back(
            { Mark::Forecast, {}, {}, QCoreApplication::translate("ChartLayout", "Forecast") });
    items.push_back(
        { Mark::Running, {}, {}, QCoreApplication::translate("ChartLayout", "Running total") });
    if (chart.otherTotalPence)
        items.push_back({ Mark::Other, {}, {},
            QCoreApplication::translate("ChartLayout", "With %1").arg(chart.otherName) });
    if (chart.limitPence)
        items.push_back(
            { Mark::Pace, {}, {}, QCoreApplication::translate("ChartLayout", "Limit's pace") });
    return items;
}

qreal labelWidth(const ChartBar &bar, const TextMeasure &measure)
{
    return bar.today && measure.boldWidth ? measure.boldWidth(bar.label) : measure.width(bar.label);
}

// Every k-th bar's label counted from today's, k as few bars as the widest
// label and a gap need, each under its bar but kept under the plot: clear of
// the value axis's texts on the left, and on the right a gap inside the
// picture, which takes up a text drawn a little wider than measured, as
// hinting at a scaled resolution does. A label pulled in at an edge, or
// beside today's bold one, could still come closer to a kept one than the
// gap: it is left out, nearest today's first.
std::vector<BarLabel> barLabels(const SpendingChart &chart, const QRectF &plot, size_t anchor,
                                const TextMeasure &measure, qreal gap)
{
    const size_t count = chart.bars.size();
    const qreal slot = plot.width() / qreal(count);
    qreal widest = 0;
    for (const ChartBar &bar : chart.bars)
        widest = std::max(widest, labelWidth(bar, measure));
    const auto every = size_t(std::max(1.0, std::ceil((widest + gap) / slot)));

    std::vector<BarLabel> labels;
    const auto place = [&](size_t i) {
        const ChartBar &bar = chart.bars[i];
        const qreal half = labelWidth(bar, measure) / 2;
        const qreal tick = plot.left() + (qreal(i) + 0.5) * slot;
        const BarLabel label{std::max(plot.left() + half, std::min(tick, plot.right() - half)),
                             bar.label, bar.today, tick, 2 * half};
        const bool clear = std::ranges::all_of(labels, [&](const BarLabel &kept) {
            return std::abs(kept.x - label.x) >= (kept.width + label.width) / 2 + gap;
        });
        if (clear)
            labels.push_back(label);
    };
    place(anchor);
    for (size_t step = every; step <= std::max(anchor, count - 1 - anchor); step += every) {
        if (anchor + step < count)
            place(anchor + step);
        if (step <= anchor)
            place(anchor - step);
    }
    std::ranges::sort(labels, {}, &BarLabel::x);
    return labels;
}

} // namespace

QString shortenPart(const QString &text, const QString &part, qreal room,
                    const TextMeasure &measure)
{
    const qsizetype at = text.lastIndexOf(part);
    if (part.isEmpty() || at < 0 || measure.width(text) <= room)
        return text;
    for (qsizetype keep = part.size() - 1;; --keep) {
        const QString shortened = text.left(at) + part.left(keep - keep / 2) + u'\u2026'
            + part.right(keep / 2) + text.mid(at + part.size());
        if (keep == 0 || measure.width(shortened) <= room)
            return shortened;
    }
}

qint64 niceStep(double maxPence, int maxSteps)
{
    maxSteps = std::max(1, maxSteps);
    for (qint64 power = 1;; power *= 10) {
        for (const qint64 step : {power, 2 * power, 5 * power}) {
            if (std::ceil(maxPence / double(step)) <= maxSteps || power > qint64(1e15))
                return step;
        }
    }
}

ChartLayout layOutChart(const SpendingChart &chart, QSizeF size, const TextMeasure &measure,
                        const Regional &regional)
{
    ChartLayout layout;
    const qreal line = measure.lineHeight;
    const qreal gap = std::round(line / 2);
    layout.title = QRectF(gap, gap, size.width() - 2 * gap, line);
    layout.titleText = shortenPart(chart.title, chart.otherName, layout.title.width(), measure);
    qreal top = layout.title.bottom() + gap;
    layout.tickLength = std::round(gap / 2);
    const qreal bottom = size.height() - gap - line - layout.tickLength;

    if (!chart.message.isEmpty() || chart.bars.empty()) {
        layout.plot = QRectF(QPointF(gap, top), QPointF(size.width() - gap, bottom));
        return layout;
    }

    // Running totals are drawn for the bill, and for any period compared
    // with another tariff.
    const bool lines = chart.bill || chart.otherTotalPence;
    if (lines) {
        std::vector<LegendItem> items = legendItems(chart);
        const qreal side = std::round(line * 0.6);
        const auto swatchWidth = [side](const LegendItem &item) {
            const bool isLine = item.mark != LegendItem::Mark::Bar
                && item.mark != LegendItem::Mark::Forecast;
            return isLine ? 2 * side : side;
        };
        // A long compared name gives up its middle so the legend ends inside.
        qreal across = gap;
        for (const LegendItem &item : items)
            across += swatchWidth(item) + gap / 2 + measure.width(item.text) + 2 * gap;
        const qreal overflow = across - 2 * gap - (size.width() - gap);
        for (LegendItem &item : items) {
            if (overflow > 0 && item.mark == LegendItem::Mark::Other)
                item.text = shortenPart(item.text, chart.otherName,
                                        measure.width(item.text) - overflow, measure);
        }
        qreal x = gap;
        for (LegendItem item : items) {
            item.swatch = QRectF(x, top + (line - side) / 2, swatchWidth(item), side);
            item.textBox = QRectF(item.swatch.right() + gap / 2, top,
                                  measure.width(item.text), line);
            x = item.textBox.right() + 2 * gap;
            layout.legend.push_back(item);
        }
        top += line + gap;
    }

    double most = chart.limitPence.value_or(0);
    for (const ChartBar &bar : chart.bars)
        most = std::max({most, double(bar.pence) + bar.expectedPence,
                         lines ? bar.runningPence : 0.0, bar.otherRunningPence});
    const qreal plotTop = top + line / 2; // half of the top tick's text above it
    const int maxSteps = std::clamp(int((bottom - plotTop) / (2 * line)), 1, kMostSteps);
    // The data view's figures are shown to a tenth of a MB, ten hundredths.
    const qint64 step = std::max<qint64>(niceStep(most, maxSteps), chart.data ? 10 : 1);
    const qint64 steps = std::max<qint64>(1, qint64(std::ceil(most / double(step))));

    qreal widest = 0;
    for (qint64 k = 0; k <= steps; ++k) {
        layout.ticks.push_back({0, chart.data ? chartMbText(double(k * step), regional)
                                              : regional.currency(double(k * step))});
        widest = std::max(widest, measure.width(layout.ticks.back().text));
    }
    layout.plot = QRectF(QPointF(std::ceil(gap + widest + gap), plotTop),
                         QPointF(size.width() - gap, bottom));
    const QRectF plot = layout.plot;
    const auto yOf = [&](double pence) {
        return std::round(plot.bottom() - pence / double(steps * step) * plot.height());
    };
    for (qint64 k = 0; k <= steps; ++k)
        layout.ticks[size_t(k)].y = yOf(double(k * step));

    const size_t count = chart.bars.size();
    const qreal slot = plot.width() / qreal(count);
    // A few bars stay slim rather than fill the width.
    const qreal barWidth = slot >= 3 ? std::min(slot * kBarShare, 4 * line) : slot;
    size_t todayBar = count - 1;
    for (size_t i = 0; i < count; ++i) {
        const ChartBar &bar = chart.bars[i];
        const qreal left = std::round(plot.left() + qreal(i) * slot + (slot - barWidth) / 2);
        const qreal right = std::round(plot.left() + qreal(i) * slot + (slot + barWidth) / 2);
        const auto between = [&](double from, double to) {
            return to > from ? QRectF(QPointF(left, yOf(to)), QPointF(right, yOf(from))) : QRectF();
        };
        layout.bars.push_back(between(0, double(bar.pence)));
        layout.forecastBars.push_back(
            between(double(bar.pence), double(bar.pence) + bar.expectedPence));
        if (bar.today)
            todayBar = i;
    }

    layout.labels = barLabels(chart, plot, todayBar, measure, gap);

    if (lines) {
        // Only the bill's days after today are the forecast's.
        const size_t lastLogged = chart.bill ? todayBar : count - 1;
        layout.running.push_back(QPointF(plot.left(), yOf(0)));
        if (chart.otherTotalPence)
            layout.other.push_back(layout.running.front());
        for (size_t i = 0; i < count; ++i) {
            const qreal x = plot.left() + qreal(i + 1) * slot;
            const QPointF end(x, yOf(chart.bars[i].runningPence));
            if (i <= lastLogged) {
                layout.running.push_back(end);
                if (chart.otherTotalPence)
                    layout.other.push_back(QPointF(x, yOf(chart.bars[i].otherRunningPence)));
                continue;
            }
            if (chart.data)
                break; // data has no forecast: its line ends today
            if (layout.expected.empty())
                layout.expected.push_back(layout.running.back());
            layout.expected.push_back(end);
        }
        if (chart.limitPence)
            layout.pace = QLineF(plot.left(), yOf(0), plot.right(),
                                 yOf(double(*chart.limitPence)));
    }
    return layout;
}
