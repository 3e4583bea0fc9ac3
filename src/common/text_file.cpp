#include "common/text_file.h"

#include "common/durable_write.h"

#include <QCoreApplication>
#include <QFile>

#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

std::optional<QByteArray> readAllBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

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
    const std::optional<QByteArray> read = readAllBytes(path);
    if (!read)
        return std::nullopt;
    const QByteArray &bytes = *read;

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

namespace {

bool isLineEnd(char byte)
{
    return byte == '\r' || byte == '\n';
}

// Latin-1 bytes as text, leaving out every CR and LF: each is part of a line
// end, whichever form it takes. Returns the end of what was written.
char16_t *joinLines(const char *from, const char *end, char16_t *to)
{
#ifdef __SSE2__
    // Sixteen bytes are widened at once and the text moves on to the first
    // line end among them, so each line costs one step, not one per byte.
    // Nothing is written past the text's own length: the text never runs
    // ahead of the bytes.
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i zero = _mm_setzero_si128();
    while (end - from >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(to), _mm_unpacklo_epi8(bytes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(to + 8), _mm_unpackhi_epi8(bytes, zero));
        const unsigned ends = unsigned(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf))));
        if (ends == 0) {
            from += 16;
            to += 16;
            continue;
        }
        const int kept = std::countr_zero(ends);
        to += kept;
        from += kept + std::countr_one(ends >> kept); // the line end, CR LF in one
    }
#endif
    for (; from != end; ++from) {
        *to = char16_t(uchar(*from));
        to += !isLineEnd(*from);
    }
    return to;
}

} // namespace

std::optional<QString> readJoinedLines(const QString &path)
{
    const std::optional<QByteArray> read = readAllBytes(path);
    if (!read)
        return std::nullopt;
    const QByteArray &bytes = *read;

    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *const start = reinterpret_cast<char16_t *>(text.data());
    text.truncate(joinLines(bytes.cbegin(), bytes.cend(), start) - start);
    return text;
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
    return FileResult::failure(
        why.isEmpty() ? QCoreApplication::translate("TextFile", "write failed") : why);
}
