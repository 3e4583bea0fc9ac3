#include "calllog/call_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kSeparator = QStringLiteral("  ,  ");
constexpr char kSeparatorBytes[] = "  ,  ";
constexpr qsizetype kSeparatorLength = sizeof kSeparatorBytes - 1;

// "received  ,  sent#", each whole and not negative.
bool readBytes(const char *&p, const char *end, CallBytes &bytes)
{
    if (!SideRecord::readDigits(p, end, bytes.received) || end - p < kSeparatorLength
        || std::memcmp(p, kSeparatorBytes, kSeparatorLength) != 0)
        return false;
    p += kSeparatorLength;
    if (!SideRecord::readDigits(p, end, bytes.sent) || p >= end || *p != '#')
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
    qint64 received, qint64 sent)
{
    return startdate + kSeparator + starttime + kSeparator + duration + kSeparator
        + QString::number(received) + kSeparator + QString::number(sent) + u'#';
}

FileResult appendCallBytes(const QString &bytesPath, const QString &line)
{
    return appendLines(bytesPath, { line });
}

BytesIndex::BytesIndex(QByteArrayView bytes)
    : m_bytes(bytes,
        [](const char *&p, const char *end, CallBytes &value) { return readBytes(p, end, value); })
{ }

BytesIndex::Found BytesIndex::find(Key key, size_t &hint) const
{
    return m_bytes.find(key, hint);
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
