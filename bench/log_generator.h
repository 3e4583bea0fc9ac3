#pragma once

#include "tariff/tariff_table.h"

#include <QDate>
#include <QRandomGenerator>
#include <QString>

#include <array>

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

// The bytes of a log file holding this log text, as the program writes it:
// each field a line of its own.
QByteArray logFileBytes(QString logText);

// A user's habit: the calls each day of the week brings on average (Monday
// first), their length, and how far a day strays from its weekday: each
// day's average is multiplied by a log-normal factor of this spread (0 for
// none) before its calls are drawn. Weekday calls start in the evening,
// weekend calls at any time from 09:00.
struct WeeklyHabit
{
    std::array<double, 7> callsPerDay{1.5, 1.5, 1.5, 2.0, 1.0, 4.0, 3.0};
    double meanMinutes = 20.0; // exponentially distributed, at most 3 hours
    double daySpread = 0.3;
};

// The calls of the days from first to last, oldest first, each logged with
// the fee the tariff gives at its end, as the call clock logs it.
QString habitLog(const WeeklyHabit &habit, QDate first, QDate last, const TariffTable &tariff,
                 QRandomGenerator &random);
// The charges file the program keeps beside a log whose every call was
// priced under rules: a line for each record, in the log's order.
QByteArray chargesOf(const QString &log);
// The bytes file of the same calls, every one of them on a link billed by the MB.
QByteArray bytesOf(const QString &log);
