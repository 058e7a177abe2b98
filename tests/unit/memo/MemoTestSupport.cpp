#include "MemoTestSupport.h"

#include <cstring>
#include <stdexcept>

namespace memotest {

SIZE MeasureText(const std::string& ansiText, UINT extraFlags)
{
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"ＭＳ Ｐゴシック");
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, ansiText.c_str(), static_cast<int>(ansiText.size()), &r,
              DT_CALCRECT | DT_EXPANDTABS | extraFlags);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

SIZE SizingFrame()
{
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, WS_POPUP | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

namespace {
// Opening fails while another program holds the clipboard for a moment; try a few times.
void OpenTheClipboard()
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(nullptr))
            return;
        Sleep(20);
    }
    throw std::runtime_error("the test cannot open the clipboard");
}
} // namespace

std::string ReadClipboardText()
{
    OpenTheClipboard();
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void PutClipboardText(const std::string& ansiText)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, ansiText.size() + 1);
    std::memcpy(GlobalLock(memory), ansiText.c_str(), ansiText.size() + 1);
    GlobalUnlock(memory);
    OpenTheClipboard();
    EmptyClipboard();
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

void EmptyTheClipboard()
{
    OpenTheClipboard();
    EmptyClipboard();
    CloseClipboard();
}

RECT WindowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    COLORREF color = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return color;
}

} // namespace memotest
