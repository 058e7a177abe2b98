#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

// What a running process costs, as another process sees it. Fields the platform does not report
// stay empty.
struct ProcessFigures {
    std::optional<std::size_t> workingSetBytes;
    std::optional<std::size_t> peakWorkingSetBytes;
    std::optional<std::size_t> privateBytes;
    std::optional<DWORD> gdiObjects;
    std::optional<DWORD> userObjects;
    // Windows of the process, top-level and child: the largest share of its USER objects, and
    // countable where GetGuiResources is not (Wine answers 0).
    int windows = 0;
};

// Asks the system about the process with this id (OpenProcess, GetProcessMemoryInfo,
// GetGuiResources) and counts its windows.
ProcessFigures QueryProcessFigures(DWORD processId);
