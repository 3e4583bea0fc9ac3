#pragma once

// A summary lists the logged calls of a range of days, newest day first and
// log order within a day, each with its cost, and totals their time and cost.
// A call priced under the tariff's rules costs the charge kept when it ended;
// any other is priced again from its record (its duration and fee) by the
// table's own rule with the min connect time as it is now. A call on a link
// billed by the MB has its bytes kept beside the log too, and its line and
// the totals show them; a period without such calls reads as it always has.

#include "calllog/call_bytes.h"
#include "calllog/log_index.h"
#include "calllog/record_reader.h"
#include "common/regional.h"

#include <QDate>
#include <QStringList>

#include <vector>

// One listed call. Its record stays where it stands in the log text, which
// the summary keeps, so a year of calls is neither copied out nor turned into
// list lines until someone shows or prints them. A year of calls is a big
// vector, walked once as it is made: what can be read again from the record
// is, and the rest is held as narrow as it provably fits.
struct SummaryCall
{
    QDate day;
    const QChar *recordAt = nullptr;
    double cost = 0.0; // pence
    qint32 recordLength = 0;
    // The record's first two commas, from its start: its fields follow from them.
    qint32 firstComma = 0;
    qint32 secondComma = 0;
    // Each part of a duration is read from two characters, so it is under 100.
    qint32 lengthSeconds = 0;
    qint32 costText = 0; // in Summary::costTexts
    // A call on a link billed by the MB: where its bytes are in
    // Summary::callBytes, -1 for none. An index rather than the bytes, as
    // most calls have none.
    qint32 bytesAt = -1;

    bool hasBytes() const { return bytesAt >= 0; }

    // From its start date up to its "#".
    QStringView record() const { return { recordAt, recordLength }; }
    QStringView starttime() const { return fields().starttime.in(record()); }
    QStringView duration() const { return fields().duration.in(record()); }
    // Pence per minute. Read when asked: a call whose charge was kept needs
    // no fee for its cost.
    double fee() const;

private:
    // As they were read when the call was listed.
    RecordFields fields() const
    {
        return readRecordFields(record(), firstComma, secondComma).value_or(RecordFields {});
    }
};

struct Summary
{
    bool ok = true;
    QString error; // why no summary can be shown, for the user
    std::vector<SummaryCall> calls;
    qint64 totalSeconds = 0;
    qint64 totalPence = 0; // brought to whole pence after every call
    // Calls priced from their records: those with no charge kept, and those
    // whose kept charge is damaged.
    qint64 withoutCharge = 0;
    qint64 damagedCharges = 0;
    // The calls with bytes kept, and their bytes.
    qint64 dataCalls = 0;
    qint64 totalReceived = 0;
    qint64 totalSent = 0;
    qint64 mbBytes = 1000000; // the MB the lines show volumes in
    // Whether the calls with bytes were priced by their volume (a data
    // tariff is set): their lines then show the volume in place of the
    // price a minute, which did not price them.
    bool dataPriced = false;
    Regional regional = Regional(); // the volumes' and costs' form
    std::vector<CallBytes> callBytes; // of the calls with bytes, in their order
    // The few calls with bytes that crossed a bill month's start, by their
    // place in callBytes, in order.
    std::vector<std::pair<qint32, SessionSplit>> splits;
    std::optional<SessionSplit> splitOf(const SummaryCall &call) const;

    const CallBytes &bytesOf(const SummaryCall &call) const
    {
        return callBytes[size_t(call.bytesAt)];
    }
    QString logText; // holds the calls' records, which are views into it
    // Each cost the calls come to, as currency, once: a year of calls costs
    // only a few hundred different sums.
    QStringList costTexts;

    // The list line of a call: its record, for a call with bytes "  ,  "
    // and its volume ("12.3 MB"), then "  =  " and its cost as currency.
    // Priced by volume, the volume stands in the price a minute's place:
    // "05:12:2026  ,  10:01:00  ,  00:05:01  ,  2.3 MB by volume  =  £0.12".
    QString line(size_t call) const;
    // Every call's line, in order.
    QStringList lines() const;

    // The calls priced without the rules they ended under: a damaged charge
    // always, and while rules are set every call without one.
    qint64 pricedWithoutRules(bool rulesSet) const
    {
        return damagedCharges + (rulesSet ? withoutCharge : 0);
    }
};

// Offsets count days before today (0 today, negative after it), both ends
// included, firstOffset <= lastOffset. minConnect is in minutes.
Summary SummarisePeriod(const LogIndex &log, QDate today, qint64 firstOffset, qint64 lastOffset,
                        double minConnect, const Regional &regional);

Summary SummarisePeriod(const QString &logText, QDate today, qint64 firstOffset,
                        qint64 lastOffset, double minConnect, const Regional &regional);
