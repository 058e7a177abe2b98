#pragma once

#include "base/NonCopyable.h"

#include <windows.h>

#include <string>
#include <unordered_set>

// Counts the visible top-level windows of one class and process, asked again and again while the
// process starts. Every question about another process's window goes through the Wine server,
// which the starting program needs too; so what is learnt once is kept: the class and process of a
// window are asked once, and a window seen visible is not asked again (windows do not hide while a
// program starts).
class VisibleWindowCounter : private base::NonCopyable {
public:
    VisibleWindowCounter(DWORD processId, std::string className);

    int Count();

private:
    DWORD processId_;
    std::string className_;
    std::unordered_set<HWND> knownWindows_;
    std::unordered_set<HWND> hiddenWindows_;
    std::unordered_set<HWND> shownWindows_;
};
