#pragma once

#include "ProgramNames.h"

#include <windows.h>

#include <string>

// Memo windows and their edit dialog as another process sees them, and what a memo of a given text
// should measure.
namespace e2e {

// The first visible top-level window of this class in the process, or null.
HWND VisibleWindowOfClass(DWORD processId, const char* className);
// The first child (at any depth) of this class, with this wide caption unless it is empty.
HWND ChildOf(HWND parent, const std::string& className, const std::wstring& caption = L"");
std::wstring WideCaptionOf(HWND window);
// The text of a control of another process, asked of the control itself (GetWindowText would
// give the text the window was created with, not what was typed since).
std::string ControlText(HWND control);
// The same as wide text: every character as typed, also one the code page lacks.
std::wstring WideControlText(HWND control);
RECT RectOf(HWND window);
// The window with the keyboard focus in the thread that owns `window`, or null.
HWND FocusOfThreadOf(HWND window);
// The window that holds the mouse capture in the thread that owns `window`, or null.
HWND CaptureOfThreadOf(HWND window);
POINT CentreOf(HWND window);
SIZE ClientSizeOf(HWND window);

// The client size a memo of this text has: DrawText's measurement in the memo font
// ("ＭＳ Ｐゴシック", 12 pixels at 96 DPI or fontHeight, Shift_JIS), an empty text measured as one space.
SIZE MemoClientSizeFor(const std::string& ansiText, int fontHeight = -12);
// What the 5-pixel border and the sizing frame add to a memo's client size.
SIZE MemoWindowExtra();

} // namespace e2e
