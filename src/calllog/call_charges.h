#pragma once

// The charges of calls priced under the tariff's rules, as they stood when
// each call ended, so a later change of the tariff or the rules re-prices no
// past call. They lie in a side record of their own beside the log, which
// keeps its four-line records (side_record.h): one line a call, appended
// right after the call's record,
//     start date "dd:mm:yyyy"  ,  start time  ,  duration  ,  pence#
// for example "07:12:2026  ,  10:00:00  ,  00:02:05  ,  28#".

#include "calllog/side_record.h"
#include "common/text_file.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>

inline constexpr char16_t kCallChargesFileName[] = u"netcharges.ini";

// The charges of a log lie beside it.
QString callChargesPath(const QString &logPath);

// The line of one call's charge in whole pence.
QString callChargeLine(const QString &startdate, const QString &starttime,
                       const QString &duration, qint64 pence);

// Appends one line in one synced write, as the log's records are appended.
FileResult appendCallCharge(const QString &chargesPath, const QString &line);

// The charges of a file, found by the call they belong to (side_record.h).
class ChargeIndex
{
public:
    // A call as the key of its charge. A day's part of the keys is worked
    // out once for all its calls.
    using Key = SideRecordKey;
    static Key dayKey(QDate startDate) { return SideRecord::dayKey(startDate); }
    static Key keyOf(Key dayKey, QStringView starttime, QStringView duration)
    {
        return SideRecord::keyOf(dayKey, starttime, duration);
    }
    static Key keyOf(QDate startDate, QStringView starttime, QStringView duration)
    {
        return keyOf(dayKey(startDate), starttime, duration);
    }

    enum class Kept { None, Charge, Damaged };
    struct Found
    {
        Kept kept = Kept::None;
        qint64 pence = 0;
    };

    ChargeIndex() = default;
    // The file's bytes, Latin-1 lines.
    explicit ChargeIndex(QByteArrayView bytes);

    bool isEmpty() const { return m_charges.isEmpty(); }
    qsizetype size() const { return m_charges.size(); }

    // As SideRecordIndex::find: a readable charge wins over a damaged one,
    // the first appended over a later one, and with a hint calls are
    // matched in turn.
    Found find(Key key, size_t &hint) const;
    Found find(Key key) const
    {
        size_t hint = size_t(m_charges.size());
        return find(key, hint);
    }

private:
    SideRecordIndex<qint64> m_charges;
};

// The charges file as it stands; no file, or one that cannot be read, holds
// none.
ChargeIndex LoadCallCharges(const QString &chargesPath);

// Empties the charges file, if there is one, through the one file writer.
FileResult ClearCallCharges(const QString &chargesPath);
