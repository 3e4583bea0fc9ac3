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

// "Total Data = " with the MB received and sent: "Total Data = 12.3 MB
// (10.1 MB received, 2.2 MB sent)".
QString totalDataCaption(qint64 received, qint64 sent, qint64 mbBytes, const Regional &regional);

// What goes to paper: the title, two empty lines, the heading, the list, then
// the cost caption before the time caption, and the data caption last
// where there is one.
QStringList printedSummaryLines(const QString &heading, const QStringList &list,
                                const QString &costCaption, const QString &timeCaption,
                                const QString &dataCaption = QString());
