#pragma once

// The bytes each call moved over a link billed by the megabyte, received
// and sent, as its link's counters gave them. A side record beside the log
// (side_record.h), which keeps its four-line records: one line a call,
// appended and synced after the call's record and its charge,
//     start date "dd:mm:yyyy"  ,  start time  ,  duration  ,  received  ,  sent#
// for example "07:12:2026  ,  10:00:00  ,  00:02:05  ,  1048576  ,  20480#".
// Only totals are kept: the data pricer spreads them over the call's
// seconds. A call that crossed the start of a data bill month has three
// more values before its "#": the seconds into it the month began and the
// bytes received and sent by then, so its bytes fall on each side as they
// did while it ran, whoever reads the line, however often. A call billed by the minute has no line here, and without such
// calls there is no file.

#include "calllog/side_record.h"
#include "common/text_file.h"
#include "tariff/data_price.h"

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <unordered_map>

inline constexpr char16_t kCallBytesFileName[] = u"netbytes.ini";

// The bytes of a log's calls lie beside it.
QString callBytesPath(const QString &logPath);

QString callBytesLine(const QString &startdate, const QString &starttime, const QString &duration,
    qint64 received, qint64 sent, const std::optional<SessionSplit> &split = std::nullopt);

// Appends one line in one synced write, as the log's records are appended.
FileResult appendCallBytes(const QString &bytesPath, const QString &line);

struct CallBytes
{
    qint64 received = 0;
    qint64 sent = 0;
};

// The bytes of a file, found by the call they belong to, as the charges are
// found (ChargeIndex): a line whose call can be read but whose bytes cannot
// is damaged, one whose call cannot be read counts for nothing.
class BytesIndex
{
public:
    using Key = SideRecordKey;
    using Kept = SideRecordIndex<CallBytes>::Kept;
    struct Found
    {
        Kept kept = Kept::None;
        CallBytes value {};
        std::optional<SessionSplit> split; // a call across a bill month's start
    };

    BytesIndex() = default;
    explicit BytesIndex(QByteArrayView bytes);

    bool isEmpty() const { return m_bytes.isEmpty(); }
    qsizetype size() const { return m_bytes.size(); }

    Found find(Key key, size_t &hint) const;
    Found find(Key key) const
    {
        size_t hint = size_t(m_bytes.size());
        return find(key, hint);
    }

private:
    // Few calls cross a bill month's start, so their splits are held apart
    // by their lines' places, and the year's bytes stay as narrow as before.
    std::unordered_map<quint32, SessionSplit> m_splits;
    SideRecordIndex<CallBytes> m_bytes;
};

// The bytes file as it stands; no file, or one that cannot be read, holds
// none.
BytesIndex LoadCallBytes(const QString &bytesPath);

// Empties the bytes file, if there is one, through the one file writer.
FileResult ClearCallBytes(const QString &bytesPath);
