#include "ui/single_instance.h"

#include <QDir>
#include <QStandardPaths>

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
