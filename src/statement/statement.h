#pragma once

// The operator's itemised bill, exported as CSV, read as the calls it
// charges. Operators and spreadsheets write it in many ways, so the reading
// is tolerant: the columns are found by the words of their headers, in any
// order and case ("Call date", "Duration (secs)", "Cost (£)"); commas,
// semicolons or tabs separate the fields; money, durations and dates come in
// the forms people write them. What it says back is precise: a file whose
// columns cannot be found says which it looked for, and every row that
// cannot be read is named by its line and left out. A data bill names a
// volume ("Volume", "Data", "MB", "KB") where a call bill names a duration:
// each row is then a session's data.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

struct BilledCall
{
    int line = 0; // of the file, where its row begins
    QDate day;
    int startSecond = 0; // of its day
    qint64 seconds = 0;
    double pence = 0.0;
    // A data bill's: the volume in units of 1000 (or 1024) to the power of
    // volumeScale bytes: 0 bytes, 1 KB, 2 MB, 3 GB.
    double volume = 0.0;
    int volumeScale = 0;

    // The volume in bytes, for a MB of mbBytes.
    qint64 volumeBytes(qint64 mbBytes) const;
};

struct Statement
{
    bool ok = true;
    // Why no call can be read from it at all, for the user after the file's
    // name: the file, its columns, or every row.
    QString why;
    std::vector<BilledCall> calls; // in the file's order
    QStringList skipped; // "line 7: the date "31/02/2026" is not a date", one a row left out
    bool data = false; // a data bill: its calls are sessions with a volume
};

Statement readStatement(const QString &path);
Statement readStatementBytes(const QByteArray &bytes);

// The first and last days of its calls; invalid dates when it has none.
std::pair<QDate, QDate> statementDays(const Statement &statement);
