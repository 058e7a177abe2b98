#include "DesktopClamp.h"

#include "ClampOntoDesktop.h"

namespace {
BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data)
{
    reinterpret_cast<std::vector<RECT>*>(data)->push_back(*rect);
    return TRUE;
}
}

DesktopLayout CurrentDesktopLayout()
{
    DesktopLayout layout;
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    layout.virtualScreen =
        RECT{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&layout.monitors));
    return layout;
}

POINT ClampWindowPosition(const RECT& window, const DesktopLayout& desktop)
{
    const RECT placed = desktop_clamp::ClampOntoDesktop(window, desktop.virtualScreen, desktop.monitors);
    return POINT{placed.left, placed.top};
}
