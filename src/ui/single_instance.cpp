#include "ui/single_instance.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

bool SingleInstance::acquire()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_lock = std::make_unique<QLockFile>(dir + QStringLiteral("/callwise.lock"));
    // Only a lock whose process is gone counts as stale, never an old one.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

void SingleInstance::wakeRunningCopy() const
{
#ifdef Q_OS_UNIX
    qint64 pid = 0;
    QString hostname;
    QString appname;
    if (m_lock && m_lock->getLockInfo(&pid, &hostname, &appname) && pid > 0)
        ::kill(pid_t(pid), SIGUSR1);
#endif
}
