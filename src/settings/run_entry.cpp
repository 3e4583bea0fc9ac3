#include "settings/run_entry.h"

void writeRunEntry(
    std::int16_t AutoRunOnStart, const cRegistry::Host &host, const std::string &programDir)
{
    if (AutoRunOnStart != 0 && AutoRunOnStart != 1)
        return;
    cRegistry registry(host);
    registry.ClassKey(kHkeyLocalMachine);
    registry.SectionKey(kRunKeyPath);
    registry.ValueKey(kRunValueName);
    // A root directory keeps its own backslash, giving "C:\\CALLWISE.exe".
    registry.Value(AutoRunOnStart == 1 ? programDir + "\\CALLWISE.exe" : std::string());
}
