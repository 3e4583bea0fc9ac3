#pragma once

// callwise-report's --tariff and --compare: the period's calls priced again
// by other tariffs, beside what they cost by today's.

#include "calllog/summary.h"
#include "common/regional.h"
#include "tariff/other_tariff.h"

#include <QStringList>

#include <vector>

// "With other.ini these calls would have cost £2.80: £1.40 more." (or
// "less.", or ": the same.")
QString otherTariffSentence(
    const QString &name, qint64 otherPence, qint64 todayPence, const Regional &regional);

// Today's tariff and the others, cheapest first, each with its total and
// how far it lies from today's; equal totals keep today's first, then the
// order given. "1. b.ini: £1.20, £0.40 less"
QStringList tariffRanking(
    const Summary &summary, const std::vector<OtherTariff> &others, const Regional &regional);

// "2 calls from 29/11/2026 to 06/12/2026"
QString callsOfPeriodText(const Summary &summary, QDate first, QDate last);
