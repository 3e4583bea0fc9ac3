#pragma once

// Whether a ruleset without a default prices every call: its rules by time
// must cover each minute of each day a call can begin.

#include "tariff/time_rule.h"

#include <QList>
#include <QString>

#include <optional>
#include <utility>

// Where rules by time leave a call's start unpriced: the first weekday
// (1 for Monday) and minute of the day none covers on some day, from units
// that begin with the call (an "after" covers no call's start); none where
// they cover every start.
std::optional<std::pair<int, int>> firstUncovered(const QList<TimeRule> &timeRules);

// Why such a ruleset is refused, naming that weekday and minute.
QString uncoveredText(std::pair<int, int> at);
