// Texts about the library and the machine, for the API log's banner and the version export.
#pragma once

#include <windows.h>

#include <string>

// The FileVersion string of a module's version block with ',' as '.' and blanks removed; "N/A" without one.
std::string GetOwnFileVersion(HMODULE module);
// The module that holds the library's code (the DLL, or the program that links the core).
HMODULE LibraryModule();
// Empty on failure.
std::string GetComputerNameText();
// 1 for a 32-bit process on a 64-bit system, else 0.
int IsWow64();
// Empty when the variable is missing or its value does not fit in MAX_PATH characters.
std::string GetEnvironmentText(const char* name);
