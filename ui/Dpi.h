#pragma once
// Dots per inch: the one place that knows a window's DPI and scales the sizes the forms are
// designed in (96 DPI) to it. Functions newer than Windows 7 are looked up at run time, so the same
// executable still starts there (and is then scaled by the system DPI alone).

#include <windows.h>

namespace ui {

// WM_DPICHANGED (Windows 8.1 and later): wParam holds the new DPI in both halves, lParam points to
// the rectangle the system suggests at it.
inline constexpr UINT kDpiChangedMessage = 0x02E0;

// The DPI everything is designed at; a window at this DPI is laid out exactly as designed.
inline constexpr int kDesignDpi = 96;

// The system's DPI: what a window that is not yet made, or a Windows without per-window DPI, has.
int SystemDpi();
// The DPI of the monitor the window is on, as the system last told the window; the system DPI
// where Windows has no per-window DPI.
int WindowDpi(HWND window);
// A size of the 96-DPI design at this DPI, rounded to the nearest pixel.
int ScaleToDpi(int designValue, int dpi);
// A size at one DPI taken to another, rounded to the nearest pixel.
int ScaleBetween(int value, int fromDpi, int toDpi);
// The sizing frame and borders the system puts around a client area of a window of these styles at
// this DPI: what AdjustWindowRectEx adds. The frame of the system's DPI where Windows has no frame
// for another DPI.
SIZE FrameAtDpi(DWORD style, DWORD exStyle, int dpi);

} // namespace ui
