#pragma once
// What the memo tests measure and read for themselves, independently of the code under test.

#include "MemoMeasure.h"

#include <windows.h>

namespace memotest {

// The window rectangle in screen coordinates.
RECT WindowRect(HWND window);

// The colour of one pixel of a bitmap.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);

} // namespace memotest
