#pragma once

#include "alerts/urgency.h"

class QString;

// Whether the program's tray icon is shown by a StatusNotifierItem host on
// the session bus rather than embedded in an XEmbed tray. Asked once the
// icon is shown; false where the platform has no such hosts.
bool iconServedOverDBus();

// Whether a click in the notification area takes the foreground from the
// program's windows, as Windows' taskbar does; an XEmbed tray leaves it.
bool trayClickTakesForeground();

// Sends a notification, with its urgency, to the desktop's notification
// server on the session bus; false where none runs, and the tray's balloon
// (which carries no urgency of its own choosing) has to do.
bool notifyDesktop(const QString &title, const QString &text, Urgency urgency);
