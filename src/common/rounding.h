#pragma once

#include <QtGlobal>

// Nearest whole number, a half going to the even neighbour (2.5 gives 2,
// 3.5 gives 4). Values beyond the 64-bit range saturate and NaN gives 0, so no
// text typed by the user can make a conversion undefined.
qint64 roundHalfEven(double value);
