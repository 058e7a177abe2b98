#pragma once
// The product version of a module's file, as the About dialog shows it.

#include <windows.h>

#include <string>

// Reads the four parts of the product version from the fixed file information of the module's
// version resource (not the file version, not the version strings). Each part holds an unsigned
// 16-bit value. A module without version information, or with a version resource that holds no
// fixed file information, gives four zeros.
void GetProductVersion(HMODULE module, long& major, long& minor, long& release, long& build);

// "Version 03.02.00.00": each part in decimal, at least two digits; larger parts in full.
std::string VersionLine(long major, long minor, long release, long build);
