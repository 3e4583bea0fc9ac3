#pragma once

// The fee file holds the tariff table as 57 lines, one cell a line, in the
// table's cell order.

#include "common/text_file.h"
#include "tariff/tariff_table.h"

inline constexpr char16_t kFeeFileName[] = u"netfees.ini";

// Reads the fee file into the table. A file that cannot be read leaves the
// table as it was; a short file sets only the cells it has lines for; lines
// after the last cell are never read. Returns whether the file could be read.
bool LoadFees(TariffTable &table, const QString &feeFilePath);

// Writes the whole table, start times as "hh:mm" and fees with two decimals.
// The table itself does not change. On failure the old file is untouched and
// the caller tells the user ("File Save ERROR").
FileResult SaveFees(const TariffTable &table, const QString &feeFilePath);
