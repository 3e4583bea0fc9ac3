#include "desktop/single_instance.h"

#include <QDir>
#include <QStandardPaths>

#include <csignal>

QString SingleInstance::lockDirectory()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

void SingleInstance::wakeRunningCopy() const
{
    qint64 pid = 0;
    QString hostname;
    QString appname;
    if (m_lock && m_lock->getLockInfo(&pid, &hostname, &appname) && pid > 0)
        ::kill(pid_t(pid), SIGUSR1);
}
