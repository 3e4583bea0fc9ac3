#pragma once

// The journal of the call being timed: the record the log would get if the
// call ended now, in a small file beside the log, rewritten whole while the
// call runs (the clock does so every 10 seconds); with rules set, the call's
// charge line follows, and on a link billed by the MB its bytes' line
// (call_bytes.h) after that, so a crash loses at most 10 seconds of bytes.
// A program that is killed, crashes or loses power during a call, or
// between the record's append and its side records', leaves it behind, and
// the next start appends what is missing of it, in the same order, so no
// paid call goes unlogged. Journals of four or five lines read as before.

#include "calllog/log_index.h"
#include "common/text_file.h"

#include <QString>
#include <QStringList>

inline constexpr char16_t kCallJournalFileName[] = u"callnow.ini";

// The journal of a log lies beside it.
QString callJournalPath(const QString &logPath);

// Replaces the journal with these lines (the record, then its charge and
// its bytes where there are) through the one file writer, so a power cut
// leaves the old or the new record, never neither.
FileResult writeCallJournal(const QString &journalPath, const QStringList &record);

// True when no journal is left.
bool removeCallJournal(const QString &journalPath);

struct JournalRecovery
{
    enum class Outcome {
        None, // no journal
        Appended, // its record is now the log's last, its charge and bytes kept
        AlreadyLogged, // the log ended with it already: charge and bytes kept if need be, then removed
        SetAside, // not a record: renamed, the log untouched
        AppendFailed, // the log or a side record could not be written: kept for the next start
    };
    Outcome outcome = Outcome::None;
    QString duration; // of the call recovered
    QString keptAs; // where an unreadable journal now lies
};

// At start-up: a journal left behind is appended to the log once, its
// charge to the charges once, its bytes to the bytes once, and removed.
JournalRecovery recoverCallJournal(const QString &logPath);

// The log, its charges and its bytes with the call of a journal left beside
// it counted as though logged, as the next start will log it: the figures
// of the bill's month while the program times a call, or after it stopped.
// A journal whose call the log ends with already adds nothing.
LogIndex LoadIndexedLogWithJournal(const QString &logPath);

// The one line that tells the user what the recovery did; empty when there
// is nothing to tell. A failed append has its own "File Save ERROR".
QString recoveryNotice(const JournalRecovery &recovery);
