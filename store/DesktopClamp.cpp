#include "DesktopClamp.h"

#include <algorithm>
#include <cstdint>

namespace
{
BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data)
{
    reinterpret_cast<std::vector<RECT>*>(data)->push_back(*rect);
    return TRUE;
}

// Steps 1 and 2 against one bounding rectangle.
RECT ClampInto(RECT window, const RECT& bounds)
{
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    LONG left = std::max(window.left, bounds.left);
    LONG top = std::max(window.top, bounds.top);
    if (left + width > bounds.right)
        left -= left + width - bounds.right;
    if (top + height > bounds.bottom)
        top -= top + height - bounds.bottom;
    return RECT{left, top, left + width, top + height};
}

bool Touches(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Squared distance between the closest points of two rectangles.
std::int64_t DistanceSquared(const RECT& a, const RECT& b)
{
    const std::int64_t dx = std::max({0L, b.left - a.right, a.left - b.right});
    const std::int64_t dy = std::max({0L, b.top - a.bottom, a.top - b.bottom});
    return dx * dx + dy * dy;
}

const RECT& NearestMonitor(const RECT& window, const std::vector<RECT>& monitors)
{
    return *std::min_element(monitors.begin(), monitors.end(), [&](const RECT& a, const RECT& b) {
        return DistanceSquared(window, a) < DistanceSquared(window, b);
    });
}
}

DesktopLayout CurrentDesktopLayout()
{
    DesktopLayout layout;
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    layout.virtualScreen = RECT{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&layout.monitors));
    return layout;
}

POINT ClampWindowPosition(const RECT& window, const DesktopLayout& desktop)
{
    RECT placed = ClampInto(window, desktop.virtualScreen);
    const bool visible = std::any_of(desktop.monitors.begin(), desktop.monitors.end(),
                                     [&](const RECT& monitor) { return Touches(placed, monitor); });
    if (!visible && !desktop.monitors.empty())
        placed = ClampInto(placed, NearestMonitor(placed, desktop.monitors));
    return POINT{placed.left, placed.top};
}
