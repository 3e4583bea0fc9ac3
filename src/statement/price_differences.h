#pragma once

// The calls a rule suggestion leaves priced otherwise than billed, told in
// groups of what they share, as the faults that explain them usually do:
// calls shorter than the tariff's min connect time, one day (a holiday the
// operator keeps), one hour of the day (a band that starts elsewhere), one
// day of the week.

#include "statement/rule_suggestion.h"

#include <QStringList>

#include <vector>

// The biggest group first, a line each: "3 calls under 3 minutes differ by
// 2p to 5p, less on the bill." A call no other shares is named by its date
// and time. minConnectMinutes: the tariff's as it is now.
QStringList differenceLines(const RuleSuggestion &suggestion, const std::vector<LoggedCall> &logged,
    double minConnectMinutes, const Regional &regional);
