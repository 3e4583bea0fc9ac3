#include "statement/data_bill_check.h"

#include "calllog/summary_text.h"
#include "common/rounding.h"
#include "common/user_date.h"
#include "statement/bill_check.h"
#include "statement/check_report.h"

#include <QCoreApplication>

#include <algorithm>
#include <tuple>

qint64 volumeTolerance(qint64 billedBytes, qint64 roundingBytes)
{
    // A twentieth of the volume, or the rounding unit, or 100 KB for bills
    // printed to a tenth of a MB, whichever is most.
    return std::max({ billedBytes / 20, roundingBytes, qint64(100000) });
}

DataBillCheck checkDataBill(const Statement &statement, QDate first, QDate last,
    const Summary &summary, qint64 mbBytes, qint64 roundingBytes)
{
    DataBillCheck check;
    check.first = first;
    check.last = last;
    check.mbBytes = mbBytes;
    check.skipped = statement.skipped;
    check.billedOtherDays = billedCallsOfDays(statement, first, last, check.billed);
    // The logged calls with their bytes, at the price the summary counts.
    const std::vector<LoggedCall> calls = loggedCalls(summary);
    for (size_t i = 0; i < summary.calls.size(); ++i) {
        const SummaryCall &call = summary.calls[i];
        if (call.hasBytes())
            check.logged.push_back({ call.day, calls[i].startSecond,
                summary.bytesOf(call).received + summary.bytesOf(call).sent, call.cost });
    }
    struct Candidate
    {
        qint64 distance;
        size_t billed;
        size_t logged;
    };
    std::vector<Candidate> candidates;
    for (size_t b = 0; b < check.billed.size(); ++b) {
        const BilledCall &bill = check.billed[b];
        const qint64 bytes = bill.volumeBytes(mbBytes);
        for (size_t l = 0; l < check.logged.size(); ++l) {
            const LoggedSession &session = check.logged[l];
            const qint64 apart = qAbs(
                secondsSinceDayOne(session.day, session.startSecond) - secondsSinceDayOne(bill.day, bill.startSecond));
            const qint64 off = qAbs(session.bytes - bytes);
            if (apart <= kStartTolerance && off <= volumeTolerance(bytes, roundingBytes))
                candidates.push_back(
                    { apart * 1000 + off * 1000 / std::max<qint64>(1, bytes), b, l });
        }
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &x, const Candidate &y) {
        return std::tie(x.distance, x.billed, x.logged) < std::tie(y.distance, y.billed, y.logged);
    });
    std::vector<bool> billedTaken(check.billed.size()), loggedTaken(check.logged.size());
    for (const Candidate &candidate : candidates) {
        if (billedTaken[candidate.billed] || loggedTaken[candidate.logged])
            continue;
        billedTaken[candidate.billed] = loggedTaken[candidate.logged] = true;
        check.pairs.emplace_back(candidate.billed, candidate.logged);
    }
    std::sort(check.pairs.begin(), check.pairs.end());
    for (size_t b = 0; b < check.billed.size(); ++b) {
        if (!billedTaken[b])
            check.billedOnly.push_back(b);
    }
    for (size_t l = 0; l < check.logged.size(); ++l) {
        if (!loggedTaken[l])
            check.loggedOnly.push_back(l);
    }
    std::stable_sort(
        check.loggedOnly.begin(), check.loggedOnly.end(), [&check](size_t x, size_t y) {
            return secondsSinceDayOne(check.logged[x].day, check.logged[x].startSecond)
                < secondsSinceDayOne(check.logged[y].day, check.logged[y].startSecond);
        });
    return check;
}

QStringList dataBillCheckLines(
    const QString &billName, const DataBillCheck &check, const Regional &regional)
{
    QStringList lines;
    lines << QCoreApplication::translate("BillCheck", "%1 against the log's data from %2 to %3")
                 .arg(billName, userDateText(check.first), userDateText(check.last))
          << QCoreApplication::translate(
                 "BillCheck", "Sessions billed: %1, logged: %2, on both: %3")
                 .arg(check.billed.size())
                 .arg(check.logged.size())
                 .arg(check.pairs.size());
    appendLeftOut(lines, check.billedOtherDays, check.skipped);
    QStringList billedOnly, loggedOnly, priced;
    double billedPence = 0.0;
    for (const BilledCall &call : check.billed)
        billedPence += call.pence;
    for (const size_t b : check.billedOnly) {
        const BilledCall &call = check.billed[b];
        billedOnly << QCoreApplication::translate("BillCheck", "%1  %2  %3  (line %4)")
                          .arg(startText(call.day, call.startSecond),
                              regional.volume(call.volumeBytes(check.mbBytes), check.mbBytes),
                              moneyText(call.pence, regional))
                          .arg(call.line);
    }
    qint64 loggedPence = 0;
    for (const LoggedSession &session : check.logged)
        loggedPence += roundHalfEven(session.pence);
    for (const size_t l : check.loggedOnly) {
        const LoggedSession &session = check.logged[l];
        loggedOnly << QStringLiteral("%1  %2  %3")
                          .arg(startText(session.day, session.startSecond),
                              regional.volume(session.bytes, check.mbBytes),
                              moneyText(session.pence, regional));
    }
    for (const auto &[b, l] : check.pairs) {
        const BilledCall &bill = check.billed[b];
        const LoggedSession &session = check.logged[l];
        if (!samePrice(bill.pence, session.pence))
            priced << QCoreApplication::translate("BillCheck", "%1  %2  billed %3, logged %4")
                          .arg(startText(session.day, session.startSecond),
                              regional.volume(session.bytes, check.mbBytes),
                              moneyText(bill.pence, regional), moneyText(session.pence, regional));
    }
    appendSections(lines, billedOnly, loggedOnly, priced);
    appendTotals(lines, roundHalfEven(billedPence), loggedPence, regional);
    return lines;
}
