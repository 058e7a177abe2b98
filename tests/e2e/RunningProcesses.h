#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Ids of the running processes whose executable file has this name (compared without case).
std::vector<DWORD> RunningProcessesNamed(const std::wstring& executableName);

} // namespace e2e
