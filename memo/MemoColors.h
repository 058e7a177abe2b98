#pragma once
// The four colours a memo can take (COLORREF, 0x00BBGGRR). A new memo is yellow.

#include <windows.h>

inline constexpr COLORREF kMemoYellow = 0x00A5FFFF;  // RGB(255, 255, 165)
inline constexpr COLORREF kMemoGreen = 0x00C8FFC8;   // RGB(200, 255, 200)
inline constexpr COLORREF kMemoBlue = 0x00FFC8C8;    // RGB(200, 200, 255)
inline constexpr COLORREF kMemoRed = 0x00C8C8FF;     // RGB(255, 200, 200)
