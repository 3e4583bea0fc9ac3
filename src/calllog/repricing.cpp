#include "calllog/repricing.h"

#include "common/number_reader.h"
#include "common/rounding.h"

namespace {

constexpr qint64 kSecondsPerDay = 86400;

// "hh:mm:ss" read as the summary reads a duration, two characters a part.
int secondOfDay(QStringView starttime)
{
    const auto part
        = [&](qsizetype from) { return roundHalfEven(readNumber(starttime.mid(from, 2))); };
    return int(qBound<qint64>(0, part(0) * 3600 + part(3) * 60 + part(6), kSecondsPerDay - 1));
}

double repriceCall(const SummaryCall &call, const CallPricer &pricer)
{
    CallToPrice priced { call.day, secondOfDay(call.starttime()), call.lengthSeconds, 0.0 };
    // The fee the live clock would have looked up at the call's last tick.
    const qint64 end = qint64(priced.startSecond) + qMax<qint64>(0, priced.seconds);
    priced.lastFee
        = pricer.feeAt(call.day.addDays(end / kSecondsPerDay), int(end % kSecondsPerDay));
    return pricer.price(priced, pricer.rules().isDefault() ? TableRule::Summary : TableRule::Live);
}

} // namespace

Repricing repriceCalls(const Summary &summary, const CallPricer &pricer)
{
    Repricing repricing;
    repricing.costs.reserve(summary.calls.size());
    repricing.addedPence.reserve(summary.calls.size());
    for (const SummaryCall &call : summary.calls) {
        repricing.costs.push_back(repriceCall(call, pricer));
        const qint64 total = roundHalfEven(double(repricing.totalPence) + repricing.costs.back());
        repricing.addedPence.push_back(total - repricing.totalPence);
        repricing.totalPence = total;
    }
    return repricing;
}
