#include "chart/chart_painter.h"

#include "chart/chart_layout.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

const QColor kBar(0x3d, 0x6d, 0xb0);
const QColor kTodayBar(0xd9, 0x7a, 0x1c);
const QColor kForecastBar(0xb8, 0xcc, 0xe8);
const QColor kPace(0xc0, 0x30, 0x30);
const QColor kOther(0x2e, 0x8b, 0x57);

QPen linePen(const QColor &colour, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, 2, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void paintLegendMark(QPainter &painter, const LegendItem &item, const ChartColours &colours)
{
    const QRectF box = item.swatch;
    const QLineF across(box.left(), box.center().y(), box.right(), box.center().y());
    switch (item.mark) {
    case LegendItem::Mark::Bar:
        painter.fillRect(box, kBar);
        break;
    case LegendItem::Mark::Forecast:
        painter.fillRect(box, kForecastBar);
        break;
    case LegendItem::Mark::Running:
        painter.setPen(linePen(colours.running));
        painter.drawLine(across);
        break;
    case LegendItem::Mark::Pace:
        painter.setPen(linePen(kPace, Qt::DashLine));
        painter.drawLine(across);
        break;
    case LegendItem::Mark::Other:
        painter.setPen(linePen(kOther));
        painter.drawLine(across);
        break;
    }
}

} // namespace

void paintChart(QPainter &painter, const SpendingChart &chart, QSizeF size,
                const Regional &regional, const ChartColours &colours)
{
    const QFont font = painter.font();
    QFont todayFont = font;
    todayFont.setBold(true);
    const QFontMetricsF metrics(font, painter.device());
    const QFontMetricsF todayMetrics(todayFont, painter.device());
    const TextMeasure measure{
        [&](const QString &text) { return metrics.horizontalAdvance(text); }, metrics.height(),
        [&](const QString &text) { return todayMetrics.horizontalAdvance(text); }};
    const ChartLayout layout = layOutChart(chart, size, measure, regional);

    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), size), colours.background);
    painter.setPen(colours.text);
    painter.drawText(layout.title, Qt::AlignLeft | Qt::AlignVCenter, layout.titleText);
    if (!chart.message.isEmpty() || chart.bars.empty()) {
        painter.drawText(layout.plot, Qt::AlignCenter | Qt::TextWordWrap, chart.message);
        painter.restore();
        return;
    }

    for (const LegendItem &item : layout.legend) {
        paintLegendMark(painter, item, colours);
        painter.setPen(colours.text);
        painter.drawText(item.textBox, Qt::AlignLeft | Qt::AlignVCenter, item.text);
    }

    const QRectF plot = layout.plot;
    for (const AxisTick &tick : layout.ticks) {
        painter.setPen(colours.grid);
        painter.drawLine(QLineF(plot.left(), tick.y, plot.right(), tick.y));
        painter.setPen(colours.text);
        const QRectF box(0, tick.y - measure.lineHeight / 2, plot.left() - measure.lineHeight / 2,
                         measure.lineHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, tick.text);
    }

    for (size_t i = 0; i < chart.bars.size(); ++i) {
        if (!layout.bars[i].isEmpty())
            painter.fillRect(layout.bars[i], chart.bars[i].today ? kTodayBar : kBar);
        if (!layout.forecastBars[i].isEmpty())
            painter.fillRect(layout.forecastBars[i], kForecastBar);
    }

    painter.setPen(colours.text);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (const BarLabel &label : layout.labels) {
        painter.setPen(label.today ? kTodayBar : colours.text);
        painter.setFont(label.today ? todayFont : font);
        painter.drawLine(
            QLineF(label.tick, plot.bottom(), label.tick, plot.bottom() + layout.tickLength));
        // Room to spare either side, so rounding never wraps or clips the text.
        const qreal width = label.width + measure.lineHeight;
        painter.drawText(QRectF(label.x - width / 2, plot.bottom() + layout.tickLength, width,
                                measure.lineHeight),
                         Qt::AlignHCenter | Qt::AlignTop, label.text);
    }

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(linePen(colours.running));
    painter.drawPolyline(layout.running.data(), int(layout.running.size()));
    painter.setPen(linePen(colours.running, Qt::DotLine));
    painter.drawPolyline(layout.expected.data(), int(layout.expected.size()));
    painter.setPen(linePen(kOther));
    painter.drawPolyline(layout.other.data(), int(layout.other.size()));
    if (layout.pace) {
        painter.setPen(linePen(kPace, Qt::DashLine));
        painter.drawLine(*layout.pace);
    }
    painter.restore();
}
