#pragma once

// An operator's data bill checked against the log: each billed session is
// matched with a logged call whose bytes were kept, one to one, nearest
// first: starts within two minutes and volumes within the tolerance below.
// What is left on either side, the sessions priced differently and both
// totals are reported as the call check reports them. A logged session's
// price is its kept charge, what every figure of Callwise shows for it.

#include "calllog/summary.h"
#include "common/regional.h"
#include "statement/statement.h"

#include <QStringList>

#include <vector>

struct LoggedSession
{
    QDate day;
    int startSecond = 0;
    qint64 bytes = 0; // received and sent
    double pence = 0.0;
};

// Volumes this close are the same session's: the operator rounds each
// session up to its unit and the bill prints few figures.
qint64 volumeTolerance(qint64 billedBytes, qint64 roundingBytes);

struct DataBillCheck
{
    QDate first;
    QDate last;
    qint64 mbBytes = 1000000;
    std::vector<BilledCall> billed; // of those days
    int billedOtherDays = 0;
    QStringList skipped;
    std::vector<LoggedSession> logged;
    std::vector<std::pair<size_t, size_t>> pairs; // billed, logged; in the bill's order
    std::vector<size_t> billedOnly;
    std::vector<size_t> loggedOnly;
};

// The summary must be of the days from first to last; its calls without
// bytes are no sessions.
DataBillCheck checkDataBill(const Statement &statement, QDate first, QDate last,
    const Summary &summary, qint64 mbBytes, qint64 roundingBytes);

QStringList dataBillCheckLines(
    const QString &billName, const DataBillCheck &check, const Regional &regional);
