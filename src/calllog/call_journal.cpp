#include "calllog/call_journal.h"

#include "calllog/call_bytes.h"
#include "calllog/call_charges.h"
#include "calllog/call_log.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTime>

namespace {

// A record is 55 bytes, its charge about 45, its bytes about 80 (140 split).
constexpr qint64 kLongestJournal = 512;
constexpr qsizetype kRecordLines = 4;

struct Journal
{
    QStringList record;
    QString charge; // empty: none
    QString bytes; // empty: none
};

// The lines of a journal (a record, with rules the record's charge, for a
// link billed by the MB its bytes), or nothing when its bytes are not
// exactly that as the log and its side records hold them.
std::optional<Journal> readJournal(const QString &journalPath)
{
    QFile file(journalPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString text = QString::fromLatin1(file.read(kLongestJournal));
    // The record's lines, then a side record's line each: the call's three
    // texts and the values, a charge's and then the bytes'.
    static const QRegularExpression shape(
        QStringLiteral(R"(^(\d\d:\d\d:\d{4})  ,  \r\n(\d\d:\d\d:\d\d)  ,  \r\n)"
                       R"(\d\d:[0-5]\d:[0-5]\d  ,  \r\n-?\d{2,}\.\d\d#\r\n)"
                       R"((?:([^\r\n,]*(?:  ,  [^\r\n,]*){2}  ,  -?\d{1,15}#)\r\n)?)"
                       R"((?:([^\r\n,]*(?:  ,  [^\r\n,]*){2}(?:  ,  \d{1,15}){2}(?:(?:  ,  \d{1,15}){3})?#)\r\n)?)"
                       R"(\z)"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch() || !QDate::fromString(match.captured(1), u"dd:MM:yyyy").isValid()
        || !QTime::fromString(match.captured(2), u"HH:mm:ss").isValid())
        return std::nullopt;
    Journal journal { text.split(QStringLiteral("\r\n")).mid(0, kRecordLines), match.captured(3),
                      match.captured(4) };
    // A side record's line is of the journal's own call.
    const QString call = journal.record[0] + journal.record[1] + journal.record[2];
    for (const QString &line : { journal.charge, journal.bytes }) {
        if (!line.isEmpty() && !line.startsWith(call))
            return std::nullopt;
    }
    return journal;
}

// The last record of the log text, from after the "#" before it.
QString lastRecord(const QString &logText)
{
    if (!logText.endsWith(u'#'))
        return {};
    return logText.mid(logText.lastIndexOf(u'#', logText.size() - 2) + 1);
}

QString setAside(const QString &journalPath)
{
    const QFileInfo journal(journalPath);
    for (int n = 1; n < 100; ++n) {
        const QString name = n == 1 ? QStringLiteral("callnow-unreadable.ini")
                                    : QStringLiteral("callnow-unreadable-%1.ini").arg(n);
        const QString target = journal.dir().filePath(name);
        if (!QFile::exists(target))
            return QFile::rename(journalPath, target) ? target : journalPath;
    }
    return journalPath;
}

} // namespace

QString callJournalPath(const QString &logPath)
{
    return QFileInfo(logPath).dir().filePath(QString::fromUtf16(kCallJournalFileName));
}

FileResult writeCallJournal(const QString &journalPath, const QStringList &record)
{
    return writeLines(journalPath, record);
}

bool removeCallJournal(const QString &journalPath)
{
    return QFile::remove(journalPath) || !QFile::exists(journalPath);
}

JournalRecovery recoverCallJournal(const QString &logPath)
{
    const QString journalPath = callJournalPath(logPath);
    if (!QFileInfo(journalPath).isFile())
        return {};
    const std::optional<Journal> journal = readJournal(journalPath);
    if (!journal)
        return { JournalRecovery::Outcome::SetAside, {}, setAside(journalPath) };
    const QStringList &record = journal->record;
    const QString duration = record.at(2).left(8);

    // The program stopped between the append and the removal. The start
    // names the call: a journal a little older than the record is the same call.
    const QString logged = lastRecord(LoadCallLog(logPath, MissingLog::LeaveAlone));
    const bool alreadyLogged = logged.startsWith(record.at(0) + record.at(1));
    if (!alreadyLogged && !appendLines(logPath, record).ok)
        return { JournalRecovery::Outcome::AppendFailed, duration, {} };
    // Then its charge and its bytes, in that order, each unless it is kept
    // already, or the log holds the call at another length than the
    // journal's, so the line would name no call.
    if (!alreadyLogged || logged.startsWith(record.at(0) + record.at(1) + record.at(2))) {
        const SideRecordKey key = SideRecord::keyOf(
            SideRecord::dayKey(QDate::fromString(record.at(0).left(10), u"dd:MM:yyyy")),
            record.at(1).left(8), duration);
        const QString chargesPath = callChargesPath(logPath);
        if (!journal->charge.isEmpty()
            && LoadCallCharges(chargesPath).find(key).kept != ChargeIndex::Kept::Charge
            && !appendCallCharge(chargesPath, journal->charge).ok)
            return { JournalRecovery::Outcome::AppendFailed, duration, {} };
        const QString bytesPath = callBytesPath(logPath);
        if (!journal->bytes.isEmpty()
            && LoadCallBytes(bytesPath).find(key).kept != BytesIndex::Kept::Values
            && !appendCallBytes(bytesPath, journal->bytes).ok)
            return { JournalRecovery::Outcome::AppendFailed, duration, {} };
    }
    removeCallJournal(journalPath);
    return { alreadyLogged ? JournalRecovery::Outcome::AlreadyLogged
                           : JournalRecovery::Outcome::Appended,
             duration, {} };
}

LogIndex LoadIndexedLogWithJournal(const QString &logPath)
{
    QString text = LoadCallLog(logPath, MissingLog::LeaveAlone);
    const auto fileBytes = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QByteArray charges = fileBytes(callChargesPath(logPath));
    QByteArray bytes = fileBytes(callBytesPath(logPath));
    const std::optional<Journal> journal = readJournal(callJournalPath(logPath));
    if (journal && !lastRecord(text).startsWith(journal->record.at(0) + journal->record.at(1))) {
        text += journal->record.join(QString()); // as the log's lines are read, joined
        // A side record's last line may lack its line end; the journal's line starts a new one.
        for (auto [kept, line] : { std::pair(&charges, &journal->charge),
                 std::pair(&bytes, &journal->bytes) }) {
            if (line->isEmpty())
                continue;
            if (!kept->isEmpty() && !kept->endsWith('\n'))
                *kept += "\r\n";
            *kept += line->toLatin1() + "\r\n";
        }
    }
    return LogIndex(text, ChargeIndex(charges), BytesIndex(bytes));
}

QString recoveryNotice(const JournalRecovery &recovery)
{
    switch (recovery.outcome) {
    case JournalRecovery::Outcome::Appended:
        return QCoreApplication::translate("CallJournal",
            "A call of %1 that was being timed when Callwise stopped has been "
            "added to the call log.")
            .arg(recovery.duration);
    case JournalRecovery::Outcome::SetAside:
        return QCoreApplication::translate("CallJournal",
            "A call that was being timed when Callwise stopped could not be "
            "read and is not in the call log; its record is kept in %1.")
            .arg(QDir::toNativeSeparators(recovery.keptAs));
    case JournalRecovery::Outcome::AppendFailed:
        return fileSaveErrorText();
    case JournalRecovery::Outcome::None:
    case JournalRecovery::Outcome::AlreadyLogged:
        break;
    }
    return {};
}
