#pragma once

// The pieces a bill's check and a data bill's check both report with: a
// start and an amount as the report writes them, the bill's rows left out,
// the three sections of calls and the two totals with their difference.

#include "common/regional.h"

#include <QDate>
#include <QStringList>

// Seconds from the first day of the calendar: starts compared across days.
qint64 secondsSinceDayOne(QDate day, int second);
// "07/12/2026 10:00:00"
QString startText(QDate day, int second);
// Whole pence as currency.
QString moneyText(double pence, const Regional &regional);

// The bill's calls of other days and its rows that cannot be read, left out.
void appendLeftOut(QStringList &lines, int billedOtherDays, const QStringList &skipped);
// "Billed and not logged", "Logged and not billed" and "Priced differently",
// each with its count and its lines.
void appendSections(QStringList &lines, const QStringList &billedOnly,
    const QStringList &loggedOnly, const QStringList &priced);
// Both totals, whole pence, and which is the more by how much.
void appendTotals(QStringList &lines, qint64 billedPence, qint64 loggedPence,
    const Regional &regional);
