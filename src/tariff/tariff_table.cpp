#include "tariff/tariff_table.h"

void TariffTable::resetToDefaults()
{
    for (QString &cell : m_cells)
        cell.clear();
    m_cells[minConnectIndex()] = QStringLiteral("3");
}

TariffBand TariffTable::band(int day, int band) const
{
    return {m_cells[startIndex(day, band)], m_cells[feeIndex(day, band)]};
}

void TariffTable::setBandStart(int day, int band, const QString &text)
{
    setCell(startIndex(day, band), text);
}

void TariffTable::setFee(int day, int band, const QString &text)
{
    setCell(feeIndex(day, band), text);
}

void TariffTable::setMinConnectTime(const QString &text)
{
    setCell(minConnectIndex(), text);
}

void TariffTable::setCell(int index, const QString &text)
{
    const int limit = index == minConnectIndex() ? kMinConnectLimit : kBandCellLimit;
    m_cells[index] = text.left(limit);
}
