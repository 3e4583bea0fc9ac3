#pragma once

#include "calllog/summary.h"

// The summary as the straightforward per-day scan computes it: for each day
// of the period, search the whole log text for the day key again and again.
// Kept as the reference the indexed summary must agree with.
Summary referenceSummary(const QString &logText, QDate today, qint64 firstOffset,
                         qint64 lastOffset, double minConnect, const Regional &regional);
