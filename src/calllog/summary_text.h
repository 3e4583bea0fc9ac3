#pragma once

// The texts around a summary's list: the column heading, the two total
// captions and the lines a printed summary consists of.

#include "common/regional.h"

#include <QStringList>

// The heading, in the user's language: its words stand over the list's
// columns.
QString summaryHeading();

// "Total Time = " with hours, minutes and seconds: "Total Time =  1: 2: 5".
QString totalTimeCaption(qint64 totalSeconds);

// "Total Calls Cost= " with the pence as currency: "Total Calls Cost= £0.12".
QString totalCostCaption(qint64 totalPence, const Regional &regional);

// What goes to paper: the title, two empty lines, the heading, the list, then
// the cost caption before the time caption.
QStringList printedSummaryLines(const QString &heading, const QStringList &list,
                                const QString &costCaption, const QString &timeCaption);
