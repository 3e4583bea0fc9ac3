#include "desktop/tray_host.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QVariantMap>

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

bool trayClickTakesForeground()
{
    return false;
}

bool notifyDesktop(const QString &title, const QString &text, Urgency urgency)
{
    const QString server = QStringLiteral("org.freedesktop.Notifications");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(server))
        return false;
    QDBusMessage notify = QDBusMessage::createMethodCall(
        server, QStringLiteral("/org/freedesktop/Notifications"), server, QStringLiteral("Notify"));
    // The hint is a byte: notification servers read no other type for it.
    const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(uchar(urgency))}};
    notify << QStringLiteral("Callwise") << uint(0) << QString() << title << text << QStringList()
           << hints << -1;
    // Not waited for: a tick must not wait on the desktop.
    return bus.send(notify);
}
