#include "WindowQuery.h"

#include "ProgramNames.h"
#include "Wait.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace e2e {

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

template <typename Predicate>
std::vector<HWND> Filtered(std::vector<HWND> windows, Predicate keep)
{
    std::erase_if(windows, [&](HWND window) { return !keep(window); });
    return windows;
}

} // namespace

std::string ClassNameOf(HWND window)
{
    std::array<char, 256> name{};
    const int length = GetClassNameA(window, name.data(), static_cast<int>(name.size()));
    return std::string(name.data(), std::max(length, 0));
}

std::string CaptionOf(HWND window)
{
    std::array<char, 512> text{};
    const int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), std::max(length, 0));
}

DWORD ProcessOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::vector<HWND> TopLevelWindows()
{
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> TopLevelWindowsOfProcess(DWORD processId)
{
    return Filtered(TopLevelWindows(), [&](HWND window) { return ProcessOf(window) == processId; });
}

std::size_t WindowCountOfProcess(DWORD processId)
{
    std::size_t count = 0;
    for (HWND window : TopLevelWindowsOfProcess(processId)) {
        std::vector<HWND> children; // every descendant, however deep
        EnumChildWindows(window, CollectWindow, reinterpret_cast<LPARAM>(&children));
        count += 1 + children.size();
    }
    return count;
}

std::vector<HWND> TopLevelWindowsNamed(const std::string& className, const std::string& caption)
{
    return Filtered(TopLevelWindows(),
                    [&](HWND window) { return ClassNameOf(window) == className && CaptionOf(window) == caption; });
}

std::vector<HWND> OfClass(const std::vector<HWND>& windows, const std::string& className)
{
    return Filtered(windows, [&](HWND window) { return ClassNameOf(window) == className; });
}

HWND OpenPopupMenuOf(DWORD processId)
{
    for (HWND window : OfClass(TopLevelWindowsOfProcess(processId), kPopupMenuClass)) {
        if (IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

void LetThreadTakeInXEvents(HWND window)
{
    // Wine takes in what the X server sent a thread whenever the thread next waits for messages.
    // The thread answers one message (by then its requests to the X server are sent), is given a
    // moment, in which the server answers them and the thread waits, and answers another.
    constexpr UINT kAnswerTimeoutMs = 5000;
    constexpr std::chrono::milliseconds kMomentToWait{50};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &ignored);
    WaitUntil([] { return false; }, kMomentToWait);
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &ignored);
}

HWND WaitForOpenMenu(DWORD processId)
{
    HWND menu = nullptr;
    if (!WaitUntil([&] { return (menu = OpenPopupMenuOf(processId)) != nullptr; }))
        return nullptr;
    // A menu opens under the pointer. Under Wine the X server then tells the program that the
    // pointer entered the menu, and Wine makes a mouse move of it, which takes the highlight off
    // the menu's item. Arriving between an arrow key and Enter, it made Enter close the menu
    // without choosing anything (a move sent between the two keys does so every time); a person's
    // keys come long after it. Once the program has taken the event in, the move, if any, lies in
    // its queue before the test's keys.
    LetThreadTakeInXEvents(menu);
    return IsWindowVisible(menu) ? menu : nullptr;
}

std::string DescribeScreenOf(DWORD processId)
{
    std::ostringstream text;
    const HWND foreground = GetForegroundWindow();
    for (HWND window : TopLevelWindowsOfProcess(processId)) {
        if (!IsWindowVisible(window))
            continue;
        RECT r{};
        GetWindowRect(window, &r);
        text << (window == foreground ? "* " : "  ") << ClassNameOf(window) << " \"" << CaptionOf(window) << "\" ("
             << r.left << ", " << r.top << ") - (" << r.right << ", " << r.bottom << ")\n";
    }
    POINT pointer{};
    GetCursorPos(&pointer);
    text << "foreground " << foreground << " of process " << ProcessOf(foreground) << ", pointer at (" << pointer.x
         << ", " << pointer.y << ")";
    return text.str();
}

} // namespace e2e
