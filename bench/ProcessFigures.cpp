#include "ProcessFigures.h"

#include "WindowQuery.h"
#include "base/UniqueHandle.h"

#include <psapi.h>

namespace {
// GetGuiResources answers 0 both for "none" and for "not known"; a process with windows always
// has some, so 0 means the platform does not count them.
std::optional<DWORD> GuiObjects(HANDLE process, DWORD kind)
{
    const DWORD count = GetGuiResources(process, kind);
    return count != 0 ? std::optional<DWORD>(count) : std::nullopt;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int WindowsOf(DWORD processId)
{
    int count = 0;
    for (HWND window : e2e::TopLevelWindowsOfProcess(processId)) {
        ++count;
        EnumChildWindows(window, CountWindow, reinterpret_cast<LPARAM>(&count));
    }
    return count;
}
}

ProcessFigures QueryProcessFigures(DWORD processId)
{
    ProcessFigures figures;
    const base::UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process)
        return figures;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.Get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        figures.workingSetBytes = memory.WorkingSetSize;
        figures.peakWorkingSetBytes = memory.PeakWorkingSetSize;
        // Wine leaves the private bytes at 0.
        if (memory.PrivateUsage != 0)
            figures.privateBytes = memory.PrivateUsage;
    }
    figures.gdiObjects = GuiObjects(process.Get(), GR_GDIOBJECTS);
    figures.userObjects = GuiObjects(process.Get(), GR_USEROBJECTS);
    figures.windows = WindowsOf(processId);
    return figures;
}
