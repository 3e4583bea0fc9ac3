#pragma once

// A summary lists the logged calls of a range of days, newest day first and
// log order within a day, each with its cost worked out again from its
// duration, its fee and the min connect time, and totals their time and cost.

#include "calllog/log_index.h"
#include "common/regional.h"

#include <QDate>
#include <QStringList>

#include <vector>

struct SummaryCall
{
    QDate day;
    QString record; // the record text up to its "#"
    QString starttime;
    QString duration;
    double fee = 0.0;  // pence per minute
    double cost = 0.0; // pence
    qint64 lengthSeconds = 0;
};

struct Summary
{
    bool ok = true;
    QString error; // why no summary can be shown, for the user
    std::vector<SummaryCall> calls;
    QStringList lines; // record, "  =  ", cost as currency
    qint64 totalSeconds = 0;
    qint64 totalPence = 0; // brought to whole pence after every call
};

// Offsets count days before today (0 today, negative after it), both ends
// included, firstOffset <= lastOffset. minConnect is in minutes.
Summary SummarisePeriod(const LogIndex &log, QDate today, qint64 firstOffset, qint64 lastOffset,
                        double minConnect, const Regional &regional);

Summary SummarisePeriod(const QString &logText, QDate today, qint64 firstOffset,
                        qint64 lastOffset, double minConnect, const Regional &regional);
