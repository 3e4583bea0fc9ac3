#pragma once

// The charges of calls priced under the tariff's rules, as they stood when
// each call ended, so a later change of the tariff or the rules re-prices no
// past call. They lie in a file of their own beside the log, which keeps its
// four-line records: one line a call, appended right after the call's record,
//     start date "dd:mm:yyyy"  ,  start time  ,  duration  ,  pence#
// for example "07:12:2026  ,  10:00:00  ,  00:02:05  ,  28#". The start and
// the length name the call, so a line lost to a crash between the two
// appends shifts no other charge onto the wrong call.

#include "common/text_file.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <unordered_map>
#include <vector>

inline constexpr char16_t kCallChargesFileName[] = u"netcharges.ini";

// The charges of a log lie beside it.
QString callChargesPath(const QString &logPath);

// The line of one call's charge in whole pence.
QString callChargeLine(const QString &startdate, const QString &starttime,
                       const QString &duration, qint64 pence);

// Appends one line in one synced write, as the log's records are appended.
FileResult appendCallCharge(const QString &chargesPath, const QString &line);

// The charges of a file, found by the call they belong to. A line whose
// call can be read but whose charge cannot is kept as damaged, so that call
// is known to have lost its charge; a line whose call cannot be read names
// no call and counts for nothing.
class ChargeIndex
{
public:
    // A call as the key of its charge: its start and its length, or 0 when
    // its texts are not the "hh:mm:ss" the program writes. A day's part of
    // the keys is worked out once for all its calls.
    using Key = quint64;
    static Key dayKey(QDate startDate); // 0 for a day outside the years 0 to 9999
    static Key keyOf(Key dayKey, QStringView starttime, QStringView duration);
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

    bool isEmpty() const { return m_charges.empty(); }
    qsizetype size() const { return qsizetype(m_charges.size()); }

    // A readable charge wins over a damaged one of the same call, and the
    // first appended over a later one. With a hint (where the last look-up
    // ended) calls are matched in turn instead: those looked up in the order
    // their charges were appended, as a summary looks up a day's calls in the
    // log's order, are found without a search, and two calls of the same
    // start and length each get their own. Not for two threads at once: the
    // first look-up out of the file's order sorts.
    Found find(Key key, size_t &hint) const;
    Found find(Key key) const
    {
        size_t hint = m_charges.size();
        return find(key, hint);
    }

private:
    // The key doubled, plus one for a damaged charge, so a readable charge
    // sorts before a damaged one of the same call.
    struct Entry
    {
        quint64 order = 0;
        qint64 pence = 0;
    };
    const Entry *searched(quint64 order) const;

    std::vector<Entry> m_charges; // in the file's order
    // Where each day's charges begin in the file.
    std::unordered_map<quint64, quint32> m_dayStarts;
    bool m_inOrder = true; // the file's order is the keys'
    // The charges by key, made for the first look-up the file's order does not answer.
    mutable std::vector<quint32> m_byKey;
};

// The charges file as it stands; no file, or one that cannot be read, holds
// none.
ChargeIndex LoadCallCharges(const QString &chargesPath);

// Empties the charges file, if there is one, through the one file writer.
FileResult ClearCallCharges(const QString &chargesPath);
