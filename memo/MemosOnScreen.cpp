#include "MemosOnScreen.h"

#include "TMemoWindow.h"
#include "TMemoWindows.h"

#include <set>
#include <vector>

namespace {

// The visible memos of the registry, the front one first.
std::vector<HWND> MemosFrontFirst()
{
    std::set<HWND> memos;
    for (TMemoWindow* memo : GetMemoWindows())
        if (memo->Visible())
            memos.insert(memo->Handle());
    std::vector<HWND> ordered;
    for (HWND window = GetTopWindow(nullptr); window && ordered.size() < memos.size();
         window = GetWindow(window, GW_HWNDNEXT))
        if (memos.count(window))
            ordered.push_back(window);
    return ordered;
}

} // namespace

void BringMemosToFront()
{
    const std::vector<HWND> memos = MemosFrontFirst();
    if (memos.empty())
        return;
    // The hindmost first, each to the top: they end in front of everything in the order they had.
    for (auto memo = memos.rbegin(); memo != memos.rend(); ++memo)
        SetWindowPos(*memo, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetForegroundWindow(memos.front());
}

void KeepMemosOnDesktop(const DesktopLayout& desktop)
{
    for (TMemoWindow* memo : GetMemoWindows())
        memo->ClampOntoDesktop(desktop);
}
