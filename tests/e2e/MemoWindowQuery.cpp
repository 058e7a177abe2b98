#include "MemoWindowQuery.h"

#include "WindowQuery.h"

#include <array>

namespace e2e {

namespace {

constexpr int kMemoBorderWidth = 5;

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
    const std::string measured = ansiText.empty() ? std::string(" ") : ansiText;
    HFONT font = CreateFontW(fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"ＭＳ Ｐゴシック");
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, measured.c_str(), static_cast<int>(measured.size()), &r, DT_CALCRECT | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

SIZE MemoWindowExtra()
{
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, WS_POPUP | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
    return SIZE{r.right - r.left + 2 * kMemoBorderWidth, r.bottom - r.top + 2 * kMemoBorderWidth};
}

} // namespace e2e
