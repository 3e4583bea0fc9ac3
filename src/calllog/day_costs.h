#pragma once

#include "calllog/summary.h"

#include <QDate>

#include <vector>

struct DayCost
{
    QDate day;
    qint64 pence = 0;
};

// The days of a summary that have calls, in its order (newest first). A
// day's pence are what its calls add to the summary's total, which is brought
// to whole pence after every call, so the days add up to the total exactly.
std::vector<DayCost> costsByDay(const Summary &summary);
