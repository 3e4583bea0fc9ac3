#include "ui/tray_icon.h"

#include "desktop/tray_host.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

// Longer than a busy desktop takes to tell the program it lost the
// foreground; short enough to go unnoticed where it never does.
constexpr int kDeactivationWaitMs = 400;

} // namespace

TrayIcon::TrayIcon(QObject *parent)
    : QSystemTrayIcon(parent)
{
}

void TrayIcon::AddTrayIcon(const QIcon &icon, const QString &caption, QMenu *menu)
{
    setIcon(icon);
    SetTrayTip(caption);
    // Shown even with no notification area yet: an XEmbed tray that starts
    // later (a panel coming up after the program at login) then gets it.
    show();
    m_servedOverDBus = iconServedOverDBus();
    if (m_servedOverDBus)
        setContextMenu(menu);
}

void TrayIcon::RemoveTrayIcon()
{
    hide();
}

void TrayIcon::showNotice(const QString &title, const QString &text)
{
    // An XEmbed tray places the icon a moment after start-up; a balloon shown
    // before then points at the corner of the screen. A D-Bus host shows it
    // as a notification, which needs no place, as a notification server does.
    if (notifyDesktop(title, text, Urgency::Low))
        return;
    if (m_servedOverDBus) {
        showMessage(title, text);
        return;
    }
    auto *wait = new QTimer(this);
    connect(wait, &QTimer::timeout, this, [this, wait, title, text, tries = 0]() mutable {
        if (geometry().topLeft().isNull() && ++tries < 25)
            return;
        wait->stop();
        wait->deleteLater();
        showMessage(title, text);
    });
    wait->start(200);
}

void TrayIcon::notify(const QString &title, const QString &text, Urgency urgency)
{
    if (notifyDesktop(title, text, urgency))
        return;
    switch (urgency) {
    case Urgency::Low:
        showMessage(title, text, Information);
        break;
    case Urgency::Normal:
        showMessage(title, text, Warning);
        break;
    case Urgency::Critical:
        showMessage(title, text, Critical);
        break;
    }
}

int TrayIcon::mouseMessageFor(ActivationReason reason, bool servedOverDBus)
{
    if (servedOverDBus) {
        // A host activates on one click and never sends a double click; it
        // shows the exported menu on a right click without the program.
        return reason == Trigger || reason == DoubleClick ? kLeftDoubleClick : 0;
    }
    // An XEmbed tray also reports the first click of a double click as a
    // trigger: only the double click shows the window there.
    if (reason == DoubleClick)
        return kLeftDoubleClick;
    if (reason == Context)
        return kRightButtonUp;
    return 0;
}

void TrayIcon::awaitClickDeactivation()
{
    if (!trayClickTakesForeground() || !QApplication::activeWindow())
        return;
    QEventLoop wait;
    QTimer::singleShot(kDeactivationWaitMs, &wait, &QEventLoop::quit);
    connect(qApp, &QGuiApplication::applicationStateChanged, &wait, &QEventLoop::quit);
    wait.exec();
}

void TrayIcon::showTip(const QString &tip)
{
    setToolTip(tip);
}
