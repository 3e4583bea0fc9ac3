#include "desktop/single_instance.h"

bool SingleInstance::acquire()
{
    m_lock = std::make_unique<QLockFile>(lockDirectory() + QStringLiteral("/callwise.lock"));
    // Only a lock whose process is gone counts as stale, never an old one.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}
