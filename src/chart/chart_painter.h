#pragma once

#include "chart/spending_chart.h"

#include <QSizeF>

class QPainter;

// Draws a chart over the rectangle (0, 0, size) in the painter's font: the
// same drawing on the screen, in an SVG and in a PNG.
void paintChart(QPainter &painter, const SpendingChart &chart, QSizeF size,
                const Regional &regional);
