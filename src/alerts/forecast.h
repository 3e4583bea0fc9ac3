#pragma once

// Where the bill's month is heading: what its logged calls have cost so far,
// and for each day still to come the average cost of that weekday over the
// last eight weeks of the log. Every figure comes from the costs window's own
// summary, so the forecast and the list never disagree about a call.

#include "alerts/bill_month.h"
#include "calllog/log_index.h"
#include "calllog/summary.h"
#include "common/regional.h"

#include <QDate>

#include <optional>
#include <vector>

struct ExpectedDay
{
    QDate day;
    double pence = 0.0;
};

struct Forecast
{
    qint64 spentPence = 0; // logged calls from the bill's first day to today
    std::vector<ExpectedDay> days; // each day after today to the bill's last
    double restPence = 0.0; // the days' sum

    // The bill's month expected in whole pence, with the call being timed.
    qint64 expectedPence(qint64 runningPence = 0) const;
};

// Weeks of the log the averages look back over, and the fewest days of log
// a forecast needs, so every weekday has been seen at least once.
inline constexpr int kForecastWeeks = 8;
inline constexpr int kForecastLeastDays = 7;

// The logged calls of the bill's month up to today; none before its first
// day. The spending limit, the forecast and callwise-report all count these.
Summary billSoFar(const LogIndex &log, QDate today, const BillMonth &bill, double minConnect,
                  const Regional &regional);

// Nothing when the log holds fewer than kForecastLeastDays days before today
// or cannot be summarised. minConnect is in minutes.
std::optional<Forecast> forecastBill(const LogIndex &log, QDate today, const BillMonth &bill,
                                     double minConnect, const Regional &regional);
