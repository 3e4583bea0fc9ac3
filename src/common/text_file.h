#pragma once

// Callwise's data files are single-byte (Latin-1) text with CR LF line ends.
// Every read and write of them goes through here.

#include <QString>
#include <QStringList>

#include <optional>

struct FileResult
{
    bool ok = true;
    QString error; // the system's reason, for the log and for tests

    static FileResult success() { return {}; }
    static FileResult failure(QString why) { return {false, std::move(why)}; }
};

// The lines of a file, each without its line end. CR LF, a lone LF or a lone
// CR ends a line; a last line without a line end counts. At most maxLines are
// returned when maxLines is not negative. Nothing when the file cannot be read.
std::optional<QStringList> readLines(const QString &path, qsizetype maxLines = -1);

// A line as it goes to disk: a line break inside it becomes a space, so it
// never spills into the next line.
QString asOneLine(QString line);

// The bytes of the lines as they go to disk: Latin-1, each line as one line
// followed by CR LF. A character outside Latin-1 becomes "?".
QByteArray encodeLines(const QStringList &lines);

// Replaces the whole file through the one file writer (durable_write.h): ok
// only once the new bytes are on the disk; a failed write leaves the old file
// as it was.
FileResult writeBytes(const QString &path, const QByteArray &bytes);
FileResult writeLines(const QString &path, const QStringList &lines);

// Adds the lines at the end of the file (created when missing) in one write.
// When the write fails the file is cut back to its old length, so it never
// keeps a part of what was added.
FileResult appendLines(const QString &path, const QStringList &lines);
