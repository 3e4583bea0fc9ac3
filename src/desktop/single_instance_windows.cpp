#include "desktop/single_instance.h"

#include "desktop/quit_signals.h"

#include <QDir>

#include <windows.h>

// Windows' runtime location is the user's home folder: the temporary folder
// is the user's own and emptied in time.
QString SingleInstance::lockDirectory()
{
    return QDir::tempPath();
}

void SingleInstance::wakeRunningCopy() const
{
    // Only opened, never made: without a running copy there is no one to wake.
    if (HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, kShowEventName)) {
        SetEvent(event);
        CloseHandle(event);
    }
}
