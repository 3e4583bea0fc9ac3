#pragma once

// The bill month's data on a link billed by the MB: what its calls used of
// the allowance so far, what is left, what may be used each day to last the
// month, the day it runs out at the pace of the last eight weeks, and the
// warnings due. Every byte counted goes through the data pricer, so free
// data is left out here exactly as it is from the bill. The pace is the
// bill forecast's own: each weekday's average over the weeks looked back.

#include "alerts/bill_month.h"
#include "tariff/data_price.h"

#include <QDate>

#include <map>
#include <optional>
#include <vector>

struct DataMonth
{
    BillMonth bill;
    qint64 usedBytes = 0; // from the bill's first day to today, free data left out
    qint64 allowanceBytes = 0; // 0: none, and no figure below
    qint64 leftBytes = 0; // of the allowance, none below 0
    int daysLeft = 0; // to the bill's last day, today included
    // What may be used each day to last the month: what is left (today's
    // use taken off it) over the days left, today included.
    double dailyBudgetBytes = 0.0;
    // The day the allowance is used up: the day it was, or the first day by
    // which the weekday pace uses what is left. None when it lasts the
    // month, or with fewer than a week's calls before today to pace by.
    std::optional<QDate> runsOut;
    bool usedUp = false; // runsOut is a day gone by (or today), not a forecast
};

// The bytes each day's logged calls used, free data left out, over the bill
// month and the eight weeks before today, and the oldest day with a call:
// what the month's figures need of the log, kept while a call runs.
struct DataDays
{
    std::map<QDate, qint64> usedOn;
    QDate oldest;
};

// From the calls' sessions, in any order, each on the day it began; those
// outside the bill month and the eight weeks before today count for nothing.
DataDays dataDaysOf(const std::vector<DataSession> &sessions, const DataPricer &pricer, QDate today);

// The month from the logged days and the call in progress, whose sessions
// (one, or two across the bill's start) count as though logged.
DataMonth dataMonthOf(DataDays days, const DataPricer &pricer, QDate today,
    const std::vector<DataSession> &running = {});

DataMonth dataMonthOf(
    const std::vector<DataSession> &sessions, const DataPricer &pricer, QDate today);

// The warnings of a bill month: at a level of the allowance the user sets,
// and at the allowance itself; each given once a bill month.
inline constexpr int kDefaultDataWarningPercent = 80;
struct DataWarnings
{
    bool level = false;
    bool allowance = false;

    bool operator==(const DataWarnings &) const = default;
};

// Which warnings are due now, given those already given this bill month.
// Used past both at once, both are due: the allowance's says the most.
DataWarnings dueDataWarnings(
    qint64 usedBytes, qint64 allowanceBytes, int levelPercent, DataWarnings given);
