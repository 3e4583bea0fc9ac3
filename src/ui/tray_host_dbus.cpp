#include "ui/tray_host.h"

#include <QDBusConnection>
#include <QDBusInterface>

// Qt gives its icon to a D-Bus host when the session's StatusNotifierWatcher
// says a host is registered, and embeds it in an XEmbed tray otherwise; the
// same question gives the same answer here. (Qt registers its item with the
// watcher later, from its own connection, so the item list cannot tell yet.)
bool iconServedOverDBus()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusInterface watcher(QStringLiteral("org.kde.StatusNotifierWatcher"),
                           QStringLiteral("/StatusNotifierWatcher"),
                           QStringLiteral("org.kde.StatusNotifierWatcher"), bus);
    return watcher.isValid() && watcher.property("IsStatusNotifierHostRegistered").toBool();
}
