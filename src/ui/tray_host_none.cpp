#include "ui/tray_host.h"

bool iconServedOverDBus()
{
    return false;
}

bool notifyDesktop(const QString &, const QString &, Urgency)
{
    return false;
}
