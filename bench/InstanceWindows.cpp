#include "InstanceWindows.h"

#include "TrayIcon.h"
#include "WindowQuery.h"

namespace
{
constexpr char kMainWindowClass[] = "TDummyWindow";
constexpr char kMainWindowCaption[] = "Kamifuda";
constexpr char kMemoWindowClass[] = "TMemoWindow";
}

InstanceWindows::InstanceWindows(DWORD processId) : processId(processId), memoWindows(processId, kMemoWindowClass) {}

bool InstanceWindows::TrayIconAdded()
{
    if (!trayIconFound) {
        const HWND main = MainWindow();
        trayIconFound = main != nullptr && e2e::TrayIconExists(main);
    }
    return trayIconFound;
}

void InstanceWindows::RemoveTrayIcon() const
{
    if (const HWND main = MainWindow())
        e2e::RemoveTrayIcon(main);
}

HWND InstanceWindows::MainWindow() const
{
    // One question instead of one per window; the process is checked in case another Kamifuda
    // runs on the same Wine server.
    const HWND main = FindWindowA(kMainWindowClass, kMainWindowCaption);
    return main != nullptr && e2e::ProcessOf(main) == processId ? main : nullptr;
}
