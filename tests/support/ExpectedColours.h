#pragma once
// The four memo colours as the user sees them on the screen and as info.ini stores them
// (COLORREF, 0x00BBGGRR). Spelt here on their own rather than taken from the program, so that a
// wrong colour in it shows.

#include <windows.h>

inline constexpr COLORREF kYellow = RGB(255, 255, 165); // 0x00A5FFFF, the colour of a new memo
inline constexpr COLORREF kGreen = RGB(200, 255, 200);  // 0x00C8FFC8
inline constexpr COLORREF kBlue = RGB(200, 200, 255);   // 0x00FFC8C8
inline constexpr COLORREF kRed = RGB(255, 200, 200);    // 0x00C8C8FF
