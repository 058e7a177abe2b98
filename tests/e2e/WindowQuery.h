#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// Looks at the top-level windows of the desktop, whichever process made them.
namespace e2e {

std::string ClassNameOf(HWND window);
std::string CaptionOf(HWND window);
DWORD ProcessOf(HWND window);

std::vector<HWND> TopLevelWindows();
std::vector<HWND> TopLevelWindowsOfProcess(DWORD processId);
// How many windows the process has: top-level and child, hidden ones included.
std::size_t WindowCountOfProcess(DWORD processId);
// Windows whose class name and caption are exactly these (as FindWindowA compares them).
std::vector<HWND> TopLevelWindowsNamed(const std::string& className, const std::string& caption);
std::vector<HWND> OfClass(const std::vector<HWND>& windows, const std::string& className);

// The visible pop-up menu window ("#32768") of a process, or null.
HWND OpenPopupMenuOf(DWORD processId);
// Returns once the thread of this window has taken in the events the X server sent it so far, as
// Wine takes them in: an expose, the pointer entering a window. The window may be this thread's
// own: it takes them in as the wait pumps its messages.
void LetThreadTakeInXEvents(HWND window);
// Waits until a pop-up menu of the process is open and has taken in the events of its opening,
// ready for keys; returns it, or null if none opened.
HWND WaitForOpenMenu(DWORD processId);

// For a failure message: the visible top-level windows of the process (class, caption, place),
// which one is in the foreground, and where the pointer is.
std::string DescribeScreenOf(DWORD processId);

} // namespace e2e
