#pragma once

// The Run entry under HKEY_LOCAL_MACHINE that starts the program with
// Windows. Standard C++, so the Windows registry pieces can be built and
// tested without Qt.

#include "settings/c_registry.h"

#include <cstdint>
#include <string>

inline constexpr char kRunKeyPath[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValueName[] = "Callwise";

// 1 writes "<programDir>\CALLWISE.exe", whatever the executable is called;
// 0 writes the empty text, so the value stays in place; any other flag writes
// nothing. programDir is single-byte text with native separators. Throws
// RegistryError (26001) when the value cannot be written.
void writeRunEntry(
    std::int16_t AutoRunOnStart, const cRegistry::Host &host, const std::string &programDir);
