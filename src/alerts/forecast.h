#pragma once

// Where the bill's month is heading: what its logged calls have cost so far,
// and for each day still to come the average cost of that weekday over the
// last eight weeks of the log. Every figure comes from the costs window's own
// summary, so the forecast and the list never disagree about a call. The
// data bundle's monthly fee is the month's too: spent from the day it falls
// on, expected on that day before then, never averaged into a weekday.

#include "alerts/bill_month.h"
#include "calllog/log_index.h"
#include "calllog/summary.h"
#include "common/regional.h"
#include "tariff/data_tariff.h"

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
    qint64 spentPence = 0; // logged calls from the bill's first day to today, the fee once due
    std::vector<ExpectedDay> days; // each day after today to the bill's last
    double restPence = 0.0; // the days' sum

    // The bill's month expected in whole pence, with the call being timed.
    qint64 expectedPence(qint64 runningPence = 0) const;
};

// Weeks of the log the averages look back over, and the fewest days of log
// a forecast needs, so every weekday has been seen at least once.
inline constexpr int kForecastWeeks = 8;
inline constexpr int kForecastLeastDays = 7;

// The data tariff's bundle fee, from its bill's start day; none without one.
MonthlyFee bundleFeeOf(const std::optional<DataTariff> &tariff);

// The bill's month so far: its logged calls up to today (none before its
// first day) and the fee, once it has fallen due.
struct BillSpent
{
    Summary calls;
    qint64 feePence = 0;

    qint64 pence() const { return calls.totalPence + feePence; }
};

// The spending limit, the forecast, the chart and callwise-report all count
// these.
BillSpent billSoFar(const LogIndex &log, QDate today, const BillMonth &bill, double minConnect,
                    const Regional &regional, const MonthlyFee &fee);

// Nothing when the log holds fewer than kForecastLeastDays days before today
// or cannot be summarised. minConnect is in minutes.
std::optional<Forecast> forecastBill(const LogIndex &log, QDate today, const BillMonth &bill,
                                     double minConnect, const Regional &regional,
                                     const MonthlyFee &fee);
