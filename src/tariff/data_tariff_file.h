#pragma once

// The data tariff lives in a file of its own beside the fee file, which
// keeps its 57 lines and a link billed by the minute untouched. Latin-1 with
// CR LF, one setting a line, written whole through the one file writer:
//     1-56  for each day, Monday first, four bands of a start "hh:mm" (empty:
//           from the day's start) and pence a MB ("1.50"; "0.00" free data;
//           empty: the band never applies), as the fee file holds its bands
//     57    allowance, whole MB; empty for none
//     58    the bundle's monthly fee, pence; empty for none
//     59    the day the bill starts, 1 to 28
//     60    pence a MB beyond the allowance; empty: data stops or slows there
//     61    bytes in a MB: 1000000 or 1048576
//     62    bytes each session is rounded up to, 1 for none
// No file, or one without a line, is no data tariff. Missing lines at the
// end read as empty.

#include "common/text_file.h"
#include "tariff/data_tariff.h"

#include <optional>

inline constexpr char16_t kDataTariffFileName[] = u"netdata.ini";

// The data tariff beside the call log.
QString dataTariffPath(const QString &logPath);
inline constexpr int kDataTariffLines = DataTariff::kDays * DataTariff::kBands * 2 + 6;

struct DataTariffLoad
{
    std::optional<DataTariff> tariff; // none unless ok, or without a file
    bool ok = true;
    QString why; // the line and what is wrong with it, for the user
    int badLine = 0; // that line's number, from 1; 0 when no line is at fault
    QString badWhat; // what is wrong with it: "is not pence a MB"
};

// A file that cannot be read, or holds a line Callwise could not have
// written, gives no data tariff and says which line and why, rather than
// pricing data by a tariff guessed from a damaged file.
DataTariffLoad LoadDataTariff(const QString &path);

// The file's lines as a tariff, read as LoadDataTariff reads them: the data
// tariff window's boxes hold them in the same order.
DataTariffLoad readDataTariff(const QStringList &lines);

// Writes the tariff; none removes the file.
FileResult SaveDataTariff(const QString &path, const std::optional<DataTariff> &tariff);

// The file's lines for a tariff; read back, they give the same tariff.
QStringList dataTariffLines(const DataTariff &tariff);
