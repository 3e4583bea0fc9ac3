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
    // and the first "#" at or after it (-1 where there is none).
    struct KeyPlace
    {
        qsizetype key = -1;
        qsizetype firstComma = -1;
        qsizetype secondComma = -1;
        qsizetype hash = -1;
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
