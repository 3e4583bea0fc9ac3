#pragma once

// Why a bill and the log differ, found by trying the tariff rules on the
// logged calls it has matched: a fee per call, each charge unit operators
// offer, a flat first charge, each unit at its own rate and the bank
// holidays of England and Wales, alone and together. Every try prices the
// calls through the one pricing code, as the rules would price them.

#include "statement/statement.h"
#include "tariff/tariff_rules.h"
#include "tariff/tariff_table.h"

#include <QDate>
#include <QString>

#include <vector>

struct LoggedCall
{
    QDate day;
    int startSecond = 0; // of its day
    qint64 seconds = 0;
    double fee = 0.0; // pence a minute, its record's: the fee in force at its end
    double pence = 0.0; // what Callwise counts it at
};

struct CallPair
{
    size_t billed = 0;
    size_t logged = 0;
};

// The same to the penny, as a bill and the costs window show them.
bool samePrice(double pence, double otherPence);

struct RuleSuggestion
{
    TariffRules rules; // the rules as they would be
    int compared = 0; // the calls on both the bill and the log
    int matchingNow = 0; // ... priced as billed now
    int matchingWith = 0; // ... priced as billed under rules

    bool helps() const { return matchingWith > matchingNow; }
};

// The setting under which most matched calls are priced as billed, counted
// from the rules in force; of two that price as many, the one that changes
// fewer settings. That may be the rules in force, when the log's prices were
// fixed before they were set.
RuleSuggestion suggestRules(const std::vector<BilledCall> &billed,
    const std::vector<LoggedCall> &logged, const std::vector<CallPair> &pairs,
    const TariffTable &table, const TariffRules &current);

// "A fee per call of 15p and 60/1 units would make 41 of 42 calls match."
QString suggestionText(const RuleSuggestion &suggestion, const TariffRules &current);
