#include "ui/tray_host.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <algorithm>

// Qt serves an icon to a D-Bus host under a bus name of this form, owned by
// the program while the icon is shown; an XEmbed icon owns none. Asking the
// bus what Qt did beats guessing what it will do from the hosts around.
bool iconServedOverDBus()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    const QDBusConnectionInterface *daemon = bus.isConnected() ? bus.interface() : nullptr;
    if (!daemon)
        return false;
    const QString prefix = QStringLiteral("org.kde.StatusNotifierItem-%1-")
                               .arg(QCoreApplication::applicationPid());
    const QStringList names = daemon->registeredServiceNames().value();
    return std::any_of(names.begin(), names.end(),
                       [&prefix](const QString &name) { return name.startsWith(prefix); });
}
