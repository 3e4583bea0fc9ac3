#include "private_mounts.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString g_unavailable = QStringLiteral("the test main did not try to enter a mount namespace");

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1StringView(what), QString::fromLocal8Bit(std::strerror(errno)));
}

bool writeProcFile(const char *path, const QByteArray &text)
{
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return ok;
}

QString tryEnter()
{
    if (::unshare(CLONE_NEWNS) != 0) {
        const QString asIs = systemError("unshare(CLONE_NEWNS)");
        // Not root: a user namespace of our own may still own a mount namespace.
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return asIs + QStringLiteral("; ") + systemError("unshare(CLONE_NEWUSER | CLONE_NEWNS)");
        writeProcFile("/proc/self/setgroups", "deny");
        if (!writeProcFile("/proc/self/uid_map", QByteArray::number(uid) + " " + QByteArray::number(uid) + " 1")
            || !writeProcFile("/proc/self/gid_map", QByteArray::number(gid) + " " + QByteArray::number(gid) + " 1"))
            return systemError("mapping the user namespace");
    }
    // Our mounts must not reach the rest of the system.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return systemError("making / private");
    return {};
}

} // namespace

void enterPrivateMounts()
{
    g_unavailable = tryEnter();
}

QString privateMountsUnavailable()
{
    return g_unavailable;
}

ReadOnlyDir::ReadOnlyDir(const QString &path)
    : m_path(path)
{
    const QByteArray where = QFile::encodeName(path);
    if (privateMountsUnavailable().isEmpty()) {
        if (::mount(where.constData(), where.constData(), nullptr, MS_BIND, nullptr) != 0) {
            unavailable = systemError("bind mount");
            return;
        }
        m_mounted = true;
        if (::mount(nullptr, where.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            unavailable = systemError("read-only remount");
        return;
    }
    if (::geteuid() == 0) {
        unavailable = QStringLiteral("running as root, where mode 0555 stops no write, without a "
                                     "mount namespace (%1)")
                          .arg(privateMountsUnavailable());
        return;
    }
    if (::chmod(where.constData(), 0555) != 0)
        unavailable = systemError("chmod 0555");
    else
        m_chmodded = true;
}

ReadOnlyDir::~ReadOnlyDir()
{
    const QByteArray where = QFile::encodeName(m_path);
    if (m_mounted)
        ::umount2(where.constData(), MNT_DETACH);
    if (m_chmodded)
        ::chmod(where.constData(), 0700);
}

TinyDisk::TinyDisk(const QString &path, qint64 bytes)
    : m_path(path)
{
    if (!privateMountsUnavailable().isEmpty()) {
        unavailable = QStringLiteral("no mount namespace for a tmpfs (%1)").arg(privateMountsUnavailable());
        return;
    }
    QDir().mkpath(path);
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0700";
    if (::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, options.constData()) != 0)
        unavailable = systemError("mount tmpfs");
}

TinyDisk::~TinyDisk()
{
    if (unavailable.isEmpty())
        ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
}

qint64 fillDisk(const QString &dir, const QString &name)
{
    QFile filler(QDir(dir).filePath(name));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 0;
    const QByteArray block(4096, 'f');
    qint64 taken = 0;
    // tmpfs gives whole pages: a short write means the last one is gone.
    for (qint64 written; (written = filler.write(block)) > 0;)
        taken += written;
    return taken;
}
