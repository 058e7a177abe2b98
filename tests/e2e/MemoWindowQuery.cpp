#include "MemoWindowQuery.h"

#include "MemoMeasure.h"
#include "WindowQuery.h"

#include <array>

namespace e2e {

namespace {

struct ChildSearch {
    std::string className;
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM data)
{
    auto* search = reinterpret_cast<ChildSearch*>(data);
    if (ClassNameOf(child) == search->className &&
        (search->caption.empty() || WideCaptionOf(child) == search->caption)) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

GUITHREADINFO GuiThreadInfoOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return GUITHREADINFO{};
    return info;
}

} // namespace

HWND VisibleWindowOfClass(DWORD processId, const char* className)
{
    for (HWND window : OfClass(TopLevelWindowsOfProcess(processId), className))
        if (IsWindowVisible(window))
            return window;
    return nullptr;
}

HWND ChildOf(HWND parent, const std::string& className, const std::wstring& caption)
{
    ChildSearch search{className, caption};
    EnumChildWindows(parent, &MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring WideCaptionOf(HWND window)
{
    std::array<wchar_t, 512> text{};
    const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return std::wstring(text.data(), length > 0 ? length : 0);
}

std::string ControlText(HWND control)
{
    const auto length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const auto copied = SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::wstring WideControlText(HWND control)
{
    const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

RECT RectOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

HWND FocusOfThreadOf(HWND window)
{
    return GuiThreadInfoOf(window).hwndFocus;
}
HWND CaptureOfThreadOf(HWND window)
{
    return GuiThreadInfoOf(window).hwndCapture;
}

POINT CentreOf(HWND window)
{
    const RECT r = RectOf(window);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

SIZE ClientSizeOf(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    return SIZE{r.right, r.bottom};
}

SIZE MemoClientSizeFor(const std::string& ansiText, int fontHeight)
{
    return memotest::MeasureText(ansiText.empty() ? std::string(" ") : ansiText, 0, fontHeight);
}

SIZE MemoWindowExtra()
{
    const SIZE frame = memotest::SizingFrame();
    return SIZE{frame.cx + 2 * memotest::kMemoBorder, frame.cy + 2 * memotest::kMemoBorder};
}

} // namespace e2e
