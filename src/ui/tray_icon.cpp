#include "ui/tray_icon.h"

TrayIcon::TrayIcon(QObject *parent)
    : QSystemTrayIcon(parent)
{
}

void TrayIcon::AddTrayIcon(const QIcon &icon, const QString &caption)
{
    setIcon(icon);
    SetTrayTip(caption);
    show();
}

void TrayIcon::RemoveTrayIcon()
{
    hide();
}

void TrayIcon::showTip(const QString &tip)
{
    setToolTip(tip);
}
