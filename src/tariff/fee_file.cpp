#include "tariff/fee_file.h"

#include "tariff/tariff_normalise.h"

bool LoadFees(TariffTable &table, const QString &feeFilePath)
{
    const std::optional<QStringList> lines = readLines(feeFilePath, TariffTable::kCellCount);
    if (!lines)
        return false;
    for (qsizetype i = 0; i < lines->size(); ++i)
        table.setCell(int(i), lines->at(i));
    return true;
}

FileResult SaveFees(const TariffTable &table, const QString &feeFilePath)
{
    QStringList lines;
    lines.reserve(TariffTable::kCellCount);
    for (int day = 0; day < TariffTable::kDays; ++day) {
        for (int band = 0; band < TariffTable::kBands; ++band) {
            // Normalised as they will stand in the file, so the reload reads
            // back what was normalised: "2\r" would be written as "2 ",
            // which is a fee.
            const TariffBand cells = table.band(day, band);
            lines << normaliseTime(asOneLine(cells.bandStart))
                  << normaliseFee(asOneLine(cells.fee));
        }
    }
    lines << table.minConnectTime();
    return writeLines(feeFilePath, lines);
}
