#pragma once

#include "calllog/call_bytes.h"
#include "calllog/call_charges.h"
#include "calllog/call_log.h"

#include <QDate>
#include <QString>

#include <unordered_map>
#include <vector>

// Where each day's records stand in the log text, found in one pass, so a
// summary of many days does not search the whole text once per day; with the
// charges kept beside the log for the calls priced under rules and the
// bytes of the calls on links billed by the MB.
class LogIndex
{
public:
    // A place where a day key "dd:mm:yyyy" stands, with the first two commas
    // and the first "#" at or after it (kNone where there is none). A year
    // of places is read again by the summary, so they are held in 32 bits:
    // a place of a text too long for them is kNone, and a key beyond them
    // is kept without its "#", so the summary tells its day cannot be read.
    struct KeyPlace
    {
        static constexpr quint32 kNone = 0xffffffffu;
        quint32 key = kNone;
        quint32 firstComma = kNone;
        quint32 secondComma = kNone;
        quint32 hash = kNone;
        // A record of the shape the program writes has its start time and
        // duration read while its text is at hand, as a side record's key
        // holds them, with kTimesRead; 0 for any other, whose fields the
        // summary reads from the text.
        quint64 times = 0;
        static constexpr quint64 kTimesRead = quint64(1) << SideRecord::kDayShift;
        static constexpr quint64 kLength = (quint64(1) << SideRecord::kTimeBits) - 1;
    };

    explicit LogIndex(const QString &logText, ChargeIndex charges = {}, BytesIndex bytes = {});

    const QString &text() const { return m_text; }
    const ChargeIndex &charges() const { return m_charges; }
    const BytesIndex &bytes() const { return m_bytes; }

    // Every place of the key of the given day, in text order (overlapping
    // places included).
    const std::vector<KeyPlace> &places(int day, int month, int year) const;

    // The earliest calendar day whose key stands in the log; invalid when none.
    QDate oldestDay() const;

private:
    QString m_text;
    std::unordered_map<quint32, std::vector<KeyPlace>> m_days;
    ChargeIndex m_charges;
    BytesIndex m_bytes;
};

// The log as LoadCallLog reads it, and the charges and bytes beside it.
LogIndex LoadIndexedLog(const QString &logPath, MissingLog missing = MissingLog::Create);
