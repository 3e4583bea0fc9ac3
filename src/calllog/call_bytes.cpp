#include "calllog/call_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kSeparator = QStringLiteral("  ,  ");
constexpr char kSeparatorBytes[] = "  ,  ";
constexpr qsizetype kSeparatorLength = sizeof kSeparatorBytes - 1;

bool readSeparator(const char *&p, const char *end)
{
    if (end - p < kSeparatorLength || std::memcmp(p, kSeparatorBytes, kSeparatorLength) != 0)
        return false;
    p += kSeparatorLength;
    return true;
}

// "received  ,  sent#", each whole and not negative, or across a bill
// month's start "received  ,  sent  ,  second  ,  received  ,  sent#".
bool readBytes(const char *&p, const char *end, CallBytes &bytes, std::optional<SessionSplit> &split)
{
    if (!SideRecord::readDigits(p, end, bytes.received) || !readSeparator(p, end)
        || !SideRecord::readDigits(p, end, bytes.sent))
        return false;
    if (p < end && *p == ' ') {
        SessionSplit at;
        if (!readSeparator(p, end) || !SideRecord::readDigits(p, end, at.second)
            || !readSeparator(p, end) || !SideRecord::readDigits(p, end, at.received)
            || !readSeparator(p, end) || !SideRecord::readDigits(p, end, at.sent))
            return false;
        split = at;
    }
    if (p >= end || *p != '#')
        return false;
    ++p;
    return true;
}

} // namespace

QString callBytesPath(const QString &logPath)
{
    return QFileInfo(logPath).dir().filePath(QString::fromUtf16(kCallBytesFileName));
}

QString callBytesLine(const QString &startdate, const QString &starttime, const QString &duration,
    qint64 received, qint64 sent, const std::optional<SessionSplit> &split)
{
    QString line = startdate + kSeparator + starttime + kSeparator + duration + kSeparator
        + QString::number(received) + kSeparator + QString::number(sent);
    if (split)
        line += kSeparator + QString::number(split->second) + kSeparator
            + QString::number(split->received) + kSeparator + QString::number(split->sent);
    return line + u'#';
}

FileResult appendCallBytes(const QString &bytesPath, const QString &line)
{
    return appendLines(bytesPath, { line });
}

// The index reads the values of each line whose call it can read once, in
// the file's order, so the lines are counted here as it keeps them.
BytesIndex::BytesIndex(QByteArrayView bytes)
    : m_bytes(bytes,
        [this, line = quint32(0)](const char *&p, const char *end, CallBytes &value) mutable {
            std::optional<SessionSplit> split;
            const bool read = readBytes(p, end, value, split);
            if (read && split)
                m_splits.emplace(line, *split);
            ++line;
            return read;
        })
{ }

BytesIndex::Found BytesIndex::find(Key key, size_t &hint) const
{
    const SideRecordIndex<CallBytes>::Found found = m_bytes.find(key, hint);
    Found result { found.kept, found.value, std::nullopt };
    // The look-up leaves the hint just past the line it found.
    if (found.kept == Kept::Values && !m_splits.empty()) {
        if (const auto split = m_splits.find(quint32(hint - 1)); split != m_splits.end())
            result.split = split->second;
    }
    return result;
}

BytesIndex LoadCallBytes(const QString &bytesPath)
{
    if (!QFileInfo::exists(bytesPath))
        return {};
    QFile file(bytesPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return BytesIndex(file.readAll());
}

FileResult ClearCallBytes(const QString &bytesPath)
{
    if (!QFileInfo::exists(bytesPath))
        return FileResult::success();
    return writeLines(bytesPath, {});
}
