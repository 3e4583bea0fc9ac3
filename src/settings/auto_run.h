#pragma once

// Start with the system: the Run entry under HKEY_LOCAL_MACHINE, written
// through cRegistry, and on desktops that start programs from XDG autostart
// entries instead, $XDG_CONFIG_HOME/autostart/callwise.desktop as well.

#include "common/prompter.h"
#include "common/text_file.h"
#include "settings/registry_store.h"
#include "settings/run_entry.h"

#include <QString>
#include <QtGlobal>

inline constexpr char16_t kAutostartFileName[] = u"callwise.desktop";

struct AutoRunPlace
{
    RegistryStore &store;
    Prompter &prompter; // shows the registry's own "ERROR #" message
    QString programDir; // the Run entry names CALLWISE.exe in it
    QString executablePath; // what the autostart entry starts; names the error source
    QString autostartDir; // empty where the Run entry alone starts programs
};

// The place of the running program: its directory and executable, and the
// XDG autostart directory except on Windows.
AutoRunPlace systemAutoRunPlace(RegistryStore &store, Prompter &prompter);

// 1 writes the Run entry "<program dir>\CALLWISE.exe" and the autostart
// entry; 0 writes the empty text (the value stays) and removes the autostart
// entry; any other flag changes nothing. Throws RegistryError (26001) when
// the Run entry cannot be written; the result says whether the autostart
// entry could be kept as the flag asks.
FileResult ApplyAutoRun(qint16 AutoRunOnStart, const AutoRunPlace &place);

// ApplyAutoRun for the start-up and the settings window: a failure is shown
// in an OK message box and the run goes on.
void applyAutoRunTellingUser(qint16 AutoRunOnStart, const AutoRunPlace &place);
