#pragma once

// The bill month's data from the call log: the sessions are the calls whose
// bytes are kept beside it, and the figures are said in words, the same in
// the alerts window and from callwise-report.

#include "alerts/data_month.h"
#include "calllog/log_index.h"
#include "calllog/summary.h"
#include "common/regional.h"

#include <QStringList>

// The calls of a summary with their bytes kept, as the data pricer's sessions.
std::vector<DataSession> dataSessionsOf(const Summary &summary);

// The days of the bill month of the data tariff that today lies in, with
// the eight weeks before today its pace is taken from.
DataDays dataDaysOfLog(
    const LogIndex &log, const DataPricer &pricer, QDate today, const Regional &regional);
DataMonth dataMonthOfLog(
    const LogIndex &log, const DataPricer &pricer, QDate today, const Regional &regional);

// "Data used since 15 Nov: 812.4 MB", then with an allowance what is left,
// the daily budget and the day it runs out, or was used up.
QStringList dataMonthLines(const DataMonth &month, qint64 mbBytes, const Regional &regional);
