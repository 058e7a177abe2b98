#pragma once

#include <windows.h>

#include <vector>

// Where a restored memo may stand. Plain data, so the clamping can be tested with any arrangement
// of monitors without having them.
struct DesktopLayout {
    // The bounding rectangle of all monitors, at its real origin (SM_XVIRTUALSCREEN,
    // SM_YVIRTUALSCREEN), which is negative when a monitor stands left of or above the primary one.
    RECT virtualScreen{};
    std::vector<RECT> monitors;
};

// The layout of the monitors attached now.
DesktopLayout CurrentDesktopLayout();

// The top-left corner that brings window (its outer rectangle) onto the desktop, its size kept:
// 1. a left or top edge before the virtual screen's is moved onto it;
// 2. then a right or bottom edge beyond the virtual screen's is moved back onto it, which leaves a
//    window larger than the screen sticking out on the left or top;
// 3. when the result touches no monitor (a gap between monitors of different sizes, a monitor that
//    is gone), the same two steps put it onto the nearest monitor.
// With one monitor at 0, 0 step 3 never applies.
POINT ClampWindowPosition(const RECT& window, const DesktopLayout& desktop);
