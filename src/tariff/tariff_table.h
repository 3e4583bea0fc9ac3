#pragma once

// The weekly tariff: for each day, Monday to Sunday, four bands of a start
// time and a fee in pence per minute, plus one min connect time. Every cell
// is text, held as read or typed; it is interpreted only where it is used
// (the fee lookup, the call charge, the summaries) and normalised only by a
// save and the reload after it.

#include <QString>

#include <array>

struct TariffBand
{
    QString bandStart;
    QString fee;
};

class TariffTable
{
public:
    static constexpr int kDays = 7;   // Monday 0 ... Sunday 6
    static constexpr int kBands = 4;  // bands 0 ... 3
    static constexpr int kCellCount = kDays * kBands * 2 + 1; // the lines of the fee file
    static constexpr int kBandCellLimit = 6;
    static constexpr int kMinConnectLimit = 1;

    TariffTable() { resetToDefaults(); }

    void resetToDefaults();

    TariffBand band(int day, int band) const;
    void setBandStart(int day, int band, const QString &text);
    void setFee(int day, int band, const QString &text);

    const QString &minConnectTime() const { return m_cells[kCellCount - 1]; }
    void setMinConnectTime(const QString &text);

    // The cells in the order of the fee file's lines (index 0 is line 1):
    // for day d and band b, start at 8d + 2b, fee at 8d + 2b + 1, and the
    // min connect time last. Texts longer than the cell allows are cut.
    const QString &cell(int index) const { return m_cells[index]; }
    void setCell(int index, const QString &text);

    static int startIndex(int day, int band) { return day * kBands * 2 + band * 2; }
    static int feeIndex(int day, int band) { return startIndex(day, band) + 1; }
    static constexpr int minConnectIndex() { return kCellCount - 1; }

    bool operator==(const TariffTable &) const = default;

private:
    std::array<QString, kCellCount> m_cells;
};
