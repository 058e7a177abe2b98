#include "VisibleWindowCounter.h"

#include "WindowQuery.h"

#include <vector>

VisibleWindowCounter::VisibleWindowCounter(DWORD processId, std::string className)
    : processId_(processId), className_(std::move(className))
{}

int VisibleWindowCounter::Count()
{
    for (HWND window : e2e::TopLevelWindows()) {
        if (!knownWindows_.insert(window).second)
            continue;
        if (e2e::ClassNameOf(window) == className_ && e2e::ProcessOf(window) == processId_)
            hiddenWindows_.insert(window);
    }
    std::vector<HWND> shownNow;
    for (HWND window : hiddenWindows_) {
        if (IsWindowVisible(window))
            shownNow.push_back(window);
    }
    for (HWND window : shownNow) {
        hiddenWindows_.erase(window);
        shownWindows_.insert(window);
    }
    return static_cast<int>(shownWindows_.size());
}
