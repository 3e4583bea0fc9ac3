#pragma once

#include "chart/spending_chart.h"

#include <QLineF>
#include <QRectF>

#include <functional>
#include <optional>
#include <vector>

// How wide a text is drawn and how tall a line of it is, in the units of the
// layout: the painter measures with its font, tests count characters.
struct TextMeasure
{
    std::function<qreal(const QString &)> width;
    qreal lineHeight = 0.0;
    std::function<qreal(const QString &)> boldWidth; // today's label; width where not given
};

struct AxisTick
{
    qreal y = 0.0;
    QString text; // the pence as currency
};

struct BarLabel
{
    qreal x = 0.0; // the middle of the text, under the plot
    QString text;
    bool today = false;
    qreal tick = 0.0; // the middle of its bar
    qreal width = 0.0; // as measured, in bold for today's
};

struct LegendItem
{
    enum class Mark { Bar, Forecast, Running, Pace, Other };
    Mark mark;
    QRectF swatch;
    QRectF textBox;
    QString text;
};

// Where everything of a chart goes in a picture of a given size.
struct ChartLayout
{
    QRectF title; // one line, across the top
    QString titleText; // the chart's, a compared tariff's name shortened to fit
    std::vector<LegendItem> legend;
    QRectF plot; // the bars' area: the value axis on its left, the days below
    std::vector<AxisTick> ticks; // from 0 upwards, each a nice step above the last
    std::vector<QRectF> bars; // one for each of the chart's bars, empty for 0
    std::vector<QRectF> forecastBars; // on top of the logged part
    std::vector<BarLabel> labels; // left to right, a gap apart at least, always today's
    qreal tickLength = 0.0;
    std::vector<QPointF> running; // the running total to the end of today's bar
    std::vector<QPointF> expected; // ... and on from there, through the forecast
    std::vector<QPointF> other; // the compared tariff's running total, to today
    std::optional<QLineF> pace;
};

// The text with the middle of its part cut out for "…", as little as makes
// the whole no wider than room; unchanged when it fits already. The part is
// a name within the text, whose figures after it must stay in sight.
QString shortenPart(const QString &text, const QString &part, qreal room,
                    const TextMeasure &measure);

// The step of a value axis from 0 to at least maxPence in at most maxSteps
// steps: 1, 2 or 5 times a power of ten pence.
qint64 niceStep(double maxPence, int maxSteps);

ChartLayout layOutChart(const SpendingChart &chart, QSizeF size, const TextMeasure &measure,
                        const Regional &regional);
