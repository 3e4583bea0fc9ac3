#include "common/text_file.h"

#include "common/durable_write.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Appended records must survive a power cut right after the call ends.
bool syncToDisk(QFile &file)
{
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

std::filesystem::path filesystemPath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

std::optional<QStringList> readLines(const QString &path, qsizetype maxLines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;

    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    while (start < size && (maxLines < 0 || lines.size() < maxLines)) {
        qsizetype end = start;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.append(QString::fromLatin1(bytes.constData() + start, end - start));
        if (end < size && bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

QString asOneLine(QString line)
{
    return line.replace(u'\r', u' ').replace(u'\n', u' ');
}

QByteArray encodeLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += asOneLine(line).toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

FileResult writeBytes(const QString &path, const QByteArray &bytes)
{
    const DurableWriteResult written = replaceFileDurably(
        filesystemPath(path), std::string_view(bytes.constData(), bytes.size()));
    if (!written)
        return FileResult::failure(QString::fromLocal8Bit(written.error));
    return FileResult::success();
}

FileResult writeLines(const QString &path, const QStringList &lines)
{
    return writeBytes(path, encodeLines(lines));
}

FileResult appendLines(const QString &path, const QStringList &lines)
{
    QFile file(path);
    // A log made by this append lasts only once its directory is synced too.
    const bool created = !file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return FileResult::failure(file.errorString());
    const qint64 oldSize = file.size();
    const QByteArray bytes = encodeLines(lines);
    if (file.write(bytes) == bytes.size() && file.flush() && syncToDisk(file)
        && (!created || syncParentDirectory(filesystemPath(path))))
        return FileResult::success();

    const QString why = file.errorString();
    file.resize(oldSize);
    return FileResult::failure(why.isEmpty() ? QStringLiteral("write failed") : why);
}
