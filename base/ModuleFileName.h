#pragma once

#include <windows.h>

#include <string>

namespace base {

// The full path of a module's file (null: the running executable), through the wide API, so that a
// folder named in characters outside the ANSI code page is found as it is. Empty if the system
// cannot tell it.
std::wstring ModuleFileName(HMODULE module);

} // namespace base
