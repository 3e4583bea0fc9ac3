#pragma once

// Direct advapi32 calls, so the tests see what the registry holds without
// going through the code under test.

#include <windows.h>

#include <optional>
#include <string>

struct RawValue
{
    DWORD type = 0;
    std::string data;
};

// The value's type and bytes under HKEY_LOCAL_MACHINE, if it is there.
std::optional<RawValue> queryValue(const std::string &path, const std::string &name);

// Stores the bytes under HKEY_LOCAL_MACHINE, creating the key; false when refused.
bool putValue(const std::string &path, const std::string &name, DWORD type, const std::string &data);

bool keyExists(const std::string &path);

// Removes the key and everything below it; a missing key is fine.
void deleteTree(const std::string &path);

void deleteValue(const std::string &path, const std::string &name);
