#pragma once

// Whether the program's tray icon is shown by a StatusNotifierItem host on
// the session bus rather than embedded in an XEmbed tray. Asked once the
// icon is shown; false where the platform has no such hosts.
bool iconServedOverDBus();
