#pragma once

// Ways to make a directory fail as disks do, for one test. Read-only and
// tiny file systems need a mount namespace of the process's own, which must
// be entered while the process has a single thread: the test main does that
// first. Each way gives the reason it is not possible here, for GTEST_SKIP().

#include <QString>

// Enters a private mount namespace (a user namespace as well when not root).
void enterPrivateMounts();

// Why mounts of our own cannot be made; empty when they can.
QString privateMountsUnavailable();

// Makes the directory refuse every change for its lifetime: a read-only
// bind mount over it, or, without mounts, mode 0555, which binds no root.
class ReadOnlyDir
{
public:
    explicit ReadOnlyDir(const QString &path);
    ~ReadOnlyDir();
    ReadOnlyDir(const ReadOnlyDir &) = delete;
    ReadOnlyDir &operator=(const ReadOnlyDir &) = delete;

    QString unavailable; // why the directory could not be made read-only

private:
    QString m_path;
    bool m_mounted = false;
    bool m_chmodded = false;
};

// A file system of `bytes` in the directory, gone with the object.
class TinyDisk
{
public:
    TinyDisk(const QString &path, qint64 bytes);
    ~TinyDisk();
    TinyDisk(const TinyDisk &) = delete;
    TinyDisk &operator=(const TinyDisk &) = delete;

    QString unavailable;

private:
    QString m_path;
};

// Takes every free block of the directory's file system into `name`.
// Returns how many bytes it took.
qint64 fillDisk(const QString &dir, const QString &name);
