#include "calllog/day_costs.h"

#include "common/rounding.h"

std::vector<DayCost> costsByDay(const Summary &summary)
{
    std::vector<DayCost> days;
    qint64 total = 0;
    for (const SummaryCall &call : summary.calls) {
        const qint64 before = total;
        total = roundHalfEven(double(total) + call.cost);
        if (days.empty() || days.back().day != call.day)
            days.push_back({call.day, 0});
        days.back().pence += total - before;
    }
    return days;
}
