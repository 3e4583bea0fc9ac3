#pragma once

// Why a bill and the log differ, found by trying the tariff rules on the
// logged calls it has matched: a fee per call, each charge unit operators
// offer, a flat first charge, each unit at its own rate, the bank holidays
// of England and Wales, each setting in force cleared and the tariff's min
// connect time at none, alone and together, from no rules and from the
// rules in force. Every try prices the calls through the one pricing code,
// as the rules would price them.

#include "common/regional.h"
#include "statement/statement.h"
#include "tariff/tariff_rules.h"
#include "tariff/tariff_table.h"

#include <QCoreApplication>
#include <QDate>
#include <QFlags>
#include <QString>

#include <optional>
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

// The settings a suggestion may change, so that taking it changes only
// those and leaves the rest as the user has them.
enum class RuleSetting : unsigned {
    FeePerCall = 1,
    Units = 2,
    FirstCharge = 4,
    MinimumCharge = 8,
    OwnRate = 16,
    Holidays = 32,
    MinConnect = 64, // the tariff's, not the rules'
};
Q_DECLARE_FLAGS(RuleSettings, RuleSetting)
Q_DECLARE_OPERATORS_FOR_FLAGS(RuleSettings)

// A matched call priced otherwise than billed under the suggestion.
struct PriceDifference
{
    size_t logged = 0; // its index among the logged calls
    qint64 billed = 0; // whole pence
    qint64 priced = 0;
};

struct RuleSuggestion
{
    Q_DECLARE_TR_FUNCTIONS(RuleSuggestion)

public:
    TariffRules rules; // the rules as they would be
    // The tariff's min connect time as it would be, when it would change.
    std::optional<QString> minConnectTime;
    RuleSettings changed; // from the rules and the tariff in force
    int compared = 0; // the calls on both the bill and the log
    int matchingNow = 0; // ... priced as billed now
    int matchingWith = 0; // ... priced as billed under rules
    // When it helps, the calls it leaves priced otherwise, in the bill's order.
    std::vector<PriceDifference> differing;

    bool helps() const { return matchingWith > matchingNow; }
};

// The settings in which rules differ from those in force.
RuleSettings changedSettings(const TariffRules &rules, const TariffRules &current);

// The setting under which most matched calls are priced as billed, counted
// from the rules in force and the table's min connect time; of two that
// price as many, the one that changes fewer settings. That may be the rules
// in force, when the log's prices were fixed before they were set.
RuleSuggestion suggestRules(const std::vector<BilledCall> &billed,
    const std::vector<LoggedCall> &logged, const std::vector<CallPair> &pairs,
    const TariffTable &table, const TariffRules &current);

// "With a fee per call of 15p and 60/1 units, 41 of 42 calls would match."
// current: the rules in force.
QString suggestionText(
    const RuleSuggestion &suggestion, const TariffRules &current, const Regional &regional);
