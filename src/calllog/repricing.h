#pragma once

// The calls of a summary priced again by another tariff, to see what they
// would have cost under it. Each is priced by the one pricing code as the
// other tariff would have charged it: the fee that tariff gives at the call's
// end (or each unit's own fee, by its rules) and its minimum connect time.

#include "calllog/summary.h"
#include "tariff/call_price.h"

#include <vector>

struct Repricing
{
    std::vector<double> costs; // pence, one for each of the summary's calls
    // What each call adds to the total, which is brought to whole pence after
    // every call as the summary's is, so a chart's days add up to it.
    std::vector<qint64> addedPence;
    qint64 totalPence = 0;
};

// Without rules, the summary's own rule, so the tariff that priced the calls
// prices them again to the same total; with rules, the charge the live clock
// would have shown at the call's end.
Repricing repriceCalls(const Summary &summary, const CallPricer &pricer);
