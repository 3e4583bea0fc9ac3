// The call log loader against the file's lines read one by one, and the
// indexed summary against the per-day scan of the whole text: the same calls,
// lines and totals, or both fail.

#include "calllog/call_log.h"
#include "calllog/summary.h"
#include "common/text_file.h"
#include "fuzz_check.h"
#include "reference_summary.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Regional british(QLocale(QLocale::English, QLocale::UnitedKingdom));
    FuzzedDataProvider provider(data, size);
    // The seeds' calls lie around 6 Dec 2026; periods reach a few weeks
    // after today, over a year back, and across the turn of a year.
    const QDate today = QDate(2026, 12, 6).addDays(provider.ConsumeIntegralInRange(-40, 40));
    const qint64 first = provider.ConsumeIntegralInRange(-10, 40);
    const qint64 last = first + provider.ConsumeIntegralInRange(0, 400);
    const double minConnect = provider.ConsumeIntegralInRange(0, 9);
    const std::string bytes = provider.ConsumeRemainingBytesAsString();

    const QString path = scratchPath(QStringLiteral("netcosts.ini"));
    putBytes(path, QByteArray(bytes.data(), qsizetype(bytes.size())));
    const QString log = LoadCallLog(path, MissingLog::LeaveAlone);
    const std::optional<QStringList> lines = readLines(path);
    FUZZ_CHECK(lines && log == lines->join(QString()));

    const Summary indexed = SummarisePeriod(log, today, first, last, minConnect, british);
    const ReferenceSummary reference =
        referenceSummary(log, today, first, last, minConnect, british);
    FUZZ_CHECK(indexed.ok == reference.ok);
    if (!indexed.ok)
        return 0;
    FUZZ_CHECK(indexed.lines() == reference.lines);
    FUZZ_CHECK(indexed.totalSeconds == reference.totalSeconds);
    FUZZ_CHECK(indexed.totalPence == reference.totalPence);
    FUZZ_CHECK(indexed.calls.size() == reference.days.size());
    for (size_t i = 0; i < indexed.calls.size(); ++i) {
        FUZZ_CHECK(indexed.calls[i].day == reference.days[i]);
        FUZZ_CHECK(indexed.calls[i].starttime() == reference.starttimes[qsizetype(i)]);
        FUZZ_CHECK(indexed.calls[i].duration() == reference.durations[qsizetype(i)]);
    }
    return 0;
}
