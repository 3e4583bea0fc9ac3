#include "calllog/call_journal.h"

#include "calllog/call_log.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTime>

namespace {

constexpr qint64 kLongestJournal = 256; // a record is 55 bytes

// The record lines of a journal, or nothing when its bytes are not exactly
// one record as the log holds it.
std::optional<QStringList> readRecord(const QString &journalPath)
{
    QFile file(journalPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString text = QString::fromLatin1(file.read(kLongestJournal));
    static const QRegularExpression shape(QStringLiteral(R"(^(\d\d:\d\d:\d{4})  ,  \r\n)"
                                                         R"((\d\d:\d\d:\d\d)  ,  \r\n)"
                                                         R"(\d\d:[0-5]\d:[0-5]\d  ,  \r\n)"
                                                         R"(-?\d{2,}\.\d\d#\r\n\z)"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch() || !QDate::fromString(match.captured(1), u"dd:MM:yyyy").isValid()
        || !QTime::fromString(match.captured(2), u"HH:mm:ss").isValid())
        return std::nullopt;
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the last line end
    return lines;
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
    const std::optional<QStringList> record = readRecord(journalPath);
    if (!record)
        return { JournalRecovery::Outcome::SetAside, {}, setAside(journalPath) };

    const QString duration = record->at(2).left(8);
    // The program stopped between the append and the removal. The start
    // names the call: a journal a little older than the record is the same call.
    if (lastRecord(LoadCallLog(logPath, MissingLog::LeaveAlone))
            .startsWith(record->at(0) + record->at(1))) {
        removeCallJournal(journalPath);
        return { JournalRecovery::Outcome::AlreadyLogged, duration, {} };
    }
    if (!appendLines(logPath, *record).ok)
        return { JournalRecovery::Outcome::AppendFailed, duration, {} };
    removeCallJournal(journalPath);
    return { JournalRecovery::Outcome::Appended, duration, {} };
}

QString recoveryNotice(const JournalRecovery &recovery)
{
    switch (recovery.outcome) {
    case JournalRecovery::Outcome::Appended:
        return QStringLiteral("A call of %1 that was being timed when Callwise stopped has been "
                              "added to the call log.")
            .arg(recovery.duration);
    case JournalRecovery::Outcome::SetAside:
        return QStringLiteral("A call that was being timed when Callwise stopped could not be "
                              "read and is not in the call log; its record is kept in %1.")
            .arg(QDir::toNativeSeparators(recovery.keptAs));
    case JournalRecovery::Outcome::AppendFailed:
        return QString::fromUtf16(kFileSaveError);
    case JournalRecovery::Outcome::None:
    case JournalRecovery::Outcome::AlreadyLogged:
        break;
    }
    return {};
}
