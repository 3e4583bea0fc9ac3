// The operator's bill as CSV: any bytes give either calls or the reason
// there are none. Each call is of a day of the calendar, a time of the day,
// a duration and an amount within reach; every row left out is named by its
// line; and the bill checked against a small log accounts for each call on
// either side exactly once.

#include "calllog/call_log.h"
#include "fuzz_check.h"
#include "statement/bill_check.h"

#include <cmath>

namespace {

const QString &smallLog()
{
    static const QString log = [] {
        QString text;
        for (const char *start : { "10:00:00", "10:01:30", "23:59:00" })
            text += callRecordLines("07:12:2026", "00:02:05", start, 4.2).join(QString());
        return text;
    }();
    return log;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Regional british(QLocale(QLocale::English, QLocale::UnitedKingdom));
    static const LogIndex log(smallLog());
    const Statement statement
        = readStatementBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    FUZZ_CHECK(statement.ok == statement.why.isEmpty());
    FUZZ_CHECK(statement.ok || statement.calls.empty());
    int line = 0;
    for (const BilledCall &call : statement.calls) {
        FUZZ_CHECK(call.line > line);
        line = call.line;
        FUZZ_CHECK(call.day.isValid() && call.startSecond >= 0 && call.startSecond < 86400);
        FUZZ_CHECK(call.seconds >= 0 && std::isfinite(call.pence) && std::abs(call.pence) <= 1e9);
    }
    for (const QString &why : statement.skipped)
        FUZZ_CHECK(why.startsWith(u"line ") || why.startsWith(u"lines "));

    // A month around the log's calls, so each run stays quick whatever days the bill names.
    const QDate first(2026, 12, 1), last(2026, 12, 31);
    const Summary summary = summaryOfDays(log, first, last, 0, british);
    const BillCheck check = checkBill(statement, first, last, summary, TariffTable(), TariffRules());
    FUZZ_CHECK(check.billed.size() + size_t(check.billedOtherDays) == statement.calls.size());
    FUZZ_CHECK(check.match.pairs.size() + check.match.billedOnly.size() == check.billed.size());
    FUZZ_CHECK(check.match.pairs.size() + check.match.loggedOnly.size() == check.logged.size());
    FUZZ_CHECK(check.suggestion.matchingWith <= int(check.match.pairs.size()));
    FUZZ_CHECK(!billCheckLines(QStringLiteral("bill.csv"), check, TariffRules(), british).isEmpty());
    return 0;
}
