#pragma once

#include <QDate>
#include <QRandomGenerator>
#include <QString>

// Call logs as the program writes them (and, if asked, spoiled by hand), for
// the benchmarks.
struct LogShape
{
    int records = 100;
    QDate newestDay = QDate(2026, 12, 6);
    int daysBack = 30;       // calls start on days from newestDay back this many
    double spoilRate = 0.0;  // the share of records that get damaged
    bool inTimeOrder = false; // oldest day first, as a log grows call by call
};

QString logRecordText(QDate day, QTime start, const QString &duration, double fee);

QString generateLog(const LogShape &shape, QRandomGenerator &random);

// A year of calls up to newestDay, oldest first as a log grows, the same
// every time for the same number of records.
QString yearOfCalls(int records, QDate newestDay);

// The charges file the program keeps beside a log whose every call was
// priced under rules: a line for each record, in the log's order.
QByteArray chargesOf(const QString &log);
