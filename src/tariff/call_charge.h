#pragma once

#include <QString>

// The charge in whole pence for a call of the given elapsed hours and minutes
// at fee pence per minute: every minute begun is charged, and never less than
// the min connect time. 64-bit, so a long call at a high fee cannot wrap.
qint64 CallCharge(qint64 hours, qint64 minutes, double fee, const QString &minConnectTime);
