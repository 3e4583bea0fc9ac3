#include "statement/bill_check.h"

#include "common/number_reader.h"
#include "common/rounding.h"
#include "common/user_date.h"
#include "statement/check_report.h"
#include "statement/price_differences.h"

#include <QCoreApplication>
#include <algorithm>
#include <unordered_map>

namespace {

constexpr qint64 kSecondsPerDay = 86400;

QString durationText(qint64 seconds)
{
    return QString::asprintf(
        "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

} // namespace

Summary summaryOfDays(
    const LogIndex &log, QDate first, QDate last, double minConnect, const Regional &regional)
{
    return SummarisePeriod(log, last, 0, first.daysTo(last), minConnect, regional);
}

std::vector<LoggedCall> loggedCalls(const Summary &summary)
{
    std::vector<LoggedCall> calls;
    calls.reserve(summary.calls.size());
    for (const SummaryCall &call : summary.calls) {
        // The log's "hh:mm:ss", read as the summary reads its fields.
        const QStringView start = call.starttime();
        const auto part
            = [start](qsizetype from) { return qint64(readNumber(start.mid(from, 2))); };
        const qint64 second
            = qBound<qint64>(0, (part(0) * 60 + part(3)) * 60 + part(6), kSecondsPerDay - 1);
        calls.push_back({ call.day, int(second), call.lengthSeconds, call.fee(), call.cost });
    }
    return calls;
}

CallMatch matchCalls(const std::vector<BilledCall> &billed, const std::vector<LoggedCall> &logged)
{
    // The logged calls by the minute they began, so each billed call looks
    // at the few minutes around its own start only.
    std::unordered_map<qint64, std::vector<size_t>> byMinute;
    byMinute.reserve(logged.size());
    for (size_t l = 0; l < logged.size(); ++l)
        byMinute[secondsSinceDayOne(logged[l].day, logged[l].startSecond) / 60].push_back(l);

    struct Candidate
    {
        qint64 distance;
        size_t billed;
        size_t logged;
    };
    std::vector<Candidate> candidates;
    for (size_t b = 0; b < billed.size(); ++b) {
        const qint64 start = secondsSinceDayOne(billed[b].day, billed[b].startSecond);
        for (qint64 minute = (start - kStartTolerance) / 60;
             minute <= (start + kStartTolerance) / 60; ++minute) {
            const auto found = byMinute.find(minute);
            if (found == byMinute.end())
                continue;
            for (const size_t l : found->second) {
                const qint64 apart
                    = qAbs(secondsSinceDayOne(logged[l].day, logged[l].startSecond) - start);
                const qint64 longer = qAbs(logged[l].seconds - billed[b].seconds);
                if (apart <= kStartTolerance && longer <= kDurationTolerance)
                    candidates.push_back({ apart + longer, b, l });
            }
        }
    }
    // Nearest first, each call taken once.
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &x, const Candidate &y) {
        return std::tie(x.distance, x.billed, x.logged) < std::tie(y.distance, y.billed, y.logged);
    });
    std::vector<bool> billedTaken(billed.size()), loggedTaken(logged.size());
    CallMatch match;
    for (const Candidate &candidate : candidates) {
        if (billedTaken[candidate.billed] || loggedTaken[candidate.logged])
            continue;
        billedTaken[candidate.billed] = loggedTaken[candidate.logged] = true;
        match.pairs.push_back({ candidate.billed, candidate.logged });
    }
    std::sort(match.pairs.begin(), match.pairs.end(),
        [](const CallPair &x, const CallPair &y) { return x.billed < y.billed; });
    for (size_t b = 0; b < billed.size(); ++b) {
        if (!billedTaken[b])
            match.billedOnly.push_back(b);
    }
    for (size_t l = 0; l < logged.size(); ++l) {
        if (!loggedTaken[l])
            match.loggedOnly.push_back(l);
    }
    std::stable_sort(
        match.loggedOnly.begin(), match.loggedOnly.end(), [&logged](size_t x, size_t y) {
            return secondsSinceDayOne(logged[x].day, logged[x].startSecond)
                < secondsSinceDayOne(logged[y].day, logged[y].startSecond);
        });
    return match;
}

double BillCheck::billedPence() const
{
    double total = 0.0;
    for (const BilledCall &call : billed)
        total += call.pence;
    return total;
}

int billedCallsOfDays(
    const Statement &statement, QDate first, QDate last, std::vector<BilledCall> &billed)
{
    int otherDays = 0;
    for (const BilledCall &call : statement.calls) {
        if (call.day >= first && call.day <= last)
            billed.push_back(call);
        else
            ++otherDays;
    }
    return otherDays;
}

BillCheck checkBill(const Statement &statement, QDate first, QDate last, const Summary &summary,
    const TariffTable &table, const TariffRules &rules)
{
    BillCheck check;
    check.first = first;
    check.last = last;
    check.skipped = statement.skipped;
    check.billedOtherDays = billedCallsOfDays(statement, first, last, check.billed);
    check.logged = loggedCalls(summary);
    check.loggedPence = summary.totalPence;
    check.match = matchCalls(check.billed, check.logged);
    check.minConnectMinutes = readNumber(table.minConnectTime());
    check.suggestion = suggestRules(check.billed, check.logged, check.match.pairs, table, rules);
    return check;
}

QStringList billCheckLines(const QString &billName, const BillCheck &check,
    const TariffRules &rules, const Regional &regional)
{
    QStringList lines;
    lines << QCoreApplication::translate("BillCheck", "%1 against the log from %2 to %3")
                 .arg(billName, userDateText(check.first), userDateText(check.last))
          << QCoreApplication::translate("BillCheck", "Calls billed: %1, logged: %2, on both: %3")
                 .arg(check.billed.size())
                 .arg(check.logged.size())
                 .arg(check.match.pairs.size());
    appendLeftOut(lines, check.billedOtherDays, check.skipped);

    QStringList billedOnly, loggedOnly, priced;
    for (const size_t b : check.match.billedOnly) {
        const BilledCall &call = check.billed[b];
        billedOnly << QCoreApplication::translate("BillCheck", "%1  %2  %3  (line %4)")
                          .arg(startText(call.day, call.startSecond), durationText(call.seconds),
                              moneyText(call.pence, regional))
                          .arg(call.line);
    }
    for (const size_t l : check.match.loggedOnly) {
        const LoggedCall &call = check.logged[l];
        loggedOnly << QStringLiteral("%1  %2  %3")
                          .arg(startText(call.day, call.startSecond), durationText(call.seconds),
                              moneyText(call.pence, regional));
    }
    for (const CallPair &pair : check.match.pairs) {
        const BilledCall &bill = check.billed[pair.billed];
        const LoggedCall &call = check.logged[pair.logged];
        if (!samePrice(bill.pence, call.pence))
            priced << QCoreApplication::translate("BillCheck", "%1  %2  billed %3, logged %4")
                          .arg(startText(call.day, call.startSecond), durationText(call.seconds),
                              moneyText(bill.pence, regional), moneyText(call.pence, regional));
    }
    appendSections(lines, billedOnly, loggedOnly, priced);
    appendTotals(lines, roundHalfEven(check.billedPence()), check.loggedPence, regional);
    lines << QString() << suggestionText(check.suggestion, rules, regional)
          << differenceLines(check.suggestion, check.logged, check.minConnectMinutes, regional);
    return lines;
}
