#pragma once
// The four colours a memo can take, as COLORREF values (0x00BBGGRR), and so as info.ini stores
// them. A new memo is yellow. The form data (resources/forms) cannot include this header, so it
// writes the yellow as $A5FFFF; the memo window's unit tests check that a new memo has kMemoYellow.

#include <cstdint>

inline constexpr std::uint32_t kMemoYellow = 0x00A5FFFF; // RGB(255, 255, 165)
inline constexpr std::uint32_t kMemoGreen = 0x00C8FFC8;  // RGB(200, 255, 200)
inline constexpr std::uint32_t kMemoBlue = 0x00FFC8C8;   // RGB(200, 200, 255)
inline constexpr std::uint32_t kMemoRed = 0x00C8C8FF;    // RGB(255, 200, 200)
