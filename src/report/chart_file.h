#pragma once

#include "chart/spending_chart.h"

#include <QSize>
#include <QString>

// The picture callwise-report draws, in pixels at 96 dots per inch.
inline constexpr QSize kChartFileSize{640, 400};

// Whether a file name asks for a picture this can draw: .svg or .png.
bool isChartFileName(const QString &path);

// Draws the chart into an SVG or a PNG file, by the name's ending, written
// whole or not at all. The reason it could not be written, or nothing.
QString writeChartFile(const QString &path, const SpendingChart &chart, const Regional &regional);
