// How a call's record reaches the log: the journal kept while it runs, the
// appends of its record, charge and bytes when it ends, and the split of a
// call longer than a record holds.

#include "calltime/call_clock.h"

#include "calllog/call_bytes.h"
#include "calllog/call_charges.h"
#include "calllog/call_journal.h"
#include "calllog/call_log.h"
#include "calltime/elapsed_text.h"

#include <QSocketNotifier>

namespace {

// A crash or a power cut loses at most this much of a call. Each rewrite is
// two syncs (the file and its directory): a few milliseconds of disk time.
constexpr qint64 kJournalSeconds = 10;

} // namespace

QStringList CallClock::journalLines(const QString &date, const QString &duration,
    const QString &start, double fee, std::optional<qint64> charge,
    std::optional<KeptBytes> bytes) const
{
    QStringList lines = callRecordLines(date, duration, start, fee);
    if (charge)
        lines << callChargeLine(date, start, duration, *charge);
    if (bytes)
        lines << callBytesLine(
            date, start, duration, bytes->bytes.received, bytes->bytes.sent, bytes->split);
    return lines;
}

std::optional<qint64> CallClock::keptCharge(qint64 seconds) const
{
    if (pricedByData())
        return dataCharge(seconds);
    if (rulesSet())
        return ruledCharge(seconds);
    return std::nullopt;
}

void CallClock::beginCall(const QDateTime &start, bool journalNow)
{
    starttime = start.time();
    startday = m_services.regional.weekdayName(start.date());
    startdate = logDateText(start.date());
    m_startMoment = start;
    m_lastSeen = m_services.clock.now();
    m_setBackSeconds = 0;
    setText(Field::LblStart, starttime.toString(u"HH:mm:ss"));
    m_elapsed = 0;
    m_elapsedShown = false;
    m_journalAt = -1;
    if (journalNow)
        keepJournal();
}

// The journal is first set to exactly the record that goes to the log, and
// the charge that goes beside it, so a program stopped between the appends
// or before the removal leaves a journal that the next start finds logged
// already or completes; and a failed append leaves it for the next start to
// log. The record goes first: a charge is never kept for a call not logged.
bool CallClock::appendRecord(const QString &date, const QString &duration, const QString &start,
    double fee, std::optional<qint64> charge, std::optional<KeptBytes> bytes, bool tellUser)
{
    const QStringList journal = journalLines(date, duration, start, fee, charge, bytes);
    const QStringList record = journal.mid(0, 4);
    writeCallJournal(m_journalPath, journal);
    // While the box of a failed append is open, scans still arrive; the call
    // is being closed already and must not be closed (or restarted) again.
    // The link's messages wait in their socket and are read in order after.
    m_closingCall = true;
    if (m_linkNotifier)
        m_linkNotifier->setEnabled(false);
    bool logged
        = tellUser ? AppendCallRecord(m_services.logPath, date, duration, start, fee,
                                      m_services.prompter)
                         .ok
                   : appendLines(m_services.logPath, record).ok;
    // The charge, then the bytes, in the journal's order.
    if (logged && charge)
        logged = appendCallCharge(m_chargesPath, journal.at(record.size())).ok;
    if (logged && bytes)
        logged = appendCallBytes(callBytesPath(m_services.logPath), journal.last()).ok;
    if (!logged && tellUser && (charge || bytes))
        m_services.prompter.showMessage(fileSaveErrorText());
    m_closingCall = false;
    if (m_linkNotifier)
        m_linkNotifier->setEnabled(true);
    if (logged) {
        removeCallJournal(m_journalPath);
        Q_EMIT callLogged();
    }
    return logged;
}

// Rewritten every kJournalSeconds. A failed write says nothing (a box every
// few seconds of a call would be unbearable) and is tried again at the next
// tick: the call is still logged at its end.
void CallClock::keepJournal()
{
    // The journal of a call being closed is the record on its way to the log.
    if (m_closingCall)
        return;
    if (m_journalAt >= 0 && m_elapsed >= m_journalAt && m_elapsed - m_journalAt < kJournalSeconds)
        return;
    if (writeCallJournal(m_journalPath,
            journalLines(startdate, elapsedText(m_elapsed), m_lblStart, costnow,
                keptCharge(m_elapsed), keptBytes()))
            .ok)
        m_journalAt = m_elapsed;
}

// A call that has reached the longest time a record holds is logged at that
// length, and the time after it starts a new call on the same link. The new
// call is in place before the append, so a tick that comes while a failed
// append's box is open times the new call and logs nothing twice; its journal
// waits until the old record has gone to the log.
void CallClock::splitLongCall(const QDateTime &now, qint64 elapsed)
{
    const QString date = startdate;
    const QString start = m_lblStart;
    sampleBytes();
    const std::optional<qint64> charge = keptCharge(kLongestCallSeconds);
    const std::optional<KeptBytes> bytes = keptBytes();
    // The new call's allowance is what the old one left; its bytes count
    // from here, on the same link.
    m_meter.continueAfter(dataSession(kLongestCallSeconds));
    const QDateTime nextStart = now.addSecs(kLongestCallSeconds - elapsed);
    beginCall(nextStart, false);
    appendRecord(date, elapsedText(kLongestCallSeconds), start, costnow, charge, bytes);
}
