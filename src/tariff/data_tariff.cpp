#include "tariff/data_tariff.h"

qint64 DataTariff::roundedBytes(qint64 bytes) const
{
    if (bytes <= 0)
        return 0;
    const qint64 unit = qMax<qint64>(1, roundingBytes);
    return (bytes / unit + (bytes % unit != 0 ? 1 : 0)) * unit;
}
