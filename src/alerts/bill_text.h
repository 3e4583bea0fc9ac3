#pragma once

// The bill's month in words, the same in the alerts window and from
// callwise-report: "Since 15 Nov: £3.20", "Expected by 14 Dec: £12.40".

#include "alerts/bill_month.h"
#include "common/regional.h"

#include <QString>

#include <optional>

QString billSpentText(const BillMonth &bill, qint64 pence, const Regional &regional);

// Nothing expected: the log is too short for a forecast.
QString billForecastText(
    const BillMonth &bill, std::optional<qint64> expectedPence, const Regional &regional);
