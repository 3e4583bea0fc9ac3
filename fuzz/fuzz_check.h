#pragma once

// Support for the fuzz targets: a broken property is a finding, reported
// like a crash so libFuzzer keeps the input that caused it.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// A file in a directory of this run's own, removed when the run ends.
inline QString scratchPath(const QString &name)
{
    static QTemporaryDir dir;
    FUZZ_CHECK(dir.isValid());
    return dir.filePath(name);
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

inline void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}
