#include "tariff/call_charge.h"

#include "common/number_reader.h"
#include "common/rounding.h"

qint64 CallCharge(qint64 hours, qint64 minutes, double fee, const QString &minConnectTime)
{
    const double minutesCharged = double(hours) * 60.0 + double(minutes) + 1.0;
    qint64 charge = roundHalfEven(minutesCharged * fee);
    const double minimum = readNumber(minConnectTime) * fee;
    if (minimum > double(charge))
        charge = roundHalfEven(minimum);
    return charge;
}
