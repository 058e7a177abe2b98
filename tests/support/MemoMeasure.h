#pragma once
// What a memo's size is made of, measured by the tests themselves, independently of the code under
// test: the unit tests and the end-to-end tests check memo sizes against these.

#include <windows.h>

#include <string>

namespace memotest {

// The text measured as a memo's label measures it, with a font the test makes itself: DrawText with
// DT_CALCRECT and DT_EXPANDTABS in "ＭＳ Ｐゴシック", 12-pixel characters (or fontHeight), Shift_JIS.
// Extra flags (DT_NOPREFIX) measure the text as it looks when drawn.
SIZE MeasureText(const std::string& ansiText, UINT extraFlags = 0, int fontHeight = -12);

// Width and height the sizing frame of a memo window adds (both sides together).
SIZE SizingFrame();

// The border between a memo's sizing frame and its text, on each side.
inline constexpr int kMemoBorder = 5;

} // namespace memotest
