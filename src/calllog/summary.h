#pragma once

// A summary lists the logged calls of a range of days, newest day first and
// log order within a day, each with its cost worked out again from its
// duration, its fee and the min connect time, and totals their time and cost.

#include "calllog/log_index.h"
#include "calllog/record_reader.h"
#include "common/regional.h"

#include <QDate>
#include <QStringList>

#include <vector>

// One listed call. Its fields are kept as places in its list line, which
// starts with the record, so a year of calls is not copied out field by field.
struct SummaryCall
{
    QDate day;
    QString line; // the record up to its "#", "  =  ", the cost as currency
    qsizetype recordLength = 0;
    TextSpan starttimeSpan;
    TextSpan durationSpan;
    double fee = 0.0;  // pence per minute
    double cost = 0.0; // pence
    qint64 lengthSeconds = 0;

    QStringView record() const { return QStringView(line).left(recordLength); }
    QStringView starttime() const { return starttimeSpan.in(record()); }
    QStringView duration() const { return durationSpan.in(record()); }
};

struct Summary
{
    bool ok = true;
    QString error; // why no summary can be shown, for the user
    std::vector<SummaryCall> calls;
    QStringList lines; // record, "  =  ", cost as currency
    qint64 totalSeconds = 0;
    qint64 totalPence = 0; // brought to whole pence after every call

    // Lists one call and adds it to the totals.
    void add(QDate day, QStringView record, const RecordFields &fields, const CallCost &call,
             const QString &costText);
};

// Offsets count days before today (0 today, negative after it), both ends
// included, firstOffset <= lastOffset. minConnect is in minutes.
Summary SummarisePeriod(const LogIndex &log, QDate today, qint64 firstOffset, qint64 lastOffset,
                        double minConnect, const Regional &regional);

Summary SummarisePeriod(const QString &logText, QDate today, qint64 firstOffset,
                        qint64 lastOffset, double minConnect, const Regional &regional);
