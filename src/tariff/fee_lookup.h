#pragma once

#include "common/clock.h"
#include "tariff/tariff_table.h"

// Sets costnow, the fee in pence per minute, from the bands of today that
// apply now. A band applies when the time "hh:mm" is greater, as text, than
// its start text and its fee begins with a number above 0; the last applying
// band in band order wins. When none applies costnow keeps its value.
void LookUpFee(const TariffTable &table, const Clock &clock, double &costnow);
