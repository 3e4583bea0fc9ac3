#include "desktop/network_manager_metered.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
constexpr int kTimeout = 250; // ms

// One call and its one answer; nothing on an error or a timeout.
std::optional<QVariant> ask(QDBusMessage message)
{
    message.setAutoStartService(false);
    const QDBusMessage reply = QDBusConnection::systemBus().call(message, QDBus::Block, kTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return reply.arguments().constFirst();
}

} // namespace

std::optional<bool> NetworkManagerMetered::isMetered(const QString &linkName)
{
    if (!QDBusConnection::systemBus().isConnected())
        return std::nullopt;
    QDBusMessage byName = QDBusMessage::createMethodCall(kService,
        QStringLiteral("/org/freedesktop/NetworkManager"), kService,
        QStringLiteral("GetDeviceByIpIface"));
    byName << linkName;
    const std::optional<QVariant> device = ask(byName);
    if (!device || !device->canConvert<QDBusObjectPath>())
        return std::nullopt;
    QDBusMessage get
        = QDBusMessage::createMethodCall(kService, device->value<QDBusObjectPath>().path(),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.freedesktop.NetworkManager.Device") << QStringLiteral("Metered");
    const std::optional<QVariant> metered = ask(get);
    if (!metered)
        return std::nullopt;
    bool ok = false;
    const unsigned value = metered->value<QDBusVariant>().variant().toUInt(&ok);
    return ok ? meteredOf(value) : std::nullopt;
}
