#pragma once

#include "tariff/tariff_table.h"

// A tariff as a user would enter it: cheap nights and evenings, a day rate
// on weekdays, cheap all weekend, a 3 minute minimum.
inline TariffTable typicalTariff()
{
    TariffTable table;
    for (int day = 0; day < TariffTable::kDays; ++day) {
        const bool weekend = day >= 5;
        table.setBandStart(day, 0, QStringLiteral("00:00"));
        table.setFee(day, 0, QStringLiteral("1.00"));
        table.setBandStart(day, 1, QStringLiteral("08:00"));
        table.setFee(day, 1, weekend ? QStringLiteral("1.00") : QStringLiteral("4.20"));
        table.setBandStart(day, 2, QStringLiteral("18:00"));
        table.setFee(day, 2, QStringLiteral("1.50"));
        table.setBandStart(day, 3, QStringLiteral("23:00"));
        table.setFee(day, 3, QStringLiteral("1.00"));
    }
    table.setMinConnectTime(QStringLiteral("3"));
    return table;
}
