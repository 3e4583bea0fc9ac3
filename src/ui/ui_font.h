#pragma once

#include <QFont>

// The windows' own font at the given size. Where "MS Sans Serif" is missing,
// a sans serif of like widths stands in at the same size.
QFont uiFont(double points, bool bold = false);

// The size of most labels and of every window's default font.
inline constexpr double kDefaultPoints = 8.25;
