#pragma once

// The operator's bill checked against the call log: each billed call is
// matched with a logged one, one to one, nearest first (starts within two
// minutes, durations within one); what is left on either side, the calls
// priced differently and both totals are reported, and the tariff rules are
// tried on the logged calls for a setting that would price them as billed.
//
// A logged call's price is the one every figure of Callwise shows for it,
// taken from the period's summary, so the bill is compared with what the
// costs window, the chart and the report say.

#include "calllog/log_index.h"
#include "calllog/summary.h"
#include "common/regional.h"
#include "statement/rule_suggestion.h"
#include "statement/statement.h"
#include "tariff/tariff_rules.h"
#include "tariff/tariff_table.h"

#include <QDate>
#include <QStringList>

#include <vector>

// The summary of the days from first to last, both included, as the costs
// window gives it: the logged calls a bill of those days is checked against.
Summary summaryOfDays(
    const LogIndex &log, QDate first, QDate last, double minConnect, const Regional &regional);

// The calls of a summary, each at the cost the summary counts it at.
std::vector<LoggedCall> loggedCalls(const Summary &summary);

// The bill's calls of the days first to last, in the bill's order, into
// billed; returns how many of its calls fall on other days.
int billedCallsOfDays(
    const Statement &statement, QDate first, QDate last, std::vector<BilledCall> &billed);

struct CallMatch
{
    std::vector<CallPair> pairs; // in the bill's order
    std::vector<size_t> billedOnly; // in the bill's order
    std::vector<size_t> loggedOnly; // oldest first
};

inline constexpr int kStartTolerance = 120; // seconds
inline constexpr int kDurationTolerance = 60;

CallMatch matchCalls(const std::vector<BilledCall> &billed, const std::vector<LoggedCall> &logged);

struct BillCheck
{
    QDate first; // the days checked
    QDate last;
    std::vector<BilledCall> billed; // the bill's calls of those days
    int billedOtherDays = 0; // left out
    QStringList skipped; // the bill's rows that could not be read
    std::vector<LoggedCall> logged;
    qint64 loggedPence = 0; // the summary's total, as the costs window shows it
    CallMatch match;
    double minConnectMinutes = 0.0; // the tariff's
    RuleSuggestion suggestion;

    double billedPence() const;
};

// The summary must be of the days from first to last.
BillCheck checkBill(const Statement &statement, QDate first, QDate last, const Summary &summary,
    const TariffTable &table, const TariffRules &rules);

// The report, a line each; billName names the bill's file.
QStringList billCheckLines(const QString &billName, const BillCheck &check,
    const TariffRules &rules, const Regional &regional);
