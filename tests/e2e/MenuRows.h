#pragma once

#include "ScreenPicture.h"

#include <vector>

namespace e2e {

// A run of pixel rows of an open menu that hold anything but the menu's background: one item's
// text, or a separator line.
struct MenuRow {
    int top = 0;
    int bottom = 0;     // exclusive
    int inkPixels = 0;  // pixels not of the background
    int textPixels = 0; // pixels exactly of the colour of enabled menu text

    int Height() const noexcept { return bottom - top; }
};

// The rows of a picture of a menu window, top to bottom, leaving out its frame. Text drawn grey
// (a disabled item) has no pixel of the enabled text colour; a separator is a thin etched line.
std::vector<MenuRow> MenuRowsOf(const ScreenPicture& menu, COLORREF background, COLORREF textColor);

} // namespace e2e
