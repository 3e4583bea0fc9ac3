#pragma once

#include "chart/spending_chart.h"

#include <QColor>
#include <QSizeF>

class QPainter;

// The colours of the picture's face, its texts and its grid. Files keep
// these; the window gives its palette's, so the chart reads on a dark desktop.
struct ChartColours
{
    QColor background = Qt::white;
    QColor text = QColor(0x20, 0x20, 0x20);
    QColor grid = QColor(0xdd, 0xdd, 0xdd);
    QColor running = QColor(0x1f, 0x3a, 0x60); // the running total's line
};

// Draws a chart over the rectangle (0, 0, size) in the painter's font: the
// same drawing on the screen, in an SVG and in a PNG.
void paintChart(QPainter &painter, const SpendingChart &chart, QSizeF size,
                const Regional &regional, const ChartColours &colours = {});
