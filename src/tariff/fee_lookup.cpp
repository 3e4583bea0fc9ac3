#include "tariff/fee_lookup.h"

#include "common/number_reader.h"

void LookUpFee(const TariffTable &table, const Clock &clock, double &costnow)
{
    const QDateTime now = clock.now();
    const QString timeText = now.time().toString(QStringLiteral("HH:mm"));
    const int day = now.date().dayOfWeek() - 1;
    for (int band = 0; band < TariffTable::kBands; ++band) {
        const TariffBand cells = table.band(day, band);
        const double fee = readNumber(cells.fee);
        if (timeText > cells.bandStart && fee > 0)
            costnow = fee;
    }
}
