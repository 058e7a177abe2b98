#include "VisibleWindowCounter.h"

#include "WindowQuery.h"

#include <vector>

VisibleWindowCounter::VisibleWindowCounter(DWORD processId, std::string className)
    : processId(processId), className(std::move(className))
{
}

int VisibleWindowCounter::Count()
{
    for (HWND window : e2e::TopLevelWindows()) {
        if (!knownWindows.insert(window).second)
            continue;
        if (e2e::ClassNameOf(window) == className && e2e::ProcessOf(window) == processId)
            hiddenWindows.insert(window);
    }
    std::vector<HWND> shownNow;
    for (HWND window : hiddenWindows) {
        if (IsWindowVisible(window))
            shownNow.push_back(window);
    }
    for (HWND window : shownNow) {
        hiddenWindows.erase(window);
        shownWindows.insert(window);
    }
    return static_cast<int>(shownWindows.size());
}
