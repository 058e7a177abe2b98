#include "InstanceWindows.h"

#include "TrayIcon.h"
#include "WindowQuery.h"

#include <algorithm>

namespace
{
constexpr char kMainWindowClass[] = "TDummyWindow";
constexpr char kMainWindowCaption[] = "Kamifuda";
constexpr char kMemoWindowClass[] = "TMemoWindow";
}

HWND InstanceWindows::MainWindow() const
{
    for (HWND window : e2e::TopLevelWindowsNamed(kMainWindowClass, kMainWindowCaption)) {
        if (e2e::ProcessOf(window) == processId)
            return window;
    }
    return nullptr;
}

bool InstanceWindows::TrayIconAdded() const
{
    const HWND main = MainWindow();
    return main != nullptr && e2e::TrayIconExists(main);
}

int InstanceWindows::VisibleMemoWindows() const
{
    const std::vector<HWND> memos = e2e::OfClass(e2e::TopLevelWindowsOfProcess(processId), kMemoWindowClass);
    return static_cast<int>(std::count_if(memos.begin(), memos.end(), IsWindowVisible));
}
