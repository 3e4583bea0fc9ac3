#pragma once

// A data tariff: what a mobile operator charges for the bytes a call moves,
// beside (never instead of) the minute tariff. For each day, Monday to
// Sunday, four bands of a start "hh:mm" and a price in pence a MB, in the
// weekly table's shape; a monthly allowance with the bundle's fee and the
// day its bill starts; a price a MB beyond the allowance, or none (data
// stops or slows there); how many bytes a MB is; and the unit each session
// is rounded up to. What these mean for a session is data_price.h's to say.

#include <QString>

#include <array>
#include <optional>

struct DataBand
{
    QString start; // "hh:mm", or empty: from the day's first minute
    // Pence a MB; 0 is free data; none: the band never applies.
    std::optional<double> pencePerMb;

    bool operator==(const DataBand &) const = default;
};

inline constexpr qint64 kDecimalMb = 1000000;
inline constexpr qint64 kBinaryMb = 1048576;

struct DataTariff
{
    static constexpr int kDays = 7; // Monday 0 ... Sunday 6
    static constexpr int kBands = 4;

    std::array<std::array<DataBand, kBands>, kDays> bands;
    qint64 allowanceMb = 0; // 0: none, every MB at its band's price
    double bundlePence = 0.0; // the bundle's monthly fee
    int billStartDay = 1; // 1 to 28, as the alerts' bill month
    std::optional<double> beyondPencePerMb; // none: data stops or slows at the allowance
    qint64 mbBytes = kDecimalMb; // kDecimalMb or kBinaryMb
    qint64 roundingBytes = 1; // each session's bytes rounded up to a multiple of this

    bool hasAllowance() const { return allowanceMb > 0; }
    qint64 allowanceBytes() const { return allowanceMb * mbBytes; }
    // A session's bytes as the operator counts them.
    qint64 roundedBytes(qint64 bytes) const;

    bool operator==(const DataTariff &) const = default;
};

// The limits the file and the window hold a tariff to, so that every byte
// count and price stays far inside what a double and a qint64 hold exactly.
inline constexpr qint64 kMostAllowanceMb = 100000000; // 100 TB
inline constexpr double kMostPencePerMb = 1000000.0;
inline constexpr qint64 kMostRoundingBytes = 1000000000;
