#include "InstanceWindows.h"

#include "TrayIcon.h"
#include "WindowQuery.h"

namespace {
constexpr char kMainWindowClass[] = "TDummyWindow";
constexpr char kMainWindowCaption[] = "Kamifuda";
constexpr char kMemoWindowClass[] = "TMemoWindow";
}

InstanceWindows::InstanceWindows(DWORD processId) : processId_(processId), memoWindows_(processId, kMemoWindowClass) {}

bool InstanceWindows::TrayIconAdded()
{
    if (!trayIconFound_) {
        const HWND main = MainWindow();
        trayIconFound_ = main != nullptr && e2e::TrayIconExists(main);
    }
    return trayIconFound_;
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
    return main != nullptr && e2e::ProcessOf(main) == processId_ ? main : nullptr;
}
