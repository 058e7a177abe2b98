#pragma once
// What the memo tests measure and read for themselves, independently of the code under test.

#include <windows.h>

#include <string>

namespace memotest {

// The text measured as a memo's label measures it, with a font the test makes itself: DrawText with
// DT_CALCRECT and DT_EXPANDTABS in "ＭＳ Ｐゴシック", 12-pixel characters (or fontHeight), Shift_JIS.
// Extra flags (DT_NOPREFIX) measure the text as it looks when drawn.
SIZE MeasureText(const std::string& ansiText, UINT extraFlags = 0, int fontHeight = -12);

// Width and height the sizing frame of a memo window adds (both sides together).
SIZE SizingFrame();

inline constexpr int kMemoBorder = 5;

// The window rectangle in screen coordinates.
RECT WindowRect(HWND window);

// The colour of one pixel of a bitmap.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);

} // namespace memotest
