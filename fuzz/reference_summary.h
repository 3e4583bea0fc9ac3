#pragma once

#include "common/regional.h"

#include <QDate>
#include <QStringList>

#include <vector>

// The summary as the straightforward per-day scan computes it: for each day
// of the period, search the whole log text for the day key again and again,
// and write each call's line out in full. Kept as the reference the indexed
// summary must agree with.
struct ReferenceSummary
{
    bool ok = true;
    QStringList lines;
    std::vector<QDate> days;
    QStringList starttimes;
    QStringList durations;
    qint64 totalSeconds = 0;
    qint64 totalPence = 0;
};

ReferenceSummary referenceSummary(const QString &logText, QDate today, qint64 firstOffset,
                                  qint64 lastOffset, double minConnect, const Regional &regional);
