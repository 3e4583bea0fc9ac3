#include "desktop/tray_host.h"

// Windows shows every tray icon itself, and a notice as the icon's balloon.

bool iconServedOverDBus()
{
    return false;
}

bool trayClickTakesForeground()
{
    return true;
}

bool notifyDesktop(const QString &, const QString &, Urgency)
{
    return false;
}
